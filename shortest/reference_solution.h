// A near-shortest solution of an entered cube, as a yardstick beside the
// methods' solutions: face turns found by the two-phase search, for the
// cube as a window holds it. Plain C++ without Qt; a window calls it from a
// background thread and cancels it through the flag when the entry changes.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "cube/arrangement_check.h"
#include "cube/moves.h"
#include "cube/state_table.h"

namespace rq51::shortest {

// Work that takes about two seconds on the machine the goals were measured
// on: the search then answers with the best it has. A count of nodes, not a
// time, so that every machine gives the same answer.
inline constexpr int64_t kDefaultNodeBudget = 40'000'000;
inline constexpr int kDefaultMaxLength = 20;

struct ReferenceLimits {
  // Face turns; a cube held by the reference corner gets its whole-cube
  // turns on top, counted in the length.
  int max_length = kDefaultMaxLength;
  int64_t node_budget = kDefaultNodeBudget;
  const std::atomic<bool>* cancel = nullptr;
};

// One turn in standard notation: a face U D F B L R, or the whole cube
// x y z (as R, U and F); `power` 1, 2 or 3 quarter turns clockwise (3 is the
// turn back, "U'").
struct ReferenceTurn {
  char name = 'U';
  int power = 1;
  bool operator==(const ReferenceTurn&) const = default;
};

enum class ReferenceOutcome {
  kFound,       // a solution of at most max_length turns
  kLonger,      // the budget ran out: `turns` is the best found, longer than asked
  kNotFound,    // the budget ran out before any solution was found
  kImpossible,  // no solution that short exists; `turns` is a longer one
  kCancelled,   // the flag was set; `turns` is the best found by then, maybe none
  kRefused,     // the entry check refused the colours; `fault` says why
};

struct ReferenceSolution {
  ReferenceOutcome outcome = ReferenceOutcome::kRefused;
  ArrangementDiagnosis fault;
  // Face turns, then for a cube held by the reference corner at most one
  // whole-cube turn per axis (x, y, z in this order) that brings it back to
  // how the window holds it. Each counts one turn.
  std::vector<ReferenceTurn> turns;
  int64_t nodes = 0;

  int length() const { return static_cast<int>(turns.size()); }
  bool found() const { return outcome == ReferenceOutcome::kFound; }
};

// Checks the colours (index 1..54) as a window reading its faces by `hold`
// checks them and, for a real cube, searches a solution: face turns that
// leave each face in the colour of its centre, and for kReferenceCorner then
// the whole-cube turns that bring the corner at 18, 25, 45 home, so that
// the window's cube is solved.
ReferenceSolution FindReferenceSolution(const StickerColours& colours, FaceColourRule hold,
                                        const ReferenceLimits& limits = {});

// "Rz- Rx2 Ry Rx-Mx-Lx-": each turn in the program's log notation (a
// whole-cube turn as its three layers), separated by single blanks.
std::string ProgramText(const std::vector<ReferenceTurn>& turns);
// "U R2 F' x": standard notation, separated by single blanks.
std::string StandardText(const std::vector<ReferenceTurn>& turns);
// The program's moves that perform the turns, in order.
std::vector<Move> ProgramMoves(const std::vector<ReferenceTurn>& turns);

}  // namespace rq51::shortest
