// Cubes for the tests and benchmarks: a solved colour arrangement, the same
// turned by moves, moves from their names, home numbers, and colours entered
// into a state table or into a solver window as a user enters them.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"
#include "cube/state_table.h"
#include "shell/solver_window.h"
#include "solvers/methods.h"

namespace rq51 {
// Colours print as their letters in failure messages.
inline void PrintTo(Colour colour, std::ostream* out) {
  *out << (colour == Colour::kNone ? "(none)" : LetterOf(colour));
}
}  // namespace rq51

namespace rq51::test {

// Colours by facelet; index 0 is unused.
using Colours = std::array<Colour, kFaceletCount + 1>;
// Home numbers by facelet; index 0 is unused.
using Homes = std::array<int, kFaceletCount + 1>;
// Colours by face: front, bottom, back, top, left, right.
using FaceColours = std::array<Colour, kFaceCount + 1>;

// The two ways of reading the face colours: from the centres, or from the
// reference corner.
inline constexpr FaceColourRule kBothRules[] = {FaceColourRule::kCentre,
                                                FaceColourRule::kReferenceCorner};

// Front green, bottom red, back blue, top orange, left white, right yellow:
// the reference corner shows the colours the CF-0 window presets.
inline constexpr FaceColours kSolvedFaces = {Colour::kNone,  Colour::kGreen,  Colour::kRed,
                                             Colour::kBlue,  Colour::kOrange, Colour::kWhite,
                                             Colour::kYellow};

// A solved cube whose faces show the given colours.
inline Colours SolvedColours(const FaceColours& faces = kSolvedFaces) {
  Colours colours{};
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = faces[FaceOf(k)];
  return colours;
}

// The colours of a cube physically turned by `moves`.
inline Colours Turned(const Colours& colours, const std::vector<Move>& moves) {
  return ApplyToState(MapOfMoves(moves), colours);
}

// `count` moves drawn from all 27.
inline std::vector<Move> RandomMoves(std::mt19937& random, int count) {
  std::uniform_int_distribution<size_t> pick(0, AllMoves().size() - 1);
  std::vector<Move> moves;
  for (int n = 0; n < count; ++n) moves.push_back(AllMoves()[pick(random)]);
  return moves;
}

// Moves written as button names separated by blanks: "Rx3 Ry Lz". An unknown
// name throws, so a mistyped case fails its test instead of testing less.
inline std::vector<Move> Moves(std::string_view names) {
  std::vector<Move> moves;
  size_t at = 0;
  while (at < names.size()) {
    const size_t end = std::min(names.find(' ', at), names.size());
    const std::string_view name = names.substr(at, end - at);
    at = end + 1;
    if (name.empty()) continue;
    const std::optional<Move> move = MoveFromName(name);
    if (!move) throw std::invalid_argument("no move named \"" + std::string(name) + "\"");
    moves.push_back(*move);
  }
  return moves;
}

// The moves of a log line's move part: "(Rx-MyRx- )４乗".
inline std::vector<Move> MovesOfText(std::string_view text) { return ReadMacroText(text).moves; }

// The moves that undo `moves`.
inline std::vector<Move> Inverted(std::vector<Move> moves) {
  std::reverse(moves.begin(), moves.end());
  for (Move& move : moves) move.power = 4 - move.power;
  return moves;
}

// The colours as the six grids show them.
inline GridColours GridsOf(const Colours& colours) {
  GridColours grids{};
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        grids[grid][column][row] = colours[GridCellFacelet(grid, column, row)];
      }
    }
  }
  return grids;
}

// Reads the colours into the table and identifies every sticker.
inline void ReadColours(StateTable& table, const Colours& colours, FaceColourRule rule) {
  table.ReadGrids(GridsOf(colours), rule);
  table.IdentifyAll();
}

// A table read from a solved cube, identified.
inline StateTable SolvedTable() {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  return table;
}

// The home numbers a map leaves on a solved cube.
inline Homes HomesAfter(const FaceletMap& map) {
  Homes homes{};
  for (int k = 1; k <= kFaceletCount; ++k) homes[k] = map(k);
  return homes;
}

inline Homes SolvedHomes() { return HomesAfter(FaceletMap()); }

// A solved, identified table turned so that its home numbers are `homes`,
// which must be a permutation of 1..54.
inline StateTable TableWithHomes(const Homes& homes) {
  FaceletMap map;
  for (int k = 1; k <= kFaceletCount; ++k) map.Set(k, homes[k]);
  StateTable table = SolvedTable();
  table.ApplyMap(map);
  return table;
}

inline Homes HomesOf(const StateTable& table) {
  Homes homes{};
  for (int k = 1; k <= kFaceletCount; ++k) homes[k] = table.Home(k);
  return homes;
}

// The window of `kind` with its method, as the program creates it.
inline SolverWindow WindowFor(WindowKind kind) { return SolverWindow(kind, MethodFor(kind)); }

// Paints every facelet as a user does: the colour button, then a left click
// on the facelet's grid cell.
inline void PaintColours(SolverWindow& window, const Colours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    const GridCell cell = FaceletGridCell(k);
    if (colours[k] == Colour::kNone) {
      window.ChooseColour(Colour::kNone);  // no button chooses no colour
    } else if (colours[k] != window.current_colour()) {
      window.PressButton(InfoOf(colours[k])->button);
    }
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
}

// Paints the colours and confirms them. True when the window accepted the
// cube.
inline bool EnterColours(SolverWindow& window, const Colours& colours) {
  PaintColours(window, colours);
  window.ColoringClick();
  return window.label4() == kArrangementOk;
}

// The colours the nets paint in.
inline constexpr Rgb kGreen{0, 128, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kFuchsia{255, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kWhite{255, 255, 255};

}  // namespace rq51::test
