// Checks on where cubies lie, for the CF-0 tests, next to the shared cubes
// and entry helpers.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "tests/test_cubes.h"

namespace rq51::cf0_test {

using namespace rq51::test;

// The line the corners-first stages log between their steps.
inline const std::string kSeparator = "    @     ";

template <typename Slot>
const Slot* FindSlot(const auto& slots, int number) {
  for (const Slot& slot : slots) {
    if (SlotLabelNumber(slot.label) == number) return &slot;
  }
  return nullptr;
}

inline const CornerSlot& Corner(int number) { return *FindSlot<CornerSlot>(CornerSlots(), number); }
inline const EdgeSlot& Edge(int number) { return *FindSlot<EdgeSlot>(EdgeSlots(), number); }

// The sorted home numbers found on a slot's facelets.
template <size_t N>
std::array<int, N> HomesOn(const Homes& homes, const std::array<int, N>& facelets) {
  std::array<int, N> found{};
  for (size_t n = 0; n < N; ++n) found[n] = homes[facelets[n]];
  std::sort(found.begin(), found.end());
  return found;
}

template <size_t N>
std::array<int, N> Sorted(std::array<int, N> facelets) {
  std::sort(facelets.begin(), facelets.end());
  return facelets;
}

// Slot `at` holds the cubie whose home slot is `cubie`.
inline bool CornerHolds(const Homes& homes, int at, int cubie) {
  return HomesOn(homes, Corner(at).facelets) == Sorted(Corner(cubie).facelets);
}
inline bool EdgeHolds(const Homes& homes, int at, int cubie) {
  return HomesOn(homes, Edge(at).facelets) == Sorted(Edge(cubie).facelets);
}

template <size_t N>
bool Oriented(const Homes& homes, const std::array<int, N>& facelets) {
  for (int f : facelets) {
    if (homes[f] != f) return false;
  }
  return true;
}

// Every corner slot holds its own cubie and is oriented, except those named.
inline std::vector<int> CornersNotSolved(const Homes& homes) {
  std::vector<int> out;
  for (const CornerSlot& slot : CornerSlots()) {
    if (!Oriented(homes, slot.facelets)) out.push_back(SlotLabelNumber(slot.label));
  }
  return out;
}
inline std::vector<int> EdgesNotSolved(const Homes& homes) {
  std::vector<int> out;
  for (const EdgeSlot& slot : EdgeSlots()) {
    if (!Oriented(homes, slot.facelets)) out.push_back(SlotLabelNumber(slot.label));
  }
  return out;
}
inline std::vector<int> CentresNotHome(const Homes& homes) {
  std::vector<int> out;
  for (int c : kCentres) {
    if (homes[c] != c) out.push_back(c);
  }
  return out;
}

}  // namespace rq51::cf0_test
