#include "cube/state_table.h"

#include <gtest/gtest.h>

#include <set>
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
      EXPECT_EQ(table.Code(i), FaceCode(FaceOf(i)));
      EXPECT_EQ(table.PositionOfHome(i), i);
    }
    EXPECT_EQ(table.face_colour(1), Colour::kGreen);
    EXPECT_EQ(table.face_colour(6), Colour::kYellow);
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
  colours[10] = Colour::kGreen;
  colours[3] = Colour::kOrange;
  colours[54] = Colour::kYellow;
  colours[1] = Colour::kGreen;
  colours[30] = Colour::kRed;
  colours[52] = Colour::kYellow;
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
  colours[3] = Colour::kGreen;
  colours[10] = Colour::kOrange;
  colours[54] = Colour::kYellow;
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
  colours[30] = Colour::kNone;
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kCentre);
  EXPECT_EQ(table.Code(30), 0);
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
  emptied[30] = Colour::kNone;
  ReadColours(table, emptied, FaceColourRule::kCentre);
  EXPECT_EQ(table.colour(30), Colour::kNone);
  EXPECT_EQ(table.Code(30), 1000);
  EXPECT_EQ(table.Home(30), 30);
  // Repainted green, facelet 30 takes the front's code; corner A1 is no
  // longer recognised and keeps the home numbers and labels it had.
  Colours repainted = SolvedColours();
  repainted[30] = Colour::kGreen;
  ReadColours(table, repainted, FaceColourRule::kCentre);
  EXPECT_EQ(table.Code(30), 1);
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
  colours[5] = Colour::kRed;
  StateTable table;
  ReadColours(table, colours, FaceColourRule::kReferenceCorner);
  EXPECT_EQ(table.face_colour(1), Colour::kGreen);
  EXPECT_EQ(table.face_colour(2), Colour::kRed);
  EXPECT_EQ(table.Code(5), 10);
  EXPECT_EQ(table.Home(5), 14);
  EXPECT_EQ(table.Home(1), 1);
  EXPECT_EQ(table.row(5).label, "");
  // The same entry read by its centres has a red front.
  StateTable by_centres;
  ReadColours(by_centres, colours, FaceColourRule::kCentre);
  EXPECT_EQ(by_centres.face_colour(1), Colour::kRed);
}

TEST(StateTableTest, ReferenceCornerWithoutColoursKeepsTheOppositeFaces) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kReferenceCorner);
  Colours colours = SolvedColours();
  colours[18] = Colour::kNone;
  table.ReadGrids(GridsOf(colours), FaceColourRule::kReferenceCorner);
  EXPECT_EQ(table.face_colour(2), Colour::kNone);
  EXPECT_EQ(table.face_colour(3), Colour::kBlue);
  EXPECT_EQ(table.face_colour(4), Colour::kOrange);  // kept from the first entry
  EXPECT_EQ(table.face_colour(1), Colour::kGreen);
  EXPECT_EQ(table.face_colour(6), Colour::kYellow);
}

TEST(StateTableTest, LastMatchingFaceWins) {
  // Centres of front and back both green: green stickers get the back's
  // code.
  Colours colours = SolvedColours();
  colours[23] = Colour::kGreen;
  StateTable table;
  table.ReadGrids(GridsOf(colours), FaceColourRule::kCentre);
  EXPECT_EQ(table.Code(1), 100);
  EXPECT_EQ(table.Code(23), 100);
}

TEST(StateTableTest, ApplyMapMovesEveryColumnOfTheSticker) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  const FaceletMap rx = MoveMap({BaseTurn::kRx, 1});
  table.ApplyMap(rx);
  for (int i = 1; i <= kFaceletCount; ++i) {
    const int from = rx(i);
    EXPECT_EQ(table.Home(i), from);
    EXPECT_EQ(table.Code(i), FaceCode(FaceOf(from)));
    EXPECT_EQ(table.row(i).label, SlotLabelOfFacelet(from));
  }
  EXPECT_EQ(table.colour(1), Colour::kOrange);  // position 1 receives the top sticker 28
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
  Colours emptied = SolvedColours();
  emptied[47] = Colour::kNone;  // keeps its old code, so every home is still found
  ReadColours(table, emptied, FaceColourRule::kCentre);
  EXPECT_EQ(table.Home(47), 47);
  EXPECT_FALSE(table.CountsAreConsistent());
}

TEST(StateTableTest, DisplayIsEmptyUntilTheFirstRedrawThenShowsThePalette) {
  StateTable table;
  ReadColours(table, SolvedColours(), FaceColourRule::kCentre);
  EXPECT_EQ(table.row(5).display, "");
  table.MarkDrawn(NetPalette::kStickerColour);
  EXPECT_EQ(table.row(5).display, "clGreen");
  EXPECT_EQ(table.row(32).display, "clFuchsia");
  table.ApplyMap(MoveMap({BaseTurn::kMx, 1}));  // the top centre comes to the front
  EXPECT_EQ(table.row(5).display, "clFuchsia");
  // The corners-first exercise window paints by the face the code names; a
  // sticker without a code is yellow.
  Colours one_empty = SolvedColours();
  one_empty[5] = Colour::kNone;
  StateTable fresh;
  ReadColours(fresh, one_empty, FaceColourRule::kReferenceCorner);
  fresh.MarkDrawn(NetPalette::kHomeFace);
  EXPECT_EQ(fresh.row(1).display, "clGreen");
  EXPECT_EQ(fresh.row(10).display, "clRed");
  EXPECT_EQ(fresh.row(5).display, "clYellow");
  fresh.MarkDrawn(NetPalette::kStickerColour);
  EXPECT_EQ(fresh.row(5).display, "clYellow");
}

TEST(ColourTest, OneTableGivesEveryColourItsLetterNameAndButton) {
  std::set<std::string_view> letters;
  for (const ColourInfo& info : ColourTable()) {
    EXPECT_TRUE(letters.insert(info.letter).second);
    EXPECT_EQ(ColourOfLetter(info.letter), info.colour);
    EXPECT_EQ(LetterOf(info.colour), info.letter);
    EXPECT_EQ(OppositeOf(OppositeOf(info.colour)), info.colour);
    EXPECT_NE(OppositeOf(info.colour), info.colour);
    EXPECT_EQ(info.display_name.substr(0, 2), "cl");
  }
  EXPECT_EQ(OppositeOf(Colour::kGreen), Colour::kBlue);
  EXPECT_EQ(OppositeOf(Colour::kRed), Colour::kOrange);
  EXPECT_EQ(OppositeOf(Colour::kWhite), Colour::kYellow);
  EXPECT_EQ(OppositeOf(Colour::kNone), Colour::kNone);
  EXPECT_EQ(RgbOf(Colour::kOrange), (Rgb{255, 0, 255}));
  EXPECT_EQ(RgbOf(Colour::kNone), (Rgb{255, 255, 255}));
  for (const char* other : {"", "g", "GG", "X", " G"}) EXPECT_FALSE(ColourOfLetter(other));
}

}  // namespace
}  // namespace rq51
