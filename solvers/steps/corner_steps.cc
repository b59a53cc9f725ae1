#include "solvers/tkc/corner_steps.h"

#include <string>

#include "solvers/tkc/tkc_rows.h"
#include "solvers/tkc/tkc_texts.h"

namespace rq51 {
namespace {

int ArrangementDigit(const std::string& label) {
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
  return 1000 * ArrangementDigit(table.row(1).label) + 100 * ArrangementDigit(table.row(7).label) +
         10 * ArrangementDigit(table.row(27).label) + ArrangementDigit(table.row(21).label);
}

int CornerTwistCode(const StateTable& table) {
  return 1000 * TwistDigit(table, 1, 30, 52) + 100 * TwistDigit(table, 7, 36, 37) +
         10 * TwistDigit(table, 21, 28, 46) + TwistDigit(table, 27, 34, 43);
}

const StageTable& CornerArrangementTable() {
  static const StageTable table(CornerArrangementRows());
  return table;
}

const StageTable& CornerTwistTable() {
  static const StageTable table(CornerTwistRows());
  return table;
}

Phase CornerArrangementPhase() {
  return Phase{CornerArrangementCode,
               &CornerArrangementTable(),
               {},
               StatusLine{kCornersInPlace, kCornerArrangementSettled, kCornerArrangementMoved}};
}

Phase CornerTwistPhase() {
  return Phase{CornerTwistCode,
               &CornerTwistTable(),
               {},
               StatusLine{kCornersUntwisted, kCornerTwistSettled, kCornerTwistMoved}};
}

}  // namespace rq51
