// The CF window's method: corners first with short fitting turns, macros
// for the last three corners and code-driven twist macros; then the edges
// the same way; then the centres.
#pragma once

#include "shell/stage_frame.h"

namespace rq51::cf {

const Method& TheMethod();

}  // namespace rq51::cf
