// Turning the cube upside down (the re-hold of the LB, TK-C and TK-L
// windows): the faces are re-anchored on the centres as they will lie after
// a half turn of the whole cube about the x axis, every cubie is identified
// again, and the half turn Rx2 Mx2 Lx2 is applied. It logs nothing.
#pragma once

#include <string_view>

#include "shell/stage_frame.h"

namespace rq51::steps {

const ReHold& TurnOver();
// The stage button `Mochikae` with the window's caption.
Stage TurnOverStage(std::string_view caption);

}  // namespace rq51::steps
