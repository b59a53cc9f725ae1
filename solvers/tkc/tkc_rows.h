// The rows of the TK-C window's tables, in the order each step tests them.
// Each row is its key and its log lines; the turns are read from the lines.
#pragma once

#include <vector>

#include "shell/stage_frame.h"

namespace rq51 {

// One placement step: the sticker whose home is `target` is looked for and
// the row keyed by the position where it lies brings it home.
struct PlacementRows {
  int target;
  std::vector<RowSpec> rows;
};

// The upper face: corners 1, 7, 21, 27, edges 24, 35, 29, 4, then the
// centres 32 and 5.
const std::vector<PlacementRows>& UpperFaceRows();
// The second upper face's edges: targets 4, 24, 29, 35.
const std::vector<PlacementRows>& SecondFaceEdgeRows();

const std::vector<RowSpec>& CornerArrangementRows();
const std::vector<RowSpec>& CornerTwistRows();
const std::vector<RowSpec>& MiddleArrangementRows();
const std::vector<RowSpec>& MiddleFlipRows();

}  // namespace rq51
