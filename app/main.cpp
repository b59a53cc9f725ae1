// rq51: the main menu and its six windows.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/version.h"
#include "ui/app_setup.h"
#include "ui/window_set.h"

namespace {

constexpr const char* kHelp =
    "usage: rq51 [--help | --version] [Qt options, such as -platform NAME]\n"
    "\n"
    "RQ51 is a desktop program for studying and solving the 3x3x3 cube. Paint\n"
    "the colours of a cube into a solver window, confirm them, and the window\n"
    "solves it stage by stage with the sequences of its method, logging each\n"
    "one; a permutation explorer shows the 27 turns as permutations of the 54\n"
    "stickers. The windows are in Japanese.\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM   the Qt platform the windows are shown on: xcb (X11),\n"
    "                    wayland, or offscreen (no display, nothing is shown).\n"
    "                    Unset, Qt picks the one of the desktop session.\n"
    "  DISPLAY           the X display, for xcb.\n"
    "  WAYLAND_DISPLAY   the Wayland display, for wayland.\n"
    "  QT_SCALE_FACTOR   scales every window, e.g. 1.5 on a large screen.\n"
    "\n"
    "rq51-cli drives the same windows from the command line (rq51-cli --help).\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that they work without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("rq51 %.*s\n", static_cast<int>(rq51::kVersion.size()), rq51::kVersion.data());
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
  }
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  rq51::WindowSet windows;
  windows.ShowMainWindow();
  return application.exec();
}
