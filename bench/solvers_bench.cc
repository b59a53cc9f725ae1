// One-shot runs per second of every registered method on the plain window
// object, entry and check included: every iteration paints a cube into the
// grids as a user does, confirms it and presses the one-shot button.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "cube/moves.h"
#include "shell/solver_window.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

void RunOneShots(benchmark::State& state, const Method* method) {
  std::mt19937 random(12345);
  std::vector<test::Colours> cubes;
  for (int n = 0; n < 64; ++n) {
    cubes.push_back(test::Turned(test::SolvedColours(), test::RandomMoves(random, 30)));
  }
  SolverWindow window(method->window, method);
  size_t n = 0;
  for (auto _ : state) {
    test::EnterColours(window, cubes[n++ % cubes.size()]);
    window.PressButton("CES");
    benchmark::DoNotOptimize(window.table());
  }
  state.SetItemsProcessed(state.iterations());
}

// A cube entered and checked, without solving it: what entry costs.
void BM_EntryAndCheck(benchmark::State& state) {
  std::mt19937 random(12345);
  const test::Colours cube = test::Turned(test::SolvedColours(), test::RandomMoves(random, 30));
  SolverWindow window(WindowKind::kTkc);
  for (auto _ : state) {
    test::EnterColours(window, cube);
    benchmark::DoNotOptimize(window.table());
  }
}
BENCHMARK(BM_EntryAndCheck);

const bool kRegistered = [] {
  for (const Method* method : Methods()) {
    const std::string name = "BM_OneShot/" + std::string(VariantOf(method->window).short_name);
    benchmark::RegisterBenchmark(name.c_str(), RunOneShots, method);
  }
  return true;
}();

}  // namespace
}  // namespace rq51
