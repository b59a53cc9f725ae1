#include "solvers/steps/upper_edges.h"

#include "solvers/steps/placement.h"

namespace rq51::steps {
namespace {

int EdgeDigit(int home) {
  if (home == 24) return 1;
  if (home == 49) return 2;
  if (home == 40) return 3;
  return 0;
}

}  // namespace

int CrossFlipCode(const StateTable& table) {
  const Colour upper = table.Display(32);
  return (table.Display(4) == upper ? 1000 : 0) + (table.Display(24) == upper ? 100 : 0) +
         (table.Display(49) == upper ? 10 : 0) + (table.Display(40) == upper ? 1 : 0);
}

int UpperEdgeArrangementCode(const StateTable& table) {
  return 1000 * EdgeDigit(table.Home(4)) + 100 * EdgeDigit(table.Home(24)) +
         10 * EdgeDigit(table.Home(49)) + EdgeDigit(table.Home(40));
}

Phase CrossFlipPhase() {
  return Phase{CrossFlipCode, StageTable(CrossFlipRows()), {}, std::nullopt};
}

Phase UpperEdgeArrangementPhase(const std::vector<int>& codes) {
  const std::vector<RowSpec>& all = UpperEdgeArrangementRows();
  return CodePhase(UpperEdgeArrangementCode,
                   StageTable(codes.empty() ? all : RowsKeyedBy(all, codes)),
                   {kUpperEdgesInPlace, kUpperEdgesSettled, kUpperEdgesMoved});
}

}  // namespace rq51::steps
