#include "solvers/tkc/tkc_method.h"

#include <utility>

#include "cube/translation.h"
#include "solvers/steps/corner_steps.h"
#include "solvers/steps/middle_layer.h"
#include "solvers/steps/second_face_edges.h"
#include "solvers/steps/turn_over.h"
#include "solvers/tkc/tkc_rows.h"

namespace rq51::tkc {
namespace {

Method Build() {
  const std::vector<PlacementRows>& upper = UpperFaceRows();
  // The upper face ends with its two centre steps; the second face ends with
  // the same two.
  const std::vector<PlacementRows> centres(upper.end() - 2, upper.end());

  std::vector<Step> second{steps::CornerArrangementPhase(), steps::CornerTwistPhase()};
  for (Step& step : steps::PlacementSteps(steps::SecondFaceEdgeRows())) {
    second.push_back(std::move(step));
  }
  for (Step& step : steps::PlacementSteps(centres)) second.push_back(std::move(step));

  return Method{
      WindowKind::kTkc,
      {
          Stage{"Upper1", RQ51_TR_NOOP("SolverWindow", "②．上一面"), 1,
                steps::PlacementSteps(upper)},
          steps::TurnOverStage(RQ51_TR_NOOP("SolverWindow", "③．上下反転持ち替え")),
          Stage{"Upper2", RQ51_TR_NOOP("SolverWindow", "④．上一面その２"), 2, std::move(second)},
          steps::MiddleStage(),
      },
      RQ51_TR_NOOP("SolverWindow", "⑥．一括変換")};
}

}  // namespace

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::tkc
