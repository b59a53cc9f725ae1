#include "cli/window_entry.h"

#include <string_view>
#include <utility>

#include "app/solver_windows.h"
#include "cli/arguments.h"
#include "cube/standard_notation.h"

namespace rq51::cli {

namespace {

// Splits UTF-8 text into characters; a byte that does not start a valid
// sequence stands alone.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> characters;
  size_t pos = 0;
  while (pos < text.size()) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    }
    if (pos + length > text.size()) length = 1;
    for (size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) {
        length = 1;
        break;
      }
    }
    characters.push_back(text.substr(pos, length));
    pos += length;
  }
  return characters;
}

void PaintCube(SolverWindow& window, const std::array<Colour, kFaceletCount + 1>& paint) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (paint[k] == Colour::kNone) continue;
    if (window.current_colour() != paint[k]) window.PressButton(InfoOf(paint[k])->button);
    const GridCell cell = FaceletGridCell(k);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
}

}  // namespace

bool WindowEntryReader::Take(const std::vector<std::string>& args, size_t& i, std::string& error) {
  const std::string& arg = args[i];
  std::optional<std::string>* option = nullptr;
  if (arg == "--window") {
    option = &window_;
  } else if (arg == "--cube") {
    option = &cube_;
  } else if (arg == "--scramble") {
    option = &scramble_;
  } else {
    return false;
  }
  TakeOptionValue(args, i, *option, error);
  return true;
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
  if (cube_.has_value() == scramble_.has_value()) {
    error = cube_ ? "give either --cube or --scramble, not both"
                  : "missing --cube LETTERS or --scramble \"MOVES\"";
    return std::nullopt;
  }

  if (cube_) {
    const std::vector<std::string_view> letters = Characters(*cube_);
    if (letters.size() != kFaceletCount) {
      error = "--cube needs 54 colours, got " + std::to_string(letters.size());
      return std::nullopt;
    }
    for (int k = 1; k <= kFaceletCount; ++k) {
      const std::string_view letter = letters[k - 1];
      if (letter == ".") continue;
      const std::optional<Colour> colour = ColourOfLetter(letter);
      if (!colour) {
        error = "bad colour '" + Printable(letter) + "' at position " + std::to_string(k) +
                " (expected G, R, B, O, W, Y or .)";
        return std::nullopt;
      }
      entry.paint[k] = *colour;
    }
  } else {
    // The program's notation first, then standard notation.
    const TurnSequence sequence = ReadTurnSequence(*scramble_);
    if (!sequence.read) {
      error = sequence.open_bracket
                  ? "bracket without a closing ')' in --scramble at '" +
                        Printable(sequence.unread_word) + "'"
                  : "unknown move '" + Printable(sequence.unread_word) + "' in --scramble";
      return std::nullopt;
    }
    entry.paint = ColoursAfterTurns(sequence.moves);
  }
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
