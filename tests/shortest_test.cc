#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "cube/random_cube.h"
#include "cube/standard_notation.h"
#include "shortest/cubie.h"
#include "shortest/reference_solution.h"
#include "shortest/tables.h"
#include "tests/faulty_cubes.h"
#include "tests/test_cubes.h"

namespace rq51::shortest {
namespace {

using test::Colours;

// Cubes drawn for the property test. Under AddressSanitizer each solve is
// several times slower; fewer cubes still reach every path of the search.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomCubes = 150;
#else
constexpr int kRandomCubes = 10000;
#endif

// The default budget answers within about two seconds, with a longer
// solution for about one cube in a few thousand; with ten times the work
// every cube drawn here gets one of at most 20 turns.
constexpr ReferenceLimits kEnoughWork{.node_budget = 10 * kDefaultNodeBudget};

Colours ScrambledBy(const char* standard_turns) {
  return ColoursAfterTurns(ReadTurnSequence(standard_turns).moves);
}

bool EveryFaceItsCentresColour(const Colours& colours) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (colours[k] != colours[CentreOf(FaceOf(k))]) return false;
  }
  return true;
}

// What a solution must be whatever the cube: the turns applied leave every
// face in its centre's colour, no face is turned twice in a row, and of two
// opposite faces turned one after the other only one order appears.
void ExpectSound(const Colours& cube, const ReferenceSolution& solution, const std::string& what) {
  EXPECT_TRUE(
      EveryFaceItsCentresColour(ApplyToState(MapOfMoves(ProgramMoves(solution.turns)), cube)))
      << what << ": " << StandardText(solution.turns);
  for (size_t i = 1; i < solution.turns.size(); ++i) {
    const char a = solution.turns[i - 1].name;
    const char b = solution.turns[i].name;
    EXPECT_NE(a, b) << what << ": " << StandardText(solution.turns);
    for (const char* wrong_order : {"DU", "LR", "BF"}) {
      EXPECT_FALSE(a == wrong_order[0] && b == wrong_order[1])
          << what << ": " << StandardText(solution.turns);
    }
  }
}

// 10,000 cubes drawn uniformly among all real cubes, shared among the
// machine's threads: each held by its centres gets a solution of at most 20
// face turns, sound as above; every twentieth also held by the corner at
// 18, 25, 45 as the corners-first windows hold it, where at most 20 face
// turns and at most three whole-cube turns after them leave the window's
// cube solved.
TEST(ReferenceSolutionTest, EveryRandomCubeGetsASoundSolutionOfAtMostTwentyTurns) {
  std::vector<int64_t> by_length(21);
  std::mutex mutex;
  std::atomic<int> next{0};
  const auto work = [&] {
    std::vector<int64_t> mine(21);
    for (int n = next++; n < kRandomCubes; n = next++) {
      CubeRandom random(2026, n);
      const Colours cube = RandomRealCube(random);
      const ReferenceSolution solution =
          FindReferenceSolution(cube, FaceColourRule::kCentre, kEnoughWork);
      const std::string what = "cube " + std::to_string(n);
      EXPECT_EQ(solution.outcome, ReferenceOutcome::kFound) << what;
      EXPECT_LE(solution.length(), 20) << what;
      ExpectSound(cube, solution, what);
      ++mine[std::min(solution.length(), 20)];
      if (n % 20 != 0) continue;

      const Colours held = HeldOnReferenceCorner(cube);
      const ReferenceSolution corner =
          FindReferenceSolution(held, FaceColourRule::kReferenceCorner, kEnoughWork);
      EXPECT_EQ(corner.outcome, ReferenceOutcome::kFound) << what;
      const auto whole = std::count_if(corner.turns.begin(), corner.turns.end(),
                                       [](const ReferenceTurn& turn) { return turn.name >= 'x'; });
      EXPECT_LE(corner.length() - whole, 20) << what;
      EXPECT_LE(whole, 3) << what;
      StateTable table;
      test::ReadColours(table, held, FaceColourRule::kReferenceCorner);
      table.ApplyMap(MapOfMoves(ProgramMoves(corner.turns)));
      EXPECT_TRUE(table.IsSolved()) << what << ": " << StandardText(corner.turns);
    }
    const std::lock_guard<std::mutex> lock(mutex);
    for (size_t l = 0; l < mine.size(); ++l) by_length[l] += mine[l];
  };
  std::vector<std::thread> threads;
  for (unsigned t = 0; t < std::max(1u, std::thread::hardware_concurrency()); ++t) {
    threads.emplace_back(work);
  }
  for (std::thread& thread : threads) thread.join();

  std::cout << "solution lengths of " << kRandomCubes << " random cubes:";
  for (size_t l = 0; l < by_length.size(); ++l) {
    if (by_length[l] != 0) std::cout << ' ' << l << ':' << by_length[l];
  }
  std::cout << '\n';
}

TEST(ReferenceSolutionTest, TheSuperflipTakesExactlyTwentyTurns) {
  const Colours superflip = ScrambledBy("U R2 F B R B2 R U2 L B2 R U' D' R2 F R' L B2 U2 F2");
  // The superflip looks the same from every side, so the search has one
  // view instead of six: it takes longer than the default budget allows.
  const ReferenceSolution solution =
      FindReferenceSolution(superflip, FaceColourRule::kCentre, kEnoughWork);
  ASSERT_EQ(solution.outcome, ReferenceOutcome::kFound);
  EXPECT_EQ(solution.length(), 20);
  ExpectSound(superflip, solution, "superflip");
}

TEST(ReferenceSolutionTest, CubesOneOrTwoTurnsFromSolvedGetThatMany) {
  const ReferenceSolution solved =
      FindReferenceSolution(test::SolvedColours(), FaceColourRule::kCentre);
  EXPECT_EQ(solved.outcome, ReferenceOutcome::kFound);
  EXPECT_TRUE(solved.turns.empty());

  const char* const kTurns[] = {"U", "U2", "U'", "R", "R2", "R'", "F", "F2", "F'",
                                "D", "D2", "D'", "L", "L2", "L'", "B", "B2", "B'"};
  for (const char* first : kTurns) {
    const ReferenceSolution one =
        FindReferenceSolution(ScrambledBy(first), FaceColourRule::kCentre);
    EXPECT_EQ(one.length(), 1) << first;
    ExpectSound(ScrambledBy(first), one, first);
    for (const char* second : kTurns) {
      if (first[0] == second[0]) continue;
      const std::string both = std::string(first) + " " + second;
      const Colours cube = ScrambledBy(both.c_str());
      const ReferenceSolution two = FindReferenceSolution(cube, FaceColourRule::kCentre);
      EXPECT_EQ(two.length(), 2) << both;
      ExpectSound(cube, two, both);
    }
  }
}

// The upper and lower layers solved, three middle-layer edges cycled: the
// cube is in phase 2's group from the start, yet not solved.
TEST(ReferenceSolutionTest, OnlyMiddleLayerEdgesMovedGetsARealSolution) {
  CubieCube cycled;
  cycled.edge_slot = {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 8, 11};
  const Colours cube = ColoursFromCubie(cycled, test::SolvedColours());
  const ReferenceSolution solution = FindReferenceSolution(cube, FaceColourRule::kCentre);
  ASSERT_EQ(solution.outcome, ReferenceOutcome::kFound);
  EXPECT_GT(solution.length(), 0);
  ExpectSound(cube, solution, "middle edges cycled");
}

// Held by the corner at 18, 25, 45, a cube whose centres slice turns moved
// gets face turns and then whole-cube turns (at most one per axis, in the
// order x, y, z) that bring the centres back to where the corner says they
// belong; a solved cube turned as a whole is solved as it is held.
TEST(ReferenceSolutionTest, ACornerHeldCubeEndsAsItsWindowHoldsIt) {
  for (const char* turns : {"M", "E", "S", "M2", "M E", "S' M", "R M' U", "x y"}) {
    const Colours cube = ScrambledBy(turns);
    const ReferenceSolution solution =
        FindReferenceSolution(cube, FaceColourRule::kReferenceCorner);
    ASSERT_EQ(solution.outcome, ReferenceOutcome::kFound) << turns;
    std::string whole;
    for (const ReferenceTurn& turn : solution.turns) {
      if (turn.name >= 'x') whole += turn.name;
    }
    const bool slices = std::string(turns) != "x y";
    EXPECT_EQ(whole.empty(), !slices) << turns << ": " << StandardText(solution.turns);
    EXPECT_TRUE(std::is_sorted(whole.begin(), whole.end()) &&
                std::adjacent_find(whole.begin(), whole.end()) == whole.end())
        << turns << ": " << StandardText(solution.turns);
    StateTable table;
    test::ReadColours(table, cube, FaceColourRule::kReferenceCorner);
    table.ApplyMap(MapOfMoves(ProgramMoves(solution.turns)));
    EXPECT_TRUE(table.IsSolved()) << turns << ": " << StandardText(solution.turns);
  }
  const ReferenceSolution m =
      FindReferenceSolution(ScrambledBy("M"), FaceColourRule::kReferenceCorner);
  EXPECT_EQ(StandardText(m.turns), "R' L x");
  EXPECT_EQ(ProgramText(m.turns), "Rx Lx Rx-Mx-Lx-");
}

TEST(ReferenceSolutionTest, NotationsNameTheSameTurns) {
  const std::vector<ReferenceTurn> turns = {{'U', 1}, {'R', 2}, {'F', 3}, {'D', 1},
                                            {'L', 3}, {'B', 2}, {'y', 3}};
  EXPECT_EQ(StandardText(turns), "U R2 F' D L' B2 y'");
  EXPECT_EQ(ProgramText(turns), "Rz- Rx2 Ry Lz Lx- Ly2 RzMzLz");
  EXPECT_EQ(ProgramMoves(turns), ReadTurnSequence(StandardText(turns)).moves);
}

// A cube no real cube can be is refused by the entry check, with the fault
// a window names, before any search.
TEST(ReferenceSolutionTest, ImpossibleCubesAreRefusedWithTheirFault) {
  for (const test::FaultyCube& faulty : test::FaultyCubes()) {
    for (FaceColourRule rule : test::kBothRules) {
      const ReferenceSolution solution = FindReferenceSolution(faulty.colours, rule);
      EXPECT_EQ(solution.outcome, ReferenceOutcome::kRefused) << faulty.name;
      EXPECT_EQ(solution.fault.rule, faulty.rule) << faulty.name;
      EXPECT_EQ(solution.nodes, 0) << faulty.name;
      EXPECT_TRUE(solution.turns.empty()) << faulty.name;
    }
  }
}

// Bounds: one that cannot be met is said so, with a longer solution; a
// tiny budget answers with what it has; a set flag stops the search; the
// same cube and limits give the same answer.
TEST(ReferenceSolutionTest, BoundsBudgetsAndCancellingAreAnswered) {
  const Colours four = ScrambledBy("R U F D");
  const ReferenceSolution impossible =
      FindReferenceSolution(four, FaceColourRule::kCentre, {.max_length = 3});
  EXPECT_EQ(impossible.outcome, ReferenceOutcome::kImpossible);
  EXPECT_EQ(impossible.length(), 4);

  CubeRandom random(7, 0);
  const Colours cube = RandomRealCube(random);
  const ReferenceSolution tight = FindReferenceSolution(cube, FaceColourRule::kCentre,
                                                        {.max_length = 14, .node_budget = 200'000});
  EXPECT_EQ(tight.outcome, ReferenceOutcome::kLonger);
  EXPECT_GT(tight.length(), 14);
  ExpectSound(cube, tight, "budget spent");
  EXPECT_EQ(FindReferenceSolution(cube, FaceColourRule::kCentre,
                                  {.max_length = 14, .node_budget = 200'000})
                .turns,
            tight.turns);

  const std::atomic<bool> cancel{true};
  const ReferenceSolution cancelled =
      FindReferenceSolution(cube, FaceColourRule::kCentre, {.max_length = 14, .cancel = &cancel});
  EXPECT_EQ(cancelled.outcome, ReferenceOutcome::kCancelled);
  EXPECT_LT(cancelled.nodes, 100'000);
}

// --- The tables ------------------------------------------------------------------

// Every move table agrees with the pieces: each face turn read back from
// the colours it leaves is that turn.
TEST(ShortestTablesTest, FaceTurnsReadFromColoursAreTheTurns) {
  const char* const kFaces[] = {"U", "R", "F", "D", "L", "B"};
  for (int face = 0; face < kSearchFaceCount; ++face) {
    for (int power = 1; power <= 3; ++power) {
      std::string turn = kFaces[face];
      if (power == 2) turn += '2';
      if (power == 3) turn += '\'';
      const std::optional<CubieCube> cube = CubieFromColours(ScrambledBy(turn.c_str()));
      ASSERT_TRUE(cube.has_value()) << turn;
      EXPECT_EQ(*cube, FaceTurnCube(FaceTurn(face, power))) << turn;
      EXPECT_EQ(ColoursFromCubie(*cube, test::SolvedColours()), ScrambledBy(turn.c_str()));
    }
  }
}

// Published figures (face turns): phase 1's cosets at distance 0..6 of the
// group <U, D, R2, L2, F2, B2>, and phase 2's positions at distance 0..7
// within it, by its ten turns.
TEST(ShortestTablesTest, DistanceCountsAreThePublishedOnes) {
  const Tables& t = SharedTables();
  EXPECT_EQ(t.near.CountsByDepth(), (std::vector<int64_t>{1, 4, 50, 592, 7156, 87236, 1043817}));

  struct Position {
    int corner, edge, slice;
  };
  const auto key = [](const Position& p) {
    return (static_cast<uint64_t>(p.corner) * kEdgeOrderCount + p.edge) * kSliceOrderCount +
           p.slice;
  };
  std::unordered_set<uint64_t> seen = {0};
  std::vector<Position> frontier = {{0, 0, 0}};
  std::vector<int64_t> counts = {1};
  for (int depth = 1; depth <= 7; ++depth) {
    std::vector<Position> next;
    for (const Position& p : frontier) {
      for (int k = 0; k < kPhase2TurnCount; ++k) {
        const Position q = {t.corner_order_turn[p.corner * kPhase2TurnCount + k],
                            t.edge_order_turn[p.edge * kPhase2TurnCount + k],
                            t.slice_order_turn[p.slice * kPhase2TurnCount + k]};
        if (seen.insert(key(q)).second) next.push_back(q);
      }
    }
    counts.push_back(static_cast<int64_t>(next.size()));
    frontier = std::move(next);
  }
  EXPECT_EQ(counts, (std::vector<int64_t>{1, 10, 67, 456, 3079, 19948, 123074, 736850}));
}

// A table of distances is right when only the goal is 0, no entry differs
// by more than one from an entry one turn away, and every other entry has
// such a neighbour one nearer.
template <typename A, typename B>
void ExpectExactDistances(const DistanceTable& table, int count_a, const A& turn_a, int count_b,
                          const B& turn_b, int turns, const char* name) {
  int64_t faults = 0;
  for (int a = 0; a < count_a; ++a) {
    for (int b = 0; b < count_b; ++b) {
      const int d = table.At(a, b);
      bool nearer = false;
      for (int k = 0; k < turns; ++k) {
        const int e = table.At(turn_a[a * turns + k], turn_b[b * turns + k]);
        faults += e < d - 1 || e > d + 1;
        nearer = nearer || e == d - 1;
      }
      faults += (d == 0) != (a == 0 && b == 0);
      faults += d > 0 && !nearer;
    }
  }
  EXPECT_EQ(faults, 0) << name;
}

TEST(ShortestTablesTest, EveryPairTableHoldsExactDistances) {
  const Tables& t = SharedTables();
  ExpectExactDistances(t.twist_slice, kTwistCount, t.twist_turn, kSliceCount, t.slice_turn,
                       kFaceTurnCount, "twist and slice");
  ExpectExactDistances(t.flip_slice, kFlipCount, t.flip_turn, kSliceCount, t.slice_turn,
                       kFaceTurnCount, "flip and slice");
  ExpectExactDistances(t.twist_flip, kTwistCount, t.twist_turn, kFlipCount, t.flip_turn,
                       kFaceTurnCount, "twist and flip");
  ExpectExactDistances(t.corner_slice_order, kCornerOrderCount, t.corner_order_turn,
                       kSliceOrderCount, t.slice_order_turn, kPhase2TurnCount,
                       "corner order and slice order");
  ExpectExactDistances(t.edge_slice_order, kEdgeOrderCount, t.edge_order_turn, kSliceOrderCount,
                       t.slice_order_turn, kPhase2TurnCount, "edge order and slice order");
}

// The near cosets: neighbours differ by at most one, each but the goal has
// a nearer one, and the filter of cosets within seven turns misses none of
// them nor any neighbour of the farthest.
TEST(ShortestTablesTest, NearCosetsAndTheFilterMissNothing) {
  const Tables& t = SharedTables();
  int64_t faults = 0;
  t.near.ForEach([&](uint32_t key, int d) {
    const int slice = static_cast<int>(key % kSliceCount);
    const int flip = static_cast<int>(key / kSliceCount % kFlipCount);
    const int twist = static_cast<int>(key / kSliceCount / kFlipCount);
    bool nearer = d == 0;
    faults += !t.seven.MayContain(key);
    for (int turn = 0; turn < kFaceTurnCount; ++turn) {
      const uint32_t neighbour = CosetKey(t.twist_turn[twist * kFaceTurnCount + turn],
                                          t.flip_turn[flip * kFaceTurnCount + turn],
                                          t.slice_turn[slice * kFaceTurnCount + turn]);
      const int e = t.near.Distance(neighbour);
      faults += e < d - 1 || (e > d + 1 && d < NearCosets::kNearDepth);
      faults += !t.seven.MayContain(neighbour);
      nearer = nearer || e == d - 1;
    }
    faults += !nearer;
  });
  EXPECT_EQ(faults, 0);
}

}  // namespace
}  // namespace rq51::shortest
