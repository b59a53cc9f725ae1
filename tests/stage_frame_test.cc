// The frame every solver step runs in, proven on a small method of our own.
#include "shell/stage_frame.h"

#include <gtest/gtest.h>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

// Paints a solved cube and confirms it.
void EnterSolvedCube(SolverWindow& window) { test::EnterColours(window, test::SolvedColours()); }

// Placement rows for sticker 1.
StageTable CornerTable() {
  return {
      {46, {"Rz-   1<-46"}},
      {37, {"Rz    1<-37"}},
      {30, {"Rx Ry   1<-30"}},
  };
}

// A placement stage, a stage with a heading and a status line, and a stage
// whose one step repeats while it finds work: it turns Rz until the sticker
// of 1 lies at 46, then Rz- brings it home.
const Method& TestMethod() {
  static const Method method = [] {
    Phase status{[](const StateTable& cube) { return cube.Home(1) == 1 ? 0 : 1; },
                 {{1, {"  Rx", "  Ry-"}}},
                 {"    @     "},
                 StatusLine{0, "settled", "moving"}};
    const Phase round{[](const StateTable& cube) {
                        const int at = cube.PositionOfHome(1);
                        return at == 1 ? 0 : at == 46 ? 2 : 1;
                      },
                      {{1, {"  Rz"}}, {2, {"  Rz-"}}},
                      {},
                      std::nullopt};
    return Method{WindowKind::kTkc,
                  {
                      {"First", "first", 1, {PlacementPhase(1, CornerTable())}},
                      {"Second", "second", 2, {status}},
                      {"Third", "third", 3, {RepeatedPass{{round}, 6}}},
                  },
                  "all"};
  }();
  return method;
}

TEST(StageTableTest, RowsReadTheirTurnsFromTheirText) {
  const StageTable table = CornerTable();
  const TableRow* row = table.Find(30);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->map, Compose(MoveMap({BaseTurn::kRx, 1}), MoveMap({BaseTurn::kRy, 1})));
  EXPECT_EQ(table.Find(5), nullptr);
  // A row whose text cannot carry its turns gives them explicitly.
  const StageTable explicit_turns = {{7, {"see the picture"}, "Rx3 Ly2"}};
  EXPECT_EQ(explicit_turns.Find(7)->map,
            Compose(MoveMap({BaseTurn::kRx, 3}), MoveMap({BaseTurn::kLy, 2})));
}

TEST(StageFrameTest, ButtonsAreTheStagesThenTheOneShotRun) {
  const SolverWindow window(WindowKind::kTkc, &TestMethod());
  const std::vector<StageButton>& buttons = window.stage_buttons();
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[0].name, "First");
  EXPECT_EQ(buttons[0].list_box, 1);
  EXPECT_EQ(buttons[3].name, "CES");
  EXPECT_EQ(buttons[3].caption, "all");
  EXPECT_TRUE(SolverWindow(WindowKind::kTkc).stage_buttons().empty());
}

TEST(StageFrameTest, PlacementStepAppliesTheRowOfTheFoundPosition) {
  SolverWindow window(WindowKind::kTkc, &TestMethod());
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
  SolverWindow window(WindowKind::kTkc, &TestMethod());
  EnterSolvedCube(window);
  window.TrialMove({BaseTurn::kRy, 1});  // sticker 1 goes to 7: no row for it
  const StateTable before = window.table();
  window.PressButton("First");
  EXPECT_TRUE(window.list_box(1).empty());
  EXPECT_EQ(window.table(), before);
}

TEST(StageFrameTest, HeadingsAndStatusLinesAreLoggedBeforeTheRow) {
  SolverWindow window(WindowKind::kTkc, &TestMethod());
  EnterSolvedCube(window);
  window.PressButton("Second");
  EXPECT_EQ(window.list_box(2), (std::vector<std::string>{"    @     ", "settled"}));
  window.TrialMove({BaseTurn::kRy, 1});
  window.PressButton("Second");
  EXPECT_EQ(window.list_box(2), (std::vector<std::string>{"    @     ", "settled", "    @     ",
                                                          "moving", "  Rx", "  Ry-"}));
}

TEST(StageFrameTest, RepeatedPassRunsUntilAPassFindsNothingOrTheBoundIsReached) {
  SolverWindow window(WindowKind::kTkc, &TestMethod());
  EnterSolvedCube(window);
  window.TrialMove({BaseTurn::kRz, 2});  // two more quarter turns bring it home
  window.PressButton("Third");
  EXPECT_EQ(window.list_box(3), (std::vector<std::string>{"  Rz", "  Rz"}));
  EXPECT_TRUE(window.table().IsSolved());
  window.TrialMove({BaseTurn::kRz, 1});  // sticker 1 at 46: one pass of Rz-
  window.PressButton("Third");
  EXPECT_EQ(window.list_box(3).back(), "  Rz-");
  EXPECT_TRUE(window.table().IsSolved());
  // A pass that never settles stops at the bound.
  const RepeatedPass forever{
      {Phase{[](const StateTable&) { return 1; }, {{1, {"  Rz"}}}, {}, std::nullopt}}, 6};
  EXPECT_EQ(RunRepeatedPass(window, forever, 3), 6);
  EXPECT_EQ(window.list_box(3).size(), 9u);
  EXPECT_EQ(window.table().PositionOfHome(1), Inverse(MoveMap({BaseTurn::kRz, 2}))(1));
}

TEST(StageFrameTest, OneShotEqualsTheButtonsInTurn) {
  SolverWindow one_shot(WindowKind::kTkc, &TestMethod());
  SolverWindow in_turn(WindowKind::kTkc, &TestMethod());
  for (SolverWindow* window : {&one_shot, &in_turn}) {
    EnterSolvedCube(*window);
    window->TrialMove({BaseTurn::kRx, 1});
    window->TrialMove({BaseTurn::kRy, 1});
  }
  one_shot.PressButton("CES");
  for (const char* button : {"First", "Second", "Third"}) in_turn.PressButton(button);
  for (int n : {1, 2, 3}) EXPECT_EQ(one_shot.list_box(n), in_turn.list_box(n));
  EXPECT_EQ(one_shot.table(), in_turn.table());
}

TEST(StageFrameTest, ReHoldReidentifiesAndTurnsTheCubeOver) {
  SolverWindow window(WindowKind::kTkc);
  EnterSolvedCube(window);
  const FaceletMap half_turn =
      MapOfMoves({{BaseTurn::kRx, 2}, {BaseTurn::kMx, 2}, {BaseTurn::kLx, 2}});
  RunReHold(window, ReHold{{23, 32, 5, 14, 41, 50}, half_turn}, "turn over");
  EXPECT_TRUE(window.table().IsSolved());
  // The colours moved with the whole cube: the old top is now the bottom.
  EXPECT_EQ(window.table().colour(14), Colour::kOrange);
  EXPECT_EQ(window.table().colour(32), Colour::kRed);
}

}  // namespace
}  // namespace rq51
