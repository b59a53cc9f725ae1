// Colour entry in every solver window beyond painting by mouse: a turn
// sequence painted into the grids, colour letters typed into them, and the
// rule a refused entry is named by.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/solver_windows.h"
#include "cli/commands.h"
#include "cube/standard_notation.h"
#include "tests/faulty_cubes.h"
#include "tests/test_cubes.h"
#include "tests/test_names.h"

namespace rq51 {
namespace {

using test::Colours;
using test::GridsOf;
using test::SolvedColours;
using test::Turned;

class EntryInEveryWindow : public ::testing::TestWithParam<WindowKind> {
 protected:
  SolverWindow window_ = test::WindowFor(GetParam());
};

using test::KindName;

INSTANTIATE_TEST_SUITE_P(SolverWindows, EntryInEveryWindow, ::testing::ValuesIn(AllWindowKinds()),
                         KindName);

void PaintCell(SolverWindow& window, int facelet, Colour colour) {
  window.ChooseColour(colour);
  const GridCell cell = FaceletGridCell(facelet);
  window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
}

TEST_P(EntryInEveryWindow, SequencePaintsTheGridsAndConfirmsNothing) {
  window_.AppendLine(1, "kept");
  window_.ChooseColour(Colour::kWhite);
  const std::string label4 = window_.label4();
  window_.scramble_text() = "Rx Ly2 Mz-";
  window_.ScrambleClick();
  EXPECT_EQ(window_.grids(), GridsOf(Turned(SolvedColours(), test::Moves("Rx Ly2 Mz3"))));
  EXPECT_EQ(window_.scramble_message(), "");
  EXPECT_EQ(window_.label4(), label4);
  EXPECT_EQ(window_.list_box(1), std::vector<std::string>{"kept"});
  EXPECT_EQ(window_.current_colour(), Colour::kWhite);

  // Standard notation: R U R' U' six times is the solved cube.
  window_.scramble_text() = "(R U R' U')6";
  window_.ScrambleClick();
  EXPECT_EQ(window_.grids(), GridsOf(SolvedColours()));
  EXPECT_TRUE(test::EnterColours(window_, SolvedColours()));
}

TEST_P(EntryInEveryWindow, ARefusedSequenceKeepsEveryPaintedCell) {
  PaintCell(window_, 1, Colour::kBlue);
  PaintCell(window_, 54, Colour::kRed);
  const GridColours painted = window_.grids();
  const std::pair<const char*, const char*> kRefused[] = {
      {"R U Qx F", "「Qx」が読めません。"},
      {"Rx Ly2 U", "「U」が読めません。"},
      {"R (U F", "「(U」の括弧が閉じていません。"},
      {"   ", "手順を入力して下さい。"},
      {"", "手順を入力して下さい。"},
      // A long word is quoted in part.
      {"R qqqqqqqqqqqqqqqqqqqqqqqqqqqqqq", "「qqqqqqqqqqqqqqqqqqqqqqqq…」が"},
  };
  for (const auto& [text, message] : kRefused) {
    window_.scramble_text() = text;
    window_.ScrambleClick();
    EXPECT_EQ(window_.grids(), painted) << text;
    EXPECT_NE(window_.scramble_message().find(message), std::string::npos)
        << text << ": " << window_.scramble_message();
  }
  window_.scramble_text() = "U";
  window_.ScrambleClick();
  EXPECT_EQ(window_.scramble_message(), "");
}

// A window given a sequence, confirmed and solved shows what rq51-cli shows
// for the same sequence, in either notation.
TEST_P(EntryInEveryWindow, SequenceEntryMatchesTheCommandLine) {
  const std::vector<std::string> kStandard = {"U",  "D'", "F2", "B",  "L'", "R2", "M",
                                              "E'", "S2", "u",  "d'", "f2", "b",  "l'",
                                              "r2", "x",  "y'", "z2", "Uw", "Rw'"};
  std::mt19937 random(2024 + static_cast<int>(GetParam()));
  std::uniform_int_distribution<size_t> pick(0, kStandard.size() - 1);
  const std::string short_name(window_.variant().short_name);
  for (int trial = 0; trial < 1000; ++trial) {
    std::string text;
    if (trial % 2 == 0) {
      text = LogText(test::RandomMoves(random, 1 + trial % 30));
    } else {
      for (int n = 1 + trial % 30; n > 0; --n) text += kStandard[pick(random)] + " ";
    }
    SolverWindow window = test::WindowFor(GetParam());
    window.scramble_text() = text;
    window.ScrambleClick();
    window.ColoringClick();
    ASSERT_EQ(window.label4(), kArrangementOk) << text;
    window.PressButton("CES");
    std::ostringstream shown;
    cli::PrintSolverWindow(window, shown);

    std::ostringstream printed;
    std::ostringstream errors;
    ASSERT_EQ(cli::RunSolve({"--window", short_name, "--scramble", text, "CES"}, printed, errors),
              0)
        << text << ": " << errors.str();
    ASSERT_EQ(shown.str(), printed.str()) << text;
  }
}

TEST_P(EntryInEveryWindow, TypedColoursFillTheGridsInOrder) {
  window_.SelectCell(1, {0, 0});
  const Colours colours = Turned(SolvedColours(), test::Moves("Rx Ly3 Mz2 Ry"));
  int grid = 1;
  for (int n = 1; n <= kFaceCount; ++n) {
    ASSERT_EQ(grid, n);
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        const Colour colour = colours[GridCellFacelet(n, column, row)];
        ASSERT_EQ(window_.selected_cell(n), (CellRef{column, row}));
        grid = window_.TypeColour(n, colour);
        EXPECT_EQ(window_.current_colour(), colour);
      }
    }
  }
  EXPECT_EQ(window_.grids(), GridsOf(colours));
  // Past the last cell of the last grid the selection stays there.
  EXPECT_EQ(grid, 6);
  EXPECT_EQ(window_.selected_cell(6), (CellRef{2, 2}));
  EXPECT_EQ(window_.TypeColour(6, Colour::kGreen), 6);
  EXPECT_EQ(window_.grid_cell(6, 2, 2), Colour::kGreen);
  // Typing goes on from wherever the selection is.
  window_.SelectCell(3, {1, 2});
  EXPECT_EQ(window_.TypeColour(3, Colour::kRed), 3);
  EXPECT_EQ(window_.TypeColour(3, Colour::kRed), 4);
  EXPECT_EQ(window_.selected_cell(4), (CellRef{0, 0}));
}

TEST_P(EntryInEveryWindow, ARefusedEntryNamesItsFaultAndOutlinesItsCells) {
  for (const test::FaultyCube& cube : test::FaultyCubes()) {
    window_.AppendLine(1, "line");
    EXPECT_FALSE(test::EnterColours(window_, cube.colours)) << cube.name;
    // The verdict and the reset of the entry are as they always were.
    EXPECT_EQ(window_.label4(), kArrangementWrong);
    EXPECT_TRUE(window_.list_box(1).empty());
    EXPECT_EQ(window_.named_fault().rule, cube.rule) << cube.name;
    EXPECT_EQ(FaultPlaceText(window_.named_fault()), cube.place) << cube.name;
    EXPECT_NE(window_.fault_text().find(cube.phrase), std::string::npos)
        << cube.name << ": " << window_.fault_text();
    for (int k = 1; k <= kFaceletCount; ++k) {
      const GridCell cell = FaceletGridCell(k);
      const bool expected = std::count(cube.outlined.begin(), cube.outlined.end(), k) == 1;
      EXPECT_EQ(window_.IsOutlined(cell.grid, cell.column, cell.row), expected)
          << cube.name << " facelet " << k;
    }
    // The outline goes with the next paint; the text stays until the entry
    // is confirmed again.
    const GridCell cell = FaceletGridCell(cube.outlined.empty() ? 1 : cube.outlined.front());
    window_.GridMouseDown(cell.grid, MouseButton::kRight, {0, 0});
    for (int k = 1; k <= kFaceletCount; ++k) {
      const GridCell c = FaceletGridCell(k);
      EXPECT_FALSE(window_.IsOutlined(c.grid, c.column, c.row)) << cube.name << " facelet " << k;
    }
    EXPECT_FALSE(window_.fault_text().empty());
  }
  EXPECT_TRUE(test::EnterColours(window_, SolvedColours()));
  EXPECT_EQ(window_.named_fault().rule, FaultRule::kNone);
  EXPECT_EQ(window_.fault_text(), "");
}

// Entries one after the other in one window, so that identification keeps
// old home numbers for the slots it cannot read: every refusal, whatever
// check refused it, is named, and no accepted entry is.
TEST_P(EntryInEveryWindow, EveryRefusalAndOnlyARefusalIsNamed) {
  std::mt19937 random(77 + static_cast<int>(GetParam()));
  std::uniform_int_distribution<int> facelet(1, kFaceletCount);
  std::uniform_int_distribution<int> colour(0, kColourCount);
  int counts_only = 0;
  for (int trial = 0; trial < 1500; ++trial) {
    Colours colours = Turned(SolvedColours(), test::RandomMoves(random, 20));
    // Two stickers exchanged, or one to three cells repainted at random.
    if (trial % 3 == 1) std::swap(colours[facelet(random)], colours[facelet(random)]);
    if (trial % 3 == 2) {
      for (int n = 0; n <= trial % 3; ++n) colours[facelet(random)] = Colour(colour(random));
    }
    test::PaintColours(window_, colours);
    window_.ColoringClick();
    const bool refused = window_.label4() == kArrangementWrong;
    if (window_.last_fault() == ArrangementFault::kCounts) ++counts_only;
    ASSERT_EQ(window_.named_fault().rule != FaultRule::kNone, refused) << "trial " << trial;
    ASSERT_EQ(window_.fault_text().empty(), !refused) << "trial " << trial;
  }
  EXPECT_GT(counts_only, 10);
}

}  // namespace
}  // namespace rq51
