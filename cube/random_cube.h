// Cubes drawn uniformly at random among all real cubes, reproducibly from a
// seed: for figures over many solves that no short scramble would bias.
#pragma once

#include <array>
#include <cstdint>

#include "cube/arrangement_check.h"
#include "cube/state_table.h"

namespace rq51 {

// xoshiro256** seeded through splitmix64: its output is fixed by the
// algorithm alone, so a seed gives the same cubes with every compiler and
// standard library (the distributions of <random> do not promise that).
class CubeRandom {
 public:
  // The stream of cube `index` in a run seeded `seed`. Each cube has its own
  // stream, so cubes can be drawn in any order and on any thread.
  CubeRandom(uint64_t seed, uint64_t index);

  uint64_t Next();
  // Uniform in 0 .. bound - 1 for bound >= 1, without modulo bias.
  uint32_t Below(uint32_t bound);

 private:
  std::array<uint64_t, 4> state_;
};

// A random real cube held with its centres home, coloured as HomeFaceColour
// (front green, bottom red ...): every arrangement and orientation of the
// corners and edges that obeys the twist, flip and parity rules is equally
// likely.
StickerColours RandomRealCube(CubeRandom& random);

// The same physical cube turned as a whole so that the corner that belongs
// at A18 is there, oriented (red at 18, blue at 25, white at 45), as the
// corners-first windows hold it. Each cube has exactly one such hold, so a
// uniform cube held on its centres stays uniform held on the corner.
StickerColours HeldOnReferenceCorner(const StickerColours& centres_home);

// The cube as a window that reads its faces by `rule` expects it held.
StickerColours HeldFor(const StickerColours& centres_home, FaceColourRule rule);

}  // namespace rq51
