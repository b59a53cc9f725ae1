// The centre step of the CF-0 method: one row per arrangement of the six
// centres it brings home, keyed by Cf0CentreKey.
#include "solvers/cf0/cf0_rows.h"

namespace rq51::cf0 {

const std::vector<RowSpec>& CentreRows() {
  // clang-format off
  static const std::vector<RowSpec> kRows = {
      {532, {"Mx2MyMx2My-   C14@ & C41@"}},
      {2314, {"My2MzMy2Mz-    C5@ & C41@"}},
      {2332, {"MxMy2Mx-My2    C5@ & C14@"}},
      {1441, {"MxMyMx-My-   C5→C41→C14"}},
      {1450, {"MxMy-Mx-My   C5→C50→C14"}},
      {3241, {"Mx-My-MxMy   C5→C41→C32"}},
      {3250, {"Mx-MyMxMy-   C5→C50→C32"}},
      {4114, {"MyMxMy-Mx-   C5→C14→C41"}},
      {4132, {"My-Mx-MyMx   C5→C32→C41"}},
      {5014, {"My-MxMyMx-   C5→C14→C50"}},
      {5032, {"MyMx-My-Mx   C5→C32→C50"}},
  };
  // clang-format on
  return kRows;
}

}  // namespace rq51::cf0
