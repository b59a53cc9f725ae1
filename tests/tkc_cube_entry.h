// The TK-C window for the TK-C tests, next to the shared cubes and entry
// helpers.
#pragma once

#include "shell/solver_window.h"
#include "solvers/tkc/tkc_method.h"
#include "tests/test_cubes.h"

namespace rq51::tkc_test {

inline SolverWindow TkcWindow() { return SolverWindow(WindowKind::kTkc, TkcButtons()); }

}  // namespace rq51::tkc_test
