// The CF-0 window's method: corners by five-fold exchange brackets and a
// twist chain, edges by three-edge cycles and two-edge exchanges, centres by
// slice commutators, as stages of the stage frame.
#pragma once

#include <vector>

#include "cube/state_table.h"
#include "shell/solver_window.h"
#include "shell/stage_frame.h"

namespace rq51 {

// Key of a placement step: the number of the slot that now holds the sticker
// whose home is `k` ("A3" -> 3, "B24" -> 24); 0 when it lies on a centre or
// nowhere.
int Cf0SlotKey(const StateTable& table, int k);

// Key of the centre step: home(5) * 100 + home(x), where x is 14 when home(5)
// is 5, 14 or 23 and x is home(5) itself otherwise (32, 41 or 50). Each of
// the eleven arrangements the step solves has its own key, and every other
// value of home(5) gives a key no row has.
int Cf0CentreKey(const StateTable& table);

// CC (ListBox1), EC (ListBox2) and SC (ListBox3), in the window's order.
const std::vector<Stage>& Cf0Stages();
// CC, EC, SC and CES, which runs the three stages one after another.
std::vector<StageButton> Cf0Buttons();

}  // namespace rq51
