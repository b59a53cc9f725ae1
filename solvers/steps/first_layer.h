// The first layer of the LB and TK-L windows: the four edges of the upper
// cross (targets 4, 24, 29, 35), then the four upper corners (targets 1, 7,
// 21, 27), each placed keeping the pieces before it. The rows use the outer
// layers only, so the centres never move.
#pragma once

#include <vector>

#include "solvers/steps/placement.h"

namespace rq51::steps {

const std::vector<PlacementRows>& UpperCrossRows();
const std::vector<PlacementRows>& UpperCornerRows();

}  // namespace rq51::steps
