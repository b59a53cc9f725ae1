// rq51-cli solve: paints a cube into a solver window as a user would, confirms
// it, presses the named buttons in order and prints what the window shows.
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/solver_windows.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/solver_window.h"

namespace rq51::cli {

namespace {

constexpr const char* kSolveUsage =
    "usage: rq51-cli solve --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\")\n"
    "                      [--trace] [PRESS ...]\n"
    "  --cube LETTERS     54 colours of facelets 1..54, each G R B O W Y, or '.' to\n"
    "                     leave the cell as the window has it.\n"
    "  --scramble MOVES   turns performed on a solved cube coloured front G, bottom R,\n"
    "                     back B, top O, left W, right Y, in the program's notation\n"
    "                     (\"Rx Rz- Ly2\", \"Rx3\", \"(RxRy)２乗\") or, when that cannot\n"
    "                     read them, in standard notation (\"R U' F2 M x Rw\").\n"
    "  PRESS              a button of the window by its control name (Sikou, Reset,\n"
    "                     Numtuke, Lbx1clear, Rx ... Mz3, the stage buttons).\n"
    "  --trace            after the window, one line per listed line in the order\n"
    "                     performed: trace, the list box number (- where the cube\n"
    "                     was turned over), the line's place in its list (-), the\n"
    "                     line (the turning over's caption) and the home numbers\n"
    "                     of facelets 1..54 right after it, separated by tabs.\n"
    "  Prints Label4, every list box, Edit55, the net, the home numbers and\n"
    "  whether the cube is solved, one item per line. A refused entry adds the\n"
    "  line 'fault<TAB>RULE<TAB>PLACE' after Label4: RULE is colours, centres,\n"
    "  pieces, twist, flip or parity, PLACE the colour counts, centre facelets or\n"
    "  slots concerned (empty for twist, flip and parity).\n";

// kNone leaves a cell as the window has it.
using Colours = std::array<Colour, kFaceletCount + 1>;

struct SolveRequest {
  bool help = false;
  WindowKind kind = WindowKind::kCf0;
  Colours paint{};
  std::vector<std::string> presses;
  bool trace = false;
};

// Reads the arguments; on a fault writes the message into `error`.
std::optional<SolveRequest> ParseArguments(const std::vector<std::string>& args,
                                           std::string& error) {
  std::optional<std::string> window;
  std::optional<std::string> cube;
  std::optional<std::string> scramble;
  SolveRequest request;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::optional<std::string>* option = nullptr;
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return request;
    }
    if (arg == "--trace") {
      request.trace = true;
      continue;
    }
    if (arg == "--window") {
      option = &window;
    } else if (arg == "--cube") {
      option = &cube;
    } else if (arg == "--scramble") {
      option = &scramble;
    } else if (arg.size() >= 2 && arg[0] == '-' && arg[1] == '-') {
      error = "unknown option '" + Printable(arg) + "'";
      return std::nullopt;
    } else {
      request.presses.push_back(arg);
      continue;
    }
    if (!TakeOptionValue(args, i, *option, error)) return std::nullopt;
  }

  if (!window) {
    error = "missing --window cf0|cf|lb|tkc|tkl";
    return std::nullopt;
  }
  const std::optional<WindowKind> kind = WindowKindFromShortName(*window);
  if (!kind) {
    error = "unknown window '" + Printable(*window) + "' (expected cf0, cf, lb, tkc or tkl)";
    return std::nullopt;
  }
  request.kind = *kind;
  const std::optional<Colours> paint = CubeFromArguments(cube, scramble, error);
  if (!paint) return std::nullopt;
  request.paint = *paint;
  return request;
}

void PaintCube(SolverWindow& window, const Colours& paint) {
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (paint[k] == Colour::kNone) continue;
    if (window.current_colour() != paint[k]) window.PressButton(InfoOf(paint[k])->button);
    const GridCell cell = FaceletGridCell(k);
    window.GridMouseDown(cell.grid, MouseButton::kLeft, {cell.column, cell.row});
  }
}

std::string Hex(const Rgb& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red & 0xFF, colour.green & 0xFF,
                colour.blue & 0xFF);
  return text;
}

void PrintWindow(const SolverWindow& window, std::ostream& out) {
  out << "Label4\t" << window.label4() << '\n';
  if (window.last_fault() != ArrangementFault::kReal) {
    out << "fault\t" << FaultRuleName(window.named_fault().rule) << '\t'
        << FaultPlaceText(window.named_fault()) << '\n';
  }
  for (int n : window.ListBoxNumbers()) {
    const std::vector<std::string>& lines = window.list_box(n);
    out << "ListBox" << n << '\t' << lines.size() << '\n';
    for (const std::string& line : lines) out << line << '\n';
  }
  out << "Edit55\t" << window.edit55() << '\n';
  out << "net";
  for (int k = 1; k <= kFaceletCount; ++k) {
    out << '\t' << window.net(k).text << Hex(window.net(k).colour);
  }
  out << '\n';
  out << "homes\t";
  for (int k = 1; k <= kFaceletCount; ++k) {
    if (k > 1) out << ' ';
    out << window.table().Home(k);
  }
  out << '\n';
  out << "solved\t" << (window.table().IsSolved() ? "yes" : "no") << '\n';
}

// One line per listed line, in the order performed, with the cube after it.
void PrintTrace(const SolverWindow& window, std::ostream& out) {
  for (const SolverWindow::TraceLine& line : window.Trace()) {
    const SolverWindow::PlaybackPlace& place = line.place;
    out << "trace\t";
    if (place.list_box == 0) {
      out << "-\t-\t";
    } else {
      out << place.list_box << '\t' << place.index + 1 << '\t';
    }
    out << place.text << '\t';
    for (int k = 1; k <= kFaceletCount; ++k) {
      if (k > 1) out << ' ';
      out << line.table.Home(k);
    }
    out << '\n';
  }
}

}  // namespace

void PrintSolverWindow(const SolverWindow& window, std::ostream& out) { PrintWindow(window, out); }

int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<SolveRequest> request = ParseArguments(args, error);
  if (!request) {
    err << "rq51-cli solve: " << error << '\n';
    return 2;
  }
  if (request->help) {
    out << kSolveUsage;
    return 0;
  }

  std::unique_ptr<SolverWindow> window = CreateSolverWindow(request->kind);
  PaintCube(*window, request->paint);
  window->PressButton("Coloring");
  for (const std::string& name : request->presses) {
    // Nothing is printed until every press has been accepted.
    if (!window->PressButton(name)) {
      err << "rq51-cli solve: the " << VariantOf(request->kind).short_name
          << " window has no button '" << Printable(name) << "'\n";
      return 2;
    }
  }
  std::ostringstream text;
  PrintWindow(*window, text);
  if (request->trace) PrintTrace(*window, text);
  out << text.str();
  return 0;
}

}  // namespace rq51::cli
