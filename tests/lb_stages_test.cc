// The LB window: what its rows promise and what its stages log on the cubes
// a user meets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "solvers/lb/lb_method.h"
#include "solvers/lb/lb_rows.h"
#include "solvers/steps/first_layer.h"
#include "solvers/steps/upper_edges.h"
#include "tests/row_checker.h"
#include "tests/test_names.h"

namespace rq51 {
namespace {

using namespace test;
using Lines = std::vector<std::string>;


TEST(LbRowsTest, CrossRowsPlaceTheirEdgeAndMoveNoCentre) {
  ExpectPlacementSteps(steps::UpperCrossRows(), Centres(), {4, 24, 29, 35}, {23, 21, 19, 17});
}

TEST(LbRowsTest, CornerRowsKeepTheCrossAndTheCornersBefore) {
  ExpectPlacementSteps(steps::UpperCornerRows(), Union(Centres(), kUpperEdgeFacelets),
                       {1, 7, 21, 27}, {23, 20, 17, 14});
}

TEST(LbRowsTest, MiddleRowsKeepTheBottomLayerAndTheEdgesBefore) {
  ExpectPlacementSteps(lb::MiddleLayerRows(), Union(Centres(), BottomLayer()), {2, 8, 26, 20},
                       {15, 13, 11, 9});
}

TEST(LbRowsTest, TheFirstLayerUsesOuterTurnsOnly) {
  for (const auto* rows : {&steps::UpperCrossRows(), &steps::UpperCornerRows()}) {
    for (const steps::PlacementRows& step : *rows) {
      for (const RowSpec& row : step.rows) {
        for (const Move& move : MovesOfRow(row)) {
          EXPECT_NE(LayerOf(move.base), 2) << row.lines.front();
        }
      }
    }
  }
}

TEST(LbRowsTest, CrossFlipRowsKeepTheFirstTwoLayersAndTheEdgesUp) {
  const Phase phase = steps::CrossFlipPhase();
  EXPECT_EQ(phase.table.rows().size(), 7u);
  ExpectRowsKeepTheirPromise(phase, BelowUpperLayer(), "cross flip");
  for (const TableRow& row : phase.table.rows()) {
    for (int f : kUpperEdgeFacelets) {
      EXPECT_NE(std::find(kUpperEdgeFacelets.begin(), kUpperEdgeFacelets.end(), row.map(f)),
                kUpperEdgeFacelets.end())
          << RowName(row);
    }
  }
}

TEST(LbRowsTest, EdgeArrangementRowsAreTheElevenEvenOnesAndMoveNothingElse) {
  const Phase& phase = std::get<Phase>(lb::TheMethod().stages.at(5).steps.at(0));
  ASSERT_EQ(phase.table.rows().size(), 11u);
  Facelets others;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (std::find(kUpperEdgeFacelets.begin(), kUpperEdgeFacelets.end(), f) ==
        kUpperEdgeFacelets.end()) {
      others.push_back(f);
    }
  }
  ExpectRowsKeepTheirPromise(phase, others, "PL");
}

// The four rows chosen for the first layer: the turns in three-character
// fields, two blanks, then "%2d<-%2d" as in the other rows of their steps.
TEST(LbRowsTest, ChosenRowsFollowTheLayoutOfTheirSteps) {
  const auto line_of = [](const std::vector<steps::PlacementRows>& steps, int key) {
    for (const RowSpec& row : steps.front().rows) {
      if (row.key == key) return std::string(row.lines.front());
    }
    return std::string();
  };
  EXPECT_EQ(line_of(steps::UpperCrossRows(), 33), "Rz Rx Ry    4<-33");
  EXPECT_EQ(line_of(steps::UpperCrossRows(), 22), "Ly2Rz2   4<-22");
  EXPECT_EQ(line_of(steps::UpperCornerRows(), 52), "Rx Lz Rx-Ry-Lz Ry    1<-52");
  EXPECT_EQ(line_of(steps::UpperCornerRows(), 7), "Rx Lx Lz Rx-Lx-   1<- 7");
  for (const auto* rows : {&steps::UpperCrossRows(), &steps::UpperCornerRows()}) {
    const int target = rows->front().target;
    for (const RowSpec& row : rows->front().rows) {
      EXPECT_EQ(row.lines.front(), PlacementLine(MovesOfRow(row), target, row.key));
    }
  }
}

class LbStagesTest : public ::testing::Test {
 protected:
  void EnterTurned(std::string_view moves) {
    ASSERT_TRUE(EnterColours(window_, Turned(SolvedColours(), MovesOfText(moves))));
  }
  void Press(std::string_view button) { ASSERT_TRUE(window_.PressButton(button)); }
  const Lines& List(int n) const { return window_.list_box(n); }

  SolverWindow window_ = WindowFor(WindowKind::kLb);
};

TEST_F(LbStagesTest, ButtonsAndListsOfTheWindow) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"CROSS", "②．上CROSS"}, {"F2C", "③．F2C"}, {"Mochikae", "④．上下反転持ち替え"},
      {"F2M", "⑤．F2M"},       {"OL", "⑥．OL"},   {"PL", "⑦．PL"},
      {"CES", "⑧．一括変換"}};
  const std::vector<StageButton>& buttons = window_.stage_buttons();
  ASSERT_EQ(buttons.size(), expected.size());
  for (size_t n = 0; n < expected.size(); ++n) {
    EXPECT_EQ(buttons[n].name, expected[n].first);
    EXPECT_EQ(buttons[n].caption, expected[n].second);
  }
  const std::vector<int> lists = {1, 2, 0, 3, 5, 6, 0};
  for (size_t n = 0; n < lists.size(); ++n) EXPECT_EQ(buttons[n].list_box, lists[n]);
}

TEST_F(LbStagesTest, OneShotRunOfACubeTurnedRxRzLy) {
  EnterTurned("Rx Rz Ly");
  Press("CES");
  EXPECT_EQ(List(1), (Lines{"Rz-   4<-49", "Rx-  29<- 2"}));
  EXPECT_EQ(List(2), (Lines{"Ly-Lz-Ly   21<-12"}));
  EXPECT_EQ(List(3), (Lines{"Lx-Rz-Lx Rz-Ry-Rz Ry    2<-38", "Rz Rx-Rz Rx Ry-Rx Ry Rx-",
                            "Rz-Ry-Rz Ry Lx Ry Lx-Ry-   8<-35"}));
  EXPECT_EQ(List(5), (Lines{"cross-24-40", "  Ly Rz-Lx Rz Lx-Ly-", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "  Rz",
                            "  Ly-Rx Ry Rx-Ly Rx Ry-Rx-", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動",
                            "  Ly-Rz Ly Rz Ly-Rz2Ly Rz2"}));
  EXPECT_EQ(List(6), (Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替", "  Ly2Rz Mx Rz2Mx-Rz Ly2"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(LbStagesTest, OneShotRunOfACubeTurnedRzRx) {
  EnterTurned("Rz Rx");
  Press("CES");
  EXPECT_EQ(List(1), (Lines{"Rx-Rz-   4<-53"}));
  EXPECT_TRUE(List(2).empty());
  EXPECT_TRUE(List(3).empty());
  EXPECT_EQ(List(5), (Lines{"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し"}));
  EXPECT_EQ(List(6), (Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(LbStagesTest, SolvedCubeAndSecondPresses) {
  EnterTurned("");
  for (const char* button : {"CROSS", "F2C", "F2M"}) Press(button);
  EXPECT_TRUE(List(1).empty() && List(2).empty() && List(3).empty());
  Press("PL");
  EXPECT_EQ(List(6), (Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"}));
  EXPECT_TRUE(window_.table().IsSolved());
  // Turning over twice gives back every sticker; once reads solved too.
  const StateTable before = window_.table();
  Press("Mochikae");
  EXPECT_TRUE(window_.table().IsSolved());
  EXPECT_EQ(window_.table().colour(5), Colour::kBlue);
  Press("Mochikae");
  EXPECT_EQ(window_.table(), before);
}

TEST_F(LbStagesTest, StepsOnTheCubesTheirRowsSolve) {
  // B24 in its slot but flipped, B4 home.
  EnterTurned(LogText(test::Inverted(MovesOfText("Ly Lx-Lz-Ly2"))));
  ASSERT_EQ(window_.table().PositionOfHome(24), 31);
  ASSERT_EQ(window_.table().Home(4), 4);
  Press("CROSS");
  ASSERT_FALSE(List(1).empty());
  EXPECT_EQ(List(1).front(), "Ly Lx-Lz-Ly2  24<-31");
  // B4 found at 2: one turn and four blanks.
  EnterTurned("Ry-");
  Press("CROSS");
  EXPECT_EQ(List(1), (Lines{"Ry    4<- 2"}));
  // A7 home but twisted, its sticker 7 at 36.
  EnterTurned(LogText(test::Inverted(MovesOfText("Ry Lz Ry-Lx Lz Lx-"))));
  ASSERT_EQ(window_.table().PositionOfHome(7), 36);
  Press("F2C");
  ASSERT_FALSE(List(2).empty());
  EXPECT_EQ(List(2).front(), "Ry Lz Ry-Lx Lz Lx-   7<-36");
}

TEST_F(LbStagesTest, LastLayerCases) {
  const auto enter_solved_by = [&](std::string_view row_text) {
    EnterTurned(LogText(test::Inverted(MovesOfText(row_text))));
  };
  enter_solved_by("Ly Rz-Lx Rz Lx-Ly-");
  Press("OL");
  EXPECT_EQ(List(5), (Lines{"cross-24-40", "  Ly Rz-Lx Rz Lx-Ly-", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し",
                            "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し"}));
  EXPECT_TRUE(window_.table().IsSolved());
  for (const auto& [text, lines] :
       {std::pair{"Mx2Rz Mx2Rz2Mx2Rz Mx2", Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替", "  Mx2Rz Mx2Rz2Mx2Rz Mx2"}},
        std::pair{"Ly2Rz-Mx Rz2Mx-Rz-Ly2", Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替", "  Ly2Rz-Mx Rz2Mx-Rz-Ly2"}},
        std::pair{"Lx2Rz My-Rz2My Rz Lx2", Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞの入替", "  Lx2Rz My-Rz2My Rz Lx2"}}}) {
    enter_solved_by(text);
    Press("PL");
    EXPECT_EQ(List(6), lines);
    EXPECT_TRUE(window_.table().IsSolved()) << text;
  }
  EXPECT_EQ(steps::UpperEdgeArrangementCode(window_.table()), steps::kUpperEdgesInPlace);
}

TEST_F(LbStagesTest, EdgeOrientationOnAnEmptyWindowComparesEmptyNames) {
  Press("OL");
  EXPECT_EQ(List(5), (Lines{"cross4･24･49･40", "  Ry Rz Lx-Rz-Lx Ry-", "  Rx-Ly Rz-Ly-Rz Rx ",
                            "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し"}));
  EXPECT_EQ(HomesOf(window_.table()), Homes{});
}

}  // namespace
}  // namespace rq51
