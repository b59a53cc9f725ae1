#include "solvers/steps/corner_steps.h"

namespace rq51::steps {
namespace {

int ArrangementDigit(std::string_view label) {
  if (label == "A7") return 1;
  if (label == "A21") return 2;
  if (label == "A27") return 3;
  return 0;
}

// The digit of a corner position: 1 when it holds `first`, 2 when it holds
// `second`.
int TwistDigit(const StateTable& table, int position, int first, int second) {
  const int home = table.Home(position);
  if (home == first) return 1;
  if (home == second) return 2;
  return 0;
}

}  // namespace

int CornerArrangementCode(const StateTable& table) {
  return 1000 * ArrangementDigit(table.Label(1)) + 100 * ArrangementDigit(table.Label(7)) +
         10 * ArrangementDigit(table.Label(27)) + ArrangementDigit(table.Label(21));
}

int CornerTwistCode(const StateTable& table) {
  return 1000 * TwistDigit(table, 1, 30, 52) + 100 * TwistDigit(table, 7, 36, 37) +
         10 * TwistDigit(table, 21, 28, 46) + TwistDigit(table, 27, 34, 43);
}

Phase CornerArrangementPhase() {
  return CodePhase(CornerArrangementCode, StageTable(CornerArrangementRows()),
                   {kCornersInPlace, kCornerArrangementSettled, kCornerArrangementMoved});
}

Phase CornerTwistPhase() {
  return CodePhase(CornerTwistCode, StageTable(CornerTwistRows()),
                   {kCornersUntwisted, kCornerTwistSettled, kCornerTwistMoved});
}

}  // namespace rq51::steps
