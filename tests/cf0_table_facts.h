// What the CF-0 tables say besides their log lines: the turns each twist,
// flip and centre row performs, the edges a flip row also turns over and the
// centre arrangement a centre row brings home. Kept apart from the rows so
// that the tests compare two independent readings.
#pragma once

#include <string_view>
#include <vector>

namespace rq51::cf0_data {

struct TwistTurns {
  int position;
  int home;
  std::string_view turns;  // "(Rx3 Ry) ×3, then (Rx Ry3) ×3"
};

struct FlipFacts {
  int position;
  int home;
  std::string_view turns;
  std::vector<int> also_turned_over;
};

struct CentreFacts {
  int key;
  std::vector<int> arrangement;  // home numbers at 5, 14, 23, 32, 41, 50
  std::string_view turns;        // "Mx2 My Mx2 My3"
};

// clang-format off
inline const std::vector<TwistTurns> kTwistTurns = {
    {1, 30, "(Rx3 Ry) ×3, then (Rx Ry3) ×3"},
    {1, 52, "(Ry Rx3) ×3, then (Ry3 Rx) ×3"},
    {3, 10, "(Ry Rx Ry3 Rx3) ×2, then (Ry3 Rz3 Ry Rz) ×2"},
    {3, 54, "(Rz3 Ry3 Rz Ry) ×2, then (Rx Ry Rx3 Ry3) ×2"},
    {7, 36, "(Rx3 Rz Rx Rz3) ×2, then (Rx Ry Rx3 Ry3) ×2"},
    {7, 37, "(Ry Rx Ry3 Rx3) ×2, then (Rz Rx3 Rz3 Rx) ×2"},
    {9, 16, "(Rz3 Ry) ×3, then (Rz Rx3) ×3"},
    {9, 39, "(Rx Rz3) ×3, then (Ry3 Rz) ×3"},
    {12, 19, "(Ry3 Rx3 Ry Rx) ×2, then (Ry Rz3 Ry3 Rz) ×2"},
    {12, 48, "(Rz3 Ry Rz Ry3) ×2, then (Rx3 Ry3 Rx Ry) ×2"},
    {21, 28, "(Ry3 Rx Ry Rx3) ×2, then (Ry Rz Ry3 Rz3) ×2"},
};

inline const std::vector<FlipFacts> kFlipFacts = {
    {15, 22, "(Ry3 Mx) ×4", {2, 4, 24}},
    {17, 42, "(Rx My) ×4", {11, 20, 35}},
    {26, 44, "(Ry Mz) ×4", {6, 8, 20}},
    {20, 47, "(Rx My3) ×4, then (Rx3 My3) ×4", {2}},
    {24, 31, "(Rx3 My) ×4, then (Rz3 My3) ×4", {2}},
    {2, 53, "(Rx3 My) ×4, then (Rz My3) ×4", {4}},
    {4, 33, "(Ry Mx) ×4, then (Ry3 Mx3) ×4", {6}},
    {6, 13, "(Ry Mz) ×4, then (Rx3 Mz3) ×4", {11}},
    {11, 51, "(Rx My) ×4, then (Rx3 My3) ×4", {29}},
    {29, 49, "(Ry3 Mx3) ×4, then (Rz3 Mx) ×4", {8}},
    {8, 38, "(Ry3 Mx3) ×4, then (Rz Mx) ×4", {35}},
};

inline const std::vector<CentreFacts> kCentreFacts = {
    {532, {5, 32, 23, 14, 50, 41}, "Mx2 My Mx2 My3"},
    {2314, {23, 14, 5, 32, 50, 41}, "My2 Mz My2 Mz3"},
    {2332, {23, 32, 5, 14, 41, 50}, "Mx My2 Mx3 My2"},
    {1441, {14, 41, 32, 50, 5, 23}, "Mx My Mx3 My3"},
    {1450, {14, 50, 32, 41, 23, 5}, "Mx My3 Mx3 My"},
    {3241, {32, 50, 14, 41, 5, 23}, "Mx3 My3 Mx My"},
    {3250, {32, 41, 14, 50, 23, 5}, "Mx3 My Mx My3"},
    {4114, {41, 5, 50, 23, 14, 32}, "My Mx My3 Mx3"},
    {4132, {41, 23, 50, 5, 32, 14}, "My3 Mx3 My Mx"},
    {5014, {50, 5, 41, 23, 32, 14}, "My3 Mx My Mx3"},
    {5032, {50, 23, 41, 5, 14, 32}, "My Mx3 My3 Mx"},
};
// clang-format on

}  // namespace rq51::cf0_data
