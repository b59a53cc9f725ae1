#include "cli/window_entry.h"

#include <string_view>
#include <utility>

#include "app/solver_windows.h"
#include "cli/arguments.h"

namespace rq51::cli {

void PaintCube(SolverWindow& window, const StickerColours& paint) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (paint[k] == Colour::kNone) continue;
    if (window.current_colour() != paint[k]) window.PressButton(InfoOf(paint[k])->button);
    const GridCell cell = FaceletGridCell(k);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
}

bool WindowEntryReader::Take(const std::vector<std::string>& args, size_t& i, std::string& error) {
  return TakeValueOption(args, i,
                         {{"--window", &window_}, {"--cube", &cube_}, {"--scramble", &scramble_}},
                         error) != OptionRead::kNotNamed;
}

std::optional<WindowEntry> WindowEntryReader::Finish(std::vector<std::string> presses,
                                                     std::string& error) const {
  if (!window_) {
    error = "missing --window cf0|cf|lb|tkc|tkl";
    return std::nullopt;
  }
  const std::optional<WindowKind> kind = WindowKindFromShortName(*window_);
  if (!kind) {
    error = "unknown window '" + Printable(*window_) + "' (expected cf0, cf, lb, tkc or tkl)";
    return std::nullopt;
  }
  WindowEntry entry;
  entry.kind = *kind;
  entry.presses = std::move(presses);
  std::optional<StickerColours> paint = CubeFromArguments(cube_, scramble_, error);
  if (!paint) return std::nullopt;
  entry.paint = *paint;
  return entry;
}

std::unique_ptr<SolverWindow> OpenWindow(const WindowEntry& entry, std::string& error) {
  std::unique_ptr<SolverWindow> window = CreateSolverWindow(entry.kind);
  PaintCube(*window, entry.paint);
  window->PressButton("Coloring");
  for (const std::string& name : entry.presses) {
    if (!window->PressButton(name)) {
      error = "the " + std::string(VariantOf(entry.kind).short_name) + " window has no button '" +
              Printable(name) + "'";
      return nullptr;
    }
  }
  return window;
}

}  // namespace rq51::cli
