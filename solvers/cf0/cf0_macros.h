// The macros the CF-0 step tables use again and again, each defined once:
// its text as the logs show it, its turns and what it does to a solved cube.
// Slots are named by their number ("A3" -> 3, "B24" -> 24, "C41" -> 41).
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace rq51::cf0 {

// A bracket of three turns performed five times: exchanges two corners and
// twists others in place (it also moves edges, which the edge stage mends).
struct CornerExchangeMacro {
  std::string_view text;         // "(RyRzRx )５乗"
  std::string_view bracket;      // one pass, by button names: "Ry Rz Rx"
  std::array<int, 2> exchanged;  // the two corners that change places
  std::vector<int> twisted;      // the corners turned in place
};

// A bracket of three turns performed four times: three edges cycle and
// nothing else moves.
struct ThreeEdgeCycle {
  std::string_view text;     // "(Rx-MyRx- )４乗"
  std::string_view bracket;  // one pass: "Rx3 My Rx3"
  // {2, 17, 35}: B2 receives the cubie of B17, B17 that of B35, B35 that of B2.
  std::array<int, 3> cycle;
};

// Seven turns: two edges exchanged, two other edges of the same slice turned
// over in place and four centres cycled.
struct TwoEdgeExchange {
  std::string_view text;           // "(Ry2MzRy2MzRy2MzRy2)"
  std::string_view moves;          // "Ry2 Mz Ry2 Mz Ry2 Mz Ry2"
  std::array<int, 2> exchanged;    // {2, 8}
  std::array<int, 2> turned_over;  // {20, 26}
  // {5, 50, 23, 41}: C5 receives the centre of C50, C50 that of C23, C23 that
  // of C41 and C41 that of C5.
  std::array<int, 4> centres;
};

const std::vector<CornerExchangeMacro>& CornerExchangeMacros();
const std::vector<ThreeEdgeCycle>& ThreeEdgeCycles();
const std::vector<TwoEdgeExchange>& TwoEdgeExchanges();

}  // namespace rq51::cf0
