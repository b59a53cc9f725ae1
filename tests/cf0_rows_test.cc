// Every CF-0 row keeps the promise of its step: placement rows exchange
// exactly the cubies they name, twist rows orient their corner and turn only
// the next one of the chain, flip rows turn over exactly their edges, centre
// rows bring their arrangement home without touching a corner or an edge.
#include "solvers/cf0/cf0_rows.h"

#include <gtest/gtest.h>

#include <set>

#include "cf0_cube_entry.h"
#include "cf0_table_facts.h"
#include "solvers/cf0/cf0_macros.h"
#include "solvers/cf0/cf0_method.h"
#include "solvers/steps/slot_keys.h"

namespace rq51 {
namespace {

using namespace cf0_test;
using namespace cf0;

FaceletMap MapOf(const RowSpec& row) { return MapOfMoves(MovesOfRow(row)); }

bool IsCornerFacelet(int f) { return SlotLabelOfFacelet(f).starts_with("A"); }
bool IsEdgeFacelet(int f) { return SlotLabelOfFacelet(f).starts_with("B"); }

// The corner turned in place so that its first facelet holds `home`.
Homes Twisted(Homes homes, int corner, int home) {
  const auto f = Corner(corner).facelets;
  const int r = home == f[1] ? 1 : 2;
  for (int n = 0; n < 3; ++n) homes[f[n]] = f[(n + r) % 3];
  return homes;
}

TEST(Cf0RowsTest, CornerPlacementRowsExchangeTargetAndSourceOnly) {
  const std::vector<int> targets = {1, 3, 7, 9, 12, 21};
  ASSERT_EQ(CornerPlacementSteps().size(), targets.size());
  for (size_t n = 0; n < targets.size(); ++n) {
    const StepRows& step = CornerPlacementSteps()[n];
    EXPECT_EQ(step.facelet, targets[n]);
    for (const RowSpec& row : step.rows) {
      SCOPED_TRACE(std::string(row.lines[0]));
      // Never a corner an earlier step placed, nor the target itself.
      for (size_t earlier = 0; earlier <= n; ++earlier) EXPECT_NE(row.key, targets[earlier]);
      const Homes homes = HomesAfter(MapOf(row));
      EXPECT_TRUE(CornerHolds(homes, targets[n], row.key));
      EXPECT_TRUE(CornerHolds(homes, row.key, targets[n]));
      std::set<int> twisted;
      for (const CornerSlot& slot : CornerSlots()) {
        const int number = SlotLabelNumber(slot.label);
        if (number == targets[n] || number == row.key) continue;
        EXPECT_TRUE(CornerHolds(homes, number, number)) << slot.label;
        if (!Oriented(homes, slot.facelets)) twisted.insert(number);
      }
      if (row.lines.size() == 1) {
        // A single macro: it twists what the macro table says it twists.
        for (const CornerExchangeMacro& macro : CornerExchangeMacros()) {
          if (row.lines[0].starts_with(macro.text)) {
            EXPECT_EQ(twisted, std::set<int>(macro.twisted.begin(), macro.twisted.end()));
          }
        }
      }
    }
  }
}

TEST(Cf0RowsTest, TwistRowsOrientTheTargetAndTurnOnlyTheNextCornerOfTheChain) {
  const std::vector<int> chain = {1, 3, 7, 9, 12, 21, 27};
  ASSERT_EQ(CornerTwistSteps().size(), 6u);
  for (size_t n = 0; n < 6; ++n) {
    const StepRows& step = CornerTwistSteps()[n];
    ASSERT_EQ(step.facelet, chain[n]);
    ASSERT_EQ(step.rows.size(), 2u);
    for (const RowSpec& row : step.rows) {
      SCOPED_TRACE(std::string(row.lines[0]));
      const FaceletMap map = MapOf(row);
      // On a solved cube it turns exactly these two corners in place.
      const Homes after_solved = HomesAfter(map);
      EXPECT_EQ(CornersNotSolved(after_solved), (std::vector<int>{chain[n], chain[n + 1]}));
      EXPECT_TRUE(CornerHolds(after_solved, chain[n], chain[n]));
      EXPECT_TRUE(CornerHolds(after_solved, chain[n + 1], chain[n + 1]));
      // On the target turned as its key says, and the next corner the other
      // way, it solves every corner.
      const Homes start = ApplyToState(Inverse(map), SolvedHomes());
      EXPECT_EQ(start[step.facelet], row.key);
      EXPECT_EQ(CornersNotSolved(start), (std::vector<int>{chain[n], chain[n + 1]}));
      Homes target_only = Twisted(SolvedHomes(), chain[n], row.key);
      const Homes after = ApplyToState(map, target_only);
      EXPECT_TRUE(Oriented(after, Corner(chain[n]).facelets));
      EXPECT_EQ(CornersNotSolved(after), std::vector<int>{chain[n + 1]});
    }
    // The two rows turn the target opposite ways.
    EXPECT_NE(step.rows[0].key, step.rows[1].key);
  }
}

TEST(Cf0RowsTest, ReferenceCornerRowsTwistA18AndA27AndChangeNothingElse) {
  const StepRows& step = ReferenceCornerStep();
  EXPECT_EQ(step.facelet, 18);
  ASSERT_EQ(step.rows.size(), 2u);
  EXPECT_TRUE(step.rows[0].lines[0].ends_with("A18@-"));
  EXPECT_TRUE(step.rows[1].lines[0].ends_with("A18@+"));
  for (const RowSpec& row : step.rows) {
    SCOPED_TRACE(std::string(row.lines[0]));
    EXPECT_EQ(MovesOfRow(row).size(), 13u);
    const FaceletMap map = MapOf(row);
    for (int i = 1; i <= kFaceletCount; ++i) {
      const int slot = SlotLabelNumber(SlotLabelOfFacelet(i));
      if (slot != 18 && slot != 27) {
        EXPECT_EQ(map(i), i) << i;
      }
    }
    const Homes after_solved = HomesAfter(map);
    EXPECT_EQ(CornersNotSolved(after_solved), (std::vector<int>{18, 27}));
    const Homes start = ApplyToState(Inverse(map), SolvedHomes());
    EXPECT_EQ(start[18], row.key);
    const Homes after = ApplyToState(map, Twisted(SolvedHomes(), 18, row.key));
    EXPECT_EQ(CornersNotSolved(after), std::vector<int>{27});
  }
  // The home-25 case at the second facelet of A18's triple, 45 at the third.
  EXPECT_EQ(step.rows[0].key, 25);
  EXPECT_EQ(step.rows[1].key, 45);
  EXPECT_EQ(MapOf(step.rows[1]), Inverse(MapOf(step.rows[0])));
}

TEST(Cf0RowsTest, TheA21ForwardRowIsTheHome28RowUndone) {
  const RowSpec& row = CornerTwistSteps()[5].rows[1];
  EXPECT_EQ(row.key, 46);
  EXPECT_TRUE(row.lines[0].ends_with("A21@+"));
  const std::vector<Move> moves = MovesOfRow(row);
  EXPECT_EQ(moves.size(), 16u);
  for (const Move& move : moves) {
    EXPECT_TRUE(move.base == BaseTurn::kRx || move.base == BaseTurn::kRy ||
                move.base == BaseTurn::kRz);
  }
  EXPECT_EQ(MapOf(row), Inverse(MapOf(CornerTwistSteps()[5].rows[0])));
  // On a solved cube it twists A21 and A27 in place, the opposite ways, and
  // keeps every other corner and every centre.
  const Homes after = HomesAfter(MapOf(row));
  EXPECT_EQ(CornersNotSolved(after), (std::vector<int>{21, 27}));
  EXPECT_EQ(after[21], 28);  // what the home-28 row turns back
  EXPECT_TRUE(CentresNotHome(after).empty());
}

TEST(Cf0RowsTest, EdgePlacementRowsExchangeTargetAndSourceAndLeaveCornersAlone) {
  const std::vector<int> targets = {2, 4, 6, 8, 11, 15, 17, 20, 24, 26, 29};
  ASSERT_EQ(EdgePlacementSteps().size(), targets.size());
  for (size_t n = 0; n < targets.size(); ++n) {
    const StepRows& step = EdgePlacementSteps()[n];
    EXPECT_EQ(step.facelet, targets[n]);
    for (const RowSpec& row : step.rows) {
      SCOPED_TRACE(std::string(row.lines[0]));
      for (size_t earlier = 0; earlier <= n; ++earlier) EXPECT_NE(row.key, targets[earlier]);
      const Homes homes = HomesAfter(MapOf(row));
      EXPECT_TRUE(EdgeHolds(homes, targets[n], row.key));
      EXPECT_TRUE(EdgeHolds(homes, row.key, targets[n]));
      for (const EdgeSlot& slot : EdgeSlots()) {
        const int number = SlotLabelNumber(slot.label);
        if (number != targets[n] && number != row.key) {
          EXPECT_TRUE(EdgeHolds(homes, number, number)) << slot.label;
        }
      }
      for (int i = 1; i <= kFaceletCount; ++i) {
        if (IsCornerFacelet(i)) {
          EXPECT_EQ(homes[i], i) << i;
        }
      }
    }
  }
}

TEST(Cf0RowsTest, FlipRowsTurnOverTheirTargetAndTheNamedEdgesOnly) {
  ASSERT_EQ(EdgeFlipSteps().size(), cf0_data::kFlipFacts.size());
  std::set<int> targets;
  for (size_t n = 0; n < cf0_data::kFlipFacts.size(); ++n) {
    const StepRows& step = EdgeFlipSteps()[n];
    const RowSpec& row = step.rows[0];
    SCOPED_TRACE(std::string(row.lines[0]));
    const int target = SlotLabelNumber(SlotLabelOfFacelet(step.facelet));
    const auto [f, g] = Edge(target).facelets;
    EXPECT_EQ(step.facelet, f);
    EXPECT_EQ(row.key, g);  // the target turned over
    std::set<int> over = {target};
    for (int edge : cf0_data::kFlipFacts[n].also_turned_over) {
      over.insert(edge);
      // Only edges a later step looks at, or B35, which no step needs.
      EXPECT_FALSE(targets.count(edge)) << edge;
    }
    targets.insert(target);
    const Homes homes = HomesAfter(MapOf(row));
    for (int i = 1; i <= kFaceletCount; ++i) {
      const int slot = SlotLabelNumber(SlotLabelOfFacelet(i));
      if (IsEdgeFacelet(i) && over.count(slot)) {
        const auto [a, b] = Edge(slot).facelets;
        EXPECT_EQ(homes[i], i == a ? b : a) << i;
      } else {
        EXPECT_EQ(homes[i], i) << i;
      }
    }
  }
  EXPECT_EQ(targets.count(35), 0u);
}

// The six centres turned as the whole cube is: all 24 arrangements.
std::vector<Homes> CentreRotations() {
  const FaceletMap x = MapOfMoves(MovesOfText("RxMxLx"));
  const FaceletMap y = MapOfMoves(MovesOfText("RyMyLy"));
  const FaceletMap z = MapOfMoves(MovesOfText("RzMzLz"));
  std::vector<FaceletMap> found = {FaceletMap()};
  for (size_t n = 0; n < found.size(); ++n) {
    for (const FaceletMap* turn : {&x, &y, &z}) {
      const FaceletMap next = Compose(found[n], *turn);
      if (std::find(found.begin(), found.end(), next) == found.end()) found.push_back(next);
    }
  }
  std::vector<Homes> arrangements;
  for (const FaceletMap& map : found) {
    Homes homes = SolvedHomes();
    for (int c : kCentres) homes[c] = map(c);
    arrangements.push_back(homes);
  }
  return arrangements;
}

TEST(Cf0RowsTest, CentreRowsBringTheirArrangementHomeAndMoveNoCornerOrEdge) {
  ASSERT_EQ(CentreRows().size(), cf0_data::kCentreFacts.size());
  for (size_t n = 0; n < cf0_data::kCentreFacts.size(); ++n) {
    const RowSpec& row = CentreRows()[n];
    SCOPED_TRACE(std::string(row.lines[0]));
    Homes homes = SolvedHomes();
    for (size_t c = 0; c < kCentres.size(); ++c) {
      homes[kCentres[c]] = cf0_data::kCentreFacts[n].arrangement[c];
    }
    EXPECT_EQ(steps::CentreArrangementKey(TableWithHomes(homes)), row.key);
    const FaceletMap map = MapOf(row);
    EXPECT_EQ(ApplyToState(map, homes), SolvedHomes());
    for (int i = 1; i <= kFaceletCount; ++i) {
      if (!IsCentre(i)) {
        EXPECT_EQ(map(i), i) << i;
      }
    }
  }
}

TEST(Cf0RowsTest, CentreKeysOfTheOtherArrangementsMatchNoRow) {
  const std::vector<Homes> rotations = CentreRotations();
  ASSERT_EQ(rotations.size(), 24u);
  int matched = 0;
  for (const Homes& homes : rotations) {
    const int key = steps::CentreArrangementKey(TableWithHomes(homes));
    const bool has_row = std::any_of(CentreRows().begin(), CentreRows().end(),
                                     [&](const RowSpec& row) { return row.key == key; });
    if (has_row) ++matched;
  }
  EXPECT_EQ(matched, 11);  // the eleven of the table, each once
  // An empty table reads 0 everywhere and gives no row.
  EXPECT_EQ(steps::CentreArrangementKey(StateTable()), 0);
}

}  // namespace
}  // namespace rq51
