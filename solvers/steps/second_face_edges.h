// The upper edges of the second face: after the cube is turned over, the
// four edges of the new upper face are placed one by one (targets 4, 24,
// 29, 35), keeping the bottom layer, the upper corners and the edges placed
// before. TK-C keys every facelet of the edges outside the bottom layer;
// TK-L lifts edges with the rows keyed by the middle layer only.
#pragma once

#include <vector>

#include "solvers/steps/placement.h"

namespace rq51::steps {

const std::vector<PlacementRows>& SecondFaceEdgeRows();

// The eight facelets of the middle layer's edges.
inline const std::vector<int> kMiddleLayerEdgeFacelets = {2, 53, 8, 38, 20, 47, 26, 44};

}  // namespace rq51::steps
