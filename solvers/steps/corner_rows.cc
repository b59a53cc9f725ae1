// The rows of the corner arrangement and corner twist steps, one per line,
// in the order each step tests them: the key, then the log lines exactly as
// the list shows them. The turns are read from the lines.
#include "solvers/steps/corner_steps.h"

namespace rq51::steps {

// clang-format off
// Keyed by the arrangement code of the corners at 1, 7, 27, 21.
const std::vector<RowSpec>& CornerArrangementRows() {
  static const std::vector<RowSpec> kRows = {
    {123, {"  Ry Rz-Ly Rz Ry-Rz-Ly-Rz2"}},
    {213, {"  Ly Lx Ry-Lx-Ly-Lx Ry Lx-"}},
    {231, {"  Rz", "  Rx-Ly-Rx Ry-Rx-Ly Rx Ry ", "  Rx-Ly Rx Ry-Rx-Ly-Rx Ry "}},
    {312, {"  Rz", "  Ly-Rx Ry Rx-Ly Rx Ry-Rx-"}},
    {321, {"  Lx Ry-Lx-Ly Lx Ry Lx-Ly-"}},
    {1023, {"  Lx Ry-Lx-Ly Lx Ry Lx-Ly-", "  Rx-Ly-Rx Ry-Rx-Ly Rx Ry "}},
    {1032, {"  Rz", "  Lx Ry-Lx-Ly Lx Ry Lx-Ly-"}},
    {1203, {"  Rz", "  Lx-Ly Lx Ry Lx-Ly-Lx Ry-"}},
    {1230, {"  Ry Lx-Ly Lx Ry-Lx-Ly-Lx "}},
    {1302, {"  Ry Lx-Ly-Lx Ry-Lx-Ly Lx "}},
    {1320, {"  Rz-"}},
    {2013, {"  Rz "}},
    {2031, {"  Lx-Ly Lx Ry Lx-Ly-Lx Ry-"}},
    {2103, {"  Rx Ry Rx-Ly-Rx Ry-Rx-Ly "}},
    {2130, {"  Rz", "  Ry Lx-Ly-Lx Ry-Lx-Ly Lx "}},
    {2301, {"  Rz", "  Lx-Ly-Lx Ry Lx-Ly Lx Ry-"}},
    {2310, {"  Rx-Ly-Rx Ry-Rx-Ly Rx Ry ", "  Rx-Ly Rx Ry-Rx-Ly-Rx Ry "}},
    {3012, {"  Lx-Ly-Lx Ry Lx-Ly Lx Ry-"}},
    {3021, {"  Rz", "  Ly Lx Ry-Lx-Ly-Lx Ry Lx-"}},
    {3102, {"  Rz", "  Lx Ry-Lx-Ly Lx Ry Lx-Ly-", "  Rx-Ly-Rx Ry-Rx-Ly Rx Ry "}},
    {3120, {"  Ly-Rx Ry Rx-Ly Rx Ry-Rx-"}},
    {3201, {"  Rz2"}},
    {3210, {"  Rz", "  Rx Ry Rx-Ly-Rx Ry-Rx-Ly "}},
  };
  return kRows;
}

// Keyed by the twist code of the corners at 1, 7, 21, 27.
const std::vector<RowSpec>& CornerTwistRows() {
  static const std::vector<RowSpec> kRows = {
    {22, {"  Ly Lx Ry-Lx-Ly-Lx Ry ", "  Lx2Ly-Rx Ly Lx Ly-Rx-Ly "}},
    {11, {"  Ly-Rx Ly Lx-Ly-Rx-Ly ", "  Lx2Ry-Lx-Ly Lx Ry Lx-Ly-"}},
    {202, {"  Lx-Ly-Lx Ry Lx-Ly Lx ", "  Ry2Rx-Ry Lx Ry-Rx Ry Lx-"}},
    {210, {"  Rx Lx-Ry Lx Ry-Rx-Ry Lx-Ry-", "  Ly Lx Ry Lx-Ly-Lx Ry-"}},
    {101, {"  Lx Ry-Rx-Ry Lx-Ry-Rx ", "  Ry2Lx-Ly-Lx Ry-Lx-Ly Lx "}},
    {120, {"  Ry Lx-Ly Lx Ry-Lx-Ly-", "  Ry Lx Ry-Rx Ry Lx-Ry-Lx Rx-"}},
    {2001, {"  Ry Lx Rz Lx-Rz-Ry-Rz Lx Rz-", "  Ry-Rx-Ry Lx-Ry-Rx Ry "}},
    {2020, {"  Rx-Ly Rx Ry-Rx-Ly-Rx ", "  Ry2Lx-Ry-Rx Ry Lx Ry-Rx-"}},
    {2200, {"  Ry Lx-Ly-Lx Ry-Lx-Ly ", "  Lx2Ry-Rx-Ry Lx-Ry-Rx Ry "}},
    {1002, {"  Ry-Rx-Ry Lx Ry-Rx Ry ", "  Rz Lx-Rz-Ry Rz Lx Rz-Lx-Ry-"}},
    {1010, {"  Rx Ry Lx-Ry-Rx-Ry Lx ", "  Ry2Rx-Ly Rx Ry Rx-Ly-Rx "}},
    {1100, {"  Ry-Rx-Ry Lx Ry-Rx Ry ", "  Lx2Ly-Lx Ry Lx-Ly Lx Ry-"}},
    {221, {"  Rz2Lx-Rz2Lx Rz-Lx-Rz-Lx "}},
    {112, {"  Lx-Rz Lx Rz Lx-Rz2Lx Rz2"}},
    {2012, {"  Ly-Rz Ly Rz Ly-Rz2Ly Rz2"}},
    {2102, {"  Ry Rz Ry-Rz Ry Rz2Ry-Rz2"}},
    {2110, {"  Rx Rz Rx-Rz Rx Rz2Rx-Rz2"}},
    {1021, {"  Rx-Rz-Rx Rz-Rx-Rz2Rx Rz2"}},
    {1201, {"  Lx Rz-Lx-Rz-Lx Rz2Lx-Rz2"}},
    {1220, {"  Rz2Rx Rz2Rx-Rz-Rx Rz-Rx-"}},
    {2222, {"  Rx Rz Rx-Rz Rx Rz2Rx-", "  Rz2Lx-Rz Lx Rz Lx-Rz2Lx Rz2"}},
    {2211, {"  Rx-Rz-Ly Rz Ly-", "  Rx2Ry Rz Ry-Rz-Rx-"}},
    {2121, {"  Ly-Rz Rx Rz-Rx-", "  Ly2Lx Rz-Lx-Rz Ly-"}},
    {1212, {"  Ly Rz-Lx Rz Lx-", "  Ly2Rx Rz Rx-Rz-Ly "}},
    {1122, {"  Rx Rz Ry Rz-Ry-", "  Rx2Ly Rz-Ly-Rz Rx "}},
    {1111, {"  Rz2Rx Rz2Rx-Rz-Rx Rz-Rx-", "  Rz2Lx-Rz2Lx Rz-Lx-Rz-Lx "}},
  };
  return kRows;
}

// clang-format on

}  // namespace rq51::steps
