#include "app/solver_windows.h"

#include "solvers/methods.h"

namespace rq51 {

std::unique_ptr<SolverWindow> CreateSolverWindow(WindowKind kind) {
  return std::make_unique<SolverWindow>(kind, MethodFor(kind));
}

std::optional<WindowKind> WindowKindFromShortName(std::string_view name) {
  for (WindowKind kind : AllWindowKinds()) {
    if (VariantOf(kind).short_name == name) return kind;
  }
  return std::nullopt;
}

}  // namespace rq51
