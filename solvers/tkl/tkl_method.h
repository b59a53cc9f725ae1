// The TK-L window's method: the upper face by its cross and then its
// corners, the cube turned over, the second face by lifting its edges,
// turning the cross over, the corner steps and an edge arrangement, and the
// middle layer.
#pragma once

#include "shell/stage_frame.h"

namespace rq51::tkl {

// Lifting passes run at most this many times in one press; no cube needs
// more than five.
inline constexpr int kMaxLiftingPasses = 6;

const Method& TheMethod();

}  // namespace rq51::tkl
