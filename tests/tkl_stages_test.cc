// The TK-L window: its own rows, the lifting passes that always bring the
// four upper edges up, the turn-over of one reversed cross edge, and its
// stages on the cubes a user meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "solvers/steps/upper_edges.h"
#include "solvers/tkl/tkl_method.h"
#include "tests/row_checker.h"
#include "tests/test_names.h"

namespace rq51 {
namespace {

using namespace test;
using Lines = std::vector<std::string>;


const Stage& Upper2() { return tkl::TheMethod().stages.at(2); }
const RepeatedPass& Lifting() { return std::get<RepeatedPass>(Upper2().steps.at(0)); }
const Phase& OddFlip() { return std::get<Phase>(Upper2().steps.at(1)); }

bool InUpperEdgeSlot(int position) {
  return std::find(kUpperEdgeFacelets.begin(), kUpperEdgeFacelets.end(), position) !=
         kUpperEdgeFacelets.end();
}

TEST(TklRowsTest, LiftingRowsCycleThreeEdgesAndKeepTheBottomLayer) {
  ASSERT_EQ(Lifting().phases.size(), 4u);
  for (const Phase& phase : Lifting().phases) {
    ASSERT_EQ(phase.table.rows().size(), 8u);
    ExpectRowsKeepTheirPromise(phase, Union(BottomLayer(), Centres()), "lifting");
    for (const TableRow& row : phase.table.rows()) {
      int moved = 0;
      for (int f = 1; f <= kFaceletCount; ++f) moved += row.map(f) != f;
      EXPECT_EQ(moved, 6) << RowName(row);
    }
  }
}

TEST(TklRowsTest, OddTurnOverFlipsB4WithMiddleEdgesAndKeepsTheRest) {
  const TableRow& row = OddFlip().table.rows().at(0);
  EXPECT_EQ(row.key, 1);
  const Facelets flipped = Slots({"B4", "B2", "B20", "B26"});
  Facelets kept;
  for (int f = 1; f <= kFaceletCount; ++f) {
    if (std::find(flipped.begin(), flipped.end(), f) == flipped.end()) kept.push_back(f);
  }
  ExpectRowsKeepTheirPromise(OddFlip(), kept, "odd turn-over");
  for (size_t n = 0; n < flipped.size(); n += 2) {
    EXPECT_EQ(row.map(flipped[n]), flipped[n + 1]);
    EXPECT_EQ(row.map(flipped[n + 1]), flipped[n]);
  }
  // Two-blank-led lines of three-character fields after the heading.
  EXPECT_EQ(row.lines.at(0), "cross4---");
  for (size_t n = 1; n < row.lines.size(); ++n) {
    EXPECT_EQ(row.lines[n].substr(0, 2), "  ");
    EXPECT_EQ((row.lines[n].size() - 2) % 3, 0u);
  }
}

TEST(TklRowsTest, EdgeArrangementRowsKeepTheCornersAndTheBottomLayer) {
  const Phase phase = steps::UpperEdgeArrangementPhase();
  EXPECT_EQ(phase.table.rows().size(), 23u);
  ExpectRowsKeepTheirPromise(
      phase, Union(Union(BottomLayer(), Centres()), Slots({"A1", "A7", "A21", "A27"})),
      "edge arrangement");
  for (const TableRow& row : phase.table.rows()) {
    for (int f : {33, 31, 29, 35}) EXPECT_TRUE(InUpperEdgeSlot(row.map(f))) << RowName(row);
  }
}

// Every placement and orientation of the four upper edges among the eight
// edge slots of the upper and middle layers, the middle edges filling the
// other slots: the passes bring all four up, and never need the guard.
TEST(TklLiftingTest, PassesBringEveryUpperEdgeUpWithinTheGuard) {
  const std::array<int, 8> slots = {1, 8, 10, 11, 0, 3, 9, 7};  // B4 B24 B29 B35 B2 B8 B26 B20
  const auto& edges = EdgeSlots();
  SolverWindow window(WindowKind::kTkl, &tkl::TheMethod());
  int most_passes = 0;
  int cases = 0;
  std::array<int, 8> place{};  // place[i]: the slot of cubie i (i < 4 the upper edges)
  for (int a = 0; a < 8; ++a) {
    for (int b = 0; b < 8; ++b) {
      for (int c = 0; c < 8; ++c) {
        for (int d = 0; d < 8; ++d) {
          const std::array<int, 4> upper = {a, b, c, d};
          if (a == b || a == c || a == d || b == c || b == d || c == d) continue;
          for (int flips = 0; flips < 16; ++flips) {
            Homes homes = SolvedHomes();
            std::array<bool, 8> used{};
            for (int i = 0; i < 4; ++i) used[upper[i]] = true;
            int next_free = 0;
            for (int i = 0; i < 8; ++i) {
              if (i < 4) {
                place[i] = upper[i];
              } else {
                while (used[next_free]) ++next_free;
                place[i] = next_free++;
              }
              const auto& to = edges[slots[place[i]]].facelets;
              const auto& cubie = edges[slots[i]].facelets;
              const bool flipped = i < 4 && (flips >> i & 1);
              homes[to[0]] = cubie[flipped ? 1 : 0];
              homes[to[1]] = cubie[flipped ? 0 : 1];
            }
            window.table_for_testing() = TableWithHomes(homes);
            const int passes = RunRepeatedPass(window, Lifting(), 2);
            most_passes = std::max(most_passes, passes);
            for (int target : {4, 24, 29, 35}) {
              ASSERT_TRUE(InUpperEdgeSlot(window.table().PositionOfHome(target)))
                  << "case " << cases << ": edge " << target << " still down";
            }
            ++cases;
          }
        }
      }
    }
  }
  EXPECT_EQ(cases, 1680 * 16);
  // The last pass lifts nothing; the guard is never what stops the passes.
  EXPECT_LT(most_passes, tkl::kMaxLiftingPasses);
  RecordProperty("most_passes", most_passes);
}

class TklStagesTest : public ::testing::Test {
 protected:
  void EnterTurned(std::string_view moves) {
    ASSERT_TRUE(EnterColours(window_, Turned(SolvedColours(), MovesOfText(moves))));
  }
  void Press(std::string_view button) { ASSERT_TRUE(window_.PressButton(button)); }
  const Lines& List(int n) const { return window_.list_box(n); }

  SolverWindow window_ = WindowFor(WindowKind::kTkl);
};

TEST_F(TklStagesTest, SolvedCubeLogsOnlyTheStatusLines) {
  EnterTurned("");
  Press("CES");
  EXPECT_TRUE(List(1).empty());
  EXPECT_EQ(List(2),
            (Lines{"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"}));
  EXPECT_EQ(List(3), (Lines{"ｴｯｼﾞ･ｷｭｰﾌﾞ同士の移動無し", "ｴｯｼﾞ･ｷｭｰﾌﾞ内の移動無し"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(TklStagesTest, UpperFaceOfSingleTurns) {
  EnterTurned("Rz");
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Rz-   4<-49"}));
  EXPECT_TRUE(window_.table().IsSolved());
  EnterTurned("Rx");
  Press("Upper1");
  EXPECT_EQ(List(1), (Lines{"Rx-  29<- 2"}));
  EXPECT_TRUE(window_.table().IsSolved());
  // The face opposite the upper face is not this stage's business.
  EnterTurned("Lz");
  const StateTable before = window_.table();
  Press("Upper1");
  EXPECT_TRUE(List(1).empty());
  EXPECT_EQ(window_.table(), before);
}

TEST_F(TklStagesTest, SecondFaceCases) {
  // The upper face of the turned-over cube given a quarter turn.
  EnterTurned("");
  Press("Mochikae");
  window_.TrialMove({BaseTurn::kRz, 1});
  Press("Upper2");
  EXPECT_EQ(List(2), (Lines{"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "  Rz-", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し",
                            "ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"}));
  EXPECT_TRUE(window_.table().IsSolved());
  // B4 and B24 exchanged, all else solved (only a mistyped table reads so):
  // code 1023, whose row also moves two middle edges.
  Homes homes = SolvedHomes();
  std::swap(homes[4], homes[24]);
  std::swap(homes[33], homes[31]);
  window_.table_for_testing() = TableWithHomes(homes);
  window_.ListClearClick(2);
  ASSERT_EQ(steps::UpperEdgeArrangementCode(window_.table()), 1023);
  Press("Upper2");
  EXPECT_EQ(List(2),
            (Lines{"ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替",
                   "  Rz-Rx My-Rx2My Rx Rz ", "  Rx Rz My Rz2My-Rz Rx-"}));
  int moved = 0;
  const Facelets bottom = BottomLayer();
  for (int f = 1; f <= kFaceletCount; ++f) {
    const bool middle_edge = !IsCentre(f) && !InUpperEdgeSlot(f) &&
                             std::find(bottom.begin(), bottom.end(), f) == bottom.end() &&
                             FaceOf(f) != 4;
    if (window_.table().Home(f) != f) {
      EXPECT_TRUE(middle_edge) << f;
      ++moved;
    }
  }
  EXPECT_EQ(moved, 4);
}

TEST_F(TklStagesTest, OneReversedCrossEdgeIsTurnedOverWithAMiddleEdge) {
  // B24 turned over together with B2 (a real cube turns edges over in pairs).
  EnterTurned("");
  Press("Mochikae");
  const std::vector<Move> flip = MovesOfText("(Rx-My )４乗(Rz My-)４乗");
  for (const Move& move : Inverted(flip)) window_.TrialMove(move);
  // Now B4 shows the upper colour on its side: an odd number reversed.
  ASSERT_EQ(steps::CrossFlipCode(window_.table()), 1000);
  Press("Upper2");
  EXPECT_EQ(List(2), (Lines{"cross4---", "  Mz Ry-Mz Ry-Mz Ry-Mz Ry-", "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動無し",
                            "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替無し"}));
  // The middle stage turns the middle edges back.
  Press("Middle");
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(TklStagesTest, CrossFlipOnAnEmptyWindowComparesTheNamesOfOneColour) {
  Press("Upper2");
  EXPECT_EQ(List(2), (Lines{"cross4･24･49･40", "  Ry Rz Lx-Rz-Lx Ry-", "  Rx-Ly Rz-Ly-Rz Rx ",
                            "ｺｰﾅｰ･ｷｭｰﾌﾞ同士の移動", "ｺｰﾅｰ･ｷｭｰﾌﾞ内の移動無し", "ｴｯｼﾞ･ｷｭｰﾌﾞの入替"}));
  EXPECT_EQ(HomesOf(window_.table()), Homes{});
}

}  // namespace
}  // namespace rq51
