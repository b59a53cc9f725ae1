// The face-turn notation of timers and books, and the reader that takes a
// turn sequence in either that notation or the program's own.
//
// Standard notation names what turns, each clockwise as seen looking at it:
// faces U (top, face 4), D (bottom, 2), F (front, 1), B (back, 3), L (left,
// 5) and R (right, 6); slices M (as L), E (as D) and S (as F); two layers at
// once u d f b l r, also written Uw ... Rw; the whole cube x (as R), y (as U)
// and z (as F). A "'" turns the other way, a "2" half round. Turns may stand
// apart or run together ("R U R' U'", "RUR'U'"); x, y and z begin a word of
// their own, so that a text in the program's notation ("Rx Ly2") is never
// taken for standard turns. "( ... )" groups turns, a count after the closing
// bracket repeats them: "(R U R' U')6". Line breaks are blanks, and "//"
// starts a comment that runs to the end of its line.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"

namespace rq51 {

// The program's moves that perform one standard turn ("R", "U'", "Uw2",
// "x"), in order; nullopt for anything else.
std::optional<std::vector<Move>> StandardTurnMoves(std::string_view turn);

// Reads standard notation as ReadMacroText reads the program's: `stop` is
// where the first thing that is not a turn starts, `malformed` a bracket
// that does not close on turns alone.
MacroReading ReadStandardText(std::string_view text);

enum class TurnNotation { kProgram, kStandard };

struct TurnSequence {
  bool read = false;  // the whole text is a turn sequence
  TurnNotation notation = TurnNotation::kProgram;
  std::vector<Move> moves;
  // When the text was not read: the first word that could not be read (in
  // the notation that read further), and whether it opens a bracket that
  // does not close.
  std::string unread_word;
  bool open_bracket = false;
  int unread_line = 0;  // the line (from 1) that holds it
};

// Reads `text` in the program's notation (log text, bracket counts and the
// button names "Rx3") when it can, else in standard notation.
TurnSequence ReadTurnSequence(std::string_view text);

// --- Writing standard notation ---------------------------------------------
// One of the program's moves as the standard turn it is: Rx "R'", Rz3 "U",
// Mx2 "M2".
std::string StandardMoveName(Move move);

// A logged line in standard notation: its turns as standard turns, brackets
// kept with their counts ("(U' R F')5"), followed by the rest of the line as
// a comment ("(U' R F')5 // A1<->A12"); a line that performs no turns is a
// comment alone ("// ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "//" for a blank line). `turns`
// (the program's notation) stands for the line's turns when its own text
// does not carry them; the whole line is then the comment.
std::string StandardLine(std::string_view line, std::string_view turns = {});
// StandardLine in two parts: the turns in standard notation, and the rest of
// the line as it is, blanks trimmed (either may be empty), so that the note
// can be shown in another language; JoinStandardLine puts them together as
// StandardLine does.
struct StandardParts {
  std::string turns;
  std::string note;
};
StandardParts StandardLineParts(std::string_view line, std::string_view turns = {});
std::string JoinStandardLine(std::string_view turns, std::string_view note);

// Whole-cube turns that perform `map` ("x2", "y z'"), at most two; empty for
// the identity, nullopt when the map turns no whole cube.
std::optional<std::string> StandardRotation(const FaceletMap& map);

// The colours of a solved cube turned by `moves`, index 1..54: front green,
// bottom red, back blue, top orange, left white, right yellow
// (HomeFaceColour), held as it was before the turns.
std::array<Colour, kFaceletCount + 1> ColoursAfterTurns(const std::vector<Move>& moves);

}  // namespace rq51
