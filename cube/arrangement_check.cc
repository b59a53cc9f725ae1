#include "cube/arrangement_check.h"

#include <algorithm>
#include <array>
#include <utility>

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
  std::array<int, 8> corner_in_slot{};  // index of the corner cubie in each slot, -1 for none
  std::array<bool, 8> corner_mirrored{};
  std::array<int, 12> edge_in_slot{};  // index of the edge cubie in each slot, -1 for none
  int twist_sum = 0;
  int flips = 0;
};

// Recognises every corner and edge from the faces its stickers show, sums
// the corner twists and counts the flipped edges.
void ReadPieces(const std::array<int, kFaceletCount + 1>& face, Pieces& pieces) {
  const auto& corners = CornerSlots();
  for (size_t s = 0; s < corners.size(); ++s) {
    const auto& f = corners[s].facelets;
    const int sum = FaceCode(face[f[0]]) + FaceCode(face[f[1]]) + FaceCode(face[f[2]]);
    int cubie = -1;
    for (size_t c = 0; c < corners.size(); ++c) {
      if (corners[c].code_sum == sum) cubie = static_cast<int>(c);
    }
    pieces.corner_in_slot[s] = cubie;
    if (cubie < 0) continue;
    const int slot_hand = Handedness(FaceOf(f[0]), FaceOf(f[1]), FaceOf(f[2]));
    pieces.corner_mirrored[s] = Handedness(face[f[0]], face[f[1]], face[f[2]]) != slot_hand;
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
  for (size_t s = 0; s < edges.size(); ++s) {
    const auto& f = edges[s].facelets;
    const int sum = FaceCode(face[f[0]]) + FaceCode(face[f[1]]);
    int cubie = -1;
    for (size_t c = 0; c < edges.size(); ++c) {
      if (edges[c].code_sum == sum) cubie = static_cast<int>(c);
    }
    pieces.edge_in_slot[s] = cubie;
    if (cubie < 0) continue;
    // An edge's reference sticker is the one on the top-bottom axis, else
    // the one on the front-back axis; it is flipped when that sticker does
    // not lie on the slot's reference facelet.
    const int slot_axis = std::min(FaceAxis(FaceOf(f[0])), FaceAxis(FaceOf(f[1])));
    const int cubie_axis = std::min(FaceAxis(face[f[0]]), FaceAxis(face[f[1]]));
    const int reference = FaceAxis(FaceOf(f[0])) == slot_axis ? f[0] : f[1];
    if (FaceAxis(face[reference]) != cubie_axis) ++pieces.flips;
  }
}

// The first slot, corners before edges in identification order, that holds
// no cubie, a mirrored corner or a cubie an earlier slot holds: its index
// among the 20 slots (corners 0..7, edges 8..19) and that of the earlier
// slot (-1 when there is none). {-1, -1} when every slot is right.
std::pair<int, int> FirstWrongSlot(const Pieces& pieces) {
  for (int s = 0; s < 8; ++s) {
    if (pieces.corner_in_slot[s] < 0 || pieces.corner_mirrored[s]) return {s, -1};
    for (int t = 0; t < s; ++t) {
      if (pieces.corner_in_slot[t] == pieces.corner_in_slot[s]) return {s, t};
    }
  }
  for (int s = 0; s < 12; ++s) {
    if (pieces.edge_in_slot[s] < 0) return {8 + s, -1};
    for (int t = 0; t < s; ++t) {
      if (pieces.edge_in_slot[t] == pieces.edge_in_slot[s]) return {8 + s, 8 + t};
    }
  }
  return {-1, -1};
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

// The face whose colour each sticker shows; 0 for a colour no face has.
std::array<int, kFaceletCount + 1> FacesShown(
    const Colours& colours, const std::array<Colour, kFaceCount + 1>& face_colour) {
  std::array<int, kFaceletCount + 1> face{};
  for (int i = 1; i <= kFaceletCount; ++i) {
    for (int k = 1; k <= kFaceCount; ++k) {
      if (colours[i] == face_colour[k]) face[i] = k;
    }
  }
  return face;
}

// The face whose colour the centre of face k shows.
std::array<int, kFaceCount + 1> CentreFaces(const std::array<int, kFaceletCount + 1>& face) {
  std::array<int, kFaceCount + 1> centre{};
  for (int k = 1; k <= kFaceCount; ++k) centre[k] = face[CentreOf(k)];
  return centre;
}

// The permutations of the pieces must be even together. With the centre
// rule the centres are the frame and stay put; with the reference corner
// they are cubies that the slice turns move.
bool ParityHolds(const Pieces& pieces, const std::array<int, kFaceCount + 1>& centre,
                 FaceColourRule rule) {
  std::array<int, kFaceCount> centre_perm{};
  for (int k = 1; k <= kFaceCount; ++k) centre_perm[k - 1] = centre[k] - 1;
  const int centre_parity = rule == FaceColourRule::kCentre ? 0 : Parity(centre_perm);
  return (Parity(pieces.corner_in_slot) + Parity(pieces.edge_in_slot) + centre_parity) % 2 == 0;
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
  const std::array<int, kFaceletCount + 1> face = FacesShown(colours, face_colour);

  Pieces pieces;
  ReadPieces(face, pieces);
  if (FirstWrongSlot(pieces).first >= 0) return ArrangementFault::kPieces;

  const std::array<int, kFaceCount + 1> centre = CentreFaces(face);
  if (rule == FaceColourRule::kReferenceCorner && !CentresAreRotation(centre)) {
    return ArrangementFault::kCentres;
  }

  if (pieces.twist_sum % 3 != 0) return ArrangementFault::kCornerTwist;
  if (pieces.flips % 2 != 0) return ArrangementFault::kEdgeFlip;
  if (!ParityHolds(pieces, centre, rule)) return ArrangementFault::kParity;
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

namespace {

std::string_view SlotLabel(int slot) {
  return slot < 8 ? CornerSlots()[slot].label : EdgeSlots()[slot - 8].label;
}

std::vector<int> SlotFacelets(int slot) {
  if (slot < 8) {
    const auto& f = CornerSlots()[slot].facelets;
    return {f.begin(), f.end()};
  }
  const auto& f = EdgeSlots()[slot - 8].facelets;
  return {f.begin(), f.end()};
}

// Names a slot that holds no real piece, or (`earlier` >= 0) a piece that
// `earlier` holds too.
void NameWrongSlot(ArrangementDiagnosis& diagnosis, const Colours& colours, int slot, int earlier) {
  const bool corner = slot < 8;
  diagnosis.rule = FaultRule::kPieces;
  if (earlier >= 0) {
    diagnosis.kind = corner ? FaultKind::kCornerTwice : FaultKind::kEdgeTwice;
    diagnosis.slot_labels.push_back(SlotLabel(earlier));
    for (int f : SlotFacelets(earlier)) diagnosis.facelets.push_back(f);
  } else {
    diagnosis.kind = corner ? FaultKind::kNoSuchCorner : FaultKind::kNoSuchEdge;
  }
  diagnosis.slot_labels.push_back(SlotLabel(slot));
  for (int f : SlotFacelets(slot)) {
    diagnosis.shown.push_back(colours[f]);
    diagnosis.facelets.push_back(f);
  }
  std::sort(diagnosis.facelets.begin(), diagnosis.facelets.end());
}

// The centres as colours alone: six different colours, opposite faces in
// opposite colours. False when they are not, with the fault named.
bool CentreColoursFit(ArrangementDiagnosis& diagnosis, const Colours& colours) {
  for (int a = 1; a <= kFaceCount; ++a) {
    for (int b = a + 1; b <= kFaceCount; ++b) {
      const Colour colour = colours[CentreOf(a)];
      if (colours[CentreOf(b)] != colour) continue;
      diagnosis.rule = FaultRule::kCentres;
      diagnosis.kind = FaultKind::kCentreRepeated;
      diagnosis.shown = {colour};
      for (int face = 1; face <= kFaceCount; ++face) {
        if (colours[CentreOf(face)] == colour) diagnosis.centres.push_back(CentreOf(face));
      }
      diagnosis.facelets = diagnosis.centres;
      return false;
    }
  }
  for (int face = 1; face <= kFaceCount; ++face) {
    const int opposite = OppositeFace(face);
    if (face < opposite && colours[CentreOf(opposite)] != OppositeOf(colours[CentreOf(face)])) {
      diagnosis.centres.push_back(CentreOf(face));
      diagnosis.centres.push_back(CentreOf(opposite));
    }
  }
  if (diagnosis.centres.empty()) return true;
  std::sort(diagnosis.centres.begin(), diagnosis.centres.end());
  diagnosis.rule = FaultRule::kCentres;
  diagnosis.kind = FaultKind::kCentresNotOpposite;
  diagnosis.facelets = diagnosis.centres;
  return false;
}

}  // namespace

ArrangementDiagnosis DiagnoseArrangement(const Colours& colours, FaceColourRule rule) {
  ArrangementDiagnosis diagnosis;
  for (int i = 1; i <= kFaceletCount; ++i) ++diagnosis.counts[static_cast<size_t>(colours[i])];
  bool counts_fit = diagnosis.counts[0] == 0;
  for (int c = 1; c <= kColourCount; ++c) counts_fit = counts_fit && diagnosis.counts[c] == 9;
  if (!counts_fit) {
    // The cells to look at: those without a colour and those of a colour
    // that is there too often.
    diagnosis.rule = FaultRule::kColours;
    diagnosis.kind = FaultKind::kColourCounts;
    for (int i = 1; i <= kFaceletCount; ++i) {
      const auto c = static_cast<size_t>(colours[i]);
      if (c == 0 || diagnosis.counts[c] > 9) diagnosis.facelets.push_back(i);
    }
    return diagnosis;
  }

  if (!CentreColoursFit(diagnosis, colours)) return diagnosis;

  std::array<Colour, kFaceCount + 1> face_colour{};
  if (!FaceColours(colours, rule, face_colour)) {
    // Only the reference corner can fail here: it is no corner.
    const auto& corners = CornerSlots();
    for (int s = 0; s < static_cast<int>(corners.size()); ++s) {
      if (corners[s].facelets == kReferenceCorner) NameWrongSlot(diagnosis, colours, s, -1);
    }
    return diagnosis;
  }
  const std::array<int, kFaceletCount + 1> face = FacesShown(colours, face_colour);
  Pieces pieces;
  ReadPieces(face, pieces);
  const std::array<int, kFaceCount + 1> centre = CentreFaces(face);

  // With the centre rule a mirrored frame shows as corners that are mostly
  // mirror images; with the reference corner the centres are no turn of the
  // solved ones (their colours being opposite in pairs, only the sense of
  // the frame can be wrong).
  bool mirrored = false;
  if (rule == FaceColourRule::kCentre) {
    int mirror_images = 0;
    int real = 0;
    for (int s = 0; s < 8; ++s) {
      if (pieces.corner_in_slot[s] < 0) continue;
      ++(pieces.corner_mirrored[s] ? mirror_images : real);
    }
    mirrored = mirror_images > real;
  } else {
    mirrored = !CentresAreRotation(centre);
  }
  if (mirrored) {
    diagnosis.rule = FaultRule::kCentres;
    diagnosis.kind = FaultKind::kCentresMirrored;
    return diagnosis;
  }

  if (const auto [slot, earlier] = FirstWrongSlot(pieces); slot >= 0) {
    NameWrongSlot(diagnosis, colours, slot, earlier);
    return diagnosis;
  }
  if (pieces.twist_sum % 3 != 0) {
    diagnosis.rule = FaultRule::kTwist;
    diagnosis.kind = FaultKind::kTwist;
  } else if (pieces.flips % 2 != 0) {
    diagnosis.rule = FaultRule::kFlip;
    diagnosis.kind = FaultKind::kFlip;
  } else if (!ParityHolds(pieces, centre, rule)) {
    diagnosis.rule = FaultRule::kParity;
    diagnosis.kind = FaultKind::kParity;
  }
  return diagnosis;
}

std::string_view FaultRuleName(FaultRule rule) {
  switch (rule) {
    case FaultRule::kNone:
      return "";
    case FaultRule::kColours:
      return "colours";
    case FaultRule::kCentres:
      return "centres";
    case FaultRule::kPieces:
      return "pieces";
    case FaultRule::kTwist:
      return "twist";
    case FaultRule::kFlip:
      return "flip";
    case FaultRule::kParity:
      return "parity";
  }
  return "";
}

std::string FaultPlaceText(const ArrangementDiagnosis& diagnosis) {
  std::vector<std::string> items;
  switch (diagnosis.rule) {
    case FaultRule::kColours:
      for (const ColourInfo& info : ColourTable()) {
        const int count = diagnosis.counts[static_cast<size_t>(info.colour)];
        if (count != 9) items.push_back(std::string(info.letter) + ":" + std::to_string(count));
      }
      if (diagnosis.counts[0] > 0) items.push_back("empty:" + std::to_string(diagnosis.counts[0]));
      break;
    case FaultRule::kCentres:
      for (int centre : diagnosis.centres) items.push_back(std::to_string(centre));
      break;
    case FaultRule::kPieces:
      for (std::string_view slot : diagnosis.slot_labels) items.emplace_back(slot);
      break;
    default:
      break;
  }
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += ' ';
    text += item;
  }
  return text;
}

}  // namespace rq51
