#include "cube/arrangement_check.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "cube/moves.h"
#include "cube/state_table.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Colours;
using test::kBothRules;
using test::RandomMoves;
using test::SolvedColours;
using test::Turned;

// Swaps the colours of the given pairs of facelets.
Colours Swapped(Colours colours, const std::vector<std::pair<int, int>>& pairs) {
  for (auto [a, b] : pairs) std::swap(colours[a], colours[b]);
  return colours;
}

// Solved cube with one corner twisted: its three stickers turned one step.
Colours TwistedCorner() {
  Colours c = SolvedColours();
  // A1 = 1, 30, 52.
  const Colour first = c[1];
  c[1] = c[30];
  c[30] = c[52];
  c[52] = first;
  return c;
}
Colours FlippedEdge() { return Swapped(SolvedColours(), {{4, 33}}); }
// B2 (2 front, 53 right) and B8 (8 front, 38 left) exchanged, each keeping
// its front sticker at the front.
Colours SwappedEdges() { return Swapped(SolvedColours(), {{2, 8}, {53, 38}}); }
// A1 (1, 30, 52) and A21 (21, 28, 46) exchanged by the quarter turn about
// the vertical axis that carries one onto the other, so neither is twisted.
Colours SwappedCorners() { return Swapped(SolvedColours(), {{1, 46}, {30, 28}, {52, 21}}); }
Colours MirroredCentres() { return Swapped(SolvedColours(), {{41, 50}}); }

TEST(ArrangementCheckTest, SolvedCubePassesUnderBothRules) {
  for (FaceColourRule rule : kBothRules) {
    EXPECT_EQ(CheckRealArrangement(SolvedColours(), rule), ArrangementFault::kReal);
  }
}

TEST(ArrangementCheckTest, ThousandsOfRandomRealCubesPass) {
  std::mt19937 rng(51);
  std::uniform_int_distribution<int> length(1, 40);
  for (int n = 0; n < 3000; ++n) {
    const std::vector<Move> moves = RandomMoves(rng, length(rng));
    const Colours cube = Turned(SolvedColours(), moves);
    for (FaceColourRule rule : kBothRules) {
      ASSERT_EQ(CheckRealArrangement(cube, rule), ArrangementFault::kReal)
          << LogText(moves) << " rule " << static_cast<int>(rule);
    }
  }
}

TEST(ArrangementCheckTest, EveryOneOfTheTurnsKeepsARealCubeReal) {
  std::mt19937 rng(7);
  for (const Move& move : AllMoves()) {
    for (int n = 0; n < 40; ++n) {
      const Colours cube = Turned(SolvedColours(), RandomMoves(rng, 25));
      const Colours turned = ApplyToState(MoveMap(move), cube);
      for (FaceColourRule rule : kBothRules) {
        ASSERT_EQ(CheckRealArrangement(turned, rule), ArrangementFault::kReal) << LogName(move);
      }
    }
  }
}

TEST(ArrangementCheckTest, WholeCubeTurnsPassWhateverTheCentresShow) {
  const std::vector<std::vector<Move>> turns = {
      {{BaseTurn::kRx, 1}, {BaseTurn::kMx, 1}, {BaseTurn::kLx, 1}},
      {{BaseTurn::kRy, 3}, {BaseTurn::kMy, 3}, {BaseTurn::kLy, 3}},
      {{BaseTurn::kRz, 2}, {BaseTurn::kMz, 2}, {BaseTurn::kLz, 2}},
      {{BaseTurn::kMx, 1}},
      {{BaseTurn::kMy, 1}, {BaseTurn::kMz, 3}}};
  for (const auto& moves : turns) {
    for (FaceColourRule rule : kBothRules) {
      EXPECT_EQ(CheckRealArrangement(Turned(SolvedColours(), moves), rule), ArrangementFault::kReal)
          << LogText(moves);
    }
  }
}

struct ImpossibleCube {
  const char* name;
  Colours colours{};
  ArrangementFault centre_rule;
  ArrangementFault reference_rule;
};

std::vector<ImpossibleCube> ImpossibleCubes() {
  return {
      {"twisted corner", TwistedCorner(), ArrangementFault::kCornerTwist,
       ArrangementFault::kCornerTwist},
      {"flipped edge", FlippedEdge(), ArrangementFault::kEdgeFlip, ArrangementFault::kEdgeFlip},
      {"two edges exchanged", SwappedEdges(), ArrangementFault::kParity, ArrangementFault::kParity},
      {"two corners exchanged", SwappedCorners(), ArrangementFault::kParity,
       ArrangementFault::kParity},
      // Left and right centres exchanged: with the centres as the frame the
      // whole cube reads as its mirror image; with the reference corner the
      // centres are no turn of the solved ones.
      {"mirrored centres", MirroredCentres(), ArrangementFault::kPieces,
       ArrangementFault::kCentres},
      // Two neighbouring centres exchanged.
      {"neighbouring centres exchanged", Swapped(SolvedColours(), {{5, 14}}),
       ArrangementFault::kFaceColours, ArrangementFault::kCentres},
      // One corner taken apart and put back as its mirror image.
      {"mirrored corner", Swapped(SolvedColours(), {{30, 52}}), ArrangementFault::kPieces,
       ArrangementFault::kPieces},
      // Corner A1 shows green twice, corner A3 orange twice.
      {"corner colours doubled", Swapped(SolvedColours(), {{30, 3}}), ArrangementFault::kPieces,
       ArrangementFault::kPieces},
  };
}

TEST(ArrangementCheckTest, ImpossibleCubesFailWithTheirFault) {
  for (const ImpossibleCube& cube : ImpossibleCubes()) {
    EXPECT_EQ(CheckRealArrangement(cube.colours, FaceColourRule::kCentre), cube.centre_rule)
        << cube.name;
    EXPECT_EQ(CheckRealArrangement(cube.colours, FaceColourRule::kReferenceCorner),
              cube.reference_rule)
        << cube.name;
  }
}

// A fault belongs to the cube, not to the way it is held or turned: the
// same impossible cube scrambled by any turns fails the same way.
TEST(ArrangementCheckTest, TurningAnImpossibleCubeKeepsItsFault) {
  std::mt19937 rng(3);
  for (const ImpossibleCube& cube : ImpossibleCubes()) {
    for (const Move& move : AllMoves()) {
      const Colours turned = Turned(cube.colours, {move});
      const Colours scrambled = Turned(turned, RandomMoves(rng, 30));
      for (const Colours& c : {turned, scrambled}) {
        EXPECT_NE(CheckRealArrangement(c, FaceColourRule::kCentre), ArrangementFault::kReal)
            << cube.name << " " << LogName(move);
        EXPECT_NE(CheckRealArrangement(c, FaceColourRule::kReferenceCorner),
                  ArrangementFault::kReal)
            << cube.name << " " << LogName(move);
      }
      // Turns that keep the centres keep the very same fault.
      if (move.base == BaseTurn::kRx || move.base == BaseTurn::kRy || move.base == BaseTurn::kRz) {
        EXPECT_EQ(CheckRealArrangement(turned, FaceColourRule::kCentre), cube.centre_rule)
            << cube.name << " " << LogName(move);
        EXPECT_EQ(CheckRealArrangement(turned, FaceColourRule::kReferenceCorner),
                  cube.reference_rule)
            << cube.name << " " << LogName(move);
      }
    }
  }
}

TEST(ArrangementCheckTest, TwistedReferenceCornerFails) {
  Colours cube = SolvedColours();
  const Colour bottom = cube[18];
  cube[18] = cube[25];
  cube[25] = cube[45];
  cube[45] = bottom;
  for (FaceColourRule rule : kBothRules) {
    EXPECT_NE(CheckRealArrangement(cube, rule), ArrangementFault::kReal);
  }
  // The reference rule reads the faces from this corner, so it is every
  // other piece that appears turned; the twists still cannot add up.
  EXPECT_EQ(CheckRealArrangement(cube, FaceColourRule::kCentre), ArrangementFault::kCornerTwist);
}

TEST(ArrangementCheckTest, ReferenceCornerMustShowThreeAxes) {
  // Facelet 25 (back) and 28 (top) exchanged: the corner shows red and
  // orange, two colours of one pair.
  const Colours cube = Swapped(SolvedColours(), {{25, 28}});
  EXPECT_EQ(CheckRealArrangement(cube, FaceColourRule::kReferenceCorner),
            ArrangementFault::kFaceColours);
}

TEST(ArrangementCheckTest, LettersMustBeTheSixEachNineTimes) {
  for (FaceColourRule rule : kBothRules) {
    Colours empty_cell = SolvedColours();
    empty_cell[17] = Colour::kNone;
    EXPECT_EQ(CheckRealArrangement(empty_cell, rule), ArrangementFault::kLetters);
    Colours ten_green = SolvedColours();
    ten_green[30] = Colour::kGreen;
    EXPECT_EQ(CheckRealArrangement(ten_green, rule), ArrangementFault::kLetters);
  }
}

TEST(ArrangementCheckTest, RandomColourGarbageFails) {
  std::mt19937 rng(11);
  const Colour kChoices[] = {Colour::kGreen, Colour::kRed,    Colour::kBlue, Colour::kOrange,
                             Colour::kWhite, Colour::kYellow, Colour::kNone};
  std::uniform_int_distribution<int> pick(0, 6);
  for (int n = 0; n < 2000; ++n) {
    Colours garbage{};
    for (int i = 1; i <= kFaceletCount; ++i) garbage[i] = kChoices[pick(rng)];
    // The right number of each letter, in a random order.
    Colours shuffled = SolvedColours();
    std::shuffle(shuffled.begin() + 1, shuffled.end(), rng);
    for (FaceColourRule rule : kBothRules) {
      EXPECT_NE(CheckRealArrangement(garbage, rule), ArrangementFault::kReal);
      EXPECT_NE(CheckRealArrangement(shuffled, rule), ArrangementFault::kReal);
    }
  }
}

TEST(ArrangementCheckTest, FaultNamesAreDistinct) {
  std::vector<std::string_view> names;
  for (int f = 0; f <= static_cast<int>(ArrangementFault::kParity); ++f) {
    const std::string_view name = FaultName(static_cast<ArrangementFault>(f));
    EXPECT_FALSE(name.empty());
    for (std::string_view other : names) EXPECT_NE(name, other);
    names.push_back(name);
  }
}

StateTable Entered(StateTable table, const Colours& colours, FaceColourRule rule) {
  test::ReadColours(table, colours, rule);
  return table;
}

TEST(EnteredArrangementTest, CountsComeFirstThenTheColours) {
  for (FaceColourRule rule : kBothRules) {
    EXPECT_EQ(CheckEnteredArrangement(Entered({}, SolvedColours(), rule), rule),
              ArrangementFault::kReal);
    // Identification finds every piece of a twisted-corner cube, so the
    // counts alone would call it correct.
    const StateTable twisted = Entered({}, TwistedCorner(), rule);
    EXPECT_TRUE(twisted.CountsAreConsistent());
    EXPECT_EQ(CheckEnteredArrangement(twisted, rule), ArrangementFault::kCornerTwist);
    // An empty cell on a first entry leaves its slot without home numbers.
    Colours empty_cell = SolvedColours();
    empty_cell[30] = Colour::kNone;
    EXPECT_EQ(CheckEnteredArrangement(Entered({}, empty_cell, rule), rule),
              ArrangementFault::kCounts);
  }
}

TEST(EnteredArrangementTest, OldHomeNumbersDoNotMakeARepaintedCubeCorrect) {
  for (FaceColourRule rule : kBothRules) {
    const StateTable first = Entered({}, SolvedColours(), rule);
    // Facelet 30 repainted green: corner A1 is no longer recognised and
    // keeps the home numbers of the first entry.
    Colours repainted = SolvedColours();
    repainted[30] = Colour::kGreen;
    const StateTable second = Entered(first, repainted, rule);
    EXPECT_TRUE(second.CountsAreConsistent());
    EXPECT_EQ(CheckEnteredArrangement(second, rule), ArrangementFault::kLetters);
    // The same with a cube that keeps nine of each letter: facelets 30 and
    // 52 exchanged make a mirrored corner.
    const StateTable mirrored = Entered(first, Swapped(SolvedColours(), {{30, 52}}), rule);
    EXPECT_EQ(CheckEnteredArrangement(mirrored, rule), ArrangementFault::kPieces);
  }
}

}  // namespace
}  // namespace rq51
