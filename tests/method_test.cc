// Every registered method, tested alike: random cubes entered as a user
// enters them are solved by the one-shot button, the stage buttons pressed
// in turn give what the one-shot button gives, and every table row keeps
// its promise.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shell/solver_window.h"
#include "solvers/methods.h"
#include "tests/row_checker.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Colours;

class EveryMethod : public ::testing::TestWithParam<const Method*> {
 protected:
  const Method& method() const { return *GetParam(); }
  SolverWindow Window() const { return SolverWindow(method().window, GetParam()); }
};

std::string MethodName(const ::testing::TestParamInfo<const Method*>& info) {
  return std::string(VariantOf(info.param->window).short_name);
}

INSTANTIATE_TEST_SUITE_P(Registry, EveryMethod, ::testing::ValuesIn(Methods()), MethodName);

// Random sequences of all 27 turns; 30 turns mix the cube well, and the
// shorter ones reach the cases where some pieces are already home.
Colours RandomCube(std::mt19937& random) {
  std::uniform_int_distribution<int> length(1, 30);
  return test::Turned(test::SolvedColours(), test::RandomMoves(random, length(random)));
}

TEST_P(EveryMethod, OneShotRunSolvesEveryRandomCubeEnteredAsAUserWould) {
  constexpr int kCubes = 10000;
  std::mt19937 random(20240611);
  SolverWindow window = Window();
  int solved = 0;
  for (int n = 0; n < kCubes; ++n) {
    const Colours colours = RandomCube(random);
    ASSERT_TRUE(test::EnterColours(window, colours)) << "cube " << n << " rejected";
    ASSERT_TRUE(window.PressButton("CES"));
    if (window.table().IsSolved()) {
      ++solved;
    } else {
      ADD_FAILURE() << "cube " << n << " not solved";
    }
  }
  EXPECT_EQ(solved, kCubes);
}

TEST_P(EveryMethod, StageButtonsInTurnGiveWhatTheOneShotRunGives) {
  std::mt19937 random(7);
  SolverWindow by_buttons = Window();
  SolverWindow one_shot = Window();
  for (int n = 0; n < 300; ++n) {
    const Colours colours = RandomCube(random);
    ASSERT_TRUE(test::EnterColours(by_buttons, colours));
    ASSERT_TRUE(test::EnterColours(one_shot, colours));
    for (const Stage& stage : method().stages) ASSERT_TRUE(by_buttons.PressButton(stage.button));
    ASSERT_TRUE(one_shot.PressButton("CES"));
    for (int list : one_shot.ListBoxNumbers()) {
      EXPECT_EQ(by_buttons.list_box(list), one_shot.list_box(list)) << "cube " << n;
    }
    EXPECT_EQ(by_buttons.table(), one_shot.table()) << "cube " << n;
    for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(by_buttons.net(k), one_shot.net(k));
  }
}

TEST_P(EveryMethod, EveryRowIsKeyedByTheStateItSolves) {
  for (const Stage& stage : method().stages) {
    const std::vector<const Phase*> phases = test::PhasesOf(stage);
    for (size_t n = 0; n < phases.size(); ++n) {
      test::ExpectRowsKeepTheirPromise(*phases[n], {},
                                       std::string(stage.button) + " step " + std::to_string(n));
    }
  }
}

TEST_P(EveryMethod, EveryStageLogsToAListOfItsWindow) {
  const SolverWindow window = Window();
  for (const Stage& stage : method().stages) {
    if (stage.list_box != 0) {
      EXPECT_TRUE(window.HasListBox(stage.list_box)) << stage.button;
    }
  }
  EXPECT_EQ(window.stage_buttons().back().name, "CES");
}

}  // namespace
}  // namespace rq51
