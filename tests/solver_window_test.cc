// The solver-window shell as a user drives it: painting the grids,
// confirming, the net, trial moves, preparation, reset, lists, numbering
// and the verdict on impossible cubes.
#include "shell/solver_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/solver_windows.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/number_text.h"
#include "tests/test_cubes.h"
#include "tests/test_names.h"

namespace rq51 {
namespace {

using test::Colours;
using test::Homes;
using test::HomesOf;
using test::RandomMoves;
using test::SolvedColours;
using test::Turned;

constexpr std::string_view kJoiner = "・";

using test::kBlue;
using test::kFuchsia;
using test::kGreen;
using test::kRed;
using test::kWhite;
using test::kYellow;

// The CF-0 net colours a sticker by its home face: front, bottom, back, top,
// left, right.
constexpr std::array<Rgb, kFaceCount + 1> kHomeFacePalette = {kWhite,   kGreen, kRed,   kBlue,
                                                              kFuchsia, kWhite, kYellow};

Rgb ExpectedRgb(Colour colour) {
  switch (colour) {
    case Colour::kGreen:
      return kGreen;
    case Colour::kRed:
      return kRed;
    case Colour::kBlue:
      return kBlue;
    case Colour::kOrange:
      return kFuchsia;
    case Colour::kWhite:
      return kWhite;
    default:
      return kYellow;
  }
}

void Enter(SolverWindow& window, const Colours& colours) { test::EnterColours(window, colours); }

bool IsReferenceFacelet(int k) { return k == 18 || k == 25 || k == 45; }

void ExpectGridsEmptyExceptPreset(const SolverWindow& window) {
  const bool preset = window.kind() == WindowKind::kCf0;
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        const int k = GridCellFacelet(grid, column, row);
        Colour expected = Colour::kNone;
        if (preset && k == 18) expected = Colour::kRed;
        if (preset && k == 25) expected = Colour::kBlue;
        if (preset && k == 45) expected = Colour::kWhite;
        EXPECT_EQ(window.grid_cell(grid, column, row), expected) << "facelet " << k;
      }
    }
  }
}

// Creation or reset: empty white net, CF-0 with its reference corner.
void ExpectNetAsReset(const SolverWindow& window) {
  const bool preset = window.kind() == WindowKind::kCf0;
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (preset && IsReferenceFacelet(k)) continue;
    EXPECT_EQ(window.net(k).text, "") << "Edit" << k;
    EXPECT_EQ(window.net(k).colour, kWhite) << "Edit" << k;
  }
  if (preset) {
    EXPECT_EQ(window.net(18).text, "18");
    EXPECT_EQ(window.net(18).colour, kRed);
    EXPECT_EQ(window.net(25).text, "25");
    EXPECT_EQ(window.net(25).colour, kBlue);
    EXPECT_EQ(window.net(45).text, "45");
    EXPECT_EQ(window.net(45).colour, kWhite);
  }
}

class EveryWindow : public ::testing::TestWithParam<WindowKind> {
 protected:
  std::unique_ptr<SolverWindow> window_ = CreateSolverWindow(GetParam());
  bool IsCf0() const { return GetParam() == WindowKind::kCf0; }
};

using test::KindName;

INSTANTIATE_TEST_SUITE_P(SolverWindows, EveryWindow, ::testing::ValuesIn(AllWindowKinds()),
                         KindName);

// --- Creation and colour entry ----------------------------------------------

TEST_P(EveryWindow, StartsWithEmptyEntryAndOnlyTheCf0ReferenceCornerPreset) {
  EXPECT_EQ(window_->label4(), kNotEntered);
  EXPECT_EQ(window_->current_colour(), Colour::kNone);
  ExpectGridsEmptyExceptPreset(*window_);
  ExpectNetAsReset(*window_);
  EXPECT_EQ(window_->edit55(), "");
  for (int n : window_->ListBoxNumbers()) EXPECT_TRUE(window_->list_box(n).empty());
}

TEST(SolverWindowCreation, Cf0PresetsTheReferenceCornerCells) {
  const auto window = CreateSolverWindow(WindowKind::kCf0);
  EXPECT_EQ(window->grid_cell(2, 0, 0), Colour::kRed);
  EXPECT_EQ(window->grid_cell(3, 0, 2), Colour::kBlue);
  EXPECT_EQ(window->grid_cell(5, 2, 2), Colour::kWhite);
  EXPECT_EQ(GridCellFacelet(2, 0, 0), 18);
  EXPECT_EQ(GridCellFacelet(3, 0, 2), 25);
  EXPECT_EQ(GridCellFacelet(5, 2, 2), 45);
}

TEST_P(EveryWindow, ListBoxesAreThoseOfTheWindow) {
  const std::map<WindowKind, std::vector<int>> expected = {
      {WindowKind::kCf0, {1, 2, 3, 4}},      {WindowKind::kCf, {1, 2, 3, 4}},
      {WindowKind::kLb, {1, 2, 3, 4, 5, 6}}, {WindowKind::kTkc, {1, 2, 3, 4}},
      {WindowKind::kTkl, {1, 2, 3, 4}},
  };
  EXPECT_EQ(window_->ListBoxNumbers(), expected.at(GetParam()));
}

TEST_P(EveryWindow, LeftPressSelectsThenPaintsOtherPressesPaintTheSelectedCell) {
  window_->PressButton("GreenBtn");
  window_->GridMouseDown(1, MouseButton::kLeft, {2, 1});
  EXPECT_EQ(window_->grid_cell(1, 2, 1), Colour::kGreen);
  EXPECT_EQ(window_->selected_cell(1), (CellRef{2, 1}));

  // Right and middle presses repaint the selected cell, wherever the pointer is.
  window_->PressButton("OrangeBtn");
  window_->GridMouseDown(1, MouseButton::kRight, {0, 0});
  EXPECT_EQ(window_->grid_cell(1, 2, 1), Colour::kOrange);
  EXPECT_EQ(window_->grid_cell(1, 0, 0), Colour::kNone);
  EXPECT_EQ(window_->selected_cell(1), (CellRef{2, 1}));
  window_->PressButton("YellowBtn");
  window_->GridMouseDown(1, MouseButton::kMiddle, {1, 2});
  EXPECT_EQ(window_->grid_cell(1, 2, 1), Colour::kYellow);
  EXPECT_EQ(window_->grid_cell(1, 1, 2), Colour::kNone);
  EXPECT_EQ(window_->selected_cell(1), (CellRef{2, 1}));

  // Each grid keeps its own selection.
  EXPECT_EQ(window_->selected_cell(4), (CellRef{0, 0}));
  window_->GridMouseDown(4, MouseButton::kRight, {2, 2});
  EXPECT_EQ(window_->grid_cell(4, 0, 0), Colour::kYellow);
  EXPECT_EQ(window_->grid_cell(4, 2, 2), Colour::kNone);
}

TEST_P(EveryWindow, PressWithoutAColourEmptiesTheCellAndPresetCellsCanBeOverwritten) {
  window_->GridMouseDown(2, MouseButton::kLeft, {0, 0});
  EXPECT_EQ(window_->grid_cell(2, 0, 0), Colour::kNone);
  window_->PressButton("GreenBtn");
  window_->GridMouseDown(5, MouseButton::kLeft, {2, 2});
  EXPECT_EQ(window_->grid_cell(5, 2, 2), Colour::kGreen);
}

TEST_P(EveryWindow, PressesOutsideTheGridsChangeNothing) {
  window_->PressButton("GreenBtn");
  window_->GridMouseDown(0, MouseButton::kLeft, {0, 0});
  window_->GridMouseDown(7, MouseButton::kRight, {0, 0});
  window_->GridMouseDown(1, MouseButton::kLeft, {3, 0});
  window_->GridMouseDown(1, MouseButton::kLeft, {0, -1});
  ExpectGridsEmptyExceptPreset(*window_);
  EXPECT_EQ(window_->selected_cell(1), (CellRef{0, 0}));
}

TEST_P(EveryWindow, ConfirmingEmptyGridsFailsAndResetsTheEntry) {
  window_->AppendLine(1, "stage line");
  window_->PressButton("Rx");
  ASSERT_TRUE(window_->PressButton("Coloring"));
  EXPECT_EQ(window_->label4(), kArrangementWrong);
  EXPECT_NE(window_->last_fault(), ArrangementFault::kReal);
  ExpectGridsEmptyExceptPreset(*window_);
  ExpectNetAsReset(*window_);
  for (int n : window_->ListBoxNumbers()) EXPECT_TRUE(window_->list_box(n).empty()) << n;
  EXPECT_EQ(window_->edit55(), "");
}

TEST_P(EveryWindow, SolvedEntryPassesAndIsIdentifiedEverywhere) {
  window_->AppendLine(1, "old stage line");
  Enter(*window_, SolvedColours());
  EXPECT_EQ(window_->label4(), kArrangementOk);
  EXPECT_EQ(window_->last_fault(), ArrangementFault::kReal);
  EXPECT_TRUE(window_->table().IsSolved());
  EXPECT_TRUE(window_->list_box(1).empty());
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (IsCf0()) {
      EXPECT_EQ(window_->net(k).text, Format2d(k));
      EXPECT_EQ(window_->net(k).colour, kHomeFacePalette[FaceOf(k)]) << k;
    } else {
      // Colours at once, numbers only when switched on.
      EXPECT_EQ(window_->net(k).text, "");
      EXPECT_EQ(window_->net(k).colour, ExpectedRgb(SolvedColours()[k])) << k;
    }
  }
}

TEST(SolverWindowNet, Cf0ShowsHomesInTheFixedPaletteWhateverTheEnteredColours) {
  // Reference corner green, orange, yellow: none of the preset colours.
  const Colours solved =
      SolvedColours({Colour::kNone, Colour::kRed, Colour::kGreen, Colour::kOrange, Colour::kBlue,
                     Colour::kYellow, Colour::kWhite});
  ASSERT_EQ(solved[18], Colour::kGreen);
  ASSERT_EQ(solved[25], Colour::kOrange);
  ASSERT_EQ(solved[45], Colour::kYellow);
  const auto window = CreateSolverWindow(WindowKind::kCf0);
  Enter(*window, solved);
  EXPECT_EQ(window->label4(), kArrangementOk);
  EXPECT_TRUE(window->table().IsSolved());
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (IsReferenceFacelet(k)) continue;
    EXPECT_EQ(window->net(k).text, Format2d(k));
    EXPECT_EQ(window->net(k).colour, kHomeFacePalette[FaceOf(k)]) << k;
  }
  // The reference corner's boxes keep what creation put there.
  EXPECT_EQ(window->net(18).colour, kRed);
  EXPECT_EQ(window->net(25).colour, kBlue);
  EXPECT_EQ(window->net(45).colour, kWhite);

  // After a turn every sticker still shows its home number in its home
  // face's colour.
  window->PressButton("Ry");
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (IsReferenceFacelet(k)) continue;
    const int home = window->table().Home(k);
    EXPECT_EQ(window->net(k).text, Format2d(home));
    EXPECT_EQ(window->net(k).colour, kHomeFacePalette[FaceOf(home)]) << k;
  }
}

// --- Numbering ----------------------------------------------------------------

TEST_P(EveryWindow, NumberingToggleShowsAndHidesHomeNumbers) {
  if (IsCf0()) {
    EXPECT_FALSE(window_->PressButton("Numtuke"));
    return;
  }
  Enter(*window_, SolvedColours());
  ASSERT_TRUE(window_->PressButton("Numtuke"));
  EXPECT_TRUE(window_->NumberingOn());
  for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(window_->net(k).text, Format2d(k));

  // The numbers follow the stickers while numbering is on.
  window_->PressButton("Rx");
  for (int k = 1; k <= kFaceletCount; ++k) {
    EXPECT_EQ(window_->net(k).text, Format2d(MoveMap(*MoveFromName("Rx"))(k))) << k;
    EXPECT_EQ(window_->net(k).colour,
              ExpectedRgb(SolvedColours()[MoveMap(*MoveFromName("Rx"))(k)]));
  }
  // Confirming again keeps numbering on.
  window_->PressButton("Coloring");
  EXPECT_EQ(window_->net(10).text, Format2d(10));

  window_->PressButton("Numtuke");
  EXPECT_FALSE(window_->NumberingOn());
  window_->PressButton("Rx");
  for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(window_->net(k).text, "");
}

TEST_P(EveryWindow, TypingIntoEdit1SwitchesNumberingOn) {
  if (IsCf0()) return;
  Enter(*window_, SolvedColours());
  window_->SetNetText(1, "x");
  window_->PressButton("Rx");
  EXPECT_EQ(window_->net(1).text, Format2d(window_->table().Home(1)));
  EXPECT_EQ(window_->net(30).text, Format2d(window_->table().Home(30)));
}

// --- Trial moves and preparation ------------------------------------------------

TEST_P(EveryWindow, TrialMoveAndItsInverseReturnToTheEnteredCube) {
  Enter(*window_, SolvedColours());
  std::vector<NetCell> entered;
  for (int k = 1; k <= kFaceletCount; ++k) entered.push_back(window_->net(k));
  ASSERT_TRUE(window_->PressButton("Rx"));
  EXPECT_FALSE(window_->table().IsSolved());
  ASSERT_TRUE(window_->PressButton("Rx3"));
  EXPECT_TRUE(window_->table().IsSolved());
  for (int k = 1; k <= kFaceletCount; ++k) {
    EXPECT_EQ(window_->net(k).text, entered[k - 1].text);
    EXPECT_EQ(window_->net(k).colour, entered[k - 1].colour);
  }
  EXPECT_EQ(window_->list_box(4), (std::vector<std::string>{"Rx", "Rx-"}));
  EXPECT_EQ(window_->edit55(), "Rx" + std::string(kJoiner) + "Rx-");
  EXPECT_EQ(window_->label4(), kArrangementOk);
}

TEST_P(EveryWindow, SameTrialButtonTwiceTurnsTwice) {
  Enter(*window_, SolvedColours());
  window_->PressButton("My");
  window_->PressButton("My");
  const auto reference = CreateSolverWindow(GetParam());
  Enter(*reference, SolvedColours());
  reference->PressButton("My2");
  EXPECT_EQ(HomesOf(window_->table()), HomesOf(reference->table()));
  EXPECT_EQ(window_->edit55(), "My" + std::string(kJoiner) + "My");
  EXPECT_EQ(reference->edit55(), "My2");
}

TEST_P(EveryWindow, TrialMoveAppendsToWhateverEdit55Holds) {
  window_->edit55() = "typed";
  window_->PressButton("Lz3");
  EXPECT_EQ(window_->edit55(), "typed" + std::string(kJoiner) + "Lz-");
}

TEST_P(EveryWindow, TrialMoveBeforeAnyEntryShowsTheEmptyTable) {
  ASSERT_TRUE(window_->PressButton("Mz"));
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (IsCf0() && IsReferenceFacelet(k)) continue;
    EXPECT_EQ(window_->net(k).text, IsCf0() ? " 0" : "") << k;
    EXPECT_EQ(window_->net(k).colour, kYellow) << k;
  }
  if (IsCf0()) {
    EXPECT_EQ(window_->net(18).text, "18");
    EXPECT_EQ(window_->net(18).colour, kRed);
    EXPECT_EQ(window_->net(25).colour, kBlue);
    EXPECT_EQ(window_->net(45).colour, kWhite);
  }
  EXPECT_EQ(window_->list_box(4), std::vector<std::string>{"Mz"});
}

TEST_P(EveryWindow, SikouRestoresTheEnteredCubeAndKeepsStageLists) {
  std::mt19937 random(7);
  const Colours entered = Turned(SolvedColours(), RandomMoves(random, 25));
  Enter(*window_, entered);
  ASSERT_EQ(window_->label4(), kArrangementOk);
  const Homes homes = HomesOf(window_->table());
  window_->AppendLine(1, "a stage line");
  window_->AppendLine(3, "another");
  for (const char* move : {"Rx", "Ly2", "Mz3", "Rz"}) ASSERT_TRUE(window_->PressButton(move));
  ASSERT_NE(HomesOf(window_->table()), homes);

  ASSERT_TRUE(window_->PressButton("Sikou"));
  EXPECT_EQ(HomesOf(window_->table()), homes);
  for (int k = 1; k <= kFaceletCount; ++k) EXPECT_EQ(window_->table().colour(k), entered[k]);
  EXPECT_TRUE(window_->list_box(4).empty());
  EXPECT_EQ(window_->edit55(), "");
  EXPECT_EQ(window_->list_box(1), std::vector<std::string>{"a stage line"});
  EXPECT_EQ(window_->list_box(3), std::vector<std::string>{"another"});
  EXPECT_EQ(window_->label4(), kArrangementOk);
}

TEST_P(EveryWindow, SikouTakesGridChangesAndRejectsAnImpossibleCube) {
  Enter(*window_, SolvedColours());
  // Exchange the colours of two stickers of one corner by repainting.
  window_->PressButton("OrangeBtn");
  const GridCell a = FaceletGridCell(1);
  window_->GridMouseDown(a.grid, MouseButton::kLeft, {a.column, a.row});
  window_->PressButton("GreenBtn");
  const GridCell b = FaceletGridCell(30);
  window_->GridMouseDown(b.grid, MouseButton::kLeft, {b.column, b.row});
  window_->AppendLine(2, "kept until reset");
  ASSERT_TRUE(window_->PressButton("Sikou"));
  EXPECT_EQ(window_->label4(), kArrangementWrong);
  EXPECT_EQ(window_->last_fault(), ArrangementFault::kPieces);
  ExpectGridsEmptyExceptPreset(*window_);
  EXPECT_TRUE(window_->list_box(2).empty());
}

// --- Reset and lists -------------------------------------------------------------

TEST_P(EveryWindow, ResetEmptiesTheEntryButKeepsTableColourAndStatus) {
  if (IsCf0()) {
    EXPECT_FALSE(window_->PressButton("Reset"));
    return;
  }
  Enter(*window_, SolvedColours());
  window_->PressButton("Numtuke");
  window_->PressButton("Rx");
  for (int n : window_->ListBoxNumbers()) window_->AppendLine(n, "line");
  const Homes homes = HomesOf(window_->table());
  const Colour colour = window_->current_colour();

  ASSERT_TRUE(window_->PressButton("Reset"));
  ExpectGridsEmptyExceptPreset(*window_);
  ExpectNetAsReset(*window_);
  EXPECT_FALSE(window_->NumberingOn());
  for (int n : window_->ListBoxNumbers()) EXPECT_TRUE(window_->list_box(n).empty()) << n;
  EXPECT_EQ(window_->edit55(), "");
  EXPECT_EQ(HomesOf(window_->table()), homes);
  EXPECT_EQ(window_->current_colour(), colour);
  EXPECT_EQ(window_->label4(), kArrangementOk);
}

TEST_P(EveryWindow, OnlyTheWindowsOwnButtonsExist) {
  const std::map<WindowKind, std::set<int>> clear_buttons = {
      {WindowKind::kCf0, {}},
      {WindowKind::kCf, {1, 2, 3}},
      {WindowKind::kLb, {1, 2, 3, 5, 6}},
      {WindowKind::kTkc, {1, 2, 3}},
      {WindowKind::kTkl, {1, 2, 3}},
  };
  const std::set<int>& own = clear_buttons.at(GetParam());
  for (int n = 0; n <= 7; ++n) {
    const std::string name = "Lbx" + std::to_string(n) + "clear";
    EXPECT_EQ(window_->PressButton(name), own.count(n) == 1) << name;
  }
  for (const char* name : {"", "rx", "Rx-", "Rx4", "Coloring ", "Label4", "ListBox4", "Edit1"}) {
    EXPECT_FALSE(window_->PressButton(name)) << name;
  }
  for (const Move& move : AllMoves()) EXPECT_TRUE(window_->PressButton(ButtonName(move)));
  for (const char* name : {"GreenBtn", "RedBtn", "BlueBtn", "OrangeBtn", "WhiteBtn", "YellowBtn",
                           "Sikou", "Coloring"}) {
    EXPECT_TRUE(window_->PressButton(name)) << name;
  }
  EXPECT_EQ(window_->PressButton("Numtuke"), !IsCf0());
  EXPECT_EQ(window_->PressButton("Reset"), !IsCf0());
}

TEST_P(EveryWindow, ListClearEmptiesOnlyItsOwnList) {
  Enter(*window_, SolvedColours());
  window_->PressButton("Rx");
  for (int n : window_->ListBoxNumbers()) {
    if (n != 4) window_->AppendLine(n, "line " + std::to_string(n));
  }
  for (int cleared : window_->variant().clear_buttons) {
    ASSERT_TRUE(window_->PressButton("Lbx" + std::to_string(cleared) + "clear"));
    for (int n : window_->ListBoxNumbers()) {
      const bool emptied = n != 4 && n <= cleared;
      EXPECT_EQ(window_->list_box(n).empty(), emptied) << "after Lbx" << cleared << ", list " << n;
    }
  }
  EXPECT_EQ(window_->list_box(4), std::vector<std::string>{"Rx"});
  EXPECT_EQ(window_->edit55(), "Rx");
}

// --- Impossible cubes ---------------------------------------------------------------

TEST_P(EveryWindow, RandomRealCubesPass) {
  std::mt19937 random(1234 + static_cast<int>(GetParam()));
  for (int trial = 0; trial < 2000; ++trial) {
    const Colours colours = Turned(SolvedColours(), RandomMoves(random, 1 + trial % 40));
    Enter(*window_, colours);
    ASSERT_EQ(window_->label4(), kArrangementOk) << "trial " << trial;
    ASSERT_EQ(window_->last_fault(), ArrangementFault::kReal);
    ASSERT_TRUE(window_->table().CountsAreConsistent());
  }
}

// Exchanges two corner or edge cubies with their stickers arranged as a
// real turn would carry one slot onto the other, so that nothing but the
// exchange itself is wrong.
template <typename Slot>
void ExchangePieces(Colours& colours, const Slot& a, const Slot& b) {
  const std::set<int> target(b.facelets.begin(), b.facelets.end());
  for (const Move& move : AllMoves()) {
    const FaceletMap& map = MoveMap(move);
    std::set<int> image;
    for (int f : a.facelets) image.insert(map(f));
    if (image != target) continue;
    for (int f : a.facelets) std::swap(colours[f], colours[map(f)]);
    return;
  }
  FAIL() << "no turn carries " << a.label << " onto " << b.label;
}

struct Fault {
  const char* name;
  std::function<void(Colours&)> make;
  ArrangementFault centre_rule;
  ArrangementFault reference_rule;
};

std::vector<Fault> Faults() {
  const auto& corners = CornerSlots();
  const auto& edges = EdgeSlots();
  return {
      {"twisted corner A1",
       [&](Colours& c) {
         const auto& f = corners[0].facelets;
         const Colour first = c[f[0]];
         c[f[0]] = c[f[1]];
         c[f[1]] = c[f[2]];
         c[f[2]] = first;
       },
       ArrangementFault::kCornerTwist, ArrangementFault::kCornerTwist},
      {"flipped edge B2",
       [&](Colours& c) { std::swap(c[edges[0].facelets[0]], c[edges[0].facelets[1]]); },
       ArrangementFault::kEdgeFlip, ArrangementFault::kEdgeFlip},
      {"two edges exchanged", [&](Colours& c) { ExchangePieces(c, edges[0], edges[1]); },
       ArrangementFault::kParity, ArrangementFault::kParity},
      {"two corners exchanged", [&](Colours& c) { ExchangePieces(c, corners[0], corners[1]); },
       ArrangementFault::kParity, ArrangementFault::kParity},
      // Left and right centres exchanged: with the centre rule every corner
      // becomes a mirror image; with the reference corner the centres are no
      // longer a turn of the solved ones.
      {"mirrored centres", [](Colours& c) { std::swap(c[41], c[50]); }, ArrangementFault::kPieces,
       ArrangementFault::kCentres},
  };
}

TEST_P(EveryWindow, ImpossibleCubesFailAndNameTheBrokenRule) {
  const bool centre_rule = VariantOf(GetParam()).rule == FaceColourRule::kCentre;
  std::mt19937 random(99);
  for (const Fault& fault : Faults()) {
    for (int trial = 0; trial < 20; ++trial) {
      Colours colours = SolvedColours();
      fault.make(colours);
      // Real turns afterwards keep the fault what it is.
      if (trial > 0) colours = Turned(colours, RandomMoves(random, trial * 3));
      window_->AppendLine(1, "line");
      Enter(*window_, colours);
      EXPECT_EQ(window_->label4(), kArrangementWrong) << fault.name << " trial " << trial;
      EXPECT_EQ(window_->last_fault(), centre_rule ? fault.centre_rule : fault.reference_rule)
          << fault.name << " trial " << trial << ": " << FaultName(window_->last_fault());
      ExpectGridsEmptyExceptPreset(*window_);
      EXPECT_TRUE(window_->list_box(1).empty());
    }
  }
}

TEST_P(EveryWindow, ReEntryWithAnImpossibleCornerFails) {
  Enter(*window_, SolvedColours());
  ASSERT_EQ(window_->label4(), kArrangementOk);
  // Facelet 30 repainted: corner A1 shows front twice and is not recognised,
  // so it keeps the home numbers of the first entry.
  window_->PressButton("GreenBtn");
  const GridCell cell = FaceletGridCell(30);
  window_->GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  ASSERT_TRUE(window_->PressButton("Coloring"));
  EXPECT_TRUE(window_->table().CountsAreConsistent());
  EXPECT_EQ(window_->label4(), kArrangementWrong);
  EXPECT_EQ(window_->last_fault(), ArrangementFault::kLetters);
}

TEST_P(EveryWindow, CountCheckStillRejectsAnEmptyCell) {
  test::PaintColours(*window_, SolvedColours());
  window_->ChooseColour(Colour::kNone);
  const GridCell cell = FaceletGridCell(7);
  window_->GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  ASSERT_EQ(window_->grid_cell(cell.grid, cell.column, cell.row), Colour::kNone);
  window_->PressButton("Coloring");
  EXPECT_EQ(window_->label4(), kArrangementWrong);
  EXPECT_EQ(window_->last_fault(), ArrangementFault::kCounts);
}

}  // namespace
}  // namespace rq51
