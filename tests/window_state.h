// Solver windows as several tests drive and compare them.
#pragma once

#include <string>
#include <vector>

#include "cube/state_table.h"
#include "shell/solver_window.h"

namespace rq51::test {

// Everything of a window's that watching or browsing must leave alone: its
// cube, its verdict and its lists.
struct WindowState {
  explicit WindowState(const SolverWindow& window)
      : table(window.table()), label4(window.label4()) {
    for (int n : window.ListBoxNumbers()) lists.push_back(window.list_box(n));
  }
  bool operator==(const WindowState&) const = default;
  StateTable table;
  std::string label4;
  std::vector<std::vector<std::string>> lists;
};

// A scrambled cube entered and solved in one run, a trial turn logged, and
// the net on the solution's second line: a window with something in every
// part.
inline void SolveScrambledInOneRun(SolverWindow& window) {
  window.scramble_text() = "R U R' U' F2 D L' B2 Rw x";
  window.ScrambleClick();
  window.ColoringClick();
  window.PressButton("CES");
  window.PressButton("Rx");
  window.BrowseStep(1);
}

}  // namespace rq51::test
