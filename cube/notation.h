// Reader for the move notation of log lines and macro texts.
//
// A text starts with its move part: move names ("Rx", "Ry2", "Lz-"), blanks
// that only align, line breaks, comments from "//" to the end of their line,
// and brackets "( ... )" of moves, each either followed by a full-width
// repeat count and "乗" ("(Rx-RyLz)５乗": five times), or by "×" and a
// count ("(Rx-RyLz)×5", as the lists show it in other languages), or
// performed once.
// Whatever follows the move part (a label such as "A1<->A3", "4<-49",
// "C5→C41" or "cross4･24") is not performed; the reader stops in front of it
// and says where.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "cube/moves.h"

namespace rq51 {

// Where a move is written: the bytes of its turn in the text, and for a
// move inside a repeated bracket which performance of the bracket it belongs
// to (1-based) and how many there are.
struct MoveSpan {
  size_t begin = 0;
  size_t end = 0;
  int repetition = 1;
  int repetitions = 1;
};

struct MacroReading {
  std::vector<Move> moves;      // in the order performed, brackets expanded
  std::vector<MoveSpan> spans;  // one per move; ReadMacroLines': within each move's own line
  FaceletMap map;               // the map of `moves`
  size_t stop = 0;              // byte offset of the first thing that is not a move
  bool malformed = false;       // a bracket that does not close on moves alone
};

struct NotationOptions {
  // Also take "Rx3" for the third power, as the trial buttons name it.
  bool accept_power3 = false;
};

MacroReading ReadMacroText(std::string_view text, NotationOptions options = {});

// The repetition mark at byte `pos` of `text`: a full-width digit １..９ and
// "乗", or "×" and a digit 1..9. Its count and its length in bytes; a count
// of 0 where there is none.
struct RepeatMark {
  int count = 0;
  size_t length = 0;
};
RepeatMark RepeatMarkAt(std::string_view text, size_t pos);

// A part of a move text as it is written: turns standing alone (`count` 0),
// or a bracket of turns performed `count` times (1 for a bracket without a
// count).
struct WrittenGroup {
  std::vector<Move> moves;
  int count = 0;
};

// The move part of `text` part by part, brackets kept, for writing it in
// another notation; the parts performed in order are ReadMacroText's moves.
std::vector<WrittenGroup> ReadMacroGroups(std::string_view text, NotationOptions options = {});

// The moves of several log lines read one after the other, as a table row
// that spans lines performs them.
MacroReading ReadMacroLines(const std::vector<std::string_view>& lines);

}  // namespace rq51
