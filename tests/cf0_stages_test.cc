// The CF-0 stages in the window: what the lists show and what the cube does
// for the cases a user meets, pressed as buttons.
#include <gtest/gtest.h>

#include "cf0_cube_entry.h"
#include "solvers/cf0/cf0_method.h"
#include "solvers/cf0/cf0_rows.h"

namespace rq51 {
namespace {

using namespace cf0_test;
using namespace cf0;
using Lines = std::vector<std::string>;

class Cf0StagesTest : public ::testing::Test {
 protected:
  void Enter(const Colours& colours) {
    EnterColours(window_, colours);
    ASSERT_EQ(window_.label4(), kArrangementOk);
  }
  void EnterTurned(std::string_view moves) { Enter(Turned(SolvedColours(), MovesOfText(moves))); }
  void EnterTurned(const std::vector<Move>& moves) { Enter(Turned(SolvedColours(), moves)); }
  // Runs the first `count` steps of a stage, as its button would.
  void RunSteps(int stage, size_t count) {
    const Stage& s = TheMethod().stages[stage];
    for (size_t n = 0; n < count; ++n) RunPhase(window_, std::get<Phase>(s.steps[n]), s.list_box);
  }
  Homes homes() const { return HomesOf(window_.table()); }
  const Lines& list(int n) const { return window_.list_box(n); }

  SolverWindow window_{WindowKind::kCf0, &TheMethod()};
};

// The turns that never move the reference corner.
const std::vector<Move> kRightAndMiddleTurns =
    MovesOfText("RxRx2Rx-RyRy2Ry-RzRz2Rz-MxMx2Mx-MyMy2My-MzMz2Mz-");

TEST_F(Cf0StagesTest, ButtonsAreTheThreeStagesAndTheOneShotRun) {
  const std::vector<StageButton>& buttons = window_.stage_buttons();
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[0].name, "CC");
  EXPECT_EQ(buttons[0].caption, "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[1].name, "EC");
  EXPECT_EQ(buttons[1].caption, "③．ｴｯｼﾞｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[2].name, "SC");
  EXPECT_EQ(buttons[2].caption, "④．ｾﾝﾀｰｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[3].name, "CES");
  EXPECT_EQ(buttons[3].caption, "⑤．一括変換");
  const std::vector<Stage>& stages = TheMethod().stages;
  ASSERT_EQ(stages.size(), 3u);
  EXPECT_EQ(stages[0].list_box, 1);
  EXPECT_EQ(stages[0].steps.size(), 13u);  // 6 placements, 6 twists, A18
  EXPECT_EQ(stages[1].list_box, 2);
  EXPECT_EQ(stages[1].steps.size(), 22u);
  EXPECT_EQ(stages[2].list_box, 3);
  EXPECT_EQ(stages[2].steps.size(), 1u);
}

TEST_F(Cf0StagesTest, SolvedCubeLogsOneSeparatorPerCornerOrEdgeRun) {
  Enter(SolvedColours());
  window_.PressButton("CC");
  EXPECT_EQ(list(1), Lines{kSeparator});
  window_.PressButton("CC");
  EXPECT_EQ(list(1), (Lines{kSeparator, kSeparator}));
  window_.PressButton("EC");
  EXPECT_EQ(list(2), Lines{kSeparator});
  window_.PressButton("SC");
  EXPECT_TRUE(list(3).empty());
  EXPECT_TRUE(window_.table().IsSolved());

  Enter(SolvedColours());  // confirmation empties the lists
  window_.PressButton("CES");
  EXPECT_EQ(list(1), Lines{kSeparator});
  EXPECT_EQ(list(2), Lines{kSeparator});
  EXPECT_TRUE(list(3).empty());
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(Cf0StagesTest, CornerOfA1AtA27IsBroughtHomeByItsExchange) {
  EnterTurned("Rz2");  // the top layer half turned: A1's cubie lies at A27
  ASSERT_EQ(window_.table().SlotLabelOfHome(1), "A27");
  RunSteps(0, 1);
  EXPECT_EQ(list(1), Lines{"(RyRz-Rx)５乗  A1<->A27"});
  const int home1 = window_.table().PositionOfHome(1);
  EXPECT_TRUE(home1 == 1 || home1 == 30 || home1 == 52) << home1;
}

TEST_F(Cf0StagesTest, CornerOfA3AtA27GoesByWayOfA1AndLeavesA1Placed) {
  // Three turns that keep A18 where it is (no L turn), leave A1 placed and
  // put A3's cubie at A27.
  std::vector<Move> found;
  for (const Move& a : kRightAndMiddleTurns) {
    for (const Move& b : kRightAndMiddleTurns) {
      for (const Move& c : kRightAndMiddleTurns) {
        const Homes h = HomesAfter(MapOfMoves({a, b, c}));
        if (found.empty() && CornerHolds(h, 1, 1) && CornerHolds(h, 27, 3)) found = {a, b, c};
      }
    }
  }
  ASSERT_FALSE(found.empty());
  EnterTurned(found);
  RunSteps(0, 2);
  EXPECT_EQ(list(1), (Lines{"(RyRzRx )５乗  A3<->A27", "(RyRz-Rx)５乗", "(RyRzRx )５乗"}));
  EXPECT_TRUE(CornerHolds(homes(), 1, 1));
  EXPECT_TRUE(CornerHolds(homes(), 3, 3));
}

TEST_F(Cf0StagesTest, TwistedA1IsOrientedAndPassesItsTwistToA3) {
  Enter(SolvedColours());
  // A1 alone turned in its slot, as only a mistyped entry can give.
  StateTable& table = window_.table_for_testing();
  table.SetHomeForTesting(1, 30);
  table.SetHomeForTesting(30, 52);
  table.SetHomeForTesting(52, 1);
  RunSteps(0, 7);
  EXPECT_EQ(list(1), (Lines{kSeparator, "(Rx-Ry)３乗      A1@-", "(RxRy-)３乗"}));
  EXPECT_EQ(table.Home(1), 1);
  EXPECT_EQ(table.Home(30), 30);
  EXPECT_EQ(table.Home(52), 52);
  EXPECT_EQ(CornersNotSolved(homes()), std::vector<int>{3});
}

TEST_F(Cf0StagesTest, A21TurnedForwardIsOrientedByTheChosenRow) {
  const RowSpec& row = CornerTwistSteps()[5].rows[1];
  EnterTurned(Inverted(MovesOfRow(row)));
  ASSERT_EQ(window_.table().Home(21), 46);
  window_.PressButton("CC");
  EXPECT_EQ(list(1), (Lines{kSeparator, "(RzRyRz-Ry-)２乗   A21@+", "(RxRy-Rx-Ry)２乗"}));
  EXPECT_TRUE(CornersNotSolved(homes()).empty());
  window_.PressButton("EC");
  window_.PressButton("SC");
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(Cf0StagesTest, TwistedReferenceCornerIsTurnedBackAtTheEndOfTheCornerStage) {
  // An entry always shows A18 oriented: its colours define the faces. Only
  // turns made after the entry can twist it, so the cube is turned by trial
  // moves here.
  for (const RowSpec& row : ReferenceCornerStep().rows) {
    SCOPED_TRACE(std::string(row.lines[0]));
    Enter(SolvedColours());
    for (const Move& move : Inverted(MovesOfRow(row))) window_.TrialMove(move);
    ASSERT_EQ(window_.table().Home(18), row.key);
    window_.PressButton("CC");
    Lines expected = {kSeparator};
    expected.insert(expected.end(), row.lines.begin(), row.lines.end());
    EXPECT_EQ(list(1), expected);
    EXPECT_TRUE(window_.table().IsSolved());
  }
}

TEST_F(Cf0StagesTest, ExchangeMacrosWithAnLTurnNoLongerLeaveA18AndA27Twisted) {
  // Each of these twists A18. For each, scramble with the right and middle
  // layers only (A18 stays put) until the corner stage uses it; the stage
  // must still end with every corner home and oriented.
  const std::vector<Move>& allowed = kRightAndMiddleTurns;
  std::mt19937 random(18);
  for (const char* macro : {"(Rx-RyLz)５乗", "(LzRxRy-)５乗", "(LyRzRx-)５乗", "(RyLzLx-)５乗",
                            "(RzLxLy-)５乗", "(RxLyLz-)５乗"}) {
    SCOPED_TRACE(macro);
    bool used = false;
    for (int attempt = 0; attempt < 3000 && !used; ++attempt) {
      std::vector<Move> moves;
      for (int k = 0; k < 20; ++k) moves.push_back(allowed[random() % allowed.size()]);
      EnterTurned(moves);
      window_.PressButton("CC");
      used = std::any_of(list(1).begin(), list(1).end(),
                         [&](const std::string& line) { return line.starts_with(macro); });
    }
    ASSERT_TRUE(used);
    EXPECT_TRUE(CornersNotSolved(homes()).empty());
  }
}

TEST_F(Cf0StagesTest, TwoEdgeExchangeIsUndoneByItsRowAndLeavesTwoCentrePairsSwapped) {
  EnterTurned("(Ry2MzRy2MzRy2MzRy2)");
  window_.PressButton("EC");
  EXPECT_EQ(list(2), (Lines{"(Ry2MzRy2MzRy2MzRy2)  B2<->B8", kSeparator}));
  EXPECT_TRUE(EdgesNotSolved(homes()).empty());
  EXPECT_TRUE(CornersNotSolved(homes()).empty());
  const Homes h = homes();
  EXPECT_EQ(h[5], 23);
  EXPECT_EQ(h[23], 5);
  EXPECT_EQ(h[41], 50);
  EXPECT_EQ(h[50], 41);
  EXPECT_EQ(h[14], 14);
  EXPECT_EQ(h[32], 32);
}

TEST_F(Cf0StagesTest, ThreeEdgeCycleIsUndoneByTwoPlacements) {
  EnterTurned("(Rx-MzRx- )４乗");
  window_.PressButton("EC");
  EXPECT_EQ(list(2), (Lines{"(Rx-MzRx- )４乗       B8<->B29", "(Rx2MzRx2Mz-Rx2MzRx2)",
                            "(Rx2MzRx2Mz-Rx2MzRx2) B26<->B29", "(Rx-MzRx- )４乗", kSeparator}));
  EXPECT_TRUE(EdgesNotSolved(homes()).empty());
  EXPECT_EQ(CentresNotHome(homes()), (std::vector<int>{5, 23, 41, 50}));
}

// The colours of a solved cube with the named edges turned over.
Colours WithEdgesTurnedOver(std::initializer_list<int> edges) {
  Colours colours = SolvedColours();
  for (int edge : edges) {
    const auto [f, g] = Edge(edge).facelets;
    std::swap(colours[f], colours[g]);
  }
  return colours;
}

TEST_F(Cf0StagesTest, B2AndB4TurnedOverNeedOneFlipRow) {
  Enter(WithEdgesTurnedOver({2, 4}));
  window_.PressButton("EC");
  EXPECT_EQ(list(2), (Lines{kSeparator, "(Rx-My)４乗    B2@", "(RzMy-)４乗"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(Cf0StagesTest, B15AndB35TurnedOverRunTheWholeFlipChain) {
  Enter(WithEdgesTurnedOver({15, 35}));
  window_.PressButton("EC");
  EXPECT_EQ(list(2),
            (Lines{kSeparator, "(Ry-Mx)４乗    B15@", "(Rx-My)４乗    B24@", "(Rz-My-)４乗",
                   "(RyMx)４乗    B4@", "(Ry-Mx-)４乗", "(RyMz)４乗    B6@", "(Rx-Mz-)４乗",
                   "(RxMy)４乗    B11@", "(Rx-My-)４乗", "(Ry-Mx-)４乗    B29@", "(Rz-Mx)４乗",
                   "(Ry-Mx-)４乗    B8@", "(RzMx)４乗"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(Cf0StagesTest, CentreStepSolvesTheArrangementsOfItsTable) {
  EnterTurned("(Ry2MzRy2MzRy2MzRy2)(Ry2MzRy2MzRy2MzRy2)");
  window_.PressButton("SC");
  EXPECT_EQ(list(3), Lines{"My2MzMy2Mz-    C5@ & C41@"});
  EXPECT_TRUE(window_.table().IsSolved());

  // Centres 41, 23, 50, 5, 32, 14 at 5, 14, 23, 32, 41, 50.
  Colours colours = SolvedColours();
  const std::array<int, 6> arrangement = {41, 23, 50, 5, 32, 14};
  for (size_t c = 0; c < kCentres.size(); ++c) {
    colours[kCentres[c]] = SolvedColours()[arrangement[c]];
  }
  Enter(colours);
  window_.PressButton("SC");
  EXPECT_EQ(list(3), Lines{"My-Mx-MyMx   C5→C32→C41"});
  EXPECT_TRUE(window_.table().IsSolved());
  window_.PressButton("SC");  // nothing left to do
  EXPECT_EQ(list(3).size(), 1u);
}

TEST_F(Cf0StagesTest, SliceAndRightLayerScramblesEndWithEverythingHome) {
  std::mt19937 random(5);
  const std::vector<Move>& allowed = kRightAndMiddleTurns;
  for (int n = 0; n < 50; ++n) {
    std::vector<Move> moves;
    for (int k = 0; k < 20; ++k) moves.push_back(allowed[random() % allowed.size()]);
    EnterTurned(moves);
    window_.PressButton("CES");
    EXPECT_TRUE(window_.table().IsSolved()) << LogText(moves);
  }
}

TEST_F(Cf0StagesTest, StagesOnAnEmptyWindowDoNothingButLogSeparators) {
  window_.PressButton("CES");
  EXPECT_EQ(list(1), Lines{kSeparator});
  EXPECT_EQ(list(2), Lines{kSeparator});
  EXPECT_TRUE(list(3).empty());
}

}  // namespace
}  // namespace rq51
