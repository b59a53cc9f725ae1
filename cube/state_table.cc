#include "cube/state_table.h"

namespace rq51 {

Colour HomeFaceColour(int face) {
  static constexpr std::array<Colour, kFaceCount + 1> kColours = {
      Colour::kYellow, Colour::kGreen, Colour::kRed,   Colour::kBlue,
      Colour::kOrange, Colour::kWhite, Colour::kYellow};
  return face >= 1 && face <= kFaceCount ? kColours[face] : Colour::kYellow;
}

int StateTable::Code(int position) const {
  const int face = stickers_[position].face;
  return face == 0 ? 0 : FaceCode(face);
}

std::string_view StateTable::Label(int position) const {
  const int cubie = stickers_[position].cubie;
  if (cubie == 0) return {};
  if (cubie <= 8) return CornerSlots()[cubie - 1].label;
  return EdgeSlots()[cubie - 9].label;
}

Colour StateTable::Display(int position) const {
  if (!drawn_) return Colour::kNone;
  const Sticker& sticker = stickers_[position];
  if (*drawn_ == NetPalette::kHomeFace) return HomeFaceColour(sticker.face);
  // A letter the palette does not know is shown yellow.
  return sticker.colour == Colour::kNone ? Colour::kYellow : sticker.colour;
}

StateRow StateTable::row(int position) const {
  return {colour(position), Home(position), Label(position), DisplayNameOf(Display(position)),
          Code(position)};
}

void StateTable::ReadGrids(const GridColours& grids, FaceColourRule rule) {
  for (int grid = 1; grid <= kFaceCount; ++grid) {
    for (int column = 0; column < 3; ++column) {
      for (int r = 0; r < 3; ++r) {
        stickers_[GridCellFacelet(grid, column, r)].colour = grids[grid][column][r];
      }
    }
  }
  AssignFaceColours(rule);
  AssignCodes();
}

void StateTable::AssignFaceColours(FaceColourRule rule) {
  if (rule == FaceColourRule::kCentre) {
    for (int face = 1; face <= kFaceCount; ++face) {
      face_colours_[face] = stickers_[CentreOf(face)].colour;
    }
    return;
  }
  // Bottom, back and left come from the reference corner; top, front and
  // right are their opposites, set only when the corner shows a colour.
  const Colour bottom = stickers_[18].colour;
  const Colour back = stickers_[25].colour;
  const Colour left = stickers_[45].colour;
  face_colours_[2] = bottom;
  face_colours_[3] = back;
  face_colours_[5] = left;
  if (bottom != Colour::kNone) face_colours_[4] = OppositeOf(bottom);
  if (back != Colour::kNone) face_colours_[1] = OppositeOf(back);
  if (left != Colour::kNone) face_colours_[6] = OppositeOf(left);
}

void StateTable::AssignCodes() {
  // The face of each colour, the last matching face winning.
  std::array<uint8_t, kColourCount + 1> face_of{};
  bool matched[kColourCount + 1] = {};
  for (int face = 1; face <= kFaceCount; ++face) {
    const auto c = static_cast<size_t>(face_colours_[face]);
    face_of[c] = static_cast<uint8_t>(face);
    matched[c] = true;
  }
  for (int i = 1; i <= kFaceletCount; ++i) {
    const auto c = static_cast<size_t>(stickers_[i].colour);
    if (matched[c]) stickers_[i].face = face_of[c];
  }
}

namespace {

// Home facelet of the sticker on `face` of the cubie whose home slot has
// `facelets`: the slot's facelet on that face, or 0.
int HomeOnFace(const int* facelets, int size, int face) {
  for (int n = 0; n < size; ++n) {
    if (FaceOf(facelets[n]) == face) return facelets[n];
  }
  return 0;
}

}  // namespace

void StateTable::IdentifySlot(const int* facelets, int size, int first_cubie, int cubies) {
  int sum = 0;
  for (int n = 0; n < size; ++n) sum += Code(facelets[n]);
  for (int c = 0; c < cubies; ++c) {
    const int* home_facelets;
    int code_sum;
    if (size == 3) {
      home_facelets = CornerSlots()[c].facelets.data();
      code_sum = CornerSlots()[c].code_sum;
    } else {
      home_facelets = EdgeSlots()[c].facelets.data();
      code_sum = EdgeSlots()[c].code_sum;
    }
    if (code_sum != sum) continue;
    for (int n = 0; n < size; ++n) {
      Sticker& sticker = stickers_[facelets[n]];
      sticker.cubie = static_cast<uint8_t>(first_cubie + c);
      sticker.home = static_cast<uint8_t>(HomeOnFace(home_facelets, size, sticker.face));
    }
  }
}

void StateTable::IdentifyAll() {
  for (const CornerSlot& here : CornerSlots()) IdentifySlot(here.facelets.data(), 3, 1, 8);
  for (const EdgeSlot& here : EdgeSlots()) IdentifySlot(here.facelets.data(), 2, 9, 12);
  for (int centre : kCentres) {
    const int face = stickers_[centre].face;
    if (face != 0) stickers_[centre].home = static_cast<uint8_t>(CentreOf(face));
  }
}

void StateTable::ApplyMap(const FaceletMap& map) {
  std::array<Sticker, kFaceletCount + 1> moved;
  moved[0] = stickers_[0];
  for (int i = 1; i <= kFaceletCount; ++i) moved[i] = stickers_[map(i)];
  stickers_ = moved;
}

int StateTable::PositionOfHome(int k) const {
  for (int i = kFaceletCount; i >= 1; --i) {
    if (stickers_[i].home == k) return i;
  }
  return 0;
}

std::string_view StateTable::SlotLabelOfHome(int k) const {
  return SlotLabelOfFacelet(PositionOfHome(k));
}

bool StateTable::CountsAreConsistent() const {
  int yellow = 0;
  std::array<int, kFaceletCount + 1> count{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (stickers_[i].colour == Colour::kYellow) ++yellow;
    ++count[stickers_[i].home];
  }
  if (yellow != 9) return false;
  for (int h = 1; h <= kFaceletCount; ++h) {
    if (count[h] != 1) return false;
  }
  return true;
}

bool StateTable::IsSolved() const {
  for (int i = 1; i <= kFaceletCount; ++i) {
    if (stickers_[i].home != i) return false;
  }
  return true;
}

}  // namespace rq51
