// The frame every solver step runs in, proven on a small table of our own.
#include "shell/stage_frame.h"

#include <gtest/gtest.h>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

// Paints a solved cube and confirms it.
void EnterSolvedCube(SolverWindow& window) { test::EnterColours(window, test::SolvedColours()); }

// Two placement steps for sticker 1 and a status step, as a method would
// write them.
const StageTable& CornerTable() {
  static const StageTable table = {
      {46, {"Rz-   1<-46"}},
      {37, {"Rz    1<-37"}},
      {30, {"Rx Ry   1<-30"}},
  };
  return table;
}

const StageTable& StatusTable() {
  static const StageTable table = {
      {1, {"  Rx", "  Ry-"}},
  };
  return table;
}

const std::vector<Stage>& TestStages() {
  static const std::vector<Stage> stages = [] {
    Phase status;
    status.key = [](const StateTable& cube) { return cube.Home(1) == 1 ? 0 : 1; };
    status.table = &StatusTable();
    status.headings = {"    @     "};
    status.status = StatusLine{0, "settled", "moving"};
    return std::vector<Stage>{
        {"First", "first", 1, {PlacementPhase(1, CornerTable())}},
        {"Second", "second", 2, {status}},
    };
  }();
  return stages;
}

TEST(StageTableTest, RowsReadTheirTurnsFromTheirText) {
  const TableRow* row = CornerTable().Find(30);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->map, Compose(MoveMap({BaseTurn::kRx, 1}), MoveMap({BaseTurn::kRy, 1})));
  EXPECT_EQ(CornerTable().Find(5), nullptr);
  // A row whose text cannot carry its turns gives them explicitly.
  const StageTable explicit_turns = {{7, {"see the picture"}, "Rx3 Ly2"}};
  EXPECT_EQ(explicit_turns.Find(7)->map,
            Compose(MoveMap({BaseTurn::kRx, 3}), MoveMap({BaseTurn::kLy, 2})));
}

TEST(StageFrameTest, PlacementStepAppliesTheRowOfTheFoundPosition) {
  SolverWindow window(WindowKind::kTkc, ButtonsForStages(TestStages(), "all"));
  EnterSolvedCube(window);
  window.TrialMove({BaseTurn::kRz, 1});
  ASSERT_EQ(window.table().PositionOfHome(1), 46);
  ASSERT_TRUE(window.PressButton("First"));
  EXPECT_EQ(window.list_box(1), std::vector<std::string>{"Rz-   1<-46"});
  EXPECT_TRUE(window.table().IsSolved());
  // Run again: the key is at its target, nothing is logged or moved.
  window.PressButton("First");
  EXPECT_EQ(window.list_box(1).size(), 1u);
  EXPECT_TRUE(window.table().IsSolved());
}

TEST(StageFrameTest, UnlistedKeyLeavesTheCubeAlone) {
  SolverWindow window(WindowKind::kTkc, ButtonsForStages(TestStages(), "all"));
  EnterSolvedCube(window);
  window.TrialMove({BaseTurn::kRy, 1});  // sticker 1 goes to 7: no row for it
  const StateTable before = window.table();
  window.PressButton("First");
  EXPECT_TRUE(window.list_box(1).empty());
  for (int i = 1; i <= kFaceletCount; ++i) EXPECT_EQ(window.table().Home(i), before.Home(i));
}

TEST(StageFrameTest, HeadingsAndStatusLinesAreLoggedBeforeTheRow) {
  SolverWindow window(WindowKind::kTkc, ButtonsForStages(TestStages(), "all"));
  EnterSolvedCube(window);
  window.PressButton("Second");
  EXPECT_EQ(window.list_box(2), (std::vector<std::string>{"    @     ", "settled"}));
  window.TrialMove({BaseTurn::kRy, 1});
  window.PressButton("Second");
  EXPECT_EQ(window.list_box(2), (std::vector<std::string>{"    @     ", "settled", "    @     ",
                                                          "moving", "  Rx", "  Ry-"}));
}

TEST(StageFrameTest, OneShotEqualsTheButtonsInTurn) {
  SolverWindow one_shot(WindowKind::kTkc, ButtonsForStages(TestStages(), "all"));
  SolverWindow in_turn(WindowKind::kTkc, ButtonsForStages(TestStages(), "all"));
  for (SolverWindow* window : {&one_shot, &in_turn}) {
    EnterSolvedCube(*window);
    window->TrialMove({BaseTurn::kRx, 1});
    window->TrialMove({BaseTurn::kRy, 1});
  }
  one_shot.PressButton("CES");
  in_turn.PressButton("First");
  in_turn.PressButton("Second");
  for (int n : {1, 2}) EXPECT_EQ(one_shot.list_box(n), in_turn.list_box(n));
  for (int i = 1; i <= kFaceletCount; ++i) {
    EXPECT_EQ(one_shot.table().Home(i), in_turn.table().Home(i));
  }
}

TEST(StageFrameTest, ReHoldReidentifiesAndTurnsTheCubeOver) {
  SolverWindow window(WindowKind::kTkc);
  EnterSolvedCube(window);
  const FaceletMap half_turn =
      MapOfMoves({{BaseTurn::kRx, 2}, {BaseTurn::kMx, 2}, {BaseTurn::kLx, 2}});
  RunReHold(window, ReHold{{23, 32, 5, 14, 41, 50}, half_turn});
  EXPECT_TRUE(window.table().IsSolved());
  // The colours moved with the whole cube: the old top is now the bottom.
  EXPECT_EQ(window.table().row(14).colour, "O");
  EXPECT_EQ(window.table().row(32).colour, "R");
}

}  // namespace
}  // namespace rq51
