// rq51-cli render: draws the 3D cube of a solver window as the window draws
// it: after the named buttons were pressed, or at any turn of the solution
// those presses logged, part of the next turn performed.
#include <charconv>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/window_entry.h"
#include "cube/arrangement_check.h"
#include "shell/cube_player.h"
#include "shell/solver_window.h"
#include "view3d/cube_geometry.h"
#ifndef RQ51_NO_CHART
#include "ui/cube_picture.h"
#endif

namespace rq51::cli {

namespace {

constexpr const char* kRenderUsage =
    "usage: rq51-cli render --window cf0|cf|lb|tkc|tkl (--cube LETTERS | --scramble \"MOVES\")\n"
    "                       [PRESS ...] [--at N] [--progress P] [--hidden on|off]\n"
    "                       [--size PX] --out FILE.png\n"
    "  Paints a cube into a solver window and presses the named buttons as\n"
    "  rq51-cli solve does, then draws the window's 3D cube with the code the\n"
    "  window draws it with, seen from the corner of the front, top and right\n"
    "  faces. A cube the window refuses is not drawn.\n"
    "  --at N             the cube after the first N turns of the lines the\n"
    "                     presses logged, in the order performed (0: the entered\n"
    "                     cube; the turning over counts no turn and is done\n"
    "                     before turn N + 1); without it, the cube as the\n"
    "                     presses left it\n"
    "  --progress P       with --at: turn N + 1 performed by the fraction P of its\n"
    "                     angle, 0 <= P < 1 (default 0)\n"
    "  --hidden on|off    also draw the back, bottom and left faces on a smaller\n"
    "                     cube seen from the opposite corner (default off)\n"
    "  --size PX          width and height of the picture, 32 to 4096 (default 400)\n"
    "  --out FILE.png     where the PNG picture goes\n"
    "  Prints the place of the cube in the solution, as the line under the 3D\n"
    "  cube says it, or nothing for the cube as the presses left it.\n";

constexpr int kMinSize = 32;
constexpr int kMaxSize = 4096;
// What the picture shows round the cube.
constexpr Rgb kBackground{255, 255, 255};

struct RenderRequest {
  bool help = false;
  WindowEntry entry;
  std::optional<int> at;
  double progress = 0;
  bool hidden = false;
  int size = 400;
  std::string out;
};

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
  int value = 0;
  const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (fault != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

// A decimal fraction 0 <= P < 1: "0", "0.25", ".5".
std::optional<double> Fraction(const std::string& text) {
  double value = 0;
  const auto [end, fault] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (text.empty() || fault != std::errc() || end != text.data() + text.size() || !(value >= 0) ||
      !(value < 1)) {
    return std::nullopt;
  }
  return value;
}

std::optional<RenderRequest> ParseRenderArguments(const std::vector<std::string>& args,
                                                  std::string& error) {
  WindowEntryReader reader;
  std::vector<std::string> presses;
  std::optional<std::string> at, progress, hidden, size, out;
  RenderRequest request;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return request;
    }
    if (reader.Take(args, i, error)) {
      if (!error.empty()) return std::nullopt;
      continue;
    }
    const OptionRead read = TakeValueOption(args, i,
                                            {{"--at", &at},
                                             {"--progress", &progress},
                                             {"--hidden", &hidden},
                                             {"--size", &size},
                                             {"--out", &out}},
                                            error);
    if (read == OptionRead::kFailed) return std::nullopt;
    if (read == OptionRead::kTaken) continue;
    if (IsLongOption(arg)) {
      error = UnknownOption(arg);
      return std::nullopt;
    }
    presses.push_back(arg);
  }

  std::optional<WindowEntry> entry = reader.Finish(std::move(presses), error);
  if (!entry) return std::nullopt;
  request.entry = std::move(*entry);
  if (at) {
    request.at = WholeNumber(*at, 0, 1'000'000'000);
    if (!request.at) {
      error = "--at needs a whole number of turns, got '" + Printable(*at) + "'";
      return std::nullopt;
    }
  }
  if (progress) {
    const std::optional<double> fraction = Fraction(*progress);
    if (!fraction) {
      error = "--progress needs a fraction 0 <= P < 1, got '" + Printable(*progress) + "'";
      return std::nullopt;
    }
    if (!at) {
      error = "--progress needs --at N";
      return std::nullopt;
    }
    request.progress = *fraction;
  }
  if (hidden) {
    if (*hidden != "on" && *hidden != "off") {
      error = "--hidden needs on or off, got '" + Printable(*hidden) + "'";
      return std::nullopt;
    }
    request.hidden = *hidden == "on";
  }
  if (size) {
    const std::optional<int> pixels = WholeNumber(*size, kMinSize, kMaxSize);
    if (!pixels) {
      error =
          "--size needs a whole number of pixels from 32 to 4096, got '" + Printable(*size) + "'";
      return std::nullopt;
    }
    request.size = *pixels;
  }
  if (!out || out->empty()) {
    error = "missing --out FILE.png";
    return std::nullopt;
  }
  request.out = *out;
  return request;
}

// The picture does not move: one moment is drawn.
class StillClock : public PlayerClock {
 public:
  double NowMs() const override { return 0; }
};

}  // namespace

int RunRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::string error;
  const std::optional<RenderRequest> request = ParseRenderArguments(args, error);
  if (!request) {
    err << "rq51-cli render: " << error << '\n';
    return 2;
  }
  if (request->help) {
    out << kRenderUsage;
    return 0;
  }
  const std::unique_ptr<SolverWindow> window = OpenWindow(request->entry, error);
  if (!window) {
    err << "rq51-cli render: " << error << '\n';
    return 2;
  }
  // A refused entry leaves an empty window: no cube to draw.
  if (window->last_fault() != ArrangementFault::kReal) {
    const std::string place = FaultPlaceText(window->named_fault());
    err << "rq51-cli render: the window refused the cube ("
        << FaultRuleName(window->named_fault().rule) << (place.empty() ? "" : " ") << place
        << ")\n";
    return 2;
  }

  const StillClock clock;
  CubePlayer player(*window, clock);
  PlayerPicture picture = player.Picture();
  if (request->at) {
    const int at = *request->at;
    if (at > player.turn_total()) {
      err << "rq51-cli render: --at " << at << " is past the end: the lines hold "
          << player.turn_total() << " turns\n";
      return 2;
    }
    const std::optional<PlayerPicture> moving = player.PictureAtTurn(at, request->progress);
    if (!moving) {
      err << "rq51-cli render: --progress: no turn follows turn " << at << '\n';
      return 2;
    }
    picture = *moving;
    player.ScrubTo(at);
  }

  view3d::Scene scene;
  scene.colours = picture.colours;
  scene.turn = picture.turn;
  scene.fraction = picture.fraction;
  scene.width = request->size;
  scene.height = request->size;
  scene.hidden_faces = request->hidden;
  const view3d::Frame frame = view3d::BuildFrame(scene);
#ifdef RQ51_NO_CHART
  static_cast<void>(frame);
  err << "rq51-cli render: not available: this rq51-cli was built without Qt\n";
  return 2;
#else
  const std::string problem = WriteCubePicture(frame, kBackground, request->out);
  if (!problem.empty()) {
    err << "rq51-cli render: cannot write '" << Printable(request->out) << "': " << problem << '\n';
    return 2;
  }
  const std::string place = player.PlaceText();
  if (!place.empty()) out << place << '\n';
  return 0;
#endif
}

}  // namespace rq51::cli
