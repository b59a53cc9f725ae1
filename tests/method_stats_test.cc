#include "stats/method_stats.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <variant>
#include <vector>

#include "cube/notation.h"
#include "cube/random_cube.h"
#include "solvers/methods.h"
#include "tests/test_cubes.h"

namespace rq51::stats {
namespace {

class CountedSolve : public ::testing::TestWithParam<const Method*> {};

INSTANTIATE_TEST_SUITE_P(Registry, CountedSolve, ::testing::ValuesIn(Methods()),
                         [](const ::testing::TestParamInfo<const Method*>& info) {
                           return std::string(VariantOf(info.param->window).short_name);
                         });

bool EveryFaceOneColour(const StickerColours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (colours[k] != colours[CentreOf(FaceOf(k))]) return false;
  }
  return true;
}

// The counts of a solve are the turns of the lines the window logged, and
// those lines are every turn of the solve: performed on the entered cube,
// stage by stage with the unlogged turnings over in between, they leave
// every face one colour.
TEST_P(CountedSolve, CountsTheLoggedTurnsWhichAreTheWholeSolve) {
  const Method& method = *GetParam();
  const FaceColourRule rule = VariantOf(method.window).rule;
  MethodSolver solver(method);
  for (int n = 0; n < 40; ++n) {
    CubeRandom random(5, n);
    StickerColours cube = HeldFor(RandomRealCube(random), rule);
    const SolveCounts counts = solver.Solve(cube);
    ASSERT_TRUE(counts.solved) << "cube " << n;

    TurnCount total;
    size_t counted = 0;
    for (const Stage& stage : method.stages) {
      if (stage.list_box == 0) {
        for (const Step& step : stage.steps) {
          ASSERT_TRUE(std::holds_alternative<ReHold>(step)) << stage.button << " turns unlogged";
          cube = ApplyToState(std::get<ReHold>(step).turn, cube);
        }
        continue;
      }
      TurnCount logged;
      for (const std::string& line : solver.window().list_box(stage.list_box)) {
        for (const Move& move : ReadMacroText(line).moves) {
          ++logged.turns;
          logged.quarter_turns += move.power == 2 ? 2 : 1;
          cube = ApplyToState(MoveMap(move), cube);
        }
      }
      ASSERT_LT(counted, counts.stages.size());
      EXPECT_EQ(counts.stages[counted++], logged) << stage.button << ", cube " << n;
      total += logged;
    }
    EXPECT_EQ(counted, counts.stages.size());
    EXPECT_EQ(counts.total, total) << "cube " << n;
    EXPECT_TRUE(EveryFaceOneColour(cube)) << "cube " << n;
  }
}

TEST(TallyTest, MedianPercentileAndMaximumAreThoseOfTheSortedValues) {
  Tally odd_half;
  Tally even_half;
  Tally all;
  for (int v = 1; v <= 100; ++v) {
    (v % 2 ? odd_half : even_half).Add(v);
    all.Add(v);
  }
  Tally merged = odd_half;
  merged.Merge(even_half);
  EXPECT_EQ(merged, all);
  EXPECT_DOUBLE_EQ(all.Mean(), 50.5);
  EXPECT_DOUBLE_EQ(all.Median(), 50.5);  // between the 50th and the 51st
  EXPECT_EQ(all.Percentile(95), 95);
  EXPECT_EQ(all.Max(), 100);
  EXPECT_DOUBLE_EQ(odd_half.Median(), 50);  // 1, 3, ..., 99: the 25th and 26th are 49 and 51
  EXPECT_EQ(odd_half.Percentile(95), 95);   // the 48th of 50 values
  all.Add(1000);
  EXPECT_DOUBLE_EQ(all.Median(), 51);
  EXPECT_EQ(all.Percentile(95), 96);  // rank 96 of 101
  EXPECT_EQ(all.Max(), 1000);
  EXPECT_EQ(Tally().Max(), 0);
}

// The figures depend on the seed alone, not on how many threads share the
// cubes; every cube is solved in every method.
TEST(RunMethodStatsTest, TheSameSeedGivesTheSameFiguresOnAnyNumberOfThreads) {
  const std::atomic<bool> go{false};
  RunOptions options{.cubes = 150, .seed = 11, .methods = Methods(), .threads = 1};
  const RunResult one = RunMethodStats(options, go, nullptr);
  options.threads = 3;
  const RunResult three = RunMethodStats(options, go, nullptr);
  options.seed = 12;
  const RunResult other_seed = RunMethodStats(options, go, nullptr);

  EXPECT_EQ(one.cubes, 150);
  ASSERT_EQ(one.methods.size(), Methods().size());
  for (size_t m = 0; m < one.methods.size(); ++m) {
    EXPECT_EQ(one.methods[m].solved, 150);
    EXPECT_EQ(one.methods[m].total.turns.count(), 150);
    EXPECT_TRUE(one.methods[m].SameFigures(three.methods[m]));
    EXPECT_FALSE(one.methods[m].SameFigures(other_seed.methods[m]));
  }
}

// The baseline row: every cube solved in at most 20 face turns, the same
// figures on any number of threads.
TEST(RunMethodStatsTest, TheTwoPhaseBaselineSolvesEveryCubeInAtMostTwentyTurns) {
  const std::atomic<bool> go{false};
  RunOptions options{.cubes = 24, .seed = 4, .methods = {}, .two_phase = true, .threads = 1};
  const RunResult one = RunMethodStats(options, go, nullptr);
  options.threads = 2;
  const RunResult two = RunMethodStats(options, go, nullptr);
  ASSERT_EQ(one.methods.size(), 1u);
  const MethodTally& baseline = one.methods.front();
  EXPECT_EQ(baseline.method, nullptr);
  EXPECT_EQ(baseline.solved, 24);
  EXPECT_LE(baseline.total.turns.Max(), 20);
  EXPECT_GE(baseline.total.quarter_turns.Max(), baseline.total.turns.Max());
  EXPECT_TRUE(baseline.stages.empty());
  EXPECT_TRUE(baseline.SameFigures(two.methods.front()));
}

TEST(RunMethodStatsTest, AStoppedRunStartsNoCube) {
  const std::atomic<bool> stop{true};
  const RunResult result =
      RunMethodStats({.cubes = 1000, .seed = 1, .methods = Methods(), .threads = 2}, stop, nullptr);
  EXPECT_EQ(result.cubes, 0);
  for (const MethodTally& tally : result.methods) EXPECT_EQ(tally.cubes, 0);
}

}  // namespace
}  // namespace rq51::stats
