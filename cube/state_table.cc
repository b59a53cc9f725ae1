#include "cube/state_table.h"

#include <utility>

namespace rq51 {

bool IsColourLetter(std::string_view text) {
  return text == "G" || text == "R" || text == "B" || text == "O" || text == "W" || text == "Y";
}

std::string_view OppositeColour(std::string_view letter) {
  if (letter == "G") return "B";
  if (letter == "B") return "G";
  if (letter == "R") return "O";
  if (letter == "O") return "R";
  if (letter == "W") return "Y";
  if (letter == "Y") return "W";
  return {};
}

void StateTable::ReadGrids(const GridTexts& grids, FaceColourRule rule) {
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int r = 0; r < 3; ++r) {
        rows_[GridCellFacelet(grid, column, r)].colour = grids[grid][column][r];
      }
    }
  }
  AssignFaceColours(rule);
  AssignCodes();
}

void StateTable::AssignFaceColours(FaceColourRule rule) {
  if (rule == FaceColourRule::kCentre) {
    for (int face = 1; face <= kFaceCount; ++face) {
      face_colours_[face] = rows_[CentreOf(face)].colour;
    }
    return;
  }
  // Bottom, back and left come from the reference corner; top, front and
  // right are their opposites, set only when the corner shows a known colour.
  const std::string& bottom = rows_[18].colour;
  const std::string& back = rows_[25].colour;
  const std::string& left = rows_[45].colour;
  face_colours_[2] = bottom;
  face_colours_[3] = back;
  face_colours_[5] = left;
  if (IsColourLetter(bottom)) face_colours_[4] = std::string(OppositeColour(bottom));
  if (IsColourLetter(back)) face_colours_[1] = std::string(OppositeColour(back));
  if (IsColourLetter(left)) face_colours_[6] = std::string(OppositeColour(left));
}

void StateTable::AssignCodes() {
  for (int i = 1; i <= kFaceletCount; ++i) {
    for (int face = 1; face <= kFaceCount; ++face) {
      if (rows_[i].colour == face_colours_[face]) rows_[i].code = FaceCode(face);
    }
  }
}

namespace {

// Home facelet of the sticker with face code `code` on the cubie whose home
// slot has `facelets`: the slot's facelet on that face.
template <size_t N>
int HomeOnFace(const std::array<int, N>& facelets, int code) {
  const int face = FaceOfCode(code);
  for (int f : facelets) {
    if (FaceOf(f) == face) return f;
  }
  return 0;
}

}  // namespace

void StateTable::IdentifyAll() {
  for (const CornerSlot& here : CornerSlots()) {
    int sum = 0;
    for (int f : here.facelets) sum += rows_[f].code;
    for (const CornerSlot& cubie : CornerSlots()) {
      if (cubie.code_sum != sum) continue;
      for (int f : here.facelets) {
        rows_[f].label = std::string(cubie.label);
        rows_[f].home = HomeOnFace(cubie.facelets, rows_[f].code);
      }
    }
  }
  for (const EdgeSlot& here : EdgeSlots()) {
    int sum = 0;
    for (int f : here.facelets) sum += rows_[f].code;
    for (const EdgeSlot& cubie : EdgeSlots()) {
      if (cubie.code_sum != sum) continue;
      for (int f : here.facelets) {
        rows_[f].label = std::string(cubie.label);
        rows_[f].home = HomeOnFace(cubie.facelets, rows_[f].code);
      }
    }
  }
  for (int centre : kCentres) {
    const int face = FaceOfCode(rows_[centre].code);
    if (face != 0) rows_[centre].home = CentreOf(face);
  }
}

void StateTable::ApplyMap(const FaceletMap& map) {
  if (map.IsIdentity()) return;
  // Each sticker's data moves to its new position; the display column stays
  // with the position until the next redraw. Every map of the cube is a
  // permutation, so every source row is read exactly once and may be moved
  // from.
  std::array<StateRow, kFaceletCount + 1> moved;
  const bool permutation = map.IsPermutation();
  for (int i = 1; i <= kFaceletCount; ++i) {
    StateRow& from = rows_[map(i)];
    StateRow& to = moved[i];
    to.home = from.home;
    to.code = from.code;
    if (permutation) {
      to.colour = std::move(from.colour);
      to.label = std::move(from.label);
    } else {
      to.colour = from.colour;
      to.label = from.label;
    }
  }
  for (int i = 1; i <= kFaceletCount; ++i) moved[i].display = std::move(rows_[i].display);
  rows_ = std::move(moved);
}

int StateTable::PositionOfHome(int k) const {
  int found = 0;
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (rows_[i].home == k) found = i;
  }
  return found;
}

std::string_view StateTable::SlotLabelOfHome(int k) const {
  return SlotLabelOfFacelet(PositionOfHome(k));
}

bool StateTable::CountsAreConsistent() const {
  int yellow = 0;
  std::array<int, kFaceletCount + 1> count{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (rows_[i].colour == "Y") ++yellow;
    const int home = rows_[i].home;
    if (home >= 1 && home <= kFaceletCount) ++count[home];
  }
  if (yellow != 9) return false;
  for (int h = 1; h <= kFaceletCount; ++h) {
    if (count[h] != 1) return false;
  }
  return true;
}

bool StateTable::IsSolved() const {
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (rows_[i].home != i) return false;
  }
  return true;
}

}  // namespace rq51
