#include "shortest/cubie.h"

#include <algorithm>
#include <vector>

namespace rq51::shortest {

namespace {

enum Face : uint8_t { kU, kR, kF, kD, kL, kB };

// The faces of each corner slot, the U or D face first, then clockwise; of
// each edge slot, the reference face first.
constexpr std::array<std::array<uint8_t, 3>, 8> kCornerFaces = {{
    {kU, kR, kF},
    {kU, kF, kL},
    {kU, kL, kB},
    {kU, kB, kR},
    {kD, kF, kR},
    {kD, kL, kF},
    {kD, kB, kL},
    {kD, kR, kB},
}};
constexpr std::array<std::array<uint8_t, 2>, 12> kEdgeFaces = {{
    {kU, kR},
    {kU, kF},
    {kU, kL},
    {kU, kB},
    {kD, kR},
    {kD, kF},
    {kD, kL},
    {kD, kB},
    {kF, kR},
    {kF, kL},
    {kB, kL},
    {kB, kR},
}};

// The quarter turn of each face, as the slots the pieces come from.
struct QuarterTurn {
  std::array<uint8_t, 8> corner_slot;
  std::array<uint8_t, 8> twist;
  std::array<uint8_t, 12> edge_slot;
  std::array<uint8_t, 12> flip;
};
constexpr std::array<QuarterTurn, kSearchFaceCount> kQuarterTurns = {{
    // U
    {{3, 0, 1, 2, 4, 5, 6, 7}, {}, {3, 0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}, {}},
    // R
    {{4, 1, 2, 0, 7, 5, 6, 3},
     {2, 0, 0, 1, 1, 0, 0, 2},
     {8, 1, 2, 3, 11, 5, 6, 7, 4, 9, 10, 0},
     {}},
    // F
    {{1, 5, 2, 3, 0, 4, 6, 7},
     {1, 2, 0, 0, 2, 1, 0, 0},
     {0, 9, 2, 3, 4, 8, 6, 7, 1, 5, 10, 11},
     {0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0}},
    // D
    {{0, 1, 2, 3, 5, 6, 7, 4}, {}, {0, 1, 2, 3, 5, 6, 7, 4, 8, 9, 10, 11}, {}},
    // L
    {{0, 2, 6, 3, 4, 1, 5, 7},
     {0, 1, 2, 0, 0, 2, 1, 0},
     {0, 1, 10, 3, 4, 5, 9, 7, 8, 2, 6, 11},
     {}},
    // B
    {{0, 1, 3, 7, 4, 5, 2, 6},
     {0, 0, 1, 2, 0, 0, 2, 1},
     {0, 1, 2, 11, 4, 5, 6, 10, 8, 9, 3, 7},
     {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1}},
}};

const std::array<CubieCube, kFaceTurnCount>& FaceTurnCubes() {
  static const std::array<CubieCube, kFaceTurnCount> kCubes = [] {
    std::array<CubieCube, kFaceTurnCount> cubes;
    for (int face = 0; face < kSearchFaceCount; ++face) {
      const QuarterTurn& q = kQuarterTurns[face];
      const CubieCube quarter{q.corner_slot, q.twist, q.edge_slot, q.flip};
      CubieCube turned = quarter;
      for (int power = 1; power <= 3; ++power) {
        cubes[FaceTurn(face, power)] = turned;
        turned = Multiply(turned, quarter);
      }
    }
    return cubes;
  }();
  return kCubes;
}

// The program's facelets of every slot, in the order of kCornerFaces and
// kEdgeFaces.
struct SlotFacelets {
  std::array<std::array<int, 3>, 8> corners;
  std::array<std::array<int, 2>, 12> edges;
};

template <size_t N>
int FaceletOnFace(const std::array<int, N>& facelets, int program_face) {
  for (int f : facelets) {
    if (FaceOf(f) == program_face) return f;
  }
  return 0;
}

template <size_t N, typename Slot>
std::array<int, N> FaceletsOfSlot(const std::array<uint8_t, N>& faces,
                                  const std::vector<Slot>& slots) {
  for (const Slot& slot : slots) {
    std::array<int, N> facelets{};
    bool all = true;
    for (size_t n = 0; n < N; ++n) {
      facelets[n] = FaceletOnFace(slot.facelets, kProgramFace[faces[n]]);
      all = all && facelets[n] != 0;
    }
    if (all) return facelets;
  }
  return {};
}

const SlotFacelets& Facelets() {
  static const SlotFacelets kFacelets = [] {
    SlotFacelets result;
    const std::vector<CornerSlot> corners(CornerSlots().begin(), CornerSlots().end());
    const std::vector<EdgeSlot> edges(EdgeSlots().begin(), EdgeSlots().end());
    for (size_t i = 0; i < kCornerFaces.size(); ++i) {
      result.corners[i] = FaceletsOfSlot(kCornerFaces[i], corners);
    }
    for (size_t i = 0; i < kEdgeFaces.size(); ++i) {
      result.edges[i] = FaceletsOfSlot(kEdgeFaces[i], edges);
    }
    return result;
  }();
  return kFacelets;
}

constexpr int kFactorial[] = {1, 1, 2, 6, 24, 120, 720, 5040, 40320};

constexpr int Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  int result = 1;
  for (int i = 0; i < k; ++i) result = result * (n - i) / (i + 1);
  return result;
}

// Lexicographic rank of a permutation of 0 .. N-1 (the identity is 0).
template <size_t N>
int Rank(const uint8_t* p) {
  int rank = 0;
  for (size_t i = 0; i < N; ++i) {
    int smaller = 0;
    for (size_t j = i + 1; j < N; ++j) smaller += p[j] < p[i];
    rank += smaller * kFactorial[N - 1 - i];
  }
  return rank;
}

template <size_t N>
void Unrank(int rank, uint8_t* p) {
  std::array<uint8_t, N> unused;
  for (size_t i = 0; i < N; ++i) unused[i] = static_cast<uint8_t>(i);
  size_t left = N;
  for (size_t i = 0; i < N; ++i) {
    const int f = kFactorial[N - 1 - i];
    const int pick = rank / f;
    rank %= f;
    p[i] = unused[pick];
    std::copy(unused.begin() + pick + 1, unused.begin() + left, unused.begin() + pick);
    --left;
  }
}

}  // namespace

CubieCube Multiply(const CubieCube& a, const CubieCube& b) {
  CubieCube c;
  for (int i = 0; i < 8; ++i) {
    c.corner_slot[i] = a.corner_slot[b.corner_slot[i]];
    c.twist[i] = static_cast<uint8_t>((a.twist[b.corner_slot[i]] + b.twist[i]) % 3);
  }
  for (int i = 0; i < 12; ++i) {
    c.edge_slot[i] = a.edge_slot[b.edge_slot[i]];
    c.flip[i] = static_cast<uint8_t>(a.flip[b.edge_slot[i]] ^ b.flip[i]);
  }
  return c;
}

CubieCube Inverse(const CubieCube& a) {
  CubieCube inverse;
  for (int i = 0; i < 8; ++i) {
    inverse.corner_slot[a.corner_slot[i]] = static_cast<uint8_t>(i);
    inverse.twist[a.corner_slot[i]] = static_cast<uint8_t>((3 - a.twist[i]) % 3);
  }
  for (int i = 0; i < 12; ++i) {
    inverse.edge_slot[a.edge_slot[i]] = static_cast<uint8_t>(i);
    inverse.flip[a.edge_slot[i]] = a.flip[i];
  }
  return inverse;
}

const CubieCube& FaceTurnCube(int turn) { return FaceTurnCubes()[turn]; }

std::optional<CubieCube> CubieFromColours(const StickerColours& colours) {
  // The search face of each colour, by the centres; 6 for none.
  std::array<uint8_t, kColourCount + 1> face_of;
  face_of.fill(kSearchFaceCount);
  for (int f = 0; f < kSearchFaceCount; ++f) {
    face_of[static_cast<size_t>(colours[CentreOf(kProgramFace[f])])] = static_cast<uint8_t>(f);
  }
  const SlotFacelets& facelets = Facelets();
  CubieCube cube;
  std::array<bool, 8> corner_seen{};
  for (int i = 0; i < 8; ++i) {
    std::array<uint8_t, 3> faces;
    for (int n = 0; n < 3; ++n) {
      faces[n] = face_of[static_cast<size_t>(colours[facelets.corners[i][n]])];
    }
    int twist = 0;
    while (twist < 3 && faces[twist] != kU && faces[twist] != kD) ++twist;
    if (twist == 3) return std::nullopt;
    int found = -1;
    for (int c = 0; c < 8; ++c) {
      if (kCornerFaces[c][0] == faces[twist] && kCornerFaces[c][1] == faces[(twist + 1) % 3] &&
          kCornerFaces[c][2] == faces[(twist + 2) % 3]) {
        found = c;
      }
    }
    if (found < 0 || corner_seen[found]) return std::nullopt;
    corner_seen[found] = true;
    cube.corner_slot[i] = static_cast<uint8_t>(found);
    cube.twist[i] = static_cast<uint8_t>(twist);
  }
  std::array<bool, 12> edge_seen{};
  for (int i = 0; i < 12; ++i) {
    const uint8_t a = face_of[static_cast<size_t>(colours[facelets.edges[i][0]])];
    const uint8_t b = face_of[static_cast<size_t>(colours[facelets.edges[i][1]])];
    int found = -1;
    for (int e = 0; e < 12; ++e) {
      if (kEdgeFaces[e][0] == a && kEdgeFaces[e][1] == b) {
        found = e;
        cube.flip[i] = 0;
      } else if (kEdgeFaces[e][0] == b && kEdgeFaces[e][1] == a) {
        found = e;
        cube.flip[i] = 1;
      }
    }
    if (found < 0 || edge_seen[found]) return std::nullopt;
    edge_seen[found] = true;
    cube.edge_slot[i] = static_cast<uint8_t>(found);
  }
  return cube;
}

StickerColours ColoursFromCubie(const CubieCube& cube, const StickerColours& centres) {
  std::array<Colour, kSearchFaceCount> face_colour;
  for (int f = 0; f < kSearchFaceCount; ++f) face_colour[f] = centres[CentreOf(kProgramFace[f])];
  StickerColours colours{};
  for (int centre : kCentres) colours[centre] = centres[centre];
  const SlotFacelets& facelets = Facelets();
  for (int i = 0; i < 8; ++i) {
    for (int n = 0; n < 3; ++n) {
      colours[facelets.corners[i][(n + cube.twist[i]) % 3]] =
          face_colour[kCornerFaces[cube.corner_slot[i]][n]];
    }
  }
  for (int i = 0; i < 12; ++i) {
    for (int n = 0; n < 2; ++n) {
      colours[facelets.edges[i][(n + cube.flip[i]) % 2]] =
          face_colour[kEdgeFaces[cube.edge_slot[i]][n]];
    }
  }
  return colours;
}

int TwistOf(const CubieCube& cube) {
  int twist = 0;
  for (int i = 0; i < 7; ++i) twist = 3 * twist + cube.twist[i];
  return twist;
}

int FlipOf(const CubieCube& cube) {
  int flip = 0;
  for (int i = 0; i < 11; ++i) flip = 2 * flip + cube.flip[i];
  return flip;
}

int SliceOf(const CubieCube& cube) {
  int slice = 0;
  int found = 0;
  for (int j = 11; j >= 0; --j) {
    if (cube.edge_slot[j] >= 8) {
      slice += Choose(11 - j, found + 1);
      ++found;
    }
  }
  return slice;
}

int CornerOrderOf(const CubieCube& cube) { return Rank<8>(cube.corner_slot.data()); }

int EdgeOrderOf(const CubieCube& cube) { return Rank<8>(cube.edge_slot.data()); }

int SliceOrderOf(const CubieCube& cube) {
  std::array<uint8_t, 4> order;
  for (int i = 0; i < 4; ++i) order[i] = static_cast<uint8_t>(cube.edge_slot[8 + i] - 8);
  return Rank<4>(order.data());
}

CubieCube CubeWithTwist(int twist) {
  CubieCube cube;
  int sum = 0;
  for (int i = 6; i >= 0; --i) {
    cube.twist[i] = static_cast<uint8_t>(twist % 3);
    sum += twist % 3;
    twist /= 3;
  }
  cube.twist[7] = static_cast<uint8_t>((3 - sum % 3) % 3);
  return cube;
}

CubieCube CubeWithFlip(int flip) {
  CubieCube cube;
  int sum = 0;
  for (int i = 10; i >= 0; --i) {
    cube.flip[i] = static_cast<uint8_t>(flip % 2);
    sum += flip % 2;
    flip /= 2;
  }
  cube.flip[11] = static_cast<uint8_t>(sum % 2);
  return cube;
}

CubieCube CubeWithSlice(int slice) {
  CubieCube cube;
  int middle = 8;  // the next middle-layer edge to place
  int other = 0;   // the next edge of the U and D layers
  int left = 4;
  for (int j = 0; j < 12; ++j) {
    if (left > 0 && slice - Choose(11 - j, left) >= 0) {
      slice -= Choose(11 - j, left);
      cube.edge_slot[j] = static_cast<uint8_t>(middle++);
      --left;
    } else {
      cube.edge_slot[j] = static_cast<uint8_t>(other++);
    }
  }
  return cube;
}

CubieCube CubeWithCornerOrder(int order) {
  CubieCube cube;
  Unrank<8>(order, cube.corner_slot.data());
  return cube;
}

CubieCube CubeWithEdgeOrder(int order) {
  CubieCube cube;
  Unrank<8>(order, cube.edge_slot.data());
  return cube;
}

CubieCube CubeWithSliceOrder(int order) {
  CubieCube cube;
  std::array<uint8_t, 4> p;
  Unrank<4>(order, p.data());
  for (int i = 0; i < 4; ++i) cube.edge_slot[8 + i] = static_cast<uint8_t>(8 + p[i]);
  return cube;
}

}  // namespace rq51::shortest
