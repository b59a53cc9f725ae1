#include "cube/random_cube.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"

namespace rq51 {

namespace {

constexpr uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

uint64_t SplitMix(uint64_t x) {
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

constexpr uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

Colour SolvedColour(int facelet) { return HomeFaceColour(FaceOf(facelet)); }

// The facelets of every corner slot in one sense of rotation (right-handed
// by their faces' normals), starting on the top or bottom one; of every edge
// slot, the one on the top-bottom axis first, else the one on the front-back
// axis. A corner twisted by t shows the sticker of its ring position i at the
// slot's ring position i + t; the twists of a real cube sum to 0 mod 3 and
// its flips are even.
struct Rings {
  std::array<std::array<int, 3>, 8> corners;
  std::array<std::array<int, 2>, 12> edges;
};

const Rings& SlotRings() {
  static const Rings kRings = [] {
    Rings rings;
    for (size_t s = 0; s < rings.corners.size(); ++s) {
      std::array<int, 3> ring = CornerSlots()[s].facelets;
      if (Handedness(FaceOf(ring[0]), FaceOf(ring[1]), FaceOf(ring[2])) < 0) {
        std::swap(ring[1], ring[2]);
      }
      while (FaceAxis(FaceOf(ring[0])) != 0)
        std::rotate(ring.begin(), ring.begin() + 1, ring.end());
      rings.corners[s] = ring;
    }
    for (size_t s = 0; s < rings.edges.size(); ++s) {
      std::array<int, 2> ring = EdgeSlots()[s].facelets;
      if (FaceAxis(FaceOf(ring[1])) < FaceAxis(FaceOf(ring[0]))) std::swap(ring[0], ring[1]);
      rings.edges[s] = ring;
    }
    return rings;
  }();
  return kRings;
}

// A uniform permutation of 0 .. N-1 (Fisher-Yates); `odd` says whether it is
// odd.
template <size_t N>
std::array<int, N> RandomPermutation(CubeRandom& random, bool& odd) {
  std::array<int, N> perm;
  for (size_t i = 0; i < N; ++i) perm[i] = static_cast<int>(i);
  odd = false;
  for (size_t i = N - 1; i > 0; --i) {
    const size_t j = random.Below(static_cast<uint32_t>(i + 1));
    if (j != i) {
      std::swap(perm[i], perm[j]);
      odd = !odd;
    }
  }
  return perm;
}

// The 24 turns of the whole cube: every product of quarter turns about the
// x and y axes (each the three layers of its axis turned together).
const std::vector<FaceletMap>& WholeCubeTurns() {
  static const std::vector<FaceletMap> kTurns = [] {
    const FaceletMap x = MapOfMoves({{BaseTurn::kRx, 1}, {BaseTurn::kMx, 1}, {BaseTurn::kLx, 1}});
    const FaceletMap y = MapOfMoves({{BaseTurn::kRy, 1}, {BaseTurn::kMy, 1}, {BaseTurn::kLy, 1}});
    std::vector<FaceletMap> turns = {FaceletMap::Identity()};
    for (size_t n = 0; n < turns.size(); ++n) {
      for (const FaceletMap& generator : {x, y}) {
        const FaceletMap next = Compose(turns[n], generator);
        if (std::find(turns.begin(), turns.end(), next) == turns.end()) turns.push_back(next);
      }
    }
    return turns;
  }();
  return kTurns;
}

}  // namespace

CubeRandom::CubeRandom(uint64_t seed, uint64_t index) {
  // Words 4 * index .. 4 * index + 3 of the splitmix64 sequence of `seed`:
  // different cubes never share a starting state.
  const uint64_t base = SplitMix(seed) + 4 * index * kGolden;
  for (uint64_t k = 0; k < state_.size(); ++k) state_[k] = SplitMix(base + (k + 1) * kGolden);
}

uint64_t CubeRandom::Next() {
  const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

uint32_t CubeRandom::Below(uint32_t bound) {
  // The high half of a 32 x 32 bit product, redrawn in the few cases that
  // would favour some results.
  uint64_t product = (Next() >> 32) * bound;
  if (static_cast<uint32_t>(product) < bound) {
    const uint32_t threshold = static_cast<uint32_t>(-bound) % bound;
    while (static_cast<uint32_t>(product) < threshold) product = (Next() >> 32) * bound;
  }
  return static_cast<uint32_t>(product >> 32);
}

StickerColours RandomRealCube(CubeRandom& random) {
  const Rings& rings = SlotRings();
  bool corners_odd = false;
  bool edges_odd = false;
  const std::array<int, 8> corner_perm = RandomPermutation<8>(random, corners_odd);
  std::array<int, 12> edge_perm = RandomPermutation<12>(random, edges_odd);
  // Corners and edges are both odd or both even.
  if (corners_odd != edges_odd) std::swap(edge_perm[0], edge_perm[1]);

  StickerColours colours{};
  for (int centre : kCentres) colours[centre] = SolvedColour(centre);
  int twist_sum = 0;
  for (size_t s = 0; s < corner_perm.size(); ++s) {
    const int twist =
        s + 1 < corner_perm.size() ? static_cast<int>(random.Below(3)) : (3 - twist_sum % 3) % 3;
    twist_sum += twist;
    const std::array<int, 3>& cubie = rings.corners[corner_perm[s]];
    for (int i = 0; i < 3; ++i) {
      colours[rings.corners[s][(i + twist) % 3]] = SolvedColour(cubie[i]);
    }
  }
  int flips = 0;
  for (size_t s = 0; s < edge_perm.size(); ++s) {
    const int flip = s + 1 < edge_perm.size() ? static_cast<int>(random.Below(2)) : flips % 2;
    flips += flip;
    const std::array<int, 2>& cubie = rings.edges[edge_perm[s]];
    for (int i = 0; i < 2; ++i) colours[rings.edges[s][(i + flip) % 2]] = SolvedColour(cubie[i]);
  }
  return colours;
}

StickerColours HeldOnReferenceCorner(const StickerColours& centres_home) {
  for (const FaceletMap& turn : WholeCubeTurns()) {
    bool home = true;
    for (int facelet : kReferenceCorner) {
      home = home && centres_home[turn(facelet)] == SolvedColour(facelet);
    }
    if (home) return ApplyToState(turn, centres_home);
  }
  // Not a real cube: no turn brings the corner home. Left as it is, the
  // window's check rejects it.
  return centres_home;
}

StickerColours HeldFor(const StickerColours& centres_home, FaceColourRule rule) {
  return rule == FaceColourRule::kReferenceCorner ? HeldOnReferenceCorner(centres_home)
                                                  : centres_home;
}

}  // namespace rq51
