// Placement steps: each looks for the sticker whose home is its target and
// applies the row keyed by the position where it lies, which carries it
// home.
#pragma once

#include <vector>

#include "shell/stage_frame.h"

namespace rq51::steps {

struct PlacementRows {
  int target;
  std::vector<RowSpec> rows;
};

// One placement phase per entry, in order.
std::vector<Step> PlacementSteps(const std::vector<PlacementRows>& steps);
// The rows whose keys are among `keys`, in their own order.
std::vector<RowSpec> RowsKeyedBy(const std::vector<RowSpec>& rows, const std::vector<int>& keys);

}  // namespace rq51::steps
