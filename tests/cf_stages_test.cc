// The CF window: what its rows promise, that its macros turn as the CF-0
// ones they share, and what its stages log on the cubes a user meets.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "cube/notation.h"
#include "shell/solver_window.h"
#include "solvers/cf/cf_method.h"
#include "solvers/cf/cf_rows.h"
#include "solvers/cf0/cf0_rows.h"
#include "tests/cf0_cube_entry.h"
#include "tests/row_checker.h"

namespace rq51 {
namespace {

using namespace test;
using cf0_test::CornersNotSolved;
using cf0_test::kSeparator;
using Lines = std::vector<std::string>;

Facelets CornerFacelets() {
  Facelets all;
  for (const CornerSlot& slot : CornerSlots())
    all.insert(all.end(), slot.facelets.begin(), slot.facelets.end());
  return all;
}

// The slots (by label) whose cubie a map moves out of its slot, and those it
// turns in place.
struct SlotEffect {
  std::vector<std::string_view> moved;
  std::vector<std::string_view> turned;
};

template <typename Slots>
SlotEffect EffectOn(const FaceletMap& map, const Slots& slots) {
  SlotEffect effect;
  for (const auto& slot : slots) {
    bool in_place = true;
    bool fixed = true;
    for (int f : slot.facelets) {
      const int from = map(f);
      fixed &= from == f;
      in_place &=
          std::find(slot.facelets.begin(), slot.facelets.end(), from) != slot.facelets.end();
    }
    if (!in_place) effect.moved.push_back(slot.label);
    if (in_place && !fixed) effect.turned.push_back(slot.label);
  }
  return effect;
}

bool Within(const std::vector<std::string_view>& labels, std::vector<std::string_view> allowed) {
  return std::all_of(labels.begin(), labels.end(), [&](std::string_view label) {
    return std::find(allowed.begin(), allowed.end(), label) != allowed.end();
  });
}

TEST(CfRowsTest, FittingRowsUseTheRightLayersAndKeepThePlacedCorners) {
  Facelets kept = SlotFacelets("A18");
  const std::vector<int> targets = {27, 21, 12, 1};
  const std::vector<size_t> sizes = {6, 5, 4, 3};
  ASSERT_EQ(cf::CornerPlacementSteps().size(), 4u);
  for (size_t n = 0; n < 4; ++n) {
    const steps::KeyedRows& step = cf::CornerPlacementSteps()[n];
    EXPECT_EQ(step.facelet, targets[n]);
    EXPECT_EQ(step.rows.size(), sizes[n]);
    ExpectRowsKeepTheirPromise(steps::SlotPhase(step), kept,
                               "corner step " + std::to_string(n + 1));
    for (const RowSpec& row : step.rows) {
      for (const Move& move : MovesOfRow(row)) EXPECT_EQ(LayerOf(move.base), 0) << row.lines[0];
    }
    kept = Union(kept, SlotFacelets(SlotLabelOfFacelet(targets[n])));
  }
}

TEST(CfRowsTest, TwistRowsOrientTheirCodeAndPassTheTwistOnlyWhereAllowed) {
  struct Step {
    const std::vector<RowSpec>& rows;
    std::vector<std::string_view> may_turn;
  };
  const Step twist_steps[] = {
      {cf::ThreeCornerTwistRows(), {"A1", "A3", "A9", "A12", "A7", "A21", "A27"}},
      {cf::TwoCornerTwistRows(), {"A1", "A3", "A9", "A12"}},
      {cf::A9TwistRows(), {"A9", "A12"}},
  };
  for (const Step& step : twist_steps) {
    const StageTable table(step.rows);
    for (const TableRow& row : table.rows()) {
      const SlotEffect effect = EffectOn(row.map, CornerSlots());
      EXPECT_TRUE(effect.moved.empty()) << RowName(row);
      EXPECT_TRUE(Within(effect.turned, step.may_turn)) << RowName(row);
    }
  }
  // The A9 twist turns A9 and A12 and nothing else among the corners.
  const StageTable table(cf::A9TwistRows());
  for (const TableRow& row : table.rows()) {
    EXPECT_EQ(EffectOn(row.map, CornerSlots()).turned,
              (std::vector<std::string_view>{"A9", "A12"}));
  }
  EXPECT_EQ(cf::ThreeCornerTwistRows().size(), 26u);
  EXPECT_EQ(cf::TwoCornerTwistRows().size(), 8u);
}

TEST(CfRowsTest, TheReferenceCornerRowsTurnA18AndA12AndNothingElse) {
  const steps::KeyedRows& step = cf::ReferenceCornerStep();
  ASSERT_EQ(step.rows.size(), 2u);
  ExpectRowsKeepTheirPromise(steps::HomePhase(step), {}, "A18");
  const StageTable table(step.rows);
  for (const TableRow& row : table.rows()) {
    for (int f = 1; f <= kFaceletCount; ++f) {
      const Facelets twisted = Slots({"A18", "A12"});
      if (std::find(twisted.begin(), twisted.end(), f) == twisted.end()) {
        EXPECT_EQ(row.map(f), f) << RowName(row) << " moves " << f;
      }
    }
    EXPECT_EQ(EffectOn(row.map, CornerSlots()).turned,
              (std::vector<std::string_view>{"A12", "A18"}));
    EXPECT_TRUE(row.lines.front().ends_with(row.key == 25 ? "A18@-" : "A18@+")) << RowName(row);
  }
}

TEST(CfRowsTest, EdgeRowsKeepTheCornersAndThePlacedEdgesInTheirSlots) {
  const std::vector<steps::KeyedRows>& steps = cf::EdgePlacementSteps();
  ASSERT_EQ(steps.size(), 9u);
  std::vector<std::string_view> placed;
  for (const steps::KeyedRows& step : steps) {
    ExpectRowsKeepTheirPromise(steps::SlotPhase(step), CornerFacelets(), "edge step");
    const StageTable table(step.rows);
    for (const TableRow& row : table.rows()) {
      for (std::string_view label : EffectOn(row.map, EdgeSlots()).moved) {
        EXPECT_EQ(std::find(placed.begin(), placed.end(), label), placed.end())
            << RowName(row) << " moves " << label;
      }
    }
    placed.push_back(SlotLabelOfFacelet(step.facelet));
  }
  const StageTable table(cf::LastThreeEdgeRows());
  for (const TableRow& row : table.rows()) {
    EXPECT_TRUE(Within(EffectOn(row.map, EdgeSlots()).moved, {"B4", "B6", "B24"})) << RowName(row);
    for (int f : CornerFacelets()) EXPECT_EQ(row.map(f), f);
  }
}

TEST(CfRowsTest, CentreRowsMoveOnlyCentres) {
  const StageTable table(cf::CentreRows());
  for (const TableRow& row : table.rows()) {
    for (int f = 1; f <= kFaceletCount; ++f) {
      if (!IsCentre(f)) {
        EXPECT_EQ(row.map(f), f) << RowName(row);
      }
    }
  }
}

// Where the CF tables use a CF-0 macro with other blanks, the turns are the
// same.
TEST(CfRowsTest, MacrosSharedWithCf0TurnAlike) {
  const auto turns_of = [](std::string_view text) { return ReadMacroText(text).moves; };
  EXPECT_EQ(turns_of("(Rx-Ry Lz )５乗"), turns_of("(Rx-RyLz)５乗"));
  EXPECT_EQ(turns_of("(Rz Rx Ry-)５乗"), turns_of("(RzRxRy-)５乗"));
  EXPECT_EQ(turns_of("(Ry-Rz Rx )５乗"), turns_of("(Ry-RzRx)５乗"));
  const std::vector<RowSpec>& last_three = cf::LastThreeCornerRows();
  const auto row_of = [](const std::vector<RowSpec>& rows, int key) {
    return *std::find_if(rows.begin(), rows.end(),
                         [key](const RowSpec& r) { return r.key == key; });
  };
  EXPECT_EQ(MovesOfRow(row_of(last_three, 903)), turns_of("(Rx-RyLz)５乗"));
  EXPECT_EQ(MovesOfRow(row_of(last_three, 709)), turns_of("(RzRxRy-)５乗"));
  EXPECT_EQ(MovesOfRow(row_of(last_three, 307)), turns_of("(Ry-RzRx)５乗"));
  // The A9 twist, and the flips, target by target.
  const steps::KeyedRows& cf0_a9 = cf0::CornerTwistSteps()[3];
  ASSERT_EQ(cf0_a9.facelet, 9);
  for (const RowSpec& row : cf::A9TwistRows()) {
    EXPECT_EQ(MovesOfRow(row), MovesOfRow(row_of(cf0_a9.rows, row.key)));
  }
  ASSERT_EQ(cf::EdgeFlipSteps().size(), cf0::EdgeFlipSteps().size());
  for (size_t n = 0; n < cf::EdgeFlipSteps().size(); ++n) {
    const steps::KeyedRows& cf_step = cf::EdgeFlipSteps()[n];
    const steps::KeyedRows& cf0_step = cf0::EdgeFlipSteps()[n];
    EXPECT_EQ(cf_step.facelet, cf0_step.facelet);
    ASSERT_EQ(cf_step.rows.size(), 1u);
    EXPECT_EQ(MovesOfRow(cf_step.rows[0]), MovesOfRow(row_of(cf0_step.rows, cf_step.rows[0].key)));
  }
}

class CfStagesTest : public ::testing::Test {
 protected:
  void EnterTurned(std::string_view moves) {
    ASSERT_TRUE(EnterColours(window_, Turned(SolvedColours(), MovesOfText(moves))));
  }
  void Press(std::string_view button) { ASSERT_TRUE(window_.PressButton(button)); }
  const Lines& List(int n) const { return window_.list_box(n); }

  SolverWindow window_ = WindowFor(WindowKind::kCf);
};

TEST_F(CfStagesTest, ButtonsOfTheWindow) {
  const std::vector<StageButton>& buttons = window_.stage_buttons();
  ASSERT_EQ(buttons.size(), 4u);
  EXPECT_EQ(buttons[0].caption, "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[1].caption, "③．ｴｯｼﾞｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[2].caption, "④．ｾﾝﾀｰｷｭｰﾌﾞの変換");
  EXPECT_EQ(buttons[3].caption, "⑤．一括変換");
}

TEST_F(CfStagesTest, SolvedCubeLogsTheSeparatorsOnly) {
  EnterTurned("");
  Press("CES");
  EXPECT_EQ(List(1), Lines{kSeparator});
  EXPECT_EQ(List(2), Lines{kSeparator});
  EXPECT_TRUE(List(3).empty());
  EXPECT_TRUE(window_.table().IsSolved());
}

TEST_F(CfStagesTest, CornerStageOfSingleTurns) {
  for (const auto& [moves, lines] : {std::pair{"Rz-", Lines{"Rz       A27<-A21", kSeparator}},
                                     std::pair{"Ry", Lines{"Ry-   A1<-A7", kSeparator}},
                                     std::pair{"Rx Ry", Lines{"Ry-Rx-   A21<- A7", kSeparator}}}) {
    EnterTurned(moves);
    Press("CC");
    EXPECT_EQ(List(1), lines) << moves;
    EXPECT_TRUE(CornersNotSolved(HomesOf(window_.table())).empty()) << moves;
  }
}

TEST_F(CfStagesTest, CornerStageOfAFiveFoldExchange) {
  EnterTurned("(Ry-Rz Rx )５乗");
  Press("CC");
  EXPECT_EQ(List(1), (Lines{"(Ry-Rz Rx )５乗   A3<->A9", kSeparator,
                            "(Rz-Ry )３乗      A7@- & A21@- & A27@+", "(Ry Rx-)３乗      A1@-",
                            "(Ry-Rx )３乗", "(Ry Rx-Ry-Rx )２乗", "(Rx Rz-)３乗      A9@+",
                            "(Ry-Rz )３乗"}));
  EXPECT_TRUE(CornersNotSolved(HomesOf(window_.table())).empty());
}

TEST_F(CfStagesTest, EdgeAndCentreCases) {
  EnterTurned("Mx");
  Press("EC");
  EXPECT_EQ(List(2), (Lines{"Mx-   B15<-B24", kSeparator}));
  EXPECT_TRUE(window_.table().IsSolved());
  EnterTurned("My");
  Press("EC");
  EXPECT_EQ(List(2), (Lines{"My-   B17<-B11", kSeparator}));
  EXPECT_TRUE(window_.table().IsSolved());
  EnterTurned("Rz2Mx-Rz2Mx");
  Press("EC");
  EXPECT_EQ(List(2), (Lines{"Ry2Mx Ry2Mx-   B4->B6->B24", kSeparator}));
  EXPECT_TRUE(window_.table().IsSolved());
  // B2 and B4 turned over.
  EnterTurned(LogText(Inverted(MovesOfText("(Rx-My )４乗(Rz My-)４乗"))));
  Press("EC");
  EXPECT_EQ(List(2), (Lines{kSeparator, "(Rx-My )４乗    B2@", "(Rz My-)４乗"}));
  EXPECT_TRUE(window_.table().IsSolved());
  // Centres 41, 23, 50, 5, 32, 14 at 5, 14, 23, 32, 41, 50.
  Homes homes = SolvedHomes();
  const int arrangement[] = {41, 23, 50, 5, 32, 14};
  for (int n = 0; n < 6; ++n) homes[kCentres[n]] = arrangement[n];
  EnterTurned("");
  window_.table_for_testing() = TableWithHomes(homes);
  Press("SC");
  EXPECT_EQ(List(3), (Lines{"My-Mx-My Mx    C5→C32→C41"}));
  EXPECT_TRUE(window_.table().IsSolved());
}

// The first case of step 5 twists the reference corner; the last corner
// step turns it back, with A12, so that every such cube still ends solved.
TEST_F(CfStagesTest, TheReferenceCornerIsTurnedBackAfterTheFirstExchange) {
  std::mt19937 random(18);
  int turned_back = 0;
  for (int n = 0; n < 400; ++n) {
    EnterColours(window_, Turned(SolvedColours(), RandomMoves(random, 25)));
    Press("CC");
    const bool exchanged = std::any_of(List(1).begin(), List(1).end(), [](const std::string& l) {
      return l.starts_with("(Rx-Ry Lz )５乗");
    });
    const bool mended = List(1).back().size() > 0 &&
                        std::any_of(List(1).begin(), List(1).end(), [](const std::string& l) {
                          return l.ends_with("A18@-") || l.ends_with("A18@+");
                        });
    EXPECT_EQ(exchanged, mended) << n;
    turned_back += mended;
    EXPECT_TRUE(CornersNotSolved(HomesOf(window_.table())).empty()) << n;
  }
  EXPECT_GT(turned_back, 20);
}

}  // namespace
}  // namespace rq51
