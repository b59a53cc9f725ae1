// The TK-C window's method: the upper face (corners, edges, centres), the
// cube turned over, the second upper face and the middle layer.
#pragma once

#include "shell/stage_frame.h"

namespace rq51::tkc {

const Method& TheMethod();

}  // namespace rq51::tkc
