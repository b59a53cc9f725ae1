#include "solvers/tkl/tkl_method.h"

#include <utility>

#include "cube/translation.h"
#include "solvers/steps/corner_steps.h"
#include "solvers/steps/first_layer.h"
#include "solvers/steps/middle_layer.h"
#include "solvers/steps/second_face_edges.h"
#include "solvers/steps/turn_over.h"
#include "solvers/steps/upper_edges.h"

namespace rq51::tkl {
namespace {

// 1 when an odd number of cross edges show the upper colour on their side,
// which no row of the cross flip can mend.
int OddCrossFlip(const StateTable& table) {
  const int code = steps::CrossFlipCode(table);
  const int reversed = code / 1000 + code / 100 % 10 + code / 10 % 10 + code % 10;
  return reversed % 2;
}

// Turns over the edge in slot B4 together with the middle edges in slots
// B2, B20 and B26, which makes the number of reversed cross edges even and
// keeps the bottom layer, the centres and the rest of the cross; the middle
// stage turns the middle edges back later.
Phase OddCrossFlipPhase() {
  return Phase{
      OddCrossFlip, StageTable{{1, {"cross4---", "  Mz Ry-Mz Ry-Mz Ry-Mz Ry-"}}}, {}, std::nullopt};
}

// The four lifting steps, repeated while a pass lifts an edge: an upper edge
// that a lift sends down into the middle layer is lifted again.
RepeatedPass LiftingPasses() {
  RepeatedPass passes{{}, kMaxLiftingPasses};
  for (const steps::PlacementRows& step : steps::SecondFaceEdgeRows()) {
    passes.phases.push_back(PlacementPhase(
        step.target, StageTable(steps::RowsKeyedBy(step.rows, steps::kMiddleLayerEdgeFacelets))));
  }
  return passes;
}

Method Build() {
  std::vector<Step> upper = steps::PlacementSteps(steps::UpperCrossRows());
  for (Step& step : steps::PlacementSteps(steps::UpperCornerRows()))
    upper.push_back(std::move(step));
  return Method{WindowKind::kTkl,
                {
                    Stage{"Upper1", RQ51_TR_NOOP("SolverWindow", "②．上一面"), 1, std::move(upper)},
                    steps::TurnOverStage(RQ51_TR_NOOP("SolverWindow", "③．上下反転持ち替え")),
                    Stage{"Upper2",
                          RQ51_TR_NOOP("SolverWindow", "④．上一面その２"),
                          2,
                          {LiftingPasses(), OddCrossFlipPhase(), steps::CrossFlipPhase(),
                           steps::CornerArrangementPhase(), steps::CornerTwistPhase(),
                           steps::UpperEdgeArrangementPhase()}},
                    steps::MiddleStage(),
                },
                RQ51_TR_NOOP("SolverWindow", "⑥．一括変換")};
}

}  // namespace

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::tkl
