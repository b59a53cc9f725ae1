// What the sub-commands that drive a solver window share: reading the window,
// the cube to paint into it (--cube or --scramble) and the buttons to press,
// and doing all that as a user would.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cube/colour.h"
#include "cube/facelets.h"
#include "shell/solver_window.h"

namespace rq51::cli {

struct WindowEntry {
  WindowKind kind = WindowKind::kCf0;
  // kNone leaves a cell as the window has it.
  StickerColours paint{};
  std::vector<std::string> presses;
};

class WindowEntryReader {
 public:
  // Takes args[i] and its value, moving i past them, when it is --window,
  // --cube or --scramble; false when it is none of them. A fault sets
  // `error`.
  bool Take(const std::vector<std::string>& args, size_t& i, std::string& error);
  // After every argument was read: the entry, or nullopt with `error` set.
  std::optional<WindowEntry> Finish(std::vector<std::string> presses, std::string& error) const;

 private:
  std::optional<std::string> window_;
  std::optional<std::string> cube_;
  std::optional<std::string> scramble_;
};

// Paints `paint` into the window's grids as a user does, a colour button
// and then a click on each cell; kNone leaves a cell as it is.
void PaintCube(SolverWindow& window, const StickerColours& paint);

// The window as the program makes it, the cube painted cell by cell and
// confirmed, then the buttons pressed in order. Null, with `error` naming
// the button, when the window has no button of one of the names.
std::unique_ptr<SolverWindow> OpenWindow(const WindowEntry& entry, std::string& error);

}  // namespace rq51::cli
