// Random cubes entered as a user enters them, solved by the TK-C window.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "shell/solver_window.h"
#include "tests/tkc_cube_entry.h"

namespace rq51 {
namespace {

using test::Colours;
using test::EnterColours;
using test::RandomMoves;
using test::SolvedColours;
using test::Turned;

constexpr int kCubes = 10000;

// Random sequences of all 27 turns; 30 turns mix the cube well, and the
// shorter ones reach the cases where some pieces are already home.
Colours RandomCube(std::mt19937& random) {
  std::uniform_int_distribution<int> length(1, 30);
  return Turned(SolvedColours(), RandomMoves(random, length(random)));
}

TEST(TkcRandomTest, OneShotRunSolvesEveryRandomCube) {
  std::mt19937 random(20240611);
  SolverWindow window = tkc_test::TkcWindow();
  int solved = 0;
  for (int n = 0; n < kCubes; ++n) {
    const Colours colours = RandomCube(random);
    ASSERT_TRUE(EnterColours(window, colours)) << "cube " << n << " rejected";
    ASSERT_TRUE(window.PressButton("CES"));
    if (window.table().IsSolved()) {
      ++solved;
    } else {
      ADD_FAILURE() << "cube " << n << " not solved";
    }
  }
  EXPECT_EQ(solved, kCubes);
}

TEST(TkcRandomTest, ButtonsInTurnGiveTheSameListsAndCubeAsTheOneShotRun) {
  std::mt19937 random(7);
  SolverWindow by_buttons = tkc_test::TkcWindow();
  SolverWindow one_shot = tkc_test::TkcWindow();
  for (int n = 0; n < 200; ++n) {
    const Colours colours = RandomCube(random);
    ASSERT_TRUE(EnterColours(by_buttons, colours));
    ASSERT_TRUE(EnterColours(one_shot, colours));
    for (const char* button : {"Upper1", "Mochikae", "Upper2", "Middle"}) {
      ASSERT_TRUE(by_buttons.PressButton(button));
    }
    ASSERT_TRUE(one_shot.PressButton("CES"));
    for (int list = 1; list <= 3; ++list) {
      EXPECT_EQ(by_buttons.list_box(list), one_shot.list_box(list)) << "cube " << n;
    }
    for (int f = 1; f <= kFaceletCount; ++f) {
      const StateRow& a = by_buttons.table().row(f);
      const StateRow& b = one_shot.table().row(f);
      EXPECT_EQ(a.colour, b.colour);
      EXPECT_EQ(a.home, b.home);
      EXPECT_EQ(a.label, b.label);
      EXPECT_EQ(a.code, b.code);
      EXPECT_EQ(by_buttons.net(f).colour, one_shot.net(f).colour);
    }
    // Each stage logs to its own list: a mixed cube leaves lines in all three.
    if (n == 0) {
      EXPECT_FALSE(one_shot.list_box(1).empty());
      EXPECT_GE(one_shot.list_box(2).size(), 2u);
      EXPECT_GE(one_shot.list_box(3).size(), 2u);
    }
  }
}

}  // namespace
}  // namespace rq51
