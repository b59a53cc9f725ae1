// A button that a solving method adds to its window.
#pragma once

#include <functional>
#include <string>

namespace rq51 {

class SolverWindow;

// Its control name, its caption and what a click runs.
struct StageButton {
  std::string name;
  std::string caption;
  std::function<void(SolverWindow&)> on_click;
};

}  // namespace rq51
