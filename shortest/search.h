// The two-phase search on the cube as pieces: a short solution in face
// turns U, U2, U', R, ... (turn numbers of cubie.h).
//
// First an exhaustive search to 5 turns gives cubes that close to solved
// their shortest solution. Otherwise phase 1 brings the cube into the group
// <U, D, R2, L2, F2, B2> and phase 2 solves it there. The search runs on the
// cube and its inverse, each held three ways (the U-D axis, the F-B axis or
// the R-L axis as the axis of phase 1), deepening phase 1 by one turn at a
// time in all six, until a solution within the bound turns up; a bound
// below 20 is approached from 20 down, one turn at a time, so that the best
// solution found is at hand when the budget runs out. Work is counted in
// nodes (positions looked at), never in time, so a result is the same on
// every machine.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "shortest/cubie.h"

namespace rq51::shortest {

// Cubes this many turns from solved or fewer get their shortest solution.
inline constexpr int kExhaustiveDepth = 5;

struct SearchLimits {
  int max_length = 20;
  // Positions visited before the search answers with the best it has.
  int64_t node_budget = 0;
  // Checked every few thousand nodes; when set, the search stops.
  const std::atomic<bool>* cancel = nullptr;
};

struct SearchResult {
  // Face turns in order; empty for a solved cube, and when nothing was
  // found.
  std::vector<int> turns;
  bool found = false;      // `turns` solve the cube
  bool bound_met = false;  // ... in at most max_length turns
  // No solution of at most max_length turns exists (known when the
  // exhaustive search covers the bound).
  bool bound_impossible = false;
  bool cancelled = false;
  int64_t nodes = 0;
};

SearchResult SearchSolution(const CubieCube& cube, const SearchLimits& limits);

}  // namespace rq51::shortest
