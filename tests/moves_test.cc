#include "cube/moves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cube/notation.h"
#include "cube/state_table.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Moves;
using test::SolvedTable;

BaseTurn Base(const std::string& name) { return MoveFromName(name)->base; }

struct StickerCycles {
  const char* turn;
  std::vector<std::vector<int>> cycles;  // the sticker at a goes to b, b to c, ...
};

// The nine quarter turns as cycles of sticker movement, written
// independently of the maps.
const std::vector<StickerCycles> kCycles = {
    {"Rx", {{1, 10, 19, 28}, {2, 11, 20, 29}, {3, 12, 21, 30}, {46, 52, 54, 48}, {47, 49, 53, 51}}},
    {"Ry", {{1, 7, 9, 3}, {2, 4, 8, 6}, {10, 52, 36, 39}, {13, 53, 33, 38}, {16, 54, 30, 37}}},
    {"Rz", {{1, 46, 27, 37}, {4, 49, 24, 40}, {7, 52, 21, 43}, {28, 34, 36, 30}, {29, 31, 35, 33}}},
    {"Lx", {{7, 16, 25, 34}, {8, 17, 26, 35}, {9, 18, 27, 36}, {37, 39, 45, 43}, {38, 42, 44, 40}}},
    {"Ly",
     {{12, 46, 34, 45}, {15, 47, 31, 44}, {18, 48, 28, 43}, {19, 21, 27, 25}, {20, 24, 26, 22}}},
    {"Lz", {{3, 48, 25, 39}, {6, 51, 22, 42}, {9, 54, 19, 45}, {10, 12, 18, 16}, {11, 15, 17, 13}}},
    {"Mx", {{4, 13, 22, 31}, {5, 14, 23, 32}, {6, 15, 24, 33}}},
    {"My", {{11, 49, 35, 42}, {14, 50, 32, 41}, {17, 51, 29, 40}}},
    {"Mz", {{2, 47, 26, 38}, {5, 50, 23, 41}, {8, 53, 20, 44}}},
};

TEST(MovesTest, BaseMapsMatchTheirStickerCycles) {
  for (const StickerCycles& entry : kCycles) {
    FaceletMap expected;
    for (const std::vector<int>& cycle : entry.cycles) {
      for (size_t n = 0; n < cycle.size(); ++n) {
        // The sticker at cycle[n] arrives at cycle[n + 1].
        expected.Set(cycle[(n + 1) % cycle.size()], cycle[n]);
      }
    }
    EXPECT_EQ(BaseMap(Base(entry.turn)), expected) << entry.turn;
    const bool middle = std::string(entry.turn)[0] == 'M';
    int moved = 0;
    for (int i = 1; i <= kFaceletCount; ++i) moved += BaseMap(Base(entry.turn))(i) != i;
    EXPECT_EQ(moved, middle ? 12 : 20) << entry.turn;
  }
}

TEST(MovesTest, PowersAreCompositionsAndEveryTurnHasOrderFour) {
  for (int b = 0; b < kBaseTurnCount; ++b) {
    const BaseTurn base = static_cast<BaseTurn>(b);
    const FaceletMap& x = BaseMap(base);
    EXPECT_TRUE(x.IsPermutation());
    EXPECT_FALSE(x.IsIdentity());
    EXPECT_EQ(MoveMap({base, 1}), x);
    EXPECT_EQ(MoveMap({base, 2}), Compose(x, x));
    EXPECT_EQ(MoveMap({base, 3}), Compose(Compose(x, x), x));
    EXPECT_EQ(MoveMap({base, 3}), Inverse(x));
    EXPECT_TRUE(Compose(MoveMap({base, 2}), MoveMap({base, 2})).IsIdentity());
    EXPECT_TRUE(Compose(x, MoveMap({base, 3})).IsIdentity());
    EXPECT_TRUE(Power(x, 4).IsIdentity());
    EXPECT_EQ(Power(x, 5), x);
    EXPECT_TRUE(Power(x, 0).IsIdentity());
  }
}

TEST(MovesTest, PerformingTurnsOneByOneEqualsApplyingTheirMap) {
  std::array<int, kFaceletCount + 1> state{};
  for (int i = 1; i <= kFaceletCount; ++i) state[i] = i;
  const auto one_by_one =
      ApplyToState(MoveMap({BaseTurn::kRy, 1}), ApplyToState(MoveMap({BaseTurn::kRx, 1}), state));
  const auto at_once = ApplyToState(MapOfMoves(Moves("Rx Ry")), state);
  EXPECT_EQ(one_by_one, at_once);
  EXPECT_EQ(at_once[4], 29);
  EXPECT_EQ(Compose(MoveMap({BaseTurn::kRx, 1}), MoveMap({BaseTurn::kRy, 1}))(4), 29);
  // A trial move and its reverse restore the state.
  EXPECT_EQ(ApplyToState(MapOfMoves(Moves("Rx Rx3")), state), state);
  EXPECT_EQ(ApplyToState(MapOfMoves(Moves("Rx2 Rx2")), state), state);
}

TEST(MovesTest, ThreeLayersOfAnAxisTurnTheWholeCube) {
  const std::vector<Move> x = Moves("Rx Mx Lx");
  EXPECT_EQ(MapOfMoves(x), MapOfMoves(Moves("Lx Rx Mx")));
  EXPECT_EQ(MapOfMoves(x), MapOfMoves(Moves("Mx Lx Rx")));
  const FaceletMap whole = MapOfMoves(x);
  EXPECT_TRUE(whole.IsPermutation());
  EXPECT_EQ(whole(5), 32);
  EXPECT_EQ(whole(14), 5);
  EXPECT_EQ(whole(23), 14);
  EXPECT_EQ(whole(32), 23);
  EXPECT_EQ(whole(41), 41);
  EXPECT_EQ(whole(50), 50);
  // Every face arrives whole on another face.
  for (const char* axis : {"x", "y", "z"}) {
    const std::string a(axis);
    const FaceletMap turn = MapOfMoves(Moves("R" + a + " M" + a + " L" + a));
    for (int i = 1; i <= kFaceletCount; ++i) {
      EXPECT_EQ(FaceOf(turn(i)), FaceOf(turn(CentreOf(FaceOf(i))))) << a << " " << i;
    }
    EXPECT_TRUE(Power(turn, 4).IsIdentity());
  }
}

TEST(MovesTest, OnlyTheLTurnsMoveTheReferenceCorner) {
  for (const Move& move : AllMoves()) {
    const bool l_turn = LogName(move)[0] == 'L';
    bool moves_corner = false;
    for (int f : kReferenceCorner) moves_corner = moves_corner || MoveMap(move)(f) != f;
    EXPECT_EQ(moves_corner, l_turn) << LogName(move);
  }
}

TEST(MovesTest, NamesOfTheTwentySevenMoves) {
  const std::string kButtons =
      "Rx Rx2 Rx3 Ry Ry2 Ry3 Rz Rz2 Rz3 Lx Lx2 Lx3 Ly Ly2 Ly3 Lz Lz2 Lz3 "
      "Mx Mx2 Mx3 My My2 My3 Mz Mz2 Mz3";
  EXPECT_EQ(Moves(kButtons), std::vector<Move>(AllMoves().begin(), AllMoves().end()));
  for (const Move& move : AllMoves()) {
    EXPECT_EQ(MoveFromName(ButtonName(move)), move);
    EXPECT_EQ(MoveFromName(LogName(move)), move);
  }
  EXPECT_EQ(LogName({BaseTurn::kRx, 3}), "Rx-");
  EXPECT_EQ(ButtonName({BaseTurn::kRx, 3}), "Rx3");
  EXPECT_EQ(LogName({BaseTurn::kMz, 2}), "Mz2");
  EXPECT_EQ(LogText(Moves("Rx Ry2 Rz3")), "RxRy2Rz-");
  for (const char* bad : {"", "R", "Rx4", "rx", "Rw", "Rx--", "Rx ", "Xx", "Rx+"}) {
    EXPECT_FALSE(MoveFromName(bad).has_value()) << bad;
  }
}

TEST(MovesTest, FiveFoldBracketExchangesTwoCorners) {
  StateTable table = SolvedTable();
  ASSERT_TRUE(table.IsSolved());
  const FaceletMap map = Power(MapOfMoves(Moves("Rx3 Ry Lz")), 5);
  table.ApplyMap(map);
  EXPECT_EQ(table.SlotLabelOfHome(3), "A7");
  EXPECT_EQ(table.SlotLabelOfHome(7), "A3");
  for (int f : {3, 10, 54}) EXPECT_EQ(table.row(f).label, "A7");
  for (int f : {7, 36, 37}) EXPECT_EQ(table.row(f).label, "A3");
  EXPECT_FALSE(table.IsSolved());
}

}  // namespace
}  // namespace rq51
