// What every row of the TK-C tables and of the steps it shares promises,
// proved on its map.
#include "solvers/tkc/tkc_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/notation.h"
#include "shell/stage_frame.h"
#include "solvers/steps/corner_steps.h"
#include "solvers/steps/middle_layer.h"
#include "solvers/steps/second_face_edges.h"
#include "solvers/steps/turn_over.h"
#include "tests/row_checker.h"

namespace rq51 {
namespace {

using namespace test;
using namespace steps;
using tkc::UpperFaceRows;

const Facelets& UpperCorners() {
  static const Facelets facelets = Slots({"A1", "A7", "A21", "A27"});
  return facelets;
}

TEST(TkcRowsTest, UpperFaceRowsPlaceTheirPieceAndKeepThoseBefore) {
  ExpectPlacementSteps(UpperFaceRows(), {}, {1, 7, 21, 27, 24, 35, 29, 4, 32, 5},
                       {23, 20, 17, 14, 23, 21, 19, 17, 5, 3});
}

TEST(TkcRowsTest, CornerRowsKeyEveryCornerFaceletNotYetPlaced) {
  const std::vector<PlacementRows>& steps = UpperFaceRows();
  std::set<int> placed;
  for (size_t n = 0; n < 4; ++n) {
    std::set<int> keys;
    for (const RowSpec& row : steps[n].rows) keys.insert(row.key);
    std::set<int> expected;
    for (const CornerSlot& slot : CornerSlots()) {
      for (int f : slot.facelets) {
        if (!placed.count(f) && f != steps[n].target) expected.insert(f);
      }
    }
    EXPECT_EQ(keys, expected) << "target " << steps[n].target;
    for (int f : SlotOfTarget(steps[n].target)) placed.insert(f);
  }
}

TEST(TkcRowsTest, SecondFaceEdgeRowsKeepBottomLayerUpperCornersAndEarlierEdges) {
  ExpectPlacementSteps(SecondFaceEdgeRows(), Union(BottomLayer(), UpperCorners()), {4, 24, 29, 35},
                       {15, 13, 11, 9});
}

TEST(TkcRowsTest, CentreRowsAlsoKeepTheBottomLayerOfTheSecondFace) {
  const std::vector<PlacementRows> centres(UpperFaceRows().end() - 2, UpperFaceRows().end());
  ExpectPlacementSteps(centres, Union(BottomLayer(), UpperLayer()), {32, 5}, {5, 3});
}

// The cubie the arrangement code puts at each of the positions 1, 7, 27, 21.
std::vector<std::string_view> CornersOfCode(int code) {
  static constexpr std::string_view kByDigit[] = {"A1", "A7", "A21", "A27"};
  return {kByDigit[code / 1000 % 10], kByDigit[code / 100 % 10], kByDigit[code / 10 % 10],
          kByDigit[code % 10]};
}

// Every upper edge keeps its upper sticker on the upper face.
void ExpectUpperEdgesStayUp(const FaceletMap& map, const std::string& name) {
  const std::set<int> upper_edge_tops = {29, 31, 33, 35};
  for (int f : upper_edge_tops) {
    EXPECT_TRUE(upper_edge_tops.count(map(f))) << name << ": edge at " << f << " flipped";
  }
}

TEST(TkcRowsTest, ArrangementRowsBringEveryUpperCornerToItsSlot) {
  const Phase phase = CornerArrangementPhase();
  ASSERT_EQ(phase.table.rows().size(), 23u);
  ExpectRowsKeepTheirPromise(phase, BelowUpperLayer(), "arrangement");
  for (const TableRow& row : phase.table.rows()) {
    const std::string name = "arrangement row " + RowName(row);
    // The code is a permutation of the four corners, not the settled one.
    std::vector<std::string_view> held = CornersOfCode(row.key);
    std::sort(held.begin(), held.end());
    EXPECT_EQ(held, (std::vector<std::string_view>{"A1", "A21", "A27", "A7"})) << name;
    EXPECT_NE(row.key, kCornersInPlace) << name;
    ExpectUpperEdgesStayUp(row.map, name);
    // A leading quarter turn of the upper face stands on a line of its own.
    const Move first = row.moves.front();
    if (first.base == BaseTurn::kRz && first.power != 2 && row.moves.size() > 1) {
      EXPECT_EQ(row.lines.front(), "  " + LogName(first)) << name;
    }
    for (std::string_view line : row.lines) EXPECT_EQ(line.substr(0, 2), "  ") << name;
  }
}

TEST(TkcRowsTest, TwistRowsTwistTheUpperCornersInPlaceOnly) {
  const Phase phase = CornerTwistPhase();
  ASSERT_EQ(phase.table.rows().size(), 26u);
  ExpectRowsKeepTheirPromise(phase, BelowUpperLayer(), "twist");
  for (const TableRow& row : phase.table.rows()) {
    const std::string name = "twist row " + RowName(row);
    // No corner leaves its slot.
    for (const std::string_view label : {"A1", "A7", "A21", "A27"}) {
      const Facelets slot = SlotFacelets(label);
      for (int f : slot) {
        EXPECT_NE(std::find(slot.begin(), slot.end(), row.map(f)), slot.end()) << name;
      }
    }
    ExpectUpperEdgesStayUp(row.map, name);
  }
}

TEST(TkcRowsTest, MiddleRowsKeepBothOuterLayersAndTheCentres) {
  Facelets outer = Union(Union(UpperLayer(), BottomLayer()), Centres());
  const Stage middle = MiddleStage();
  const std::vector<const Phase*> phases = PhasesOf(middle);
  ASSERT_EQ(phases.size(), 2u);
  ExpectRowsKeepTheirPromise(*phases[0], outer, "middle arrangement");
  EXPECT_EQ(phases[0]->table.rows().size(), 11u);
  ExpectRowsKeepTheirPromise(*phases[1], outer, "middle flip");
  EXPECT_EQ(phases[1]->table.rows().size(), 7u);
  // A flip row turns over its edges in place: it changes nothing else.
  for (const TableRow& row : phases[1]->table.rows()) {
    for (const std::string_view label : {"B2", "B8", "B26", "B20"}) {
      const Facelets slot = SlotFacelets(label);
      EXPECT_TRUE(row.map(slot[0]) == slot[0] || row.map(slot[0]) == slot[1]) << RowName(row);
    }
  }
}

TEST(TkcRowsTest, TurningOverIsAHalfTurnAboutTheXAxis) {
  const ReHold& flip = TurnOver();
  EXPECT_EQ(flip.turn,
            MapOfMoves({Move{BaseTurn::kRx, 2}, Move{BaseTurn::kMx, 2}, Move{BaseTurn::kLx, 2}}));
  // Each face is anchored on the centre that the turn brings to it.
  for (int face = 1; face <= kFaceCount; ++face) {
    EXPECT_EQ(flip.turn(CentreOf(face)), flip.centre_for_face[face - 1]) << face;
  }
}

// Placement lines: the moves padded to three characters, two blanks, the
// pair "%2d<-%2d".
TEST(TkcRowsTest, ChosenPlacementRowsFollowTheirStepsLayout) {
  const auto line_of = [](const std::vector<PlacementRows>& steps, int target, int key) {
    for (const PlacementRows& step : steps) {
      if (step.target != target) continue;
      for (const RowSpec& row : step.rows) {
        if (row.key == key) return std::string(row.lines.front());
      }
    }
    return std::string();
  };
  EXPECT_EQ(line_of(UpperFaceRows(), 24, 4), "Mx Lz2Mx   24<- 4");
  EXPECT_EQ(line_of(UpperFaceRows(), 35, 33), "Mx Lz-My-Mx-  35<-33");
  EXPECT_EQ(line_of(UpperFaceRows(), 35, 26), "Lx My-Lx-My   35<-26");
  EXPECT_EQ(line_of(SecondFaceEdgeRows(), 24, 35), "Lx Ry-Mx Ry2Mx-Ry-Lx-  24<-35");
  // The neighbouring single-line rows of those steps share the layout.
  for (const PlacementRows& step : UpperFaceRows()) {
    if (step.target != 24 && step.target != 35) continue;
    for (const RowSpec& row : step.rows) {
      EXPECT_EQ(row.lines.front(), PlacementLine(MovesOfRow(row), step.target, row.key));
    }
  }
}

}  // namespace
}  // namespace rq51
