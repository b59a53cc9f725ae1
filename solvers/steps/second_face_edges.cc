// The placement rows for the four upper edges of a cube turned over, in
// the order each step tests them: the key, then the log lines exactly as
// the list shows them.
#include "solvers/steps/second_face_edges.h"

namespace rq51::steps {

// clang-format off
const std::vector<PlacementRows>& SecondFaceEdgeRows() {
  static const std::vector<PlacementRows> kSteps = {
    // Target 4.
    {4, {
      {33, {"Rz-Rx-My-Rx2My Rx-Rz   4<-33", "Ly Mx-Ly2Mx Ly"}},
      {24, {"Rx2Ry-Mx Ry2Mx-Ry-Rx2   4<-24", "Ly Mx-Ly2Mx Ly"}},
      {31, {"My Rz My-Rz-", "My-Rx My Rx-   4<-31"}},
      {29, {"Ry Lx My Lx2My-Lx Ry-   4<-29"}},
      {49, {"My-Rz My Rz-", "My Lx My-Lx-   4<-49"}},
      {35, {"Ry-Rx My-Rx2My Rx Ry    4<-35"}},
      {40, {"Ly Mx-Ly-Mx    4<-40", "Rz Mx Rz-Mx-"}},
      {2, {"Rx2Ly Mx-Ly2Mx Ly Rx2   4<- 2"}},
      {53, {"Rz-Rx-My-Rx2My Rx-Rz    4<-53"}},
      {8, {"Rz2Ry-Mx Ry2Mx-Ry-Rz2   4<- 8"}},
      {38, {"Rz Lx-My Lx2My-Lx-Rz-   4<-38"}},
      {20, {"Ly Mx-Ly2Mx Ly    4<-20"}},
      {47, {"Rz-Rx My-Rx2My Rx Rz    4<-47"}},
      {26, {"Ly-Mx-Ly2Mx Ly-   4<-26"}},
      {44, {"Rz Lx My Lx2My-Lx Rz-   4<-44"}},
    }},
    // Target 24.
    {24, {
      {31, {"Rz-Lx My Lx2My-Lx Rz   24<-31", "Ry-Mx Ry2Mx-Ry-"}},
      {29, {"Rx Ry Mx Ry2Mx-Ry Rx-  24<-29"}},
      {49, {"Ry Mx Ry-Mx-  24<-49", "Rz Mx-Rz-Mx "}},
      {35, {"Lx Ry-Mx Ry2Mx-Ry-Lx-  24<-35"}},
      {40, {"Rz-Ry Mx Ry2Mx-Ry Rz   24<-40", "Ry-Mx Ry2Mx-Ry-"}},
      {2, {"Ry Mx Ry2Mx-Ry   24<- 2"}},
      {53, {"Rz Rx-My-Rx2My Rx-Rz-  24<-53"}},
      {8, {"Ry-Mx Ry2Mx-Ry-  24<- 8"}},
      {38, {"Rz-Lx-My Lx2My-Lx-Rz   24<-38"}},
      {20, {"Rx2Ry Mx Ry2Mx-Ry Rx2  24<-20"}},
      {47, {"Rz Rx My-Rx2My Rx Rz-  24<-47"}},
      {26, {"Lx2Ry-Mx Ry2Mx-Ry-Lx2  24<-26"}},
      {44, {"Rz-Lx My Lx2My-Lx Rz   24<-44"}},
    }},
    // Target 29.
    {29, {
      {49, {"Rz-Ly Mx-Ly2Mx Ly Rz   29<-49", "Lx My Lx2My-Lx "}},
      {35, {"Rz2Lx-My Lx2My-Lx-Rz2  29<-35", "Lx My Lx2My-Lx "}},
      {40, {"Rx Mz-Rx-Mz   29<-40", "My-Rx My Rx-"}},
      {2, {"Rz2Rx-My-Rx2My Rx-Rz2  29<- 2"}},
      {53, {"Rz Ry Mx Ry2Mx-Ry Rz-  29<-53"}},
      {8, {"Lx-My Lx2My-Lx-  29<- 8"}},
      {38, {"Rz Ry-Mx Ry2Mx-Ry-Rz-  29<-38"}},
      {20, {"Rz2Rx My-Rx2My Rx Rz2  29<-20"}},
      {47, {"Rz-Ly Mx-Ly2Mx Ly Rz   29<-47"}},
      {26, {"Lx My Lx2My-Lx   29<-26"}},
      {44, {"Rz-Ly-Mx-Ly2Mx Ly-Rz   29<-44"}},
    }},
    // Target 35.
    {35, {
      {40, {"Rz-Ry-Mx Ry2Mx-Ry-Rz   35<-40", "Rx-My-Rx2My Rx-"}},
      {2, {"Rx-My-Rx2My Rx-  35<- 2"}},
      {53, {"Rz-Ry Mx Ry2Mx-Ry Rz   35<-53"}},
      {8, {"Ry2Rx-My-Rx2My Rx-Ry2  35<- 8"}},
      {38, {"Rz-Ry-Mx Ry2Mx-Ry-Rz   35<-38"}},
      {20, {"Rx My-Rx2My Rx   35<-20"}},
      {47, {"Rz Ly Mx-Ly2Mx Ly Rz-  35<-47"}},
      {26, {"Ly2Rx My-Rx2My Rx Ly2  35<-26"}},
      {44, {"Rz Ly-Mx-Ly2Mx Ly-Rz-  35<-44"}},
    }},
  };
  return kSteps;
}
// clang-format on

}  // namespace rq51::steps
