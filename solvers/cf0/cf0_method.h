// The CF-0 window's method: corners by five-fold exchange brackets and a
// twist chain, edges by three-edge cycles and two-edge exchanges, centres by
// slice commutators.
#pragma once

#include "shell/stage_frame.h"

namespace rq51::cf0 {

const Method& TheMethod();

}  // namespace rq51::cf0
