// Solver windows as the program creates them: the shell of their kind with
// the stage buttons of their method.
#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "shell/solver_window.h"

namespace rq51 {

std::unique_ptr<SolverWindow> CreateSolverWindow(WindowKind kind);
// "cf0", "cf", "lb", "tkc", "tkl".
std::optional<WindowKind> WindowKindFromShortName(std::string_view name);

}  // namespace rq51
