// Keys of the corners-first windows, which ask where a sticker lies by the
// label of its slot, and of their centre step.
#pragma once

#include "cube/state_table.h"

namespace rq51::steps {

// The number of the slot that now holds the sticker whose home is `k`
// ("A3" -> 3, "B24" -> 24); 0 when it lies on a centre or nowhere.
int SlotKey(const StateTable& table, int k);

// Key of the centre step: home(5) * 100 + home(x), where x is 14 when home(5)
// is 5, 14 or 23 and x is home(5) itself otherwise (32, 41 or 50). Each of
// the eleven arrangements the step solves has its own key, and every other
// value of home(5) gives a key no row has.
int CentreArrangementKey(const StateTable& table);

}  // namespace rq51::steps
