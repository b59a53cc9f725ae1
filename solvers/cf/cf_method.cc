#include "solvers/cf/cf_method.h"

#include <utility>

#include "cube/translation.h"
#include "solvers/cf/cf_rows.h"
#include "solvers/steps/slot_keys.h"

namespace rq51::cf {
namespace {

// Two slot readings in one key: 100 x the slot of home `first` + the slot of
// home `second`.
KeyFunction TwoSlots(int first, int second) {
  return [first, second](const StateTable& table) {
    return 100 * steps::SlotKey(table, first) + steps::SlotKey(table, second);
  };
}

Phase Keyed(KeyFunction key, const std::vector<RowSpec>& rows) {
  return Phase{std::move(key), StageTable(rows), {}, std::nullopt};
}

std::vector<Step> CornerSteps() {
  std::vector<Step> corners;
  for (const KeyedRows& step : CornerPlacementSteps()) corners.emplace_back(steps::SlotPhase(step));
  corners.emplace_back(Keyed(TwoSlots(9, 7), LastThreeCornerRows()));
  Phase three = Keyed(ThreeCornerTwistCode, ThreeCornerTwistRows());
  three.headings.push_back(steps::kTurnSeparator);
  corners.emplace_back(std::move(three));
  corners.emplace_back(Keyed(TwoCornerTwistCode, TwoCornerTwistRows()));
  corners.emplace_back(steps::HomePhase({9, A9TwistRows()}));
  corners.emplace_back(steps::HomePhase(ReferenceCornerStep()));
  return corners;
}

std::vector<Step> EdgeSteps() {
  std::vector<Step> edges;
  for (const KeyedRows& step : EdgePlacementSteps()) edges.emplace_back(steps::SlotPhase(step));
  edges.emplace_back(Keyed(TwoSlots(4, 6), LastThreeEdgeRows()));
  for (const KeyedRows& step : EdgeFlipSteps()) {
    Phase phase = steps::HomePhase(step);
    if (&step == &EdgeFlipSteps().front()) phase.headings.push_back(steps::kTurnSeparator);
    edges.emplace_back(std::move(phase));
  }
  return edges;
}

Method Build() {
  return Method{
      WindowKind::kCf,
      {
          Stage{"CC", RQ51_TR_NOOP("SolverWindow", "②．ｺｰﾅｰ・ｷｭｰﾌﾞの変換"), 1, CornerSteps()},
          Stage{"EC", RQ51_TR_NOOP("SolverWindow", "③．ｴｯｼﾞｷｭｰﾌﾞの変換"), 2, EdgeSteps()},
          Stage{"SC",
                RQ51_TR_NOOP("SolverWindow", "④．ｾﾝﾀｰｷｭｰﾌﾞの変換"),
                3,
                {Keyed(steps::CentreArrangementKey, CentreRows())}},
      },
      RQ51_TR_NOOP("SolverWindow", "⑤．一括変換")};
}

}  // namespace

int ThreeCornerTwistCode(const StateTable& table) {
  const int a7 = table.Home(7) == 36 ? 1 : table.Home(7) == 37 ? 2 : 0;
  const int a21 = table.Home(21) == 28 ? 1 : table.Home(21) == 46 ? 2 : 0;
  const int a27 = table.Home(27) == 34 ? 1 : table.Home(27) == 43 ? 2 : 0;
  return 100 * a7 + 10 * a21 + a27;
}

int TwoCornerTwistCode(const StateTable& table) {
  const int a1 = table.Home(1) == 30 ? 1 : table.Home(1) == 52 ? 2 : 0;
  const int a3 = table.Home(3) == 10 ? 1 : table.Home(3) == 54 ? 2 : 0;
  return 10 * a1 + a3;
}

const Method& TheMethod() {
  static const Method kMethod = Build();
  return kMethod;
}

}  // namespace rq51::cf
