// The LB window's own rows: the four edges of the middle layer.
#pragma once

#include <vector>

#include "solvers/steps/placement.h"

namespace rq51::lb {

using steps::PlacementRows;

// Targets 2, 8, 26, 20, keeping the bottom layer and the edges before.
const std::vector<PlacementRows>& MiddleLayerRows();

}  // namespace rq51::lb
