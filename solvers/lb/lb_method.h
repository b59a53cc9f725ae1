// The LB window's method, layer by layer: the upper cross, the upper corners,
// the cube turned over, the middle layer, then the last layer oriented (OL)
// and its edges exchanged into place (PL).
#pragma once

#include "shell/stage_frame.h"

namespace rq51::lb {

const Method& TheMethod();

}  // namespace rq51::lb
