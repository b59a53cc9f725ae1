#include "solvers/lb/lb_method.h"

#include "cube/translation.h"
#include "solvers/lb/lb_rows.h"
#include "solvers/steps/corner_steps.h"
#include "solvers/steps/first_layer.h"
#include "solvers/steps/turn_over.h"
#include "solvers/steps/upper_edges.h"

namespace rq51::lb {
namespace {

// The arrangements of the last layer's edges that can occur once its
// corners are home: the three exchanges of two pairs and the eight cycles of
// three edges.
const std::vector<int> kEvenEdgeArrangements = {1032, 2301, 3210, 231,  312, 1203,
                                                1320, 2130, 2013, 3102, 3021};

Method Build() {
  return Method{WindowKind::kLb,
                {
                    Stage{"CROSS", RQ51_TR_NOOP("SolverWindow", "②．上CROSS"), 1,
                          steps::PlacementSteps(steps::UpperCrossRows())},
                    Stage{"F2C", RQ51_TR_NOOP("SolverWindow", "③．F2C"), 2,
                          steps::PlacementSteps(steps::UpperCornerRows())},
                    steps::TurnOverStage(RQ51_TR_NOOP("SolverWindow", "④．上下反転持ち替え")),
                    Stage{"F2M", RQ51_TR_NOOP("SolverWindow", "⑤．F2M"), 3,
                          steps::PlacementSteps(MiddleLayerRows())},
                    Stage{"OL",
                          RQ51_TR_NOOP("SolverWindow", "⑥．OL"),
                          5,
                          {steps::CrossFlipPhase(), steps::CornerArrangementPhase(),
                           steps::CornerTwistPhase()}},
                    Stage{"PL",
                          RQ51_TR_NOOP("SolverWindow", "⑦．PL"),
                          6,
                          {steps::UpperEdgeArrangementPhase(kEvenEdgeArrangements)}},
                },
                RQ51_TR_NOOP("SolverWindow", "⑧．一括変換")};
}

}  // namespace

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::lb
