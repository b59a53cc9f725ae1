// The TK-C window's stages on chosen cubes: what each logs and leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "solvers/steps/corner_steps.h"
#include "solvers/steps/middle_layer.h"
#include "solvers/tkc/tkc_method.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using namespace steps;
using Lines = std::vector<std::string>;
using test::EnterColours;
using test::Inverted;
using test::Moves;
using test::SolvedColours;
using test::Turned;

class TkcStagesTest : public ::testing::Test {
 protected:
  // Enters a solved cube, then performs `trial` with the trial buttons.
  void EnterSolvedThenTry(const std::vector<Move>& trial) {
    ASSERT_TRUE(EnterColours(window_, SolvedColours()));
    for (const Move& move : trial) window_.TrialMove(move);
  }
  void Press(std::string_view button) { ASSERT_TRUE(window_.PressButton(button)); }
  const std::vector<std::string>& List(int n) { return window_.list_box(n); }

  SolverWindow window_{WindowKind::kTkc, &tkc::TheMethod()};
};

TEST_F(TkcStagesTest, WindowHasTheFourStagesAndTheOneShotButton) {
  const std::vector<StageButton>& buttons = window_.stage_buttons();
  ASSERT_EQ(buttons.size(), 5u);
  const std::vector<std::pair<std::string, std::string_view>> expected = {
      {"Upper1", "②．上一面"},
      {"Mochikae", "③．上下反転持ち替え"},
      {"Upper2", "④．上一面その２"},
      {"Middle", "⑤．中段"},
      {"CES", "⑥．一括変換"}};
  for (size_t n = 0; n < expected.size(); ++n) {
    EXPECT_EQ(buttons[n].name, expected[n].first);
    EXPECT_EQ(buttons[n].caption, expected[n].second);
  }
  const std::vector<Stage>& stages = tkc::TheMethod().stages;
  ASSERT_EQ(stages.size(), 4u);
  EXPECT_EQ(stages[0].list_box, 1);
  EXPECT_EQ(stages[1].list_box, 0);
  EXPECT_EQ(stages[2].list_box, 2);
  EXPECT_EQ(stages[3].list_box, 3);
  EXPECT_EQ(stages[0].steps.size(), 10u);
  EXPECT_EQ(stages[2].steps.size(), 8u);
  EXPECT_EQ(stages[3].steps.size(), 2u);
}

TEST_F(TkcStagesTest, SolvedCubeLogsOnlyTheStatusLines) {
  EnterSolvedThenTry({});
  Press("CES");
  EXPECT_EQ(List(1), Lines{});
  EXPECT_EQ(List(2),
            (Lines{std::string(kCornerArrangementSettled), std::string(kCornerTwistSettled)}));
  EXPECT_EQ(List(3),
            (Lines{std::string(kMiddleArrangementSettled), std::string(kMiddleFlipSettled)}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(TkcStagesTest, StagesRunTwiceFindNothingToDo) {
  EnterSolvedThenTry(Moves("Rz Mx Ly- Mz2 Rx"));
  Press("Upper1");
  const Lines first = List(1);
  EXPECT_FALSE(first.empty());
  const StateTable after = window_.table();
  Press("Upper1");
  EXPECT_EQ(List(1), first);
  for (int f = 1; f <= kFaceletCount; ++f) EXPECT_EQ(window_.table().Home(f), after.Home(f));
}

TEST_F(TkcStagesTest, UpperFaceTrialTurns) {
  EnterSolvedThenTry(Moves("Rz"));
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Rz-   1<-46"}));
  EXPECT_TRUE(window_.table().IsSolved());

  EnterSolvedThenTry(Moves("My2"));
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"My2  35<-11"}));
  EXPECT_TRUE(window_.table().IsSolved());

  EnterSolvedThenTry(Moves("Mz"));
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Mz-   5<-50"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

// Entering the colours of a turned cube anchors the faces on its centres, so
// a slice turn reads as the outer layers turned the other way.
TEST_F(TkcStagesTest, UpperFaceOfCubesEnteredTurned) {
  ASSERT_TRUE(EnterColours(window_, Turned(SolvedColours(), Moves("My2"))));
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Ry2   1<- 9", "Ly2  21<-25"}));

  ASSERT_TRUE(EnterColours(window_, Turned(SolvedColours(), Moves("Mz"))));
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Rz    1<-37"}));
}

TEST_F(TkcStagesTest, FlipOfSolvedCubeReadsSolved) {
  EnterSolvedThenTry({});
  Press("Mochikae");
  EXPECT_TRUE(window_.table().IsSolved());
  EXPECT_TRUE(List(1).empty() && List(2).empty() && List(3).empty());
  // Bottom and top swapped places: the colours that were on top are below.
  EXPECT_EQ(window_.table().colour(14), Colour::kOrange);
  EXPECT_EQ(window_.table().colour(32), Colour::kRed);
  EXPECT_EQ(window_.table().colour(5), Colour::kBlue);
  EXPECT_EQ(window_.table().colour(23), Colour::kGreen);
}

TEST_F(TkcStagesTest, SecondFaceWithTheUpperFaceTurned) {
  const std::vector<std::pair<const char*, Lines>> cases = {
      {"Rz", {"  Rz-"}}, {"Rz2", {"  Rz2"}}, {"Rz3", {"  Rz "}}};
  const std::vector<int> codes = {1320, 3201, 2013};
  for (size_t n = 0; n < cases.size(); ++n) {
    EnterSolvedThenTry({});
    Press("Mochikae");
    window_.TrialMove(*MoveFromName(cases[n].first));
    EXPECT_EQ(CornerArrangementCode(window_.table()), codes[n]);
    Press("Upper2");
    Lines expected = {std::string(kCornerArrangementMoved)};
    expected.insert(expected.end(), cases[n].second.begin(), cases[n].second.end());
    expected.emplace_back(kCornerTwistSettled);
    EXPECT_EQ(List(2), expected) << cases[n].first;
    EXPECT_TRUE(window_.table().IsSolved()) << cases[n].first;
  }
}

TEST_F(TkcStagesTest, MiddleExchangesTwoPairsOfEdges) {
  EnterSolvedThenTry(Inverted(Moves("Mz Rx2 Mz2 Rx2 Mz")));
  EXPECT_EQ(MiddleArrangementCode(window_.table()), 1032);
  Press("Middle");
  EXPECT_EQ(List(3), (Lines{std::string(kMiddleArrangementMoved), "  Mz Rx2Mz2Rx2Mz ",
                            std::string(kMiddleFlipSettled)}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(TkcStagesTest, MiddleFlipsAllFourEdges) {
  const Lines rows = {"  Ry Mx-Ry Mx-Ry Mx-", "  Ry2Mx Ry Mx Ry Mx Ry ", "  Ly Mx Ly Mx Ly Mx ",
                      "  Ly2Mx-Ly Mx-Ly Mx-Ly "};
  std::vector<std::string_view> views(rows.begin(), rows.end());
  EnterSolvedThenTry(Inverted(ReadMacroLines(views).moves));
  EXPECT_EQ(MiddleFlipCode(window_.table()), 1111);
  Press("Middle");
  Lines expected = {std::string(kMiddleArrangementSettled), std::string(kMiddleFlipMoved)};
  expected.insert(expected.end(), rows.begin(), rows.end());
  EXPECT_EQ(List(3), expected);
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(TkcStagesTest, ChosenArrangementRowsOnTheirCubes) {
  // Corners at 21 and 27 exchanged; then three corners turned round.
  const std::vector<std::pair<int, std::string>> cases = {{123, "  Ry Rz-Ly Rz Ry-Rz-Ly-Rz2"},
                                                          {1230, "  Ry Lx-Ly Lx Ry-Lx-Ly-Lx "}};
  for (const auto& [code, line] : cases) {
    EnterSolvedThenTry({});
    Press("Mochikae");
    for (const Move& move : Inverted(ReadMacroText(line).moves)) window_.TrialMove(move);
    ASSERT_EQ(CornerArrangementCode(window_.table()), code);
    Press("Upper2");
    EXPECT_EQ(List(2), (Lines{std::string(kCornerArrangementMoved), line,
                              std::string(kCornerTwistSettled)}));
    EXPECT_TRUE(window_.table().IsSolved()) << code;
  }
}

TEST_F(TkcStagesTest, StageOnAnEmptyWindowChangesNothing) {
  Press("CES");
  EXPECT_TRUE(List(1).empty());
  EXPECT_EQ(List(2).size(), 2u);
  EXPECT_EQ(List(3).size(), 2u);
}

}  // namespace
}  // namespace rq51
