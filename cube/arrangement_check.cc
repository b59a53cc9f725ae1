#include "cube/arrangement_check.h"

#include <algorithm>
#include <array>

namespace rq51 {

namespace {

using Colours = StickerColours;

// Parity of a permutation of 0..n-1: 0 even, 1 odd.
template <size_t N>
int Parity(const std::array<int, N>& perm) {
  std::array<bool, N> seen{};
  int transpositions = 0;
  for (size_t start = 0; start < N; ++start) {
    if (seen[start]) continue;
    size_t length = 0;
    for (size_t i = start; !seen[i]; i = static_cast<size_t>(perm[i])) {
      seen[i] = true;
      ++length;
    }
    transpositions += static_cast<int>(length) - 1;
  }
  return transpositions % 2;
}

// Ordered so that opposite colours are three apart; -1 for no colour.
int ColourIndex(Colour colour) {
  constexpr std::array<Colour, 6> kOrder = {Colour::kGreen, Colour::kRed,    Colour::kWhite,
                                            Colour::kBlue,  Colour::kOrange, Colour::kYellow};
  for (int i = 0; i < 6; ++i) {
    if (kOrder[i] == colour) return i;
  }
  return -1;
}

// Index of the opposite pair a colour belongs to: green and blue 0, red and
// orange 1, white and yellow 2.
int PairOf(Colour colour) { return ColourIndex(colour) % 3; }

// Which face each colour letter stands for, by the window's rule; false when
// the rule cannot give all six faces distinct colours.
bool FaceColours(const Colours& colours, FaceColourRule rule,
                 std::array<Colour, kFaceCount + 1>& face_colour) {
  if (rule == FaceColourRule::kCentre) {
    for (int face = 1; face <= kFaceCount; ++face) face_colour[face] = colours[CentreOf(face)];
    for (int face = 1; face <= kFaceCount; ++face) {
      if (face_colour[OppositeFace(face)] != OppositeOf(face_colour[face])) return false;
      for (int other = 1; other < face; ++other) {
        if (face_colour[other] == face_colour[face]) return false;
      }
    }
    return true;
  }
  const Colour bottom = colours[18];
  const Colour back = colours[25];
  const Colour left = colours[45];
  if (PairOf(bottom) == PairOf(back) || PairOf(bottom) == PairOf(left) ||
      PairOf(back) == PairOf(left)) {
    return false;
  }
  face_colour[2] = bottom;
  face_colour[3] = back;
  face_colour[5] = left;
  face_colour[4] = OppositeOf(bottom);
  face_colour[1] = OppositeOf(back);
  face_colour[6] = OppositeOf(left);
  return true;
}

struct Pieces {
  std::array<int, 8> corner_in_slot{};  // index of the corner cubie in each slot
  std::array<int, 12> edge_in_slot{};
  int twist_sum = 0;
  int flips = 0;
};

// Recognises every corner and edge from the faces its stickers show; false
// when one is not a cubie, appears twice or is a mirror image. Also sums
// the corner twists and counts the flipped edges.
bool ReadPieces(const std::array<int, kFaceletCount + 1>& face, Pieces& pieces) {
  const auto& corners = CornerSlots();
  std::array<bool, 8> corner_seen{};
  for (size_t s = 0; s < corners.size(); ++s) {
    const auto& f = corners[s].facelets;
    const int sum = FaceCode(face[f[0]]) + FaceCode(face[f[1]]) + FaceCode(face[f[2]]);
    int cubie = -1;
    for (size_t c = 0; c < corners.size(); ++c) {
      if (corners[c].code_sum == sum) cubie = static_cast<int>(c);
    }
    if (cubie < 0 || corner_seen[cubie]) return false;
    corner_seen[cubie] = true;
    pieces.corner_in_slot[s] = cubie;
    const int slot_hand = Handedness(FaceOf(f[0]), FaceOf(f[1]), FaceOf(f[2]));
    if (Handedness(face[f[0]], face[f[1]], face[f[2]]) != slot_hand) return false;
    // Walk the slot's stickers in one fixed sense of rotation, starting on
    // its top or bottom facelet; the twist is the number of steps to the
    // sticker that shows a top or bottom colour.
    std::array<int, 3> ring = f;
    if (slot_hand < 0) std::swap(ring[1], ring[2]);
    while (FaceAxis(FaceOf(ring[0])) != 0) std::rotate(ring.begin(), ring.begin() + 1, ring.end());
    for (int k = 0; k < 3; ++k) {
      if (FaceAxis(face[ring[k]]) == 0) pieces.twist_sum += k;
    }
  }
  const auto& edges = EdgeSlots();
  std::array<bool, 12> edge_seen{};
  for (size_t s = 0; s < edges.size(); ++s) {
    const auto& f = edges[s].facelets;
    const int sum = FaceCode(face[f[0]]) + FaceCode(face[f[1]]);
    int cubie = -1;
    for (size_t c = 0; c < edges.size(); ++c) {
      if (edges[c].code_sum == sum) cubie = static_cast<int>(c);
    }
    if (cubie < 0 || edge_seen[cubie]) return false;
    edge_seen[cubie] = true;
    pieces.edge_in_slot[s] = cubie;
    // An edge's reference sticker is the one on the top-bottom axis, else
    // the one on the front-back axis; it is flipped when that sticker does
    // not lie on the slot's reference facelet.
    const int slot_axis = std::min(FaceAxis(FaceOf(f[0])), FaceAxis(FaceOf(f[1])));
    const int cubie_axis = std::min(FaceAxis(face[f[0]]), FaceAxis(face[f[1]]));
    const int reference = FaceAxis(FaceOf(f[0])) == slot_axis ? f[0] : f[1];
    if (FaceAxis(face[reference]) != cubie_axis) ++pieces.flips;
  }
  return true;
}

// The centre at face k shows the colour of face centre[k]: true when that
// is a turn of the whole cube (opposite faces stay opposite and the frame
// keeps its handedness).
bool CentresAreRotation(const std::array<int, kFaceCount + 1>& centre) {
  for (int face = 1; face <= kFaceCount; ++face) {
    if (centre[OppositeFace(face)] != OppositeFace(centre[face])) return false;
  }
  // Right (+x), back (+y) and top (+z) go to the columns of the rotation.
  return Handedness(centre[6], centre[3], centre[4]) == Handedness(6, 3, 4);
}

}  // namespace

std::string_view FaultName(ArrangementFault fault) {
  switch (fault) {
    case ArrangementFault::kReal:
      return "real";
    case ArrangementFault::kCounts:
      return "counts";
    case ArrangementFault::kLetters:
      return "letters";
    case ArrangementFault::kFaceColours:
      return "face colours";
    case ArrangementFault::kPieces:
      return "pieces";
    case ArrangementFault::kCentres:
      return "centres";
    case ArrangementFault::kCornerTwist:
      return "corner twist";
    case ArrangementFault::kEdgeFlip:
      return "edge flip";
    case ArrangementFault::kParity:
      return "parity";
  }
  return "unknown";
}

ArrangementFault CheckRealArrangement(const Colours& colours, FaceColourRule rule) {
  std::array<int, 6> letter_count{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    const int letter = ColourIndex(colours[i]);
    if (letter < 0) return ArrangementFault::kLetters;
    ++letter_count[letter];
  }
  for (int count : letter_count) {
    if (count != 9) return ArrangementFault::kLetters;
  }

  std::array<Colour, kFaceCount + 1> face_colour{};
  if (!FaceColours(colours, rule, face_colour)) return ArrangementFault::kFaceColours;
  std::array<int, kFaceletCount + 1> face{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    for (int k = 1; k <= kFaceCount; ++k) {
      if (colours[i] == face_colour[k]) face[i] = k;
    }
  }

  Pieces pieces;
  if (!ReadPieces(face, pieces)) return ArrangementFault::kPieces;

  std::array<int, kFaceCount + 1> centre{};
  std::array<int, kFaceCount> centre_perm{};
  for (int k = 1; k <= kFaceCount; ++k) {
    centre[k] = face[CentreOf(k)];
    centre_perm[k - 1] = centre[k] - 1;
  }
  if (rule == FaceColourRule::kReferenceCorner && !CentresAreRotation(centre)) {
    return ArrangementFault::kCentres;
  }

  if (pieces.twist_sum % 3 != 0) return ArrangementFault::kCornerTwist;
  if (pieces.flips % 2 != 0) return ArrangementFault::kEdgeFlip;

  const int corner_parity = Parity(pieces.corner_in_slot);
  const int edge_parity = Parity(pieces.edge_in_slot);
  // With the centre rule the centres are the frame and stay put; with the
  // reference corner they are cubies that the slice turns move.
  const int centre_parity = rule == FaceColourRule::kCentre ? 0 : Parity(centre_perm);
  if ((corner_parity + edge_parity + centre_parity) % 2 != 0) return ArrangementFault::kParity;
  return ArrangementFault::kReal;
}

StickerColours ColoursOf(const StateTable& table) {
  StickerColours colours{};
  for (int i = 1; i <= kFaceletCount; ++i) colours[i] = table.colour(i);
  return colours;
}

ArrangementFault CheckEnteredArrangement(const StateTable& table, FaceColourRule rule) {
  if (!table.CountsAreConsistent()) return ArrangementFault::kCounts;
  return CheckRealArrangement(ColoursOf(table), rule);
}

}  // namespace rq51
