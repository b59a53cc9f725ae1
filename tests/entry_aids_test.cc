// Colour entry in every solver window beyond painting by mouse: the rule a
// refused entry is named by.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/faulty_cubes.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

using test::Colours;
using test::SolvedColours;
using test::Turned;

class EntryInEveryWindow : public ::testing::TestWithParam<WindowKind> {
 protected:
  SolverWindow window_ = test::WindowFor(GetParam());
};

std::string KindName(const ::testing::TestParamInfo<WindowKind>& info) {
  return std::string(VariantOf(info.param).class_name);
}

INSTANTIATE_TEST_SUITE_P(SolverWindows, EntryInEveryWindow, ::testing::ValuesIn(AllWindowKinds()),
                         KindName);

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
