// Cubes for the CF-0 tests: solved and turned colour arrangements, entered
// into a window as a user does, and checks on where cubies lie.
#pragma once

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"
#include "shell/solver_window.h"

namespace rq51::cf0_test {

using Colours = std::array<std::string, kFaceletCount + 1>;
using Homes = std::array<int, kFaceletCount + 1>;

// Front green, bottom red, back blue, top orange, left white, right yellow:
// the reference corner shows the colours the window presets.
inline Colours SolvedColours() {
  static const std::array<std::string, kFaceCount + 1> kScheme = {"", "G", "R", "B", "O", "W", "Y"};
  Colours colours;
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = kScheme[FaceOf(k)];
  return colours;
}

inline std::vector<Move> MovesOfText(std::string_view text) { return ReadMacroText(text).moves; }

inline std::vector<Move> Inverted(std::vector<Move> moves) {
  std::reverse(moves.begin(), moves.end());
  for (Move& move : moves) move.power = 4 - move.power;
  return moves;
}

inline std::vector<Move> RandomMoves(std::mt19937& random, int count) {
  std::uniform_int_distribution<size_t> pick(0, AllMoves().size() - 1);
  std::vector<Move> moves;
  for (int n = 0; n < count; ++n) moves.push_back(AllMoves()[pick(random)]);
  return moves;
}

inline Colours Turned(const Colours& colours, const std::vector<Move>& moves) {
  return ApplyToState(MapOfMoves(moves), colours);
}

// Picks each colour and clicks each cell, then confirms the entry.
inline void EnterColours(SolverWindow& window, const Colours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    window.ChooseColour(colours[k]);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
  window.PressButton("Coloring");
}

// The home numbers a map leaves on a solved cube.
inline Homes HomesAfter(const FaceletMap& map) {
  Homes homes{};
  for (int i = 1; i <= kFaceletCount; ++i) homes[i] = map(i);
  return homes;
}

inline Homes SolvedHomes() { return HomesAfter(FaceletMap()); }

inline Homes HomesOf(const StateTable& table) {
  Homes homes{};
  for (int i = 1; i <= kFaceletCount; ++i) homes[i] = table.Home(i);
  return homes;
}

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
