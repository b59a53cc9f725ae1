// The step tables of the CF-0 method, row for row, in the order the steps
// run. A row's turns are read from its log lines.
#pragma once

#include <vector>

#include "shell/stage_frame.h"

namespace rq51 {

// One step as its table gives it.
struct Cf0StepRows {
  // Placement steps: the target's first facelet (the key is the slot number
  // of SlotLabelOfHome of it). Twist and flip steps: the position whose home
  // number is the key.
  int facelet;
  std::vector<RowSpec> rows;
};

const std::vector<Cf0StepRows>& Cf0CornerPlacementSteps();  // steps 1-6
const std::vector<Cf0StepRows>& Cf0CornerTwistSteps();      // steps 7-12
// Run after step 12: A18 back to its oriented state, A27 the other way.
const Cf0StepRows& Cf0ReferenceCornerStep();
const std::vector<Cf0StepRows>& Cf0EdgePlacementSteps();  // steps 1-11
const std::vector<Cf0StepRows>& Cf0EdgeFlipSteps();       // steps 12-22
// Keyed by Cf0CentreKey (cf0_method.h).
const std::vector<RowSpec>& Cf0CentreRows();

}  // namespace rq51
