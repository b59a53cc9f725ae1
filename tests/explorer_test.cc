#include "app/explorer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "cube/moves.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::kBlue;
using test::kFuchsia;
using test::kGreen;
using test::kRed;
using test::kWhite;
using test::kYellow;

Move M(const char* name) { return *MoveFromName(name); }

void Press(Explorer& explorer, const std::vector<const char*>& names) {
  for (const char* name : names) {
    explorer.SelectMove(M(name));
    explorer.TransClick();
  }
}

std::string Cell(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%2d", n);
  return text;
}

// The non-blank cells of a row, from column `first` on, as numbers; fails
// the test on a blank cell between two numbers.
std::vector<int> RowNumbers(const Explorer& explorer, int row, int first) {
  std::vector<int> numbers;
  int column = first;
  for (; column < Explorer::kCycleColumns && !explorer.cycle_cell(column, row).empty(); ++column) {
    const std::string& text = explorer.cycle_cell(column, row);
    EXPECT_EQ(text, Cell(std::stoi(text))) << "row " << row << " column " << column;
    numbers.push_back(std::stoi(text));
  }
  for (; column < Explorer::kCycleColumns; ++column) {
    EXPECT_EQ(explorer.cycle_cell(column, row), "") << "row " << row << " column " << column;
  }
  return numbers;
}

std::vector<std::vector<int>> CycleRows(const Explorer& explorer) {
  std::vector<std::vector<int>> rows;
  for (int row = Explorer::kFirstCycleRow; row < Explorer::kCycleRows; ++row) {
    EXPECT_EQ(explorer.cycle_cell(0, row), "") << "row " << row;
    std::vector<int> numbers = RowNumbers(explorer, row, 1);
    if (!numbers.empty()) rows.push_back(numbers);
  }
  return rows;
}

bool OnlyIdShown(const Explorer& explorer) {
  for (int row = 0; row < Explorer::kCycleRows; ++row) {
    for (int column = 0; column < Explorer::kCycleColumns; ++column) {
      const std::string expected = row == 0 && column == 0 ? "id" : "";
      if (explorer.cycle_cell(column, row) != expected) return false;
    }
  }
  return true;
}

std::string Word(const std::vector<std::string>& names) {
  std::string word;
  for (const std::string& name : names) word += (word.empty() ? "" : "\u30FB") + name;
  return word;
}

TEST(ExplorerStartTest, ShowsIdentityInSolidColourBlocks) {
  Explorer explorer;
  EXPECT_EQ(explorer.selected_move(), M("Rx"));
  EXPECT_EQ(explorer.word(), "");
  EXPECT_TRUE(OnlyIdShown(explorer));
  const Rgb face_colours[] = {kGreen, kFuchsia, kBlue, kRed, kWhite, kYellow};
  for (int p = 1; p <= kFaceletCount; ++p) {
    EXPECT_EQ(explorer.HomeAt(p), p);
    EXPECT_EQ(explorer.net(p).colour, face_colours[FaceOf(p) - 1]) << p;
    EXPECT_EQ(explorer.net(p).text, "") << p;
  }
}

TEST(ExplorerStartTest, ResetKeepsSelectionAndNetTextsButEmptiesWord) {
  Explorer explorer;
  Press(explorer, {"Ry2", "Mz"});
  explorer.NumdukeClick();
  const std::string box7 = explorer.net(7).text;
  explorer.ResetClick();
  EXPECT_EQ(explorer.word(), "");
  EXPECT_TRUE(OnlyIdShown(explorer));
  EXPECT_EQ(explorer.selected_move(), M("Mz"));
  EXPECT_EQ(explorer.net(7).text, box7);
  EXPECT_EQ(explorer.net(7).colour, kGreen);
}

TEST(ExplorerTransTest, RxListsMovedStickersAndFiveCycles) {
  Explorer explorer;
  explorer.TransClick();  // Rx is selected at start-up
  EXPECT_EQ(explorer.word(), "Rx");
  EXPECT_EQ(RowNumbers(explorer, 0, 0), (std::vector<int>{1,  2,  3,  10, 11, 12, 19, 20, 21, 28,
                                                          29, 30, 46, 47, 48, 49, 51, 52, 53, 54}));
  EXPECT_EQ(RowNumbers(explorer, 1, 0), (std::vector<int>{10, 11, 12, 19, 20, 21, 28, 29, 30, 1,
                                                          2,  3,  52, 49, 46, 53, 47, 54, 51, 48}));
  EXPECT_TRUE(RowNumbers(explorer, 2, 0).empty());
  EXPECT_EQ(explorer.cycle_cell(1, 3), " 1");
  EXPECT_EQ(
      CycleRows(explorer),
      (std::vector<std::vector<int>>{
          {1, 10, 19, 28}, {2, 11, 20, 29}, {3, 12, 21, 30}, {46, 52, 54, 48}, {47, 49, 53, 51}}));
  // Position 1 now holds the sticker from 28 and takes its colour.
  EXPECT_EQ(explorer.HomeAt(1), 28);
  EXPECT_EQ(explorer.net(1).colour, kRed);
  EXPECT_EQ(explorer.net(10).colour, kGreen);
  EXPECT_EQ(explorer.net(46).colour, kYellow);
}

TEST(ExplorerTransTest, RxThenRyComposesInOrder) {
  Explorer explorer;
  Press(explorer, {"Rx", "Ry"});
  EXPECT_EQ(explorer.word(), Word({"Rx", "Ry"}));
  EXPECT_EQ(RowNumbers(explorer, 0, 0).size(), 32u);
  EXPECT_EQ(CycleRows(explorer), (std::vector<std::vector<int>>{
                                     {1, 52, 30},
                                     {2, 11, 20, 29, 4, 8, 6},
                                     {3, 12, 21, 37, 16, 54, 48, 46, 36, 39, 10, 19, 28, 7, 9},
                                     {13, 53, 51, 47, 49, 33, 38}}));
}

// Forty stickers move: every one of the ten cycles gets its row, including
// the two on the right face whose smallest members come after the first 27
// moved stickers.
TEST(ExplorerTransTest, RxThenLxListsAllTenCycles) {
  Explorer explorer;
  Press(explorer, {"Rx", "Lx"});
  EXPECT_EQ(RowNumbers(explorer, 0, 0).size(), 40u);
  EXPECT_EQ(RowNumbers(explorer, 1, 0).size(), 40u);
  EXPECT_EQ(CycleRows(explorer), (std::vector<std::vector<int>>{{1, 10, 19, 28},
                                                                {2, 11, 20, 29},
                                                                {3, 12, 21, 30},
                                                                {7, 16, 25, 34},
                                                                {8, 17, 26, 35},
                                                                {9, 18, 27, 36},
                                                                {37, 39, 45, 43},
                                                                {38, 42, 44, 40},
                                                                {46, 52, 54, 48},
                                                                {47, 49, 53, 51}}));
}

TEST(ExplorerTransTest, FourQuarterTurnsShowIdAgainWithTheWholeWord) {
  Explorer explorer;
  Press(explorer, {"Rx", "Rx", "Rx", "Rx"});
  EXPECT_TRUE(OnlyIdShown(explorer));
  EXPECT_EQ(explorer.word(), Word({"Rx", "Rx", "Rx", "Rx"}));
}

TEST(ExplorerTransTest, WordUsesLogNamesNewestLast) {
  Explorer explorer;
  Press(explorer, {"Rx", "Ry2", "Lz3"});
  EXPECT_EQ(explorer.word(), Word({"Rx", "Ry2", "Lz-"}));
}

// For any word the table lists exactly the moved stickers and every cycle
// once, each row following the stickers from its smallest member.
TEST(ExplorerTransTest, CycleTableIsTheCycleDecompositionOfRandomWords) {
  std::mt19937 random(51);
  const auto& moves = AllMoves();
  for (int trial = 0; trial < 200; ++trial) {
    Explorer explorer;
    std::vector<Move> word;
    const int length = 1 + static_cast<int>(random() % 12);
    for (int k = 0; k < length; ++k) {
      word.push_back(moves[random() % moves.size()]);
      explorer.SelectMove(word.back());
      explorer.TransClick();
    }
    const FaceletMap expected = MapOfMoves(word);
    std::vector<int> moved;
    for (int p = 1; p <= kFaceletCount; ++p) {
      ASSERT_EQ(explorer.HomeAt(p), expected(p)) << "trial " << trial << " position " << p;
    }
    for (int i = 1; i <= kFaceletCount; ++i) {
      if (explorer.PositionOfHome(i) != i) moved.push_back(i);
    }
    if (moved.empty()) {
      EXPECT_TRUE(OnlyIdShown(explorer));
      continue;
    }
    ASSERT_EQ(RowNumbers(explorer, 0, 0), moved);
    std::vector<int> new_places;
    for (int i : moved) new_places.push_back(explorer.PositionOfHome(i));
    ASSERT_EQ(RowNumbers(explorer, 1, 0), new_places);

    std::set<int> covered;
    int previous_start = 0;
    for (const std::vector<int>& cycle : CycleRows(explorer)) {
      ASSERT_GE(cycle.size(), 2u);
      EXPECT_EQ(cycle.front(), *std::min_element(cycle.begin(), cycle.end()));
      EXPECT_GT(cycle.front(), previous_start);
      previous_start = cycle.front();
      for (size_t k = 0; k < cycle.size(); ++k) {
        EXPECT_EQ(explorer.PositionOfHome(cycle[k]), cycle[(k + 1) % cycle.size()]);
        EXPECT_TRUE(covered.insert(cycle[k]).second) << cycle[k] << " listed twice";
      }
    }
    EXPECT_EQ(covered, std::set<int>(moved.begin(), moved.end())) << "trial " << trial;
  }
}

TEST(ExplorerNumberingTest, ToggleShowsHomeNumbersAndEmptiesAgain) {
  Explorer explorer;
  explorer.NumdukeClick();
  EXPECT_EQ(explorer.net(1).text, " 1");
  EXPECT_EQ(explorer.net(54).text, "54");
  explorer.NumdukeClick();
  for (int p = 1; p <= kFaceletCount; ++p) EXPECT_EQ(explorer.net(p).text, "") << p;
}

TEST(ExplorerNumberingTest, NumbersStayStaleAfterATurnUntilToggledTwice) {
  Explorer explorer;
  explorer.TransClick();
  explorer.NumdukeClick();
  EXPECT_EQ(explorer.net(1).text, "28");
  EXPECT_EQ(explorer.net(10).text, " 1");

  explorer.SelectMove(M("Ry"));
  explorer.TransClick();
  // Position 10 now holds the sticker from 39: the colour follows, the
  // number does not.
  EXPECT_EQ(explorer.HomeAt(10), 39);
  EXPECT_EQ(explorer.net(10).colour, kWhite);
  EXPECT_EQ(explorer.net(10).text, " 1");
  EXPECT_EQ(explorer.net(1).text, "28");

  explorer.NumdukeClick();
  EXPECT_EQ(explorer.net(10).text, "");
  explorer.NumdukeClick();
  EXPECT_EQ(explorer.net(10).text, "39");
  EXPECT_EQ(explorer.net(1).text, "30");
}

TEST(ExplorerTypingTest, TypedWordIsTheStartOfTheNextWord) {
  Explorer explorer;
  explorer.SetWord("abc");
  explorer.SelectMove(M("Mx3"));
  explorer.TransClick();
  EXPECT_EQ(explorer.word(), Word({"abc", "Mx-"}));
}

TEST(ExplorerTypingTest, TextInBoxOneMakesNumberingEmptyTheBoxes) {
  Explorer explorer;
  explorer.SetNetText(1, "x");
  explorer.SetNetText(30, "y");
  explorer.NumdukeClick();
  for (int p = 1; p <= kFaceletCount; ++p) EXPECT_EQ(explorer.net(p).text, "") << p;

  // Text in any other box alone does not count: the boxes get filled.
  explorer.SetNetText(2, "z");
  explorer.NumdukeClick();
  EXPECT_EQ(explorer.net(1).text, " 1");
  EXPECT_EQ(explorer.net(2).text, " 2");
}

TEST(ExplorerColourTest, HomeNumbersPickTheFaceColour) {
  EXPECT_EQ(ExplorerColourOfHome(9), kGreen);
  EXPECT_EQ(ExplorerColourOfHome(10), kFuchsia);
  EXPECT_EQ(ExplorerColourOfHome(27), kBlue);
  EXPECT_EQ(ExplorerColourOfHome(28), kRed);
  EXPECT_EQ(ExplorerColourOfHome(45), kWhite);
  EXPECT_EQ(ExplorerColourOfHome(46), kYellow);
}

}  // namespace
}  // namespace rq51
