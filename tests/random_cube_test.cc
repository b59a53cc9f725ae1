#include "cube/random_cube.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/facelets.h"
#include "cube/state_table.h"
#include "tests/test_cubes.h"

namespace rq51 {
namespace {

// How often each home number turns up at one facelet over many draws.
using Frequencies = std::array<int, kFaceletCount + 1>;

// Pearson's statistic against equal frequencies of `expected_values`;
// infinite when another value turns up.
double ChiSquare(const Frequencies& seen, const std::set<int>& expected_values, int draws) {
  const double expected = static_cast<double>(draws) / expected_values.size();
  double chi = 0;
  for (int value = 1; value <= kFaceletCount; ++value) {
    if (expected_values.count(value) == 0) {
      if (seen[value] != 0) return INFINITY;
      continue;
    }
    const double diff = seen[value] - expected;
    chi += diff * diff / expected;
  }
  return chi;
}

// A bound the statistic of a fair generator exceeds with a probability far
// below one in a million, and that a generator missing or favouring a value
// exceeds at once.
double Bound(size_t values) {
  const double freedom = static_cast<double>(values) - 1;
  return freedom + 8 * std::sqrt(2 * freedom);
}

std::set<int> FaceletsOf(const std::vector<std::vector<int>>& pieces) {
  std::set<int> facelets;
  for (const auto& piece : pieces) facelets.insert(piece.begin(), piece.end());
  return facelets;
}

// The draws read by the program's own identification: at the first facelet
// of every corner and edge slot (and at every centre) the home number of the
// sticker there tells which piece sits in the slot and how it is turned.
// Also counts draws whose corners are an odd permutation.
struct Reading {
  std::array<Frequencies, kFaceletCount + 1> at_facelet{};
  int odd_corners = 0;
};

void Read(const StickerColours& colours, FaceColourRule rule, Reading& reading) {
  ASSERT_EQ(CheckRealArrangement(colours, rule), ArrangementFault::kReal);
  StateTable table;
  test::ReadColours(table, colours, rule);
  for (const CornerSlot& slot : CornerSlots())
    ++reading.at_facelet[slot.facelets[0]][table.Home(slot.facelets[0])];
  for (const EdgeSlot& slot : EdgeSlots())
    ++reading.at_facelet[slot.facelets[0]][table.Home(slot.facelets[0])];
  for (int centre : kCentres) ++reading.at_facelet[centre][table.Home(centre)];
  // Corner in slot s: the slot whose facelets hold its home.
  std::array<int, 8> perm{};
  std::array<bool, 8> seen{};
  for (size_t s = 0; s < 8; ++s) {
    const std::string_view home_slot = SlotLabelOfFacelet(table.Home(CornerSlots()[s].facelets[0]));
    for (size_t c = 0; c < 8; ++c) {
      if (CornerSlots()[c].label == home_slot) perm[s] = static_cast<int>(c);
    }
  }
  int transpositions = 0;
  for (size_t start = 0; start < 8; ++start) {
    for (size_t i = start; !seen[i]; i = perm[i]) {
      seen[i] = true;
      if (i != start) ++transpositions;
    }
  }
  reading.odd_corners += transpositions % 2;
}

// Every corner and edge of every slot in every orientation, and in the
// corners-first hold every colour at every centre, turns up equally often;
// half the cubes have their corners (and so their edges) oddly arranged;
// every draw is a real cube in its frame.
TEST(RandomCubeTest, DrawsEveryRealCubeEquallyOftenInBothHolds) {
  constexpr int kDraws = 200000;
  Reading centres_home;
  Reading corner_home;
  for (int n = 0; n < kDraws; ++n) {
    CubeRandom random(2024, n);
    const StickerColours cube = RandomRealCube(random);
    Read(cube, FaceColourRule::kCentre, centres_home);
    Read(HeldOnReferenceCorner(cube), FaceColourRule::kReferenceCorner, corner_home);
    if (HasFatalFailure()) return;
  }

  std::vector<std::vector<int>> corners;
  for (const CornerSlot& slot : CornerSlots()) {
    if (slot.label != "A18") corners.push_back({slot.facelets.begin(), slot.facelets.end()});
  }
  std::vector<std::vector<int>> edges;
  for (const EdgeSlot& slot : EdgeSlots())
    edges.push_back({slot.facelets.begin(), slot.facelets.end()});
  std::vector<std::vector<int>> with_a18 = corners;
  with_a18.push_back({18, 25, 45});

  for (const auto& [reading, corner_values, name] :
       {std::tuple{&centres_home, FaceletsOf(with_a18), "centres home"},
        std::tuple{&corner_home, FaceletsOf(corners), "A18 home"}}) {
    for (int facelet = 1; facelet <= kFaceletCount; ++facelet) {
      const Frequencies& seen = reading->at_facelet[facelet];
      if (std::accumulate(seen.begin(), seen.end(), 0) == 0) continue;  // not a first facelet
      std::set<int> values = FaceletsOf(edges);
      if (IsCentre(facelet)) {
        values = reading == &centres_home ? std::set<int>{facelet}
                                          : std::set<int>(kCentres.begin(), kCentres.end());
      } else if (facelet == 18) {
        values = reading == &centres_home ? corner_values : std::set<int>{18};
      } else if (SlotLabelOfFacelet(facelet)[0] == 'A') {
        values = corner_values;
      }
      EXPECT_LE(ChiSquare(seen, values, kDraws), Bound(values.size()))
          << name << ", facelet " << facelet;
    }
    const double half = kDraws / 2.0;
    const double parity_chi = 2 * std::pow(reading->odd_corners - half, 2) / half;
    EXPECT_LT(parity_chi, Bound(2)) << name << ": " << reading->odd_corners << " odd";
  }
}

TEST(RandomCubeTest, SeedAndIndexFixTheCube) {
  CubeRandom a(7, 3);
  CubeRandom b(7, 3);
  EXPECT_EQ(RandomRealCube(a), RandomRealCube(b));
  CubeRandom other_index(7, 4);
  CubeRandom other_seed(8, 3);
  CubeRandom c(7, 3);
  const StickerColours cube = RandomRealCube(c);
  EXPECT_NE(RandomRealCube(other_index), cube);
  EXPECT_NE(RandomRealCube(other_seed), cube);
}

// However the cube is turned as a whole, the corners-first hold is the same,
// and a cube already held so stays as it is.
TEST(RandomCubeTest, TheCornersFirstHoldDoesNotDependOnHowTheCubeIsHeld) {
  const std::vector<Move> whole_turns[] = {test::Moves("Rx Mx Lx"), test::Moves("Ry Ly My"),
                                           test::Moves("Rz Lz Mz"), test::Moves("Rx2 Mx2 Lx2")};
  for (int n = 0; n < 50; ++n) {
    CubeRandom random(99, n);
    const StickerColours cube = RandomRealCube(random);
    const StickerColours held = HeldOnReferenceCorner(cube);
    EXPECT_EQ(held[18], Colour::kRed);
    EXPECT_EQ(held[25], Colour::kBlue);
    EXPECT_EQ(held[45], Colour::kWhite);
    EXPECT_EQ(HeldOnReferenceCorner(held), held);
    for (const std::vector<Move>& turn : whole_turns) {
      EXPECT_EQ(HeldOnReferenceCorner(test::Turned(cube, turn)), held);
    }
  }
}

}  // namespace
}  // namespace rq51
