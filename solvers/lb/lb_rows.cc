// The LB middle layer (F2M), one row per line, in the order each step tests
// them: the key (where the target's sticker lies), then the log lines exactly
// as the list shows them. Most rows lift an edge into the upper layer and
// insert it again; their text runs over two lines.
#include "solvers/lb/lb_rows.h"

namespace rq51::lb {

// clang-format off
const std::vector<PlacementRows>& MiddleLayerRows() {
  static const std::vector<PlacementRows> kSteps = {
    // Step 1: target 2, keyed by where its sticker lies.
    {2, {
      {53, {"Rx-Rz Rx Rz Ry Rz-Ry-   2<-53", "Rz Rx-Rz Rx Rz Ry Rz-Ry-"}},
      {8, {"Lx-Rz-Lx Rz-Ry-Rz    2<- 8", "Ry2Rz-Ry-Rz-Rx-Rz Rx "}},
      {38, {"Lx-Rz-Lx Rz-Ry-Rz Ry    2<-38", "Rz Rx-Rz Rx Ry-Rx Ry Rx-"}},
      {26, {"Ly-Rz-Ly Rz-Lx Rz Lx-   2<-26", "Rz2Rx-Rz Rx Rz Ry Rz-Ry-"}},
      {44, {"Ly-Rz-Ly Rz-Lx Rz Lx-   2<-44", "Rz Ry Rz-Ry-Rx Ry-Rx-Ry "}},
      {20, {"Ly Rz Ly-Rz Rx Rz-   2<-20", "Rx2Rz Rx Rz Ry Rz-Ry-"}},
      {47, {"Rx Rz-Rx-Rz-Ly Rz Ly-   2<-47", "Rz-Rx-Rz Rx Ry-Rx Ry Rx-"}},
      {4, {"Rz-Rx-Rz Rx Ry-Rx Ry Rx-   2<- 4"}},
      {33, {"Rz2Ry Rz-Ry-Rz-Rx-Rz Rx    2<-33"}},
      {29, {"Rz Ry Rz-Ry-Rx Ry-Rx-Ry    2<-29"}},
      {49, {"Rz2Rx-Rz Rx Rz Ry Rz-Ry-   2<-49"}},
      {24, {"Rz Rx-Rz Rx Ry-Rx Ry Rx-   2<-24"}},
      {31, {"Ry Rz-Ry-Rz-Rx-Rz Rx    2<-31"}},
      {35, {"Rz-Ry Rz-Ry-Rz-Rx-Rz Rx    2<-35"}},
      {40, {"Rx-Rz Rx Rz Ry Rz-Ry-   2<-40"}},
    }},
    // Step 2: target 8.
    {8, {
      {38, {"Lx-Rz-Lx Rz-Ry-Rz Ry    8<-38", "Rz-Lx-Rz-Lx Rz-Ry-Rz Ry "}},
      {26, {"Ly-Rz-Ly Rz-Lx Rz    8<-26", "Lx2Rz-Lx Rz-Ry-Rz Ry "}},
      {44, {"Ly-Rz-Ly Rz-Lx Rz Lx-   8<-44", "Rz Ry-Rz Ry Rz Lx-Rz-Lx "}},
      {20, {"Ly Rz Ly-Rz Rx Rz-Rx-   8<-20", "Rz2Lx-Rz-Lx Rz-Ry-Rz Ry "}},
      {47, {"Rx Rz-Rx-Rz-Ly Rz Ly-   8<-47", "Rz Lx-Rz-Lx Ry Lx Ry-Lx-"}},
      {4, {"Rz Lx-Rz-Lx Ry Lx Ry-Lx-   8<- 4"}},
      {33, {"Rz2Ry-Rz Ry Rz Lx-Rz-Lx    8<-33"}},
      {29, {"Rz Ry-Rz Ry Rz Lx-Rz-Lx    8<-29"}},
      {49, {"Lx-Rz-Lx Rz-Ry-Rz Ry    8<-49"}},
      {24, {"Rz-Lx-Rz-Lx Ry Lx Ry-Lx-   8<-24"}},
      {31, {"Ry-Rz Ry Rz Lx-Rz-Lx    8<-31"}},
      {35, {"Rz-Ry-Rz Ry Lx Ry Lx-Ry-   8<-35"}},
      {40, {"Rz2Lx-Rz-Lx Rz-Ry-Rz Ry    8<-40"}},
    }},
    // Step 3: target 26.
    {26, {
      {44, {"Lx Rz Lx-Rz Ly-Rz-Ly   26<-44", "Rz Lx Rz Lx-Rz Ly-Rz-Ly "}},
      {20, {"Rx Rz-Rx-Rz-Ly Rz   26<-20", "Ly2Rz-Ly Rz-Lx Rz Lx-"}},
      {47, {"Rx Rz-Rx-Rz-Ly Rz Ly-   26<-47", "Rz Lx Rz Lx-Ly Lx-Ly-Lx"}},
      {4, {"Rz Lx Rz Lx-Ly Lx-Ly-Lx   26<- 4"}},
      {33, {"Ly-Rz-Ly Rz-Lx Rz Lx-  26<-33"}},
      {29, {"Rz-Ly-Rz-Ly Rz-Lx Rz Lx-  26<-29"}},
      {49, {"Lx Rz Lx-Rz Ly-Rz-Ly   26<-49"}},
      {24, {"Rz-Lx Rz Lx-Ly Lx-Ly-Lx   26<-24"}},
      {31, {"Rz2Ly-Rz-Ly Rz-Lx Rz Lx-  26<-31"}},
      {35, {"Rz Ly-Rz-Ly Lx-Ly Lx Ly-  26<-35"}},
      {40, {"Rz2Lx Rz Lx-Rz Ly-Rz-Ly   26<-40"}},
    }},
    // Step 4: target 20.
    {20, {
      {47, {"Rx Rz-Rx-Rz-Ly Rz Ly-   20<-47", "Rz-Rx Rz-Rx-Rz-Ly Rz Ly-"}},
      {4, {"Rz-Rx Rz-Rx-Ly-Rx-Ly Rx   20<- 4"}},
      {33, {"Ly Rz Ly-Rz Rx Rz-Rx-  20<-33"}},
      {29, {"Rz-Ly Rz Ly-Rx-Ly-Rx Ly   20<-29"}},
      {49, {"Rz2Rx Rz-Rx-Rz-Ly Rz Ly-  20<-49"}},
      {24, {"Rz Rx Rz-Rx-Ly-Rx-Ly Rx   20<-24"}},
      {31, {"Rz2Ly Rz Ly-Rz Rx Rz-Rx-  20<-31"}},
      {35, {"Rz Ly Rz Ly-Rz Rx Rz-Rx-  20<-35"}},
      {40, {"Rx Rz-Rx-Rz-Ly Rz Ly-  20<-40"}},
    }},
  };
  return kSteps;
}
// clang-format on

}  // namespace rq51::lb
