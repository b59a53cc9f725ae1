#include "cube/facelets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace rq51 {
namespace {

TEST(FaceletsTest, EveryGridCellShowsADifferentFaceletOfItsFace) {
  std::array<int, kFaceletCount + 1> reached{};
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        const int f = GridCellFacelet(grid, column, row);
        ASSERT_GE(f, 1);
        ASSERT_LE(f, kFaceletCount);
        EXPECT_EQ(FaceOf(f), grid) << "grid " << grid << " cell " << column << "," << row;
        ++reached[f];
        const GridCell cell = FaceletGridCell(f);
        EXPECT_EQ(cell.grid, grid);
        EXPECT_EQ(cell.column, column);
        EXPECT_EQ(cell.row, row);
      }
    }
  }
  for (int f = 1; f <= kFaceletCount; ++f) EXPECT_EQ(reached[f], 1) << f;
}

TEST(FaceletsTest, GridCellExamples) {
  // The three cells of the reference corner.
  EXPECT_EQ(GridCellFacelet(2, 0, 0), 18);
  EXPECT_EQ(GridCellFacelet(3, 0, 2), 25);
  EXPECT_EQ(GridCellFacelet(5, 2, 2), 45);
  EXPECT_EQ(GridCellFacelet(1, 2, 0), 1);
  EXPECT_EQ(GridCellFacelet(1, 0, 2), 9);
  EXPECT_EQ(GridCellFacelet(5, 0, 0), 37);
  EXPECT_EQ(GridCellFacelet(4, 0, 0), 34);
  EXPECT_EQ(GridCellFacelet(6, 2, 2), 48);
  EXPECT_EQ(GridCellFacelet(7, 0, 0), 0);
}

TEST(FaceletsTest, NetShowsEveryFaceletOnceInItsCross) {
  std::array<int, kFaceletCount + 1> shown{};
  int empty = 0;
  for (int row = 1; row <= 12; ++row) {
    for (int column = 1; column <= 9; ++column) {
      const int f = FaceletAtNet(row, column);
      if (f == 0) {
        ++empty;
        continue;
      }
      ++shown[f];
      EXPECT_EQ(NetPositionOf(f).row, row);
      EXPECT_EQ(NetPositionOf(f).column, column);
    }
  }
  for (int f = 1; f <= kFaceletCount; ++f) EXPECT_EQ(shown[f], 1) << f;
  EXPECT_EQ(empty, 12 * 9 - kFaceletCount);
  // Top above front, bottom and back below it, left and right beside it;
  // within a face the numbers run down a column, columns right to left.
  EXPECT_EQ(FaceletAtNet(1, 4), 34);
  EXPECT_EQ(FaceletAtNet(4, 6), 1);
  EXPECT_EQ(FaceletAtNet(6, 4), 9);
  EXPECT_EQ(FaceletAtNet(4, 1), 43);
  EXPECT_EQ(FaceletAtNet(6, 9), 48);
  EXPECT_EQ(FaceletAtNet(12, 4), 27);
  EXPECT_EQ(FaceletAtNet(1, 1), 0);
  EXPECT_EQ(FaceletAtNet(0, 5), 0);
  EXPECT_EQ(FaceletAtNet(13, 5), 0);
  EXPECT_EQ(NetPositionOf(0).row, 0);
}

TEST(FaceletsTest, SlotsCoverEveryFaceletOnceOnDistinctFaces) {
  std::array<int, kFaceletCount + 1> covered{};
  std::set<int> sums;
  for (const CornerSlot& slot : CornerSlots()) {
    int sum = 0;
    std::set<int> axes;
    for (int f : slot.facelets) {
      ++covered[f];
      sum += FaceCode(FaceOf(f));
      axes.insert(std::min(FaceOf(f), OppositeFace(FaceOf(f))));
      EXPECT_EQ(SlotLabelOfFacelet(f), slot.label);
    }
    EXPECT_EQ(axes.size(), 3u) << slot.label;
    EXPECT_EQ(sum, slot.code_sum) << slot.label;
    EXPECT_EQ(SlotLabelNumber(slot.label), slot.facelets[0]);
    sums.insert(sum);
  }
  for (const EdgeSlot& slot : EdgeSlots()) {
    int sum = 0;
    for (int f : slot.facelets) {
      ++covered[f];
      sum += FaceCode(FaceOf(f));
      EXPECT_EQ(SlotLabelOfFacelet(f), slot.label);
    }
    EXPECT_NE(FaceOf(slot.facelets[0]), OppositeFace(FaceOf(slot.facelets[1])));
    EXPECT_EQ(sum, slot.code_sum) << slot.label;
    EXPECT_EQ(SlotLabelNumber(slot.label), slot.facelets[0]);
    sums.insert(sum);
  }
  for (int centre : kCentres) {
    ++covered[centre];
    EXPECT_TRUE(IsCentre(centre));
    EXPECT_EQ(SlotLabelOfFacelet(centre), "");
  }
  for (int f = 1; f <= kFaceletCount; ++f) EXPECT_EQ(covered[f], 1) << f;
  // 8 corner sums and 12 edge sums, all different.
  EXPECT_EQ(sums.size(), 20u);
}

TEST(FaceletsTest, LabelsAndFaces) {
  EXPECT_EQ(SlotLabelOfFacelet(25), "A18");
  EXPECT_EQ(SlotLabelOfFacelet(45), "A18");
  EXPECT_EQ(SlotLabelOfFacelet(19), "A12");
  EXPECT_EQ(SlotLabelOfFacelet(49), "B29");
  EXPECT_EQ(SlotLabelOfFacelet(23), "");
  EXPECT_EQ(SlotLabelOfFacelet(0), "");
  EXPECT_EQ(SlotLabelOfFacelet(55), "");
  EXPECT_EQ(SlotLabelNumber("B24"), 24);
  EXPECT_EQ(SlotLabelNumber("C5"), 0);
  EXPECT_EQ(SlotLabelNumber("A"), 0);
  EXPECT_EQ(SlotLabelNumber("A1x"), 0);
  for (int face = 1; face <= kFaceCount; ++face) {
    EXPECT_EQ(FaceOf(CentreOf(face)), face);
    EXPECT_EQ(OppositeFace(OppositeFace(face)), face);
    EXPECT_EQ(FaceOfCode(FaceCode(face)), face);
  }
  EXPECT_EQ(FaceCode(6), 100000);
  EXPECT_EQ(FaceOfCode(0), 0);
  EXPECT_EQ(FaceOfCode(11), 0);
  EXPECT_EQ(FaceOf(9), 1);
  EXPECT_EQ(FaceOf(10), 2);
}

}  // namespace
}  // namespace rq51
