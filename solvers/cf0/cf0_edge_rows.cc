// The edge steps of the CF-0 method, row for row: placement steps 1-11 keyed
// by the slot number of the edge now holding the target's first sticker, and
// flip steps 12-22 keyed by the home number at the target's first facelet.
#include "solvers/cf0/cf0_rows.h"

namespace rq51::cf0 {

// clang-format off
const std::vector<StepRows>& EdgePlacementSteps() {
  // Each row exchanges the target with the edge in the keyed slot.
  static const std::vector<StepRows> kSteps = {
      // Step 1: B2, key: the slot now holding home 2
      {2, {
          {4, {"(Rx2MzRx2MzRx2MzRx2)  B2<->B4", "(Ry2MzRy2Mz-Ry2MzRy2)", "(Ry-MzRy- )４乗", "(Rx2MzRx2MzRx2MzRx2)"}},
          {6, {"(Rx2MzRx2MzRx2MzRx2)  B2<->B6", "(Ry2MzRy2Mz-Ry2MzRy2)", "(RyMzRy )４乗", "(Rx2MzRx2MzRx2MzRx2)"}},
          {8, {"(Ry2MzRy2MzRy2MzRy2)  B2<->B8"}},
          {11, {"(Ry2MzRy2MzRy2MzRy2)  B2<->B11", "(RxMzRx )４乗", "(Rx2MzRx2Mz-Rx2MzRx2)", "(Ry2MzRy2MzRy2MzRy2)"}},
          {15, {"(Ry2MxRy2Mx-Ry2MxRy2) B2<->B15", "(Ry-MxRy- )４乗"}},
          {17, {"(Rx-MyRx- )４乗       B2<->B17", "(Rx2MyRx2My-Rx2MyRx2)"}},
          {20, {"(Rx2MzRx2MzRx2MzRx2)  B2<->B20"}},
          {24, {"(Ry-MxRy- )４乗       B2<->B24", "(Ry2MxRy2Mx-Ry2MxRy2)"}},
          {26, {"(Ry2MzRy2MzRy2MzRy2)  B2<->B26", "(Rx2MzRx2Mz-Rx2MzRx2)", "(Ry2MzRy2MzRy2MzRy2)"}},
          {29, {"(Ry2MzRy2MzRy2MzRy2)  B2<->B29", "(Rx-MzRx- )４乗", "(Rx2MzRx2Mz-Rx2MzRx2)", "(Ry2MzRy2MzRy2MzRy2)"}},
          {35, {"(Rx2MyRx2My-Rx2MyRx2) B2<->B35", "(Rx-MyRx- )４乗"}},
      }},
      // Step 2: B4, key: the slot now holding home 4
      {4, {
          {6, {"(Ry2MxRy2MxRy2MxRy2)  B4<->B6"}},
          {8, {"(Rz2MxRz2MxRz2MxRz2)  B4<->B8", "(RyMxRy )４乗", "(Ry2MxRy2Mx-Ry2MxRy2)", "(Rz2MxRz2MxRz2MxRz2)"}},
          {11, {"(Rz-MyRz- )４乗       B4<->B11", "(Rz2MyRz2My-Rz2MyRz2)"}},
          {15, {"(Rz2MxRz2MxRz2MxRz2)  B4<->B15", "(Ry2MxRy2Mx-Ry2MxRy2)", "(Rz2MxRz2MxRz2MxRz2)"}},
          {17, {"(Rz2MyRz2My-Rz2MyRz2) B4<->B17", "(Rz-MyRz- )４乗"}},
          {20, {"(Ry2MzRy2Mz-Ry2MzRy2) B4<->B20", "(Ry-MzRy- )４乗"}},
          {24, {"(Rz2MxRz2MxRz2MxRz2)  B4<->B24"}},
          {26, {"(Ry-MzRy- )４乗       B4<->B26", "(Ry2MzRy2Mz-Ry2MzRy2)"}},
          {29, {"(Ry2MxRy2MxRy2MxRy2)  B4<->B29", "(Rz2MxRz2Mx-Rz2MxRz2)", "(Rz-MxRz- )４乗", "(Ry2MxRy2MxRy2MxRy2)"}},
          {35, {"(Ry2MxRy2MxRy2MxRy2)  B4<->B35", "(Rz2MxRz2Mx-Rz2MxRz2)", "(RzMxRz )４乗", "(Ry2MxRy2MxRy2MxRy2)"}},
      }},
      // Step 3: B6, key: the slot now holding home 6
      {6, {
          {8, {"(Rz2MxRz2Mx-Rz2MxRz2) B6<->B8", "(Ry2MxRy2Mx-Ry2MxRy2)", "(RyMxRy )４乗", "(Rz2MxRz2Mx-Rz2MxRz2)"}},
          {11, {"(Ry2MxRy2MxRy2MxRy2)  B6<->B11", "(Rz-MyRz- )４乗", "(Rz2MyRz2My-Rz2MyRz2)", "(Ry2MxRy2MxRy2MxRy2)"}},
          {15, {"(Rz2MxRz2Mx-Rz2MxRz2) B6<->B15"}},
          {17, {"(Ry2MxRy2MxRy2MxRy2)  B6<->B17", "(Rz2MyRz2My-Rz2MyRz2)", "(Rz-MyRz- )４乗", "(Ry2MxRy2MxRy2MxRy2)"}},
          {20, {"(Ry2MzRy2Mz-Ry2MzRy2) B6<->B20", "(RyMzRy )４乗"}},
          {24, {"(Ry2MxRy2MxRy2MxRy2)  B6<->B24", "(Rz2MxRz2MxRz2MxRz2)", "(Ry2MxRy2MxRy2MxRy2)"}},
          {26, {"(RyMzRy )４乗         B6<->B26", "(Ry2MzRy2Mz-Ry2MzRy2)"}},
          {29, {"(Rz2MxRz2Mx-Rz2MxRz2) B6<->B29", "(Rz-MxRz- )４乗"}},
          {35, {"(Rz2MxRz2Mx-Rz2MxRz2) B6<->B35", "(RzMxRz )４乗"}},
      }},
      // Step 4: B8, key: the slot now holding home 8
      {8, {
          {11, {"(RxMzRx )４乗         B8<->B11", "(Rx2MzRx2Mz-Rx2MzRx2)"}},
          {15, {"(Ry2MxRy2Mx-Ry2MxRy2) B8<->B15", "(RyMxRy )４乗"}},
          {17, {"(Ry2MzRy2MzRy2MzRy2)  B8<->B17", "(Rx-MyRx- )４乗", "(Rx2MyRx2My-Rx2MyRx2)", "(Ry2MzRy2MzRy2MzRy2)"}},
          {20, {"(Ry2MzRy2MzRy2MzRy2)  B8<->B20", "(Rx2MzRx2MzRx2MzRx2)", "(Ry2MzRy2MzRy2MzRy2)"}},
          {24, {"(RyMxRy )４乗         B8<->B24", "(Ry2MxRy2Mx-Ry2MxRy2)"}},
          {26, {"(Rx2MzRx2Mz-Rx2MzRx2) B8<->B26"}},
          {29, {"(Rx-MzRx- )４乗       B8<->B29", "(Rx2MzRx2Mz-Rx2MzRx2)"}},
          {35, {"(Ry2MzRy2MzRy2MzRy2)  B8<->B35", "(Rx2MyRx2My-Rx2MyRx2)", "(Rx-MyRx- )４乗", "(Ry2MzRy2MzRy2MzRy2)"}},
      }},
      // Step 5: B11, key: the slot now holding home 11
      {11, {
          {15, {"(Rx2MyRx2MyRx2MyRx2)  B11<->B15", "(Rz-MxRz- )４乗", "(Rz2MxRz2Mx-Rz2MxRz2)", "(Rx2MyRx2MyRx2MyRx2)"}},
          {17, {"(Rz2MyRz2My-Rz2MyRz2) B11<->B17"}},
          {20, {"(Rz2MyRz2My-Rz2MyRz2) B11<->B20", "(RxMyRx )４乗", "(Rx2MyRx2My-Rx2MyRx2)", "(Rz2MyRz2My-Rz2MyRz2)"}},
          {24, {"(RzMyRz )４乗         B11<->B24", "(Rz2MyRz2My-Rz2MyRz2)"}},
          {26, {"(Rx2MzRx2Mz-Rx2MzRx2) B11<->B26", "(RxMzRx )４乗"}},
          {29, {"(Rx2MyRx2MyRx2MyRx2)  B11<->B29"}},
          {35, {"(Rz2MyRz2My-Rz2MyRz2) B11<->B35", "(Rx2MyRx2My-Rx2MyRx2)", "(Rz2MyRz2My-Rz2MyRz2)"}},
      }},
      // Step 6: B15, key: the slot now holding home 15
      {15, {
          {17, {"(Ry2MxRy2Mx-Ry2MxRy2) B15<->B17", "(Rz2MyRz2My-Rz2MyRz2)", "(RzMyRz )４乗", "(Ry2MxRy2Mx-Ry2MxRy2)"}},
          {20, {"(Rz2MxRz2Mx-Rz2MxRz2) B15<->B20", "(Ry2MzRy2Mz-Ry2MzRy2)", "(RyMzRy )４乗", "(Rz2MxRz2Mx-Rz2MxRz2)"}},
          {24, {"(Ry2MxRy2Mx-Ry2MxRy2) B15<->B24"}},
          {26, {"(Rz2MxRz2Mx-Rz2MxRz2) B15<->B26", "(RyMzRy )４乗", "(Ry2MzRy2Mz-Ry2MzRy2)", "(Rz2MxRz2Mx-Rz2MxRz2)"}},
          {29, {"(Rz-MxRz- )４乗       B15<->B29", "(Rz2MxRz2Mx-Rz2MxRz2)"}},
          {35, {"(RzMxRz )４乗         B15<->B35", "(Rz2MxRz2Mx-Rz2MxRz2)"}},
      }},
      // Step 7: B17, key: the slot now holding home 17
      {17, {
          {20, {"(RxMyRx )４乗         B17<->B20", "(Rx2MyRx2My-Rx2MyRx2)"}},
          {24, {"(Rz2MyRz2My-Rz2MyRz2) B17<->B24", "(RzMyRz )４乗"}},
          {26, {"(Rz2MyRz2My-Rz2MyRz2) B17<->B26", "(Rx2MzRx2Mz-Rx2MzRx2)", "(RxMzRx )４乗", "(Rz2MyRz2My-Rz2MyRz2)"}},
          {29, {"(Rz2MyRz2My-Rz2MyRz2) B17<->B29", "(Rx2MyRx2MyRx2MyRx2)", "(Rz2MyRz2My-Rz2MyRz2)"}},
          {35, {"(Rx2MyRx2My-Rx2MyRx2) B17<->B35"}},
      }},
      // Step 8: B20, key: the slot now holding home 20
      {20, {
          {24, {"(Rx2MzRx2MzRx2MzRx2)  B20<->B24", "(Ry-MxRy- )４乗", "(Ry2MxRy2Mx-Ry2MxRy2)", "(Rx2MzRx2MzRx2MzRx2)"}},
          {26, {"(Ry2MzRy2Mz-Ry2MzRy2) B20<->B26"}},
          {29, {"(Ry2MzRy2Mz-Ry2MzRy2) B20<->B29", "(Rx2MzRx2Mz-Rx2MzRx2)", "(Rx-MzRx- )４乗", "(Ry2MzRy2Mz-Ry2MzRy2)"}},
          {35, {"(Rx2MyRx2My-Rx2MyRx2) B20<->B35", "(RxMyRx )４乗"}},
      }},
      // Step 9: B24, key: the slot now holding home 24
      {24, {
          {26, {"(Rz2MxRz2MxRz2MxRz2)  B24<->B26", "(Ry-MzRy- )４乗", "(Ry2MzRy2Mz-Ry2MzRy2)", "(Rz2MxRz2MxRz2MxRz2)"}},
          {29, {"(Ry2MxRy2Mx-Ry2MxRy2) B24<->B29", "(Rz-MxRz- )４乗", "(Rz2MxRz2Mx-Rz2MxRz2)", "(Ry2MxRy2Mx-Ry2MxRy2)"}},
          {35, {"(Ry2MxRy2Mx-Ry2MxRy2) B24<->B35", "(RzMxRz )４乗", "(Rz2MxRz2Mx-Rz2MxRz2)", "(Ry2MxRy2Mx-Ry2MxRy2)"}},
      }},
      // Step 10: B26, key: the slot now holding home 26
      {26, {
          {29, {"(Rx2MzRx2Mz-Rx2MzRx2) B26<->B29", "(Rx-MzRx- )４乗"}},
          {35, {"(Ry2MzRy2Mz-Ry2MzRy2) B26<->B35", "(Rx2MyRx2My-Rx2MyRx2)", "(RxMyRx )４乗", "(Ry2MzRy2Mz-Ry2MzRy2)"}},
      }},
      // Step 11: B29, key: the slot now holding home 29
      {29, {
          {35, {"(Rz2MyRz2MyRz2MyRz2)   B29<->B35"}},
      }},
  };
  return kSteps;
}

const std::vector<StepRows>& EdgeFlipSteps() {
  // Each row turns the target over, with the edges its macro names.
  static const std::vector<StepRows> kSteps = {
      // Step 12: B15 turned over, key: the home number at 15
      {15, {
          {22, {"(Ry-Mx)４乗    B15@"}},
      }},
      // Step 13: B17 turned over, key: the home number at 17
      {17, {
          {42, {"(RxMy)４乗    B17@"}},
      }},
      // Step 14: B26 turned over, key: the home number at 26
      {26, {
          {44, {"(RyMz)４乗    B26@"}},
      }},
      // Step 15: B20 turned over, key: the home number at 20
      {20, {
          {47, {"(RxMy-)４乗    B20@", "(Rx-My-)４乗"}},
      }},
      // Step 16: B24 turned over, key: the home number at 24
      {24, {
          {31, {"(Rx-My)４乗    B24@", "(Rz-My-)４乗"}},
      }},
      // Step 17: B2 turned over, key: the home number at 2
      {2, {
          {53, {"(Rx-My)４乗    B2@", "(RzMy-)４乗"}},
      }},
      // Step 18: B4 turned over, key: the home number at 4
      {4, {
          {33, {"(RyMx)４乗    B4@", "(Ry-Mx-)４乗"}},
      }},
      // Step 19: B6 turned over, key: the home number at 6
      {6, {
          {13, {"(RyMz)４乗    B6@", "(Rx-Mz-)４乗"}},
      }},
      // Step 20: B11 turned over, key: the home number at 11
      {11, {
          {51, {"(RxMy)４乗    B11@", "(Rx-My-)４乗"}},
      }},
      // Step 21: B29 turned over, key: the home number at 29
      {29, {
          {49, {"(Ry-Mx-)４乗    B29@", "(Rz-Mx)４乗"}},
      }},
      // Step 22: B8 turned over, key: the home number at 8
      {8, {
          {38, {"(Ry-Mx-)４乗    B8@", "(RzMx)４乗"}},
      }},
  };
  return kSteps;
}
// clang-format on

}  // namespace rq51::cf0
