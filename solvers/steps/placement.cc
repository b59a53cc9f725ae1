#include "solvers/steps/placement.h"

#include <algorithm>

namespace rq51::steps {

std::vector<Step> PlacementSteps(const std::vector<PlacementRows>& steps) {
  std::vector<Step> phases;
  for (const PlacementRows& step : steps) {
    phases.emplace_back(PlacementPhase(step.target, StageTable(step.rows)));
  }
  return phases;
}

std::vector<RowSpec> RowsKeyedBy(const std::vector<RowSpec>& rows, const std::vector<int>& keys) {
  std::vector<RowSpec> kept;
  for (const RowSpec& row : rows) {
    if (std::find(keys.begin(), keys.end(), row.key) != keys.end()) kept.push_back(row);
  }
  return kept;
}

}  // namespace rq51::steps
