// The grammar both turn notations share: turns, blanks that only align, line
// breaks, "//" comments that run to the end of their line, and brackets of
// turns followed by a repeat count. A notation supplies how one turn and one
// count are read; this reads the rest.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

#include "cube/moves.h"
#include "cube/notation.h"

namespace rq51::notation_grammar {

// Blanks, line breaks and comments before the next turn or bracket.
template <typename Notation>
void SkipSpace(Notation& notation) {
  const std::string_view text = notation.text_;
  size_t& pos = notation.pos_;
  while (true) {
    notation.SkipBlanks();
    if (pos >= text.size()) return;
    if (text[pos] == '\n' || text[pos] == '\r') {
      ++pos;
    } else if (text.substr(pos, 2) == "//") {
      pos = std::min(text.find('\n', pos), text.size());
    } else {
      return;
    }
  }
}

// `Notation` has the members `std::string_view text_` and `size_t pos_`, and
// `void SkipBlanks()`, `bool ReadTurn(std::vector<Move>& moves)` (appends the
// turn at `pos_` and moves past it, or returns false and leaves `pos_`) and
// `int ReadCount()` (the repeat count after a closing bracket, 1 when none).
// `groups`, when given, receives the turns as written: runs of turns outside
// brackets and each bracket with its count.
template <typename Notation>
MacroReading ReadSequence(Notation& notation, std::vector<WrittenGroup>* groups = nullptr) {
  MacroReading reading;
  const std::string_view text = notation.text_;
  size_t& pos = notation.pos_;
  // Reads one turn into `moves` and notes where each move it gave is written.
  const auto read_turn = [&](std::vector<Move>& moves, std::vector<MoveSpan>& spans) {
    const size_t begin = pos;
    const size_t before = moves.size();
    if (!notation.ReadTurn(moves)) return false;
    spans.insert(spans.end(), moves.size() - before, MoveSpan{begin, pos});
    return true;
  };
  while (true) {
    SkipSpace(notation);
    if (pos >= text.size()) break;
    if (text[pos] == '(') {
      const size_t open = pos;
      ++pos;
      std::vector<Move> inner;
      std::vector<MoveSpan> inner_spans;
      bool closed = false;
      while (true) {
        SkipSpace(notation);
        if (pos >= text.size()) break;
        if (text[pos] == ')') {
          ++pos;
          closed = true;
          break;
        }
        if (!read_turn(inner, inner_spans)) break;
      }
      if (!closed || inner.empty()) {
        pos = open;
        reading.malformed = true;
        break;
      }
      const int count = notation.ReadCount();
      for (int n = 0; n < count; ++n) {
        reading.moves.insert(reading.moves.end(), inner.begin(), inner.end());
        for (MoveSpan span : inner_spans) {
          span.repetition = n + 1;
          span.repetitions = count;
          reading.spans.push_back(span);
        }
      }
      if (groups != nullptr) groups->push_back({std::move(inner), count});
      continue;
    }
    const size_t before = reading.moves.size();
    if (!read_turn(reading.moves, reading.spans)) break;
    if (groups != nullptr) {
      if (groups->empty() || groups->back().count != 0) groups->push_back({});
      groups->back().moves.insert(groups->back().moves.end(), reading.moves.begin() + before,
                                  reading.moves.end());
    }
  }
  reading.stop = pos;
  reading.map = MapOfMoves(reading.moves);
  return reading;
}

}  // namespace rq51::notation_grammar
