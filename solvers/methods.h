// The stage buttons each solver window gets from its method.
#pragma once

#include <vector>

#include "shell/stage_button.h"
#include "shell/window_variant.h"

namespace rq51 {

// The buttons of the method that `kind` teaches; empty for a window whose
// method is not built in yet.
std::vector<StageButton> MethodButtons(WindowKind kind);

}  // namespace rq51
