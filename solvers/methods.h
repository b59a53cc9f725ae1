// Every solving method the program teaches, one line each. The captions of
// the stages and of the one-shot button are Japanese; in another language
// they are shown through Tr("SolverWindow", caption) (cube/translation.h).
// The lines the stages log are shown through ShownLine (shell/shown_line.h).
#pragma once

#include <vector>

#include "shell/stage_frame.h"
#include "shell/window_variant.h"

namespace rq51 {

// The registered methods, in window order.
const std::vector<const Method*>& Methods();
// The method taught in the window of `kind`; null when none is registered.
const Method* MethodFor(WindowKind kind);

}  // namespace rq51
