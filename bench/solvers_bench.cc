// One-shot runs per second of each solving method, on the plain window
// object: every iteration restores the entered cube, empties the stage
// lists and presses the one-shot button. One benchmark per method.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/solver_window.h"
#include "solvers/cf0/cf0_method.h"
#include "solvers/tkc/tkc_method.h"

namespace rq51 {
namespace {

constexpr int kCubes = 64;

// Front green, bottom red, back blue, top orange, left white, right yellow,
// turned by `moves`.
std::array<std::string, kFaceletCount + 1> TurnedColours(const std::vector<Move>& moves) {
  static const std::array<std::string, kFaceCount + 1> kScheme = {"", "G", "R", "B", "O", "W", "Y"};
  std::array<std::string, kFaceletCount + 1> colours;
  for (int k = 1; k <= kFaceletCount; ++k) colours[k] = kScheme[FaceOf(k)];
  return ApplyToState(MapOfMoves(moves), colours);
}

// Windows with random cubes entered as a user enters them.
std::vector<SolverWindow> EnteredWindows(WindowKind kind, const std::vector<StageButton>& buttons) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<size_t> pick(0, AllMoves().size() - 1);
  std::vector<SolverWindow> windows;
  for (int n = 0; n < kCubes; ++n) {
    std::vector<Move> moves;
    for (int m = 0; m < 30; ++m) moves.push_back(AllMoves()[pick(random)]);
    const auto colours = TurnedColours(moves);
    SolverWindow& window = windows.emplace_back(kind, buttons);
    for (int k = 1; k <= kFaceletCount; ++k) {
      window.ChooseColour(colours[k]);
      const GridCell cell = FaceletGridCell(k);
      window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
    }
    window.ColoringClick();
  }
  return windows;
}

void RunOneShots(benchmark::State& state, std::vector<SolverWindow>& windows) {
  size_t n = 0;
  for (auto _ : state) {
    SolverWindow& window = windows[n++ % windows.size()];
    window.SikouClick();
    for (int list : window.variant().stage_lists) window.ListClearClick(list);
    window.PressButton("CES");
    benchmark::DoNotOptimize(window.table());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_Cf0OneShot(benchmark::State& state) {
  std::vector<SolverWindow> windows = EnteredWindows(WindowKind::kCf0, Cf0Buttons());
  RunOneShots(state, windows);
}
BENCHMARK(BM_Cf0OneShot);

void BM_TkcOneShot(benchmark::State& state) {
  std::vector<SolverWindow> windows = EnteredWindows(WindowKind::kTkc, TkcButtons());
  RunOneShots(state, windows);
}
BENCHMARK(BM_TkcOneShot);

}  // namespace
}  // namespace rq51
