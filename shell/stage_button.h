// A button that a solving method adds to its window.
#pragma once

#include <functional>
#include <string>

namespace rq51 {

class SolverWindow;

// Its control name, its caption, what a click runs and the list box its
// lines go to (0 for a button that logs to several lists or to none).
struct StageButton {
  std::string name;
  std::string caption;
  std::function<void(SolverWindow&)> on_click;
  int list_box = 0;
};

}  // namespace rq51
