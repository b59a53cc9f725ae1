// Keeping and sharing a solution on the plain window object, for every
// registered method: the saved text of a one-shot solve, opening it again
// (entry, check and every press replayed), and its copy in standard notation.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "shell/solver_window.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

// A window after the one-shot run on a cube turned at random.
SolverWindow SolvedWindow(const Method* method) {
  std::mt19937 random(12345);
  SolverWindow window(method->window, method);
  test::EnterColours(window, test::Turned(test::SolvedColours(), test::RandomMoves(random, 30)));
  window.PressButton("CES");
  return window;
}

void Save(benchmark::State& state, const Method* method) {
  const SolverWindow window = SolvedWindow(method);
  for (auto _ : state) benchmark::DoNotOptimize(window.SolutionText());
}

void Open(benchmark::State& state, const Method* method) {
  const std::string saved = SolvedWindow(method).SolutionText();
  SolverWindow window(method->window, method);
  for (auto _ : state) benchmark::DoNotOptimize(window.OpenText(saved));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * saved.size()));
}

void CopyStandard(benchmark::State& state, const Method* method) {
  const SolverWindow window = SolvedWindow(method);
  for (auto _ : state) benchmark::DoNotOptimize(window.StandardSolutionText());
}

const bool kRegistered = [] {
  for (const Method* method : Methods()) {
    const std::string name(VariantOf(method->window).short_name);
    benchmark::RegisterBenchmark(("BM_SaveSolution/" + name).c_str(), Save, method);
    benchmark::RegisterBenchmark(("BM_OpenSolution/" + name).c_str(), Open, method);
    benchmark::RegisterBenchmark(("BM_CopyStandard/" + name).c_str(), CopyStandard, method);
  }
  return true;
}();

}  // namespace
}  // namespace rq51
