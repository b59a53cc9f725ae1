// The step tables of the CF window, row for row, in the order the steps run.
#pragma once

#include <vector>

#include "shell/stage_frame.h"
#include "solvers/steps/slot_keys.h"

namespace rq51::cf {

using steps::KeyedRows;

const std::vector<KeyedRows>& CornerPlacementSteps();  // steps 1-4: A27, A21, A12, A1
// Step 5: A3, A7 and A9, keyed by 100 x the slot number holding home 9 + the
// one holding home 7.
const std::vector<RowSpec>& LastThreeCornerRows();
// Step 6: A7, A21, A27 twisted, keyed by ThreeCornerTwistCode.
const std::vector<RowSpec>& ThreeCornerTwistRows();
// Step 7: A1, A3 twisted, keyed by TwoCornerTwistCode.
const std::vector<RowSpec>& TwoCornerTwistRows();
// Step 8: keyed by the home number at 9.
const std::vector<RowSpec>& A9TwistRows();
// After step 8: A18 turned back to its oriented state and A12 the other way,
// keyed by the home number at 18.
const KeyedRows& ReferenceCornerStep();
const std::vector<KeyedRows>& EdgePlacementSteps();  // steps 9-17
// Step 18: B4, B6 and B24, keyed by 100 x the slot number holding home 4 +
// the one holding home 6.
const std::vector<RowSpec>& LastThreeEdgeRows();
const std::vector<KeyedRows>& EdgeFlipSteps();  // steps 19-29
// Keyed by steps::CentreArrangementKey.
const std::vector<RowSpec>& CentreRows();

// 100 or 200 for A7 turned one way or the other (home 36 or 37 at 7), 10 or
// 20 for A21 (28 or 46 at 21), 1 or 2 for A27 (34 or 43 at 27).
int ThreeCornerTwistCode(const StateTable& table);
// 10 or 20 for A1 (30 or 52 at 1), 1 or 2 for A3 (10 or 54 at 3).
int TwoCornerTwistCode(const StateTable& table);

}  // namespace rq51::cf
