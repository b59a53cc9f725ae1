#include "cube/facelets.h"

namespace rq51 {

int GridCellFacelet(int grid, int column, int row) {
  const int c = column;
  const int r = row;
  switch (grid) {
    case 1:
      return 7 + r - 3 * c;
    case 2:
      return 18 - 3 * c - r;
    case 3:
      return 27 - 3 * c - r;
    case 4:
      return 34 + r - 3 * c;
    case 5:
      return 37 + 3 * c + r;
    case 6:
      return 52 + r - 3 * c;
    default:
      return 0;
  }
}

GridCell FaceletGridCell(int facelet) {
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) {
        if (GridCellFacelet(grid, column, row) == facelet) return {grid, column, row};
      }
    }
  }
  return {0, 0, 0};
}

namespace {

// Rows r1..r12, columns c1..c9; 0 marks an empty place.
constexpr int kNet[12][9] = {
    {0, 0, 0, 34, 31, 28, 0, 0, 0},    {0, 0, 0, 35, 32, 29, 0, 0, 0},
    {0, 0, 0, 36, 33, 30, 0, 0, 0},    {43, 40, 37, 7, 4, 1, 52, 49, 46},
    {44, 41, 38, 8, 5, 2, 53, 50, 47}, {45, 42, 39, 9, 6, 3, 54, 51, 48},
    {0, 0, 0, 16, 13, 10, 0, 0, 0},    {0, 0, 0, 17, 14, 11, 0, 0, 0},
    {0, 0, 0, 18, 15, 12, 0, 0, 0},    {0, 0, 0, 25, 22, 19, 0, 0, 0},
    {0, 0, 0, 26, 23, 20, 0, 0, 0},    {0, 0, 0, 27, 24, 21, 0, 0, 0},
};

constexpr std::array<CornerSlot, 8> kCorners = {{
    {"A1", {1, 30, 52}, 101001},
    {"A3", {3, 10, 54}, 100011},
    {"A7", {7, 36, 37}, 11001},
    {"A9", {9, 16, 39}, 10011},
    {"A12", {12, 19, 48}, 100110},
    {"A18", {18, 25, 45}, 10110},
    {"A21", {21, 28, 46}, 101100},
    {"A27", {27, 34, 43}, 11100},
}};

constexpr std::array<EdgeSlot, 12> kEdges = {{
    {"B2", {2, 53}, 100001},
    {"B4", {4, 33}, 1001},
    {"B6", {6, 13}, 11},
    {"B8", {8, 38}, 10001},
    {"B11", {11, 51}, 100010},
    {"B15", {15, 22}, 110},
    {"B17", {17, 42}, 10010},
    {"B20", {20, 47}, 100100},
    {"B24", {24, 31}, 1100},
    {"B26", {26, 44}, 10100},
    {"B29", {29, 49}, 101000},
    {"B35", {35, 40}, 11000},
}};

}  // namespace

int Handedness(int face_a, int face_b, int face_c) {
  // Outward normals in a right-handed frame: x to the right, y to the back,
  // z to the top.
  using Vector = std::array<int, 3>;
  static constexpr std::array<Vector, kFaceCount + 1> kNormal = {{
      {0, 0, 0},
      {0, -1, 0},  // 1 front
      {0, 0, -1},  // 2 bottom
      {0, 1, 0},   // 3 back
      {0, 0, 1},   // 4 top
      {-1, 0, 0},  // 5 left
      {1, 0, 0},   // 6 right
  }};
  const Vector& a = kNormal[face_a];
  const Vector& b = kNormal[face_b];
  const Vector& c = kNormal[face_c];
  return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
         a[2] * (b[0] * c[1] - b[1] * c[0]);
}

NetPosition NetPositionOf(int facelet) {
  for (int r = 0; r < 12; ++r) {
    for (int c = 0; c < 9; ++c) {
      if (kNet[r][c] == facelet && facelet != 0) return {r + 1, c + 1};
    }
  }
  return {0, 0};
}

int FaceletAtNet(int row, int column) {
  if (row < 1 || row > 12 || column < 1 || column > 9) return 0;
  return kNet[row - 1][column - 1];
}

const std::array<CornerSlot, 8>& CornerSlots() { return kCorners; }
const std::array<EdgeSlot, 12>& EdgeSlots() { return kEdges; }

std::string_view SlotLabelOfFacelet(int facelet) {
  for (const CornerSlot& slot : kCorners) {
    for (int f : slot.facelets) {
      if (f == facelet) return slot.label;
    }
  }
  for (const EdgeSlot& slot : kEdges) {
    for (int f : slot.facelets) {
      if (f == facelet) return slot.label;
    }
  }
  return {};
}

int SlotLabelNumber(std::string_view label) {
  if (label.size() < 2 || (label[0] != 'A' && label[0] != 'B')) return 0;
  int number = 0;
  for (size_t i = 1; i < label.size(); ++i) {
    if (label[i] < '0' || label[i] > '9') return 0;
    number = number * 10 + (label[i] - '0');
  }
  return number;
}

}  // namespace rq51
