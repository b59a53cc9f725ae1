// The rows of the middle-layer steps, one per line, in the order each step
// tests them: the key, then the log lines exactly as the list shows them.
#include "solvers/steps/middle_layer.h"

namespace rq51::steps {

// clang-format off
// Keyed by the arrangement code of the edges at 2, 8, 26, 20.
const std::vector<RowSpec>& MiddleArrangementRows() {
  static const std::vector<RowSpec> kRows = {
    {312, {"  Lx2 Mz Lx2Mz-"}},
    {231, {"  Ly2 Mz-Ly2Mz "}},
    {1320, {"  Ry2 Mz-Ry2Mz "}},
    {1203, {"  Lx2 Mz-Lx2Mz "}},
    {3021, {"  Rx2 Mz Rx2Mz-"}},
    {3102, {"  Ly2 Mz Ly2Mz-"}},
    {2013, {"  Ry2 Mz Ry2Mz-"}},
    {2130, {"  Rx2 Mz-Rx2Mz "}},
    {1032, {"  Mz Rx2Mz2Rx2Mz "}},
    {3210, {"  Mz Ry2Mz2Ry2Mz "}},
    {2301, {"  Rx2Mz Rx2Mz2Rx2Mz Rx2"}},
  };
  return kRows;
}

// Keyed by the flip code of the edges at 2, 8, 26, 20.
const std::vector<RowSpec>& MiddleFlipRows() {
  static const std::vector<RowSpec> kRows = {
    {11, {"  Ly Mx Ly Mx Ly Mx ", "  Ly2Mx-Ly Mx-Ly Mx-Ly "}},
    {101, {"  Ry Mx-Ry Mx-Ry Mx-", "  Ry2Mx Ry Mx Ry Mx Ry ", "  Rx My-Rx My-Rx My-", "  Rx2My Rx My Rx My Rx "}},
    {110, {"  Lx My Lx My Lx My ", "  Lx2My-Lx My-Lx My-Lx "}},
    {1001, {"  Rx My-Rx My-Rx My-", "  Rx2My Rx My Rx My Rx "}},
    {1010, {"  Ry Mx-Ry Mx-Ry Mx-", "  Ry2Mx Ry Mx Ry Mx Ry ", "  Lx My Lx My Lx My ", "  Lx2My-Lx My-Lx My-Lx "}},
    {1100, {"  Ry Mx-Ry Mx-Ry Mx-", "  Ry2Mx Ry Mx Ry Mx Ry "}},
    {1111, {"  Ry Mx-Ry Mx-Ry Mx-", "  Ry2Mx Ry Mx Ry Mx Ry ", "  Ly Mx Ly Mx Ly Mx ", "  Ly2Mx-Ly Mx-Ly Mx-Ly "}},
  };
  return kRows;
}

// clang-format on

}  // namespace rq51::steps
