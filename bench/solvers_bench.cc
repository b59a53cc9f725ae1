// One-shot runs per second of each solving method, on the plain window
// object: every iteration restores the entered cube, empties the stage
// lists and presses the one-shot button. One benchmark per method.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "cube/moves.h"
#include "shell/solver_window.h"
#include "solvers/cf0/cf0_method.h"
#include "solvers/tkc/tkc_method.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

constexpr int kCubes = 64;

// Windows with random cubes entered as a user enters them.
std::vector<SolverWindow> EnteredWindows(WindowKind kind, const std::vector<StageButton>& buttons) {
  std::mt19937 random(12345);
  std::vector<SolverWindow> windows;
  for (int n = 0; n < kCubes; ++n) {
    const test::Colours colours =
        test::Turned(test::SolvedColours(), test::RandomMoves(random, 30));
    test::EnterColours(windows.emplace_back(kind, buttons), colours);
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
