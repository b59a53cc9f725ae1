// Entering a cube into a TK-C window as a user does, for the TK-C tests.
#pragma once

#include <array>
#include <random>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/solver_window.h"
#include "solvers/tkc/tkc_method.h"

namespace rq51::tkc_test {

using Colours = std::array<std::string, kFaceletCount + 1>;

// Front green, bottom red, back blue, top orange, left white, right yellow.
inline Colours SolvedColours() {
  static const std::array<std::string, kFaceCount + 1> kScheme = {"", "G", "R", "B", "O", "W", "Y"};
  Colours colours;
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = kScheme[FaceOf(k)];
  return colours;
}

// The colours of a cube physically turned by `moves`.
inline Colours Turned(const Colours& colours, const std::vector<Move>& moves) {
  return ApplyToState(MapOfMoves(moves), colours);
}

inline std::vector<Move> RandomMoves(std::mt19937& random, int count) {
  std::uniform_int_distribution<size_t> pick(0, AllMoves().size() - 1);
  std::vector<Move> moves;
  for (int n = 0; n < count; ++n) moves.push_back(AllMoves()[pick(random)]);
  return moves;
}

inline std::vector<Move> Moves(std::initializer_list<const char*> names) {
  std::vector<Move> moves;
  for (const char* name : names) moves.push_back(*MoveFromName(name));
  return moves;
}

// Colour button, then a left click on the facelet's grid cell, for every
// facelet; then the entry is confirmed. True when the window accepted it.
inline bool Enter(SolverWindow& window, const Colours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    window.ChooseColour(colours[k]);
    const GridCell cell = FaceletGridCell(k);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
  window.ColoringClick();
  return window.label4() == kArrangementOk;
}

inline SolverWindow TkcWindow() { return SolverWindow(WindowKind::kTkc, TkcButtons()); }

}  // namespace rq51::tkc_test
