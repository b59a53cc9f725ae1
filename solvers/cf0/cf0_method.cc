#include "solvers/cf0/cf0_method.h"

#include <string_view>
#include <utility>

#include "cube/translation.h"
#include "solvers/cf0/cf0_rows.h"
#include "solvers/steps/slot_keys.h"

namespace rq51::cf0 {
namespace {

// The placement steps, then the twist or flip steps, the first of which logs
// the separator whatever it finds.
std::vector<Step> PlaceThenTurn(const std::vector<StepRows>& placement,
                                const std::vector<StepRows>& turning) {
  std::vector<Step> phases;
  for (const StepRows& step : placement) phases.emplace_back(steps::SlotPhase(step));
  for (const StepRows& step : turning) {
    Phase phase = steps::HomePhase(step);
    if (&step == &turning.front()) phase.headings.push_back(steps::kTurnSeparator);
    phases.emplace_back(std::move(phase));
  }
  return phases;
}

Method Build() {
  std::vector<Step> corners = PlaceThenTurn(CornerPlacementSteps(), CornerTwistSteps());
  corners.emplace_back(steps::HomePhase(ReferenceCornerStep()));
  return Method{
      WindowKind::kCf0,
      {
          Stage{"CC", RQ51_TR_NOOP("SolverWindow", "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換"), 1, std::move(corners)},
          Stage{"EC", RQ51_TR_NOOP("SolverWindow", "③．ｴｯｼﾞｷｭｰﾌﾞの変換"), 2,
                PlaceThenTurn(EdgePlacementSteps(), EdgeFlipSteps())},
          Stage{"SC",
                RQ51_TR_NOOP("SolverWindow", "④．ｾﾝﾀｰｷｭｰﾌﾞの変換"),
                3,
                {Phase{steps::CentreArrangementKey, StageTable(CentreRows()), {}, std::nullopt}}},
      },
      RQ51_TR_NOOP("SolverWindow", "⑤．一括変換")};
}

}  // namespace

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::cf0
