// rq51-cli solve: paints a cube into a solver window as a user would, confirms
// it (or opens a saved solution), presses the named buttons in order and
// prints what the window shows; it can save the solution as the window does.
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/solution_file.h"
#include "app/solver_windows.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/window_entry.h"
#include "cube/colour.h"
#include "cube/facelets.h"
#include "cube/moves.h"
#include "cube/standard_notation.h"
#include "shell/shown_line.h"
#include "shell/solver_window.h"

namespace rq51::cli {

namespace {

constexpr const char* kSolveUsage =
    "usage: rq51-cli solve --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\")\n"
    "                      [--trace] [--notation program|standard] [--save FILE] [PRESS ...]\n"
    "       rq51-cli solve --open FILE [--window ...] [--trace] [--notation ...] [--save FILE]\n"
    "                      [PRESS ...]\n"
    "  --cube LETTERS     54 colours of facelets 1..54, each G R B O W Y, or '.' to\n"
    "                     leave the cell as the window has it.\n"
    "  --scramble MOVES   turns performed on a solved cube coloured front G, bottom R,\n"
    "                     back B, top O, left W, right Y, in the program's notation\n"
    "                     (\"Rx Rz- Ly2\", \"Rx3\", \"(RxRy)２乗\") or, when that cannot\n"
    "                     read them, in standard notation (\"R U' F2 M x Rw\").\n"
    "  --open FILE        a solution saved by a window or by --save: its cube is\n"
    "                     entered and confirmed and its buttons pressed again, so\n"
    "                     that the window is as it was saved (--window may be left\n"
    "                     out). A line 'file<TAB>MESSAGE' after Label4 says when the\n"
    "                     lines computed now differ from the saved ones. A file of\n"
    "                     a turn sequence, or of 54 colour letters ('.' an empty\n"
    "                     cell), is painted and confirmed.\n"
    "  --save FILE        after the presses, write what the window's \"解法を保存…\"\n"
    "                     writes (the old file is replaced only once the new one\n"
    "                     is complete).\n"
    "  --notation NAME    the list lines as the window logs them (program, the\n"
    "                     default) or in standard notation (standard), each note\n"
    "                     a comment: \"(U' R F')5 // A1<->A12\"; with --trace the\n"
    "                     turning over is \"x2\".\n"
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
    "  slots concerned (empty for twist, flip and parity).\n"
    "  Exit status: 0 done, 1 the file of --save could not be written, 2 bad\n"
    "  arguments, a button the window lacks, or a file --open cannot open.\n";

struct SolveRequest {
  bool help = false;
  std::optional<WindowKind> kind;  // always set unless a file is opened
  StickerColours paint{};          // kNone leaves a cell as the window has it
  std::optional<std::string> open;
  std::optional<std::string> save;
  bool standard = false;
  std::vector<std::string> presses;
  bool trace = false;
};

// Reads the arguments; on a fault writes the message into `error`.
std::optional<SolveRequest> ParseSolveArguments(const std::vector<std::string>& args,
                                                std::string& error) {
  std::optional<std::string> window;
  std::optional<std::string> cube;
  std::optional<std::string> scramble;
  std::optional<std::string> notation;
  SolveRequest request;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return request;
    }
    if (arg == "--trace") {
      request.trace = true;
      continue;
    }
    const OptionRead read = TakeValueOption(args, i,
                                            {{"--window", &window},
                                             {"--cube", &cube},
                                             {"--scramble", &scramble},
                                             {"--open", &request.open},
                                             {"--save", &request.save},
                                             {"--notation", &notation}},
                                            error);
    if (read == OptionRead::kFailed) return std::nullopt;
    if (read == OptionRead::kTaken) continue;
    if (IsLongOption(arg)) {
      error = UnknownOption(arg);
      return std::nullopt;
    }
    request.presses.push_back(arg);
  }

  if (notation) {
    if (*notation != "program" && *notation != "standard") {
      error = "unknown notation '" + Printable(*notation) + "' (expected program or standard)";
      return std::nullopt;
    }
    request.standard = *notation == "standard";
  }
  if (window) {
    request.kind = WindowKindFromShortName(*window);
    if (!request.kind) {
      error = "unknown window '" + Printable(*window) + "' (expected cf0, cf, lb, tkc or tkl)";
      return std::nullopt;
    }
  }
  if (request.open) {
    if (cube || scramble) {
      error = "give either --open or --cube/--scramble, not both";
      return std::nullopt;
    }
    return request;
  }
  if (!window) {
    error = "missing --window cf0|cf|lb|tkc|tkl";
    return std::nullopt;
  }
  std::optional<StickerColours> paint = CubeFromArguments(cube, scramble, error);
  if (!paint) return std::nullopt;
  request.paint = *paint;
  return request;
}

std::string Hex(const Rgb& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red & 0xFF, colour.green & 0xFF,
                colour.blue & 0xFF);
  return text;
}

void PrintWindow(const SolverWindow& window, bool standard, std::ostream& out) {
  out << "Label4\t" << window.label4() << '\n';
  if (window.last_fault() != ArrangementFault::kReal) {
    out << "fault\t" << FaultRuleName(window.named_fault().rule) << '\t'
        << FaultPlaceText(window.named_fault()) << '\n';
  }
  if (!window.file_message().empty()) out << "file\t" << window.file_message() << '\n';
  const std::vector<SolverWindow::SharedLine> shared =
      standard ? window.StandardSolution() : std::vector<SolverWindow::SharedLine>();
  for (int n : window.ListBoxNumbers()) {
    const std::vector<std::string>& lines = window.list_box(n);
    out << "ListBox" << n << '\t' << lines.size() << '\n';
    if (standard) {
      for (const SolverWindow::SharedLine& line : shared) {
        if (line.list_box == n) out << line.text << '\n';
      }
    } else {
      for (const std::string& line : lines) out << ShownLine(line) << '\n';
    }
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
void PrintTrace(const SolverWindow& window, bool standard, std::ostream& out) {
  // The standard lines of the listed lines and turnings over, one for each
  // traced line.
  std::vector<std::string> texts;
  if (standard) {
    for (SolverWindow::SharedLine& line : window.StandardSolution()) {
      if (line.list_box >= 0) texts.push_back(std::move(line.text));
    }
  }
  size_t traced = 0;
  for (const SolverWindow::TraceLine& line : window.Trace()) {
    const SolverWindow::PlaybackPlace& place = line.place;
    out << "trace\t";
    if (place.list_box == 0) {
      out << "-\t-\t";
    } else {
      out << place.list_box << '\t' << place.index + 1 << '\t';
    }
    if (standard && traced < texts.size()) {
      out << texts[traced] << '\t';
    } else {
      out << ShownLine(place.text) << '\t';
    }
    ++traced;
    for (int k = 1; k <= kFaceletCount; ++k) {
      if (k > 1) out << ' ';
      out << line.table.Home(k);
    }
    out << '\n';
  }
}

// Opens the file of --open in the window it names (or, for a text that names
// none, in the window of --window) and confirms a cube painted from it.
std::unique_ptr<SolverWindow> OpenFile(const SolveRequest& request, std::string& error) {
  const std::string& path = *request.open;
  std::string bytes;
  if (!ReadFileStart(path, kMaxOpenedBytes + 1, bytes, error)) {
    error = Printable(error);
    return nullptr;
  }
  const std::optional<WindowKind> named = SolutionWindowOf(bytes);
  if (named && request.kind && *named != *request.kind) {
    error = "'" + Printable(path) + "' holds a solution of the " +
            std::string(VariantOf(*named).short_name) + " window, not of " +
            std::string(VariantOf(*request.kind).short_name);
    return nullptr;
  }
  if (!named && !request.kind) {
    // A text that no window opens is refused as such.
    const TextReading reading = ReadOpenedText(bytes);
    error = reading.kind == OpenedKind::kRefused
                ? Printable(path) + ": " + reading.refusal.Text()
                : "missing --window cf0|cf|lb|tkc|tkl ('" + Printable(path) +
                      "' holds no saved solution)";
    return nullptr;
  }
  std::unique_ptr<SolverWindow> window = CreateSolverWindow(named ? *named : *request.kind);
  const SolverWindow::OpenedText opened = window->OpenText(bytes);
  if (opened.kind == OpenedKind::kRefused) {
    error = Printable(path) + ": " + opened.message;
    return nullptr;
  }
  if (opened.kind != OpenedKind::kSolution) window->PressButton("Coloring");
  return window;
}

}  // namespace

void PrintSolverWindow(const SolverWindow& window, std::ostream& out) {
  PrintWindow(window, false, out);
}

int RunSolve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<SolveRequest> request = ParseSolveArguments(args, error);
  if (!request) {
    err << "rq51-cli solve: " << error << '\n';
    return 2;
  }
  if (request->help) {
    out << kSolveUsage;
    return 0;
  }

  std::unique_ptr<SolverWindow> window;
  if (request->open) {
    window = OpenFile(*request, error);
    if (!window) {
      err << "rq51-cli solve: " << error << '\n';
      return 2;
    }
  } else {
    window = CreateSolverWindow(*request->kind);
    PaintCube(*window, request->paint);
    window->PressButton("Coloring");
  }
  for (const std::string& name : request->presses) {
    // Nothing is printed until every press has been accepted.
    if (!window->PressButton(name)) {
      err << "rq51-cli solve: the " << window->variant().short_name << " window has no button '"
          << Printable(name) << "'\n";
      return 2;
    }
  }
  if (request->save && !WriteFileAtomically(*request->save, window->SolutionText(), error)) {
    err << "rq51-cli solve: " << Printable(error) << '\n';
    return 1;
  }
  std::ostringstream text;
  PrintWindow(*window, request->standard, text);
  if (request->trace) PrintTrace(*window, request->standard, text);
  out << text.str();
  return 0;
}

}  // namespace rq51::cli
