#include "cube/state_table.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Colours;
using test::GridsOf;
using test::kBothRules;
using test::ReadColours;
using test::SolvedColours;

TEST(StateTableTest, SolvedEntryIdentifiesEveryStickerAtHome) {
  for (FaceColourRule rule : kBothRules) {
    StateTable table;
    ReadColours(table, SolvedColours(), rule);
    for (int i = 1; i <= kFaceletCount; ++i) {
      EXPECT_EQ(table.Home(i), i);
      EXPECT_EQ(table.row(i).label, SlotLabelOfFacelet(i));
      EXPECT_EQ(table.row(i).code, FaceCode(FaceOf(i)));
      EXPECT_EQ(table.PositionOfHome(i), i);
    }
    EXPECT_EQ(table.face_colour(1), "G");
    EXPECT_EQ(table.face_colour(6), "Y");
    EXPECT_TRUE(table.CountsAreConsistent());
    EXPECT_TRUE(table.IsSolved());
    EXPECT_EQ(table.SlotLabelOfHome(45), "A18");
    EXPECT_EQ(table.SlotLabelOfHome(23), "");
  }
}

TEST(StateTableTest, CornerCubieInAnotherSlotGetsItsHomeNumbers) {
  // Cubie A1 (front G, top O, right Y) in slot A3 with its front sticker on
  // 10, its top sticker on 3 and its right sticker on 54; A3's cubie (G, R,
  // Y) in slot A1.
  Colours colours = SolvedColours();
  colours[10] = "G";
  colours[3] = "O";
  colours[54] = "Y";
  colours[1] = "G";
  colours[30] = "R";
  colours[52] = "Y";
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kCentre);
  EXPECT_EQ(table.Home(10), 1);
  EXPECT_EQ(table.Home(3), 30);
  EXPECT_EQ(table.Home(54), 52);
  for (int f : {3, 10, 54}) EXPECT_EQ(table.row(f).label, "A1");
  for (int f : {1, 30, 52}) EXPECT_EQ(table.row(f).label, "A3");
  EXPECT_EQ(table.Home(1), 3);
  EXPECT_EQ(table.Home(30), 10);
  EXPECT_EQ(table.SlotLabelOfHome(1), "A3");
  EXPECT_EQ(table.SlotLabelOfHome(30), "A3");
  EXPECT_EQ(table.PositionOfHome(52), 54);
  EXPECT_TRUE(table.CountsAreConsistent());
  EXPECT_FALSE(table.IsSolved());
}

TEST(StateTableTest, TwoCornersWithTheSameColoursFailTheCounts) {
  // Slot A3 painted with A1's colours: both are taken for cubie A1.
  Colours colours = SolvedColours();
  colours[3] = "G";
  colours[10] = "O";
  colours[54] = "Y";
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kCentre);
  for (int f : {1, 30, 52, 3, 10, 54}) EXPECT_EQ(table.row(f).label, "A1");
  EXPECT_EQ(table.Home(3), 1);
  EXPECT_EQ(table.Home(1), 1);
  EXPECT_EQ(table.PositionOfHome(1), 3);  // the last row wins
  EXPECT_EQ(table.PositionOfHome(3), 0);
  EXPECT_FALSE(table.CountsAreConsistent());
}

TEST(StateTableTest, EmptyCellOnAFirstEntryLeavesItsSlotUnidentified) {
  Colours colours = SolvedColours();
  colours[30] = "";
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kCentre);
  EXPECT_EQ(table.row(30).code, 0);
  for (int f : {1, 30, 52}) {
    EXPECT_EQ(table.Home(f), 0);
    EXPECT_EQ(table.row(f).label, "");
  }
  EXPECT_EQ(table.Home(2), 2);
  EXPECT_FALSE(table.CountsAreConsistent());
}

TEST(StateTableTest, IdentificationNeverClearsOldValues) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  // A cell emptied on a later entry keeps its old code, so its slot is
  // still recognised.
  Colours emptied = SolvedColours();
  emptied[30] = "";
  ReadColours(table, emptied, FaceColourRule::kCentre);
  EXPECT_EQ(table.row(30).colour, "");
  EXPECT_EQ(table.row(30).code, 1000);
  EXPECT_EQ(table.Home(30), 30);
  // Repainted green, facelet 30 takes the front's code; corner A1 is no
  // longer recognised and keeps the home numbers and labels it had.
  Colours repainted = SolvedColours();
  repainted[30] = "G";
  ReadColours(table, repainted, FaceColourRule::kCentre);
  EXPECT_EQ(table.row(30).code, 1);
  for (int f : {1, 30, 52}) {
    EXPECT_EQ(table.Home(f), f);
    EXPECT_EQ(table.row(f).label, "A1");
  }
  // So the counts alone still pass although no real cube looks like this.
  EXPECT_TRUE(table.CountsAreConsistent());
}

TEST(StateTableTest, ReferenceCornerRuleIgnoresTheCentreColours) {
  // Front centre painted red, the bottom colour; its grid is otherwise
  // green. The corner at 18, 25, 45 still fixes every face.
  Colours colours = SolvedColours();
  colours[5] = "R";
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kReferenceCorner);
  EXPECT_EQ(table.face_colour(1), "G");
  EXPECT_EQ(table.face_colour(2), "R");
  EXPECT_EQ(table.row(5).code, 10);
  EXPECT_EQ(table.Home(5), 14);
  EXPECT_EQ(table.Home(1), 1);
  EXPECT_EQ(table.row(5).label, "");
  // The same entry read by its centres has a red front.
  StateTable by_centres;
  ReadColours(by_centres, colours, FaceColourRule::kCentre);
  EXPECT_EQ(by_centres.face_colour(1), "R");
}

TEST(StateTableTest, ReferenceCornerWithoutColoursKeepsTheOppositeFaces) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kReferenceCorner);
  Colours colours = SolvedColours();
  colours[18] = "";
  colours[25] = "X";
  table.ReadGrids(GridsOf(colours), FaceColourRule::kReferenceCorner);
  EXPECT_EQ(table.face_colour(2), "");
  EXPECT_EQ(table.face_colour(3), "X");
  EXPECT_EQ(table.face_colour(4), "O");  // kept from the first entry
  EXPECT_EQ(table.face_colour(1), "G");
  EXPECT_EQ(table.face_colour(6), "Y");
}

TEST(StateTableTest, LastMatchingFaceWins) {
  // Centres of front and back both green: green stickers get the back's
  // code.
  Colours colours = SolvedColours();
  colours[23] = "G";
  StateTable table;
  table.ReadGrids(GridsOf(colours), FaceColourRule::kCentre);
  EXPECT_EQ(table.row(1).code, 100);
  EXPECT_EQ(table.row(23).code, 100);
}

TEST(StateTableTest, ApplyMapMovesStickersButNotTheDisplay) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  for (int i = 1; i <= kFaceletCount; ++i) table.row(i).display = "d" + std::to_string(i);
  const FaceletMap rx = MoveMap({BaseTurn::kRx, 1});
  table.ApplyMap(rx);
  for (int i = 1; i <= kFaceletCount; ++i) {
    const int from = rx(i);
    EXPECT_EQ(table.Home(i), from);
    EXPECT_EQ(table.row(i).code, FaceCode(FaceOf(from)));
    EXPECT_EQ(table.row(i).label, SlotLabelOfFacelet(from));
    EXPECT_EQ(table.row(i).display, "d" + std::to_string(i));
  }
  EXPECT_EQ(table.row(1).colour, "O");  // position 1 receives the top sticker 28
  EXPECT_EQ(table.PositionOfHome(28), 1);
  EXPECT_EQ(table.SlotLabelOfHome(28), "A1");
  table.ApplyMap(Inverse(rx));
  EXPECT_TRUE(table.IsSolved());
}

TEST(StateTableTest, QueriesOfMissingNumbers) {
  StateTable empty;
  EXPECT_EQ(empty.PositionOfHome(7), 0);
  EXPECT_EQ(empty.SlotLabelOfHome(7), "");
  EXPECT_FALSE(empty.CountsAreConsistent());
  EXPECT_FALSE(empty.IsSolved());
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  for (int missing : {0, 55, -1, 1000}) {
    EXPECT_EQ(table.PositionOfHome(missing), 0) << missing;
    EXPECT_EQ(table.SlotLabelOfHome(missing), "") << missing;
  }
}

TEST(StateTableTest, CountsNeedNineYellowStickers) {
  // Homes complete, but one yellow sticker too few.
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  table.row(47).colour = "y";
  EXPECT_FALSE(table.CountsAreConsistent());
}

TEST(StateTableTest, ColourLetters) {
  for (const char* letter : {"G", "R", "B", "O", "W", "Y"}) {
    EXPECT_TRUE(IsColourLetter(letter));
    EXPECT_EQ(OppositeColour(OppositeColour(letter)), letter);
    EXPECT_NE(OppositeColour(letter), letter);
  }
  EXPECT_EQ(OppositeColour("G"), "B");
  EXPECT_EQ(OppositeColour("R"), "O");
  EXPECT_EQ(OppositeColour("W"), "Y");
  for (const char* other : {"", "g", "GG", "X", " G"}) {
    EXPECT_FALSE(IsColourLetter(other));
    EXPECT_EQ(OppositeColour(other), "");
  }
}

}  // namespace
}  // namespace rq51
