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
// bracket repeats them: "(R U R' U')6".
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
};

// Reads `text` in the program's notation (log text, bracket counts and the
// button names "Rx3") when it can, else in standard notation.
TurnSequence ReadTurnSequence(std::string_view text);

// The colours of a solved cube turned by `moves`, index 1..54: front green,
// bottom red, back blue, top orange, left white, right yellow
// (HomeFaceColour), held as it was before the turns.
std::array<Colour, kFaceletCount + 1> ColoursAfterTurns(const std::vector<Move>& moves);

}  // namespace rq51
