// The two-phase reference solver: time per solve over random cubes (mean,
// 99th percentile and worst as counters, in the solving thread's processor
// time, which other programs on a shared machine do not inflate), building
// its tables, and the memory they take.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "cube/random_cube.h"
#include "shortest/reference_solution.h"
#include "shortest/tables.h"

namespace rq51::shortest {
namespace {

double ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

void BM_ReferenceSolve(benchmark::State& state) {
  SharedTables();
  std::vector<double> milliseconds;
  int64_t nodes = 0;
  uint64_t n = 0;
  for (auto _ : state) {
    CubeRandom random(3, n++);
    const StickerColours cube = RandomRealCube(random);
    const double start = ThreadMilliseconds();
    const ReferenceSolution solution = FindReferenceSolution(cube, FaceColourRule::kCentre);
    milliseconds.push_back(ThreadMilliseconds() - start);
    nodes += solution.nodes;
    benchmark::DoNotOptimize(solution);
  }
  std::sort(milliseconds.begin(), milliseconds.end());
  double sum = 0;
  for (double ms : milliseconds) sum += ms;
  const size_t count = milliseconds.size();
  state.counters["mean_ms"] = sum / static_cast<double>(count);
  state.counters["p99_ms"] = milliseconds[std::min(count - 1, (count * 99 + 99) / 100 - 1)];
  state.counters["max_ms"] = milliseconds.back();
  state.counters["nodes_per_solve"] = static_cast<double>(nodes) / static_cast<double>(count);
}
BENCHMARK(BM_ReferenceSolve)->Iterations(1000)->Unit(benchmark::kMillisecond);

void BM_BuildTables(benchmark::State& state) {
  for (auto _ : state) {
    const Tables tables = BuildTables();
    state.counters["table_MiB"] = static_cast<double>(tables.Bytes()) / (1 << 20);
    benchmark::DoNotOptimize(tables);
  }
}
BENCHMARK(BM_BuildTables)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rq51::shortest
