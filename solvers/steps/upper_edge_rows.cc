// The steps on the upper edges of a face that is being finished: turning the
// cross edges so that they show the upper colour on top, and exchanging them
// into their own slots. The LB window runs them in its last layer, the TK-L
// window in its second face; both read the same rows.
#include "solvers/steps/upper_edges.h"

namespace rq51::steps {

// clang-format off
// Keyed by the cross flip code of the edges at 4, 24, 49, 40.
const std::vector<RowSpec>& CrossFlipRows() {
  static const std::vector<RowSpec> kRows = {
    {1111, {"cross4･24･49･40", "  Ry Rz Lx-Rz-Lx Ry-", "  Rx-Ly Rz-Ly-Rz Rx "}},
    {11, {"cross--49･40", "  Rx-Ly Rz-Ly-Rz Rx "}},
    {101, {"cross-24-40", "  Ly Rz-Lx Rz Lx-Ly-"}},
    {1010, {"cross4-49-", "  Ry-Rz-Rx-Rz Rx Ry "}},
    {1100, {"cross4･24--", "  Ly Lx Rz-Lx-Rz Ly-"}},
    {110, {"cross-24･49-", "  Ly-Rz Rx Rz-Rx-Ly "}},
    {1001, {"cross4--40", "  Ry Rz Lx-Rz-Lx Ry-"}},
  };
  return kRows;
}

// Keyed by the arrangement code of the edges at 4, 24, 49, 40: every other
// arrangement of the four cross edges, the odd ones too.
const std::vector<RowSpec>& UpperEdgeArrangementRows() {
  static const std::vector<RowSpec> kRows = {
    {1032, {"  Mx2Rz Mx2Rz2Mx2Rz Mx2"}},
    {2301, {"  Rx2Rz My Rz2My-Rz Rx2", "  Lx2Rz-My-Rz2My Rz-Lx2"}},
    {3210, {"  Lx2Rz-My-Rz2My Rz-Lx2", "  Rx2Rz My Rz2My-Rz Rx2"}},
    {231, {"  Ly2Rz-Mx Rz2Mx-Rz-Ly2"}},
    {312, {"  Ly2Rz Mx Rz2Mx-Rz Ly2"}},
    {1203, {"  Rx2Rz-My Rz2My-Rz-Rx2"}},
    {1320, {"  Lx2Rz My-Rz2My Rz Lx2"}},
    {2013, {"  Rx2Rz My Rz2My-Rz Rx2"}},
    {2130, {"  Ry2Rz Mx-Rz2Mx Rz Ry2"}},
    {3021, {"  Lx2Rz-My-Rz2My Rz-Lx2"}},
    {3102, {"  Ry2Rz-Mx-Rz2Mx Rz-Ry2"}},
    {132, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-"}},
    {213, {"  Ly2Rz Mx Rz2Mx-Rz Ly2", "  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-"}},
    {321, {"  Ly2Rz-Mx Rz2Mx-Rz-Ly2", "  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-"}},
    {1023, {"  Rz-Rx My-Rx2My Rx Rz ", "  Rx Rz My Rz2My-Rz Rx-"}},
    {2103, {"  Ry2Rz-Mx-Rz2Mx Rz-Ry2", "  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-"}},
    {3120, {"  Ry2Rz Mx-Rz2Mx Rz Ry2", "  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-"}},
    {1230, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Rx2Rz-My Rz2My-Rz-Rx2"}},
    {1302, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Lx2Rz My-Rz2My Rz Lx2"}},
    {2031, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Rx2Rz My Rz2My-Rz Rx2"}},
    {2310, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Rx2Rz My Rz2My-Rz Rx2", "  Lx2Rz-My-Rz2My Rz-Lx2"}},
    {3012, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Lx2Rz-My-Rz2My Rz-Lx2"}},
    {3201, {"  Rz-Ry Mx Ry2Mx-Ry Rz ", "  Ry Rz Mx-Rz2Mx Rz Ry-", "  Lx2Rz-My-Rz2My Rz-Lx2", "  Rx2Rz My Rz2My-Rz Rx2"}},
  };
  return kRows;
}
// clang-format on

}  // namespace rq51::steps
