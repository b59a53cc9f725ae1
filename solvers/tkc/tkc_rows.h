// The TK-C window's own placement rows, one per line, in the order each step
// tests them. The turns are read from the log lines.
#pragma once

#include <vector>

#include "solvers/steps/placement.h"

namespace rq51::tkc {

using steps::PlacementRows;

// The upper face: corners 1, 7, 21, 27, edges 24, 35, 29, 4, then the
// centres 32 and 5.
const std::vector<PlacementRows>& UpperFaceRows();

}  // namespace rq51::tkc
