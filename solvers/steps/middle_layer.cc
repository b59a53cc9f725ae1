#include "solvers/steps/middle_layer.h"

#include "cube/translation.h"

namespace rq51::steps {
namespace {

int MiddleDigit(int home) {
  if (home == 8 || home == 38) return 1;
  if (home == 26 || home == 44) return 2;
  if (home == 20 || home == 47) return 3;
  return 0;
}

}  // namespace

int MiddleArrangementCode(const StateTable& table) {
  return 1000 * MiddleDigit(table.Home(2)) + 100 * MiddleDigit(table.Home(8)) +
         10 * MiddleDigit(table.Home(26)) + MiddleDigit(table.Home(20));
}

int MiddleFlipCode(const StateTable& table) {
  return (table.Home(2) == 53 ? 1000 : 0) + (table.Home(8) == 38 ? 100 : 0) +
         (table.Home(26) == 44 ? 10 : 0) + (table.Home(20) == 47 ? 1 : 0);
}

Stage MiddleStage() {
  return Stage{"Middle",
               RQ51_TR_NOOP("SolverWindow", "⑤．中段"),
               3,
               {CodePhase(MiddleArrangementCode, StageTable(MiddleArrangementRows()),
                          {kMiddleInPlace, kMiddleArrangementSettled, kMiddleArrangementMoved}),
                CodePhase(MiddleFlipCode, StageTable(MiddleFlipRows()),
                          {kMiddleUnflipped, kMiddleFlipSettled, kMiddleFlipMoved})}};
}

}  // namespace rq51::steps
