// Facelet numbering, faces, the central net, the colour-entry grids and the
// corner and edge slots of the 3x3x3 cube. Everything here is constant.
#pragma once

#include <array>
#include <string_view>

namespace rq51 {

inline constexpr int kFaceletCount = 54;
inline constexpr int kFaceCount = 6;

// Face k (1 front, 2 bottom, 3 back, 4 top, 5 left, 6 right) owns facelets
// 9k-8 .. 9k; its centre is 9k-4.
constexpr int FaceOf(int facelet) { return (facelet - 1) / 9 + 1; }
constexpr bool IsCentre(int facelet) { return facelet % 9 == 5; }
constexpr int CentreOf(int face) { return 9 * face - 4; }
constexpr int OppositeFace(int face) {
  constexpr int kOpposite[] = {0, 3, 4, 1, 2, 6, 5};
  return kOpposite[face];
}
// FaceCode of face k is 10^(k-1); the sum of the codes of a cubie's stickers
// names the set of faces it touches.
constexpr int FaceCode(int face) {
  int code = 1;
  for (int k = 1; k < face; ++k) code *= 10;
  return code;
}
// The face whose code is `code`, or 0 when `code` is not a face code.
constexpr int FaceOfCode(int code) {
  for (int face = 1; face <= kFaceCount; ++face) {
    if (FaceCode(face) == code) return face;
  }
  return 0;
}

// 0 for the top-bottom axis, 1 for front-back, 2 for left-right.
constexpr int FaceAxis(int face) {
  if (face == 2 || face == 4) return 0;
  if (face == 1 || face == 3) return 1;
  return 2;
}

// +1 when the outward normals of faces a, b and c (on three different axes)
// form a right-handed frame, -1 when left-handed, 0 when two share an axis.
// A real cubie keeps the handedness of its stickers wherever it is turned.
int Handedness(int face_a, int face_b, int face_c);

inline constexpr std::array<int, 6> kCentres = {5, 14, 23, 32, 41, 50};
// The left-back-bottom corner whose colours fix the faces in the
// corners-first windows.
inline constexpr std::array<int, 3> kReferenceCorner = {18, 25, 45};

// Facelet of cell (column, row) of colour-entry grid 1..6, columns and rows
// 0..2 from the top left.
int GridCellFacelet(int grid, int column, int row);

struct GridCell {
  int grid;
  int column;
  int row;
};
// The grid cell that shows facelet f (the inverse of GridCellFacelet).
GridCell FaceletGridCell(int facelet);

// Place of a facelet on the 12-row, 9-column cross-shaped net (1-based).
struct NetPosition {
  int row;
  int column;
};
NetPosition NetPositionOf(int facelet);
// The facelet shown at (row, column) of the net, or 0 for an empty place.
int FaceletAtNet(int row, int column);

struct CornerSlot {
  std::string_view label;
  std::array<int, 3> facelets;
  int code_sum;
};
struct EdgeSlot {
  std::string_view label;
  std::array<int, 2> facelets;
  int code_sum;
};
// In the order identification visits them.
const std::array<CornerSlot, 8>& CornerSlots();
const std::array<EdgeSlot, 12>& EdgeSlots();

// "A3", "B24", ...: the label of the corner or edge slot that facelet f
// belongs to; empty for a centre or a number outside 1..54.
std::string_view SlotLabelOfFacelet(int facelet);
// The number in a slot label ("A12" -> 12), 0 for anything else.
int SlotLabelNumber(std::string_view label);

}  // namespace rq51
