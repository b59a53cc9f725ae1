// What the cube model costs: building a macro's map and moving a state
// table by it.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cube/moves.h"
#include "cube/notation.h"
#include "cube/state_table.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::SolvedTable;

// A corner-twist row of the corners-first tables: three lines, 20 turns.
const std::vector<std::string_view> kTwentyMoveRow = {"(Ry Rx-)３乗      A1@-", "(Ry-Rx )３乗",
                                                      "(Ry Rx-Ry-Rx )２乗"};
// The same turns written on one line without the label.
constexpr std::string_view kTwentyMoves = "(Ry Rx-)３乗(Ry-Rx )３乗(Ry Rx-Ry-Rx )２乗";

void BM_ReadMacroText20(benchmark::State& state) {
  for (auto _ : state) {
    MacroReading reading = ReadMacroText(kTwentyMoves);
    benchmark::DoNotOptimize(reading);
  }
}
BENCHMARK(BM_ReadMacroText20);

void BM_ReadMacroLines20(benchmark::State& state) {
  for (auto _ : state) {
    MacroReading reading = ReadMacroLines(kTwentyMoveRow);
    benchmark::DoNotOptimize(reading);
  }
}
BENCHMARK(BM_ReadMacroLines20);

void BM_ReadFiveFoldBracket(benchmark::State& state) {
  for (auto _ : state) {
    MacroReading reading = ReadMacroText("(Rx-RyLz)５乗  A3<->A7");
    benchmark::DoNotOptimize(reading);
  }
}
BENCHMARK(BM_ReadFiveFoldBracket);

void BM_MapOfMoves20(benchmark::State& state) {
  const std::vector<Move> moves = ReadMacroText(kTwentyMoves).moves;
  for (auto _ : state) {
    FaceletMap map = MapOfMoves(moves);
    benchmark::DoNotOptimize(map);
  }
}
BENCHMARK(BM_MapOfMoves20);

void BM_StateTableApplyMap(benchmark::State& state) {
  StateTable table = SolvedTable();
  const FaceletMap map = ReadMacroText(kTwentyMoves).map;
  for (auto _ : state) {
    table.ApplyMap(map);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_StateTableApplyMap);

void BM_ApplyToColourArray(benchmark::State& state) {
  std::array<int, kFaceletCount + 1> cube{};
  for (int i = 1; i <= kFaceletCount; ++i) cube[i] = i;
  const FaceletMap map = ReadMacroText(kTwentyMoves).map;
  for (auto _ : state) {
    cube = ApplyToState(map, cube);
    benchmark::DoNotOptimize(cube);
  }
}
BENCHMARK(BM_ApplyToColourArray);

void BM_IdentifyAll(benchmark::State& state) {
  StateTable table = SolvedTable();
  for (auto _ : state) {
    table.IdentifyAll();
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_IdentifyAll);

}  // namespace
}  // namespace rq51
