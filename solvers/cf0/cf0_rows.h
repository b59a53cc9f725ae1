// The step tables of the CF-0 method, row for row, in the order the steps
// run. A row's turns are read from its log lines.
#pragma once

#include <vector>

#include "shell/stage_frame.h"
#include "solvers/steps/slot_keys.h"

namespace rq51::cf0 {

using StepRows = steps::KeyedRows;

const std::vector<StepRows>& CornerPlacementSteps();  // steps 1-6
const std::vector<StepRows>& CornerTwistSteps();      // steps 7-12
// Run after step 12: A18 back to its oriented state, A27 the other way.
const StepRows& ReferenceCornerStep();
const std::vector<StepRows>& EdgePlacementSteps();  // steps 1-11
const std::vector<StepRows>& EdgeFlipSteps();       // steps 12-22
// Keyed by steps::CentreArrangementKey.
const std::vector<RowSpec>& CentreRows();

}  // namespace rq51::cf0
