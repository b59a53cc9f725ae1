#include "solvers/tkc/tkc_method.h"

#include <utility>

#include "solvers/tkc/corner_steps.h"
#include "solvers/tkc/tkc_rows.h"
#include "solvers/tkc/tkc_texts.h"

namespace rq51 {
namespace {

std::vector<StageTable> TablesOf(const std::vector<PlacementRows>& steps) {
  std::vector<StageTable> tables;
  tables.reserve(steps.size());
  for (const PlacementRows& step : steps) tables.emplace_back(step.rows);
  return tables;
}

const std::vector<StageTable>& UpperFaceTables() {
  static const std::vector<StageTable> tables = TablesOf(UpperFaceRows());
  return tables;
}

const std::vector<StageTable>& SecondFaceEdgeTables() {
  static const std::vector<StageTable> tables = TablesOf(SecondFaceEdgeRows());
  return tables;
}

const StageTable& MiddleArrangementTable() {
  static const StageTable table(MiddleArrangementRows());
  return table;
}

const StageTable& MiddleFlipTable() {
  static const StageTable table(MiddleFlipRows());
  return table;
}

int MiddleDigit(int home) {
  if (home == 8 || home == 38) return 1;
  if (home == 26 || home == 44) return 2;
  if (home == 20 || home == 47) return 3;
  return 0;
}

// The placement steps of `count` tables from the `first` on.
std::vector<Step> PlacementSteps(const std::vector<PlacementRows>& rows,
                                 const std::vector<StageTable>& tables, size_t first,
                                 size_t count) {
  std::vector<Step> steps;
  for (size_t n = first; n < first + count; ++n) {
    steps.emplace_back(PlacementPhase(rows[n].target, tables[n]));
  }
  return steps;
}

std::vector<Stage> BuildStages() {
  const std::vector<PlacementRows>& upper = UpperFaceRows();
  const std::vector<StageTable>& upper_tables = UpperFaceTables();
  // The upper face ends with its two centre steps; the second face ends with
  // the same two.
  const size_t centre_steps = 2;
  const size_t piece_steps = upper.size() - centre_steps;

  Stage upper1{"Upper1", kUpper1Caption, 1, PlacementSteps(upper, upper_tables, 0, upper.size())};
  Stage mochikae{"Mochikae", kMochikaeCaption, 0, {TkcFlip()}};

  std::vector<Step> second{CornerArrangementPhase(), CornerTwistPhase()};
  const std::vector<PlacementRows>& edges = SecondFaceEdgeRows();
  for (Step& step : PlacementSteps(edges, SecondFaceEdgeTables(), 0, edges.size())) {
    second.push_back(std::move(step));
  }
  for (Step& step : PlacementSteps(upper, upper_tables, piece_steps, centre_steps)) {
    second.push_back(std::move(step));
  }
  Stage upper2{"Upper2", kUpper2Caption, 2, std::move(second)};

  Stage middle{
      "Middle",
      kMiddleCaption,
      3,
      {Phase{MiddleArrangementCode,
             &MiddleArrangementTable(),
             {},
             StatusLine{kMiddleInPlace, kMiddleArrangementSettled, kMiddleArrangementMoved}},
       Phase{MiddleFlipCode,
             &MiddleFlipTable(),
             {},
             StatusLine{kMiddleUnflipped, kMiddleFlipSettled, kMiddleFlipMoved}}}};
  return {upper1, mochikae, upper2, middle};
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

const ReHold& TkcFlip() {
  // Face 1 takes the colour now at 23, face 2 the one at 32, face 3 at 5,
  // face 4 at 14; left and right stay.
  static const ReHold flip{
      {23, 32, 5, 14, 41, 50},
      MapOfMoves({Move{BaseTurn::kRx, 2}, Move{BaseTurn::kMx, 2}, Move{BaseTurn::kLx, 2}})};
  return flip;
}

const std::vector<Stage>& TkcStages() {
  static const std::vector<Stage> stages = BuildStages();
  return stages;
}

const Stage& TkcMochikaeStage() { return TkcStages()[1]; }

const Stage& TkcMiddleStage() { return TkcStages()[3]; }

std::vector<StageButton> TkcButtons() { return ButtonsForStages(TkcStages(), kCesCaption); }

}  // namespace rq51
