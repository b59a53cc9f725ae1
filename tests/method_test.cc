// Every registered method, tested alike: random cubes entered as a user
// enters them are solved by the one-shot button, the stage buttons pressed
// in turn give what the one-shot button gives, and every table row keeps
// its promise.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "solvers/methods.h"
#include "tests/row_checker.h"
#include "tests/test_cubes.h"
#include "tests/test_names.h"

namespace rq51 {
namespace {

using test::Colours;
using test::HomesOf;

class EveryMethod : public ::testing::TestWithParam<const Method*> {
 protected:
  const Method& method() const { return *GetParam(); }
  SolverWindow Window() const { return SolverWindow(method().window, GetParam()); }
};

using test::MethodName;

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

// Stepping through the logged lines retraces the solution: each line's cube
// is the cube before it turned by the line's own text, every stage ends on
// the cube its button leaves, the last line is the live cube, and browsing
// changes nothing the window shows besides the net.
TEST_P(EveryMethod, PlaybackRetracesTheSolutionLineByLine) {
  std::mt19937 random(31);
  SolverWindow by_stage = Window();
  SolverWindow one_shot = Window();
  for (int n = 0; n < 1000; ++n) {
    const Colours colours = RandomCube(random);
    ASSERT_TRUE(test::EnterColours(by_stage, colours));
    ASSERT_TRUE(test::EnterColours(one_shot, colours));
    const StateTable entered = one_shot.table();
    for (const Stage& stage : method().stages) {
      by_stage.PressButton(stage.button);
      const std::vector<SolverWindow::TraceLine> trace = by_stage.Trace();
      if (!trace.empty()) {
        ASSERT_EQ(trace.back().table, by_stage.table()) << stage.button;
      }
    }
    one_shot.PressButton("CES");
    const std::vector<SolverWindow::TraceLine> trace = one_shot.Trace();
    ASSERT_EQ(trace.size(), by_stage.Trace().size());
    StateTable expected = entered;
    int turns = 0;
    for (size_t t = 0; t < trace.size(); ++t) {
      const SolverWindow::PlaybackPlace& place = trace[t].place;
      if (place.list_box == 0) {
        expected = trace[t].table;  // turned over and identified again
      } else {
        const MacroReading reading = ReadMacroText(place.text);
        expected.ApplyMap(reading.map);
        turns += static_cast<int>(reading.moves.size());
      }
      ASSERT_EQ(HomesOf(trace[t].table), HomesOf(expected)) << "cube " << n << " line " << t;
      ASSERT_EQ(trace[t].table, by_stage.Trace()[t].table);
    }
    int listed = 0;
    for (int list : one_shot.ListBoxNumbers()) listed += one_shot.ListTurns(list);
    EXPECT_EQ(listed, turns);
    EXPECT_EQ(one_shot.last_run_turns(), turns);
    if (n % 50 != 0) continue;
    // Browse back from the live cube to the first line and forward again.
    const SolverWindow before = one_shot;
    std::vector<std::vector<NetCell>> nets;
    for (size_t t = 0; t < trace.size(); ++t) {
      one_shot.BrowseStep(-1);
      std::vector<NetCell> cells;
      for (int k = 1; k <= kFaceletCount; ++k) cells.push_back(one_shot.ShownNet(k));
      nets.push_back(cells);
      if (t == 0) {
        for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(cells[k - 1], one_shot.net(k));
      }
    }
    for (size_t t = 1; t < trace.size(); ++t) {
      one_shot.BrowseStep(1);
      for (int k = 1; k <= kFaceletCount; ++k) {
        ASSERT_EQ(one_shot.ShownNet(k), nets[trace.size() - 1 - t][k - 1]);
      }
    }
    EXPECT_EQ(one_shot.table(), before.table());
    for (int list : one_shot.ListBoxNumbers()) {
      EXPECT_EQ(one_shot.list_box(list), before.list_box(list));
    }
    for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(one_shot.net(k), before.net(k));
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
