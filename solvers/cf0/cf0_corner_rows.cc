// The corner steps of the CF-0 method, row for row: placement steps 1-6
// keyed by the slot number of the corner now holding the target's first
// sticker, twist steps 7-12 keyed by the home number at the target's first
// facelet, and the step that turns the reference corner back.
#include "solvers/cf0/cf0_rows.h"

namespace rq51::cf0 {

// clang-format off
const std::vector<StepRows>& CornerPlacementSteps() {
  // Each row exchanges the target with the corner in the keyed slot.
  static const std::vector<StepRows> kSteps = {
      // Step 1: A1, key: the slot now holding home 1
      {1, {
          {3, {"(RyRzRx )５乗  A1<->A3"}},
          {7, {"(RzRxRy )５乗  A1<->A7"}},
          {9, {"(RxRy-Rz)５乗  A1<->A9"}},
          {12, {"(RzRx-Ry)５乗  A1<->A12"}},
          {21, {"(RxRyRz )５乗  A1<->A21"}},
          {27, {"(RyRz-Rx)５乗  A1<->A27"}},
      }},
      // Step 2: A3, key: the slot now holding home 3
      {3, {
          {7, {"(Rx-RyLz)５乗  A3<->A7"}},
          {9, {"(Ry-RzRx)５乗  A3<->A9"}},
          {12, {"(RyRzRx-)５乗  A3<->A12"}},
          {21, {"(LzRxRy-)５乗  A3<->A21"}},
          {27, {"(RyRzRx )５乗  A3<->A27", "(RyRz-Rx)５乗", "(RyRzRx )５乗"}},
      }},
      // Step 3: A7, key: the slot now holding home 7
      {7, {
          {9, {"(RzRxRy-)５乗  A7<->A9"}},
          {12, {"(RzRxRy )５乗  A7<->A12", "(RzRx-Ry)５乗", "(RzRxRy )５乗"}},
          {21, {"(LyRzRx-)５乗  A7<->A21"}},
          {27, {"(Rz-RxRy)５乗  A7<->A27"}},
      }},
      // Step 4: A9, key: the slot now holding home 9
      {9, {
          {12, {"(RyLzLx-)５乗  A9<->A12"}},
          {21, {"(RxRy-Rz)５乗  A9<->A21", "(RxRyRz )５乗", "(RxRy-Rz)５乗"}},
          {27, {"(RzLxLy-)５乗  A9<->A27"}},
      }},
      // Step 5: A12, key: the slot now holding home 12
      {12, {
          {21, {"(Rx-RyRz)５乗 A12<->A21"}},
          {27, {"(RxLyLz-)５乗 A12<->A27"}},
      }},
      // Step 6: A21, key: the slot now holding home 21
      {21, {
          {27, {"(RxRyRz-)５乗 A21<->A27"}},
      }},
  };
  return kSteps;
}

const std::vector<StepRows>& CornerTwistSteps() {
  // Each row orients the target and turns the next corner of the chain the other way.
  static const std::vector<StepRows> kSteps = {
      // Step 7: A1, key: the home number at 1
      {1, {
          {30, {"(Rx-Ry)３乗      A1@-", "(RxRy-)３乗"}},
          {52, {"(RyRx-)３乗      A1@+", "(Ry-Rx)３乗"}},
      }},
      // Step 8: A3, key: the home number at 3
      {3, {
          {10, {"(RyRxRy-Rx-)２乗   A3@-", "(Ry-Rz-RyRz)２乗"}},
          {54, {"(Rz-Ry-RzRy)２乗   A3@+", "(RxRyRx-Ry-)２乗"}},
      }},
      // Step 9: A7, key: the home number at 7
      {7, {
          {36, {"(Rx-RzRxRz-)２乗    A7@-", "(RxRyRx-Ry-)２乗"}},
          {37, {"(RyRxRy-Rx-)２乗    A7@+", "(RzRx-Rz-Rx)２乗"}},
      }},
      // Step 10: A9, key: the home number at 9
      {9, {
          {16, {"(Rz-Ry)３乗      A9@-", "(RzRx-)３乗"}},
          {39, {"(RxRz-)３乗      A9@+", "(Ry-Rz)３乗"}},
      }},
      // Step 11: A12, key: the home number at 12
      {12, {
          {19, {"(Ry-Rx-RyRx)２乗   A12@-", "(RyRz-Ry-Rz)２乗"}},
          {48, {"(Rz-RyRzRy-)２乗   A12@+", "(Rx-Ry-RxRy)２乗"}},
      }},
      // Step 12: A21, key: the home number at 21
      {21, {
          {28, {"(Ry-RxRyRx-)２乗   A21@-", "(RyRzRy-Rz-)２乗"}},
          // Home 46: the home-28 macro undone, in the same bracket form.
          {46, {"(RzRyRz-Ry-)２乗   A21@+", "(RxRy-Rx-Ry)２乗"}},
      }},
  };
  return kSteps;
}

const StepRows& ReferenceCornerStep() {
  // The entry fixes the colours by A18, but exchange macros with an L turn
  // twist it and the chain above then leaves A27 twisted the other way. This
  // step, run after step 12, turns both back; its macros move nothing else.
  static const StepRows kStep = {18, {
      {25, {"Lx-Ly-Rx-Ly2Lx-Lz2Lx   A18@-", "Lz2Ly-LxLy2RxLy2"}},
      {45, {"Ly2Rx-Ly2Lx-LyLz2Lx-   A18@+", "Lz2LxLy2RxLyLx"}},
  }};
  return kStep;
}
// clang-format on

}  // namespace rq51::cf0
