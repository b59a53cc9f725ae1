// Random cubes entered into the CF-0 window as a user would, solved by the
// one-shot run, and the stage buttons pressed in turn against it.
#include <gtest/gtest.h>

#include <chrono>

#include "cf0_cube_entry.h"
#include "solvers/cf0/cf0_method.h"

namespace rq51 {
namespace {

using namespace cf0_test;

constexpr int kCubes = 10000;

TEST(Cf0RandomTest, OneShotRunSolvesEveryEnteredCube) {
  const auto start = std::chrono::steady_clock::now();
  std::mt19937 random(20240501);
  SolverWindow window(WindowKind::kCf0, Cf0Buttons());
  int solved = 0;
  int a18_turned_back = 0;
  for (int n = 0; n < kCubes; ++n) {
    const std::vector<Move> moves = RandomMoves(random, 25);
    EnterColours(window, Turned(SolvedColours(), moves));
    ASSERT_EQ(window.label4(), kArrangementOk) << LogText(moves);
    window.PressButton("CES");
    if (window.table().IsSolved()) {
      ++solved;
    } else {
      ADD_FAILURE() << "not solved: " << LogText(moves);
    }
    const std::vector<std::string>& corners = window.list_box(1);
    for (const std::string& line : corners) {
      if (line.ends_with("A18@-") || line.ends_with("A18@+")) ++a18_turned_back;
    }
  }
  EXPECT_EQ(solved, kCubes);
  // Without the last corner step most of these would end twisted.
  EXPECT_GT(a18_turned_back, kCubes / 3);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  std::printf("%d cubes entered and solved in %.2f s\n", kCubes,
              std::chrono::duration<double>(elapsed).count());
}

TEST(Cf0RandomTest, StageButtonsInTurnGiveWhatTheOneShotRunGives) {
  std::mt19937 random(7);
  SolverWindow one_shot(WindowKind::kCf0, Cf0Buttons());
  SolverWindow by_stage(WindowKind::kCf0, Cf0Buttons());
  for (int n = 0; n < 300; ++n) {
    const Colours colours = Turned(SolvedColours(), RandomMoves(random, 25));
    EnterColours(one_shot, colours);
    EnterColours(by_stage, colours);
    one_shot.PressButton("CES");
    by_stage.PressButton("CC");
    by_stage.PressButton("EC");
    by_stage.PressButton("SC");
    for (int list = 1; list <= 3; ++list) {
      EXPECT_EQ(one_shot.list_box(list), by_stage.list_box(list)) << n;
    }
    EXPECT_EQ(HomesOf(one_shot.table()), HomesOf(by_stage.table())) << n;
    for (int k = 1; k <= kFaceletCount; ++k) {
      EXPECT_EQ(one_shot.net(k).text, by_stage.net(k).text);
      EXPECT_EQ(one_shot.net(k).colour, by_stage.net(k).colour);
    }
  }
}

}  // namespace
}  // namespace rq51
