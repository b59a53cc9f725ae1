#include "solvers/cf0/cf0_method.h"

#include <string_view>
#include <utility>

#include "solvers/cf0/cf0_rows.h"
#include "solvers/steps/slot_keys.h"

namespace rq51::cf0 {
namespace {

// Logged between the placement and the twist or flip lines of a stage run.
constexpr std::string_view kSeparator = "    @     ";

// A placement step: where does the target's first sticker lie?
Phase SlotPhase(const StepRows& step) {
  const int k = step.facelet;
  return Phase{[k](const StateTable& table) { return steps::SlotKey(table, k); },
               StageTable(step.rows),
               {},
               std::nullopt};
}

// A twist or flip step: which sticker lies at the target's first facelet?
Phase HomePhase(const StepRows& step) {
  const int position = step.facelet;
  return Phase{[position](const StateTable& table) { return table.Home(position); },
               StageTable(step.rows),
               {},
               std::nullopt};
}

// The placement steps, then the twist or flip steps, the first of which logs
// the separator whatever it finds.
std::vector<Step> PlaceThenTurn(const std::vector<StepRows>& placement,
                                const std::vector<StepRows>& turning) {
  std::vector<Step> steps;
  for (const StepRows& step : placement) steps.emplace_back(SlotPhase(step));
  for (const StepRows& step : turning) {
    Phase phase = HomePhase(step);
    if (&step == &turning.front()) phase.headings.push_back(kSeparator);
    steps.emplace_back(std::move(phase));
  }
  return steps;
}

Method Build() {
  std::vector<Step> corners = PlaceThenTurn(CornerPlacementSteps(), CornerTwistSteps());
  corners.emplace_back(HomePhase(ReferenceCornerStep()));
  return Method{
      WindowKind::kCf0,
      {
          Stage{"CC", "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換", 1, std::move(corners)},
          Stage{"EC", "③．ｴｯｼﾞｷｭｰﾌﾞの変換", 2,
                PlaceThenTurn(EdgePlacementSteps(), EdgeFlipSteps())},
          Stage{"SC",
                "④．ｾﾝﾀｰｷｭｰﾌﾞの変換",
                3,
                {Phase{steps::CentreArrangementKey, StageTable(CentreRows()), {}, std::nullopt}}},
      },
      "⑤．一括変換"};
}

}  // namespace

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::cf0
