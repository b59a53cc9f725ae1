// rq51: the main menu and its six windows.
#include <QApplication>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/version.h"
#include "ui/app_setup.h"
#include "ui/language.h"
#include "ui/window_set.h"

namespace {

constexpr const char* kHelp =
    "usage: rq51 [--help | --version | --reset-layout] [--lang CODE] [Qt options, such as\n"
    "            -platform NAME] [FILE]\n"
    "\n"
    "RQ51 is a desktop program for studying and solving the 3x3x3 cube. Paint\n"
    "the colours of a cube into a solver window, confirm them, and the window\n"
    "solves it stage by stage with the sequences of its method, logging each\n"
    "one; a permutation explorer shows the 27 turns as permutations of the 54\n"
    "stickers. The windows are in Japanese unless another language is chosen\n"
    "in the main window (or with --lang), whatever the system's locale.\n"
    "\n"
    "FILE, a solution saved by a solver window (*.rq51), opens in its window;\n"
    "a file of a turn sequence or of 54 colour letters is painted into the\n"
    "solver window used last.\n"
    "\n"
    "Options:\n"
    "  --reset-layout    forget where the windows were: each opens as the first\n"
    "                    time (the solver windows maximised).\n"
    "  --lang CODE       the windows' language for this run only: ja (Japanese)\n"
    "                    or en (English). The language chosen in the main window\n"
    "                    is kept for the next runs.\n"
    "\n"
    "Environment:\n"
    "  QT_QPA_PLATFORM   the Qt platform the windows are shown on: xcb (X11),\n"
    "                    wayland, or offscreen (no display, nothing is shown).\n"
    "                    Unset, Qt picks the one of the desktop session.\n"
    "  DISPLAY           the X display, for xcb.\n"
    "  WAYLAND_DISPLAY   the Wayland display, for wayland.\n"
    "  QT_SCALE_FACTOR   scales every window, e.g. 1.5 on a large screen.\n"
    "\n"
    "Files:\n"
    "  ~/.config/RQ51/rq51.conf   where each window was when it was last closed,\n"
    "                             the recent files, the solver window used last,\n"
    "                             the language chosen in the main window.\n"
    "\n"
    "rq51-cli drives the same windows from the command line (rq51-cli --help).\n";

constexpr const char* kNoDisplay =
    "rq51: no display found; start RQ51 in a desktop session, or use rq51-cli, "
    "which drives the same windows without a display (rq51-cli --help)\n";

// Whether the platform Qt is opening told it could not reach a display.
bool display_unreachable = false;

// Messages while Qt opens its platform. Qt reports a platform it cannot
// open as a fatal message and aborts; the user gets one line and status 1
// instead of an abort and a core file.
void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  const bool platform =
      context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0;
  if (platform && message.contains(QLatin1String("display"), Qt::CaseInsensitive)) {
    display_unreachable = true;
    return;
  }
  if (type != QtFatalMsg) {
    if (!platform) std::fprintf(stderr, "%s\n", qPrintable(message));
    return;
  }
  const bool no_session =
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (display_unreachable || no_session) {
    std::fputs(kNoDisplay, stderr);
  } else {
    // Some other part of the platform is missing: Qt's own first line says
    // which.
    std::fprintf(stderr, "rq51: %s\n", qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
  }
  std::fflush(stderr);
  std::_Exit(1);
}

// The languages the program speaks, for a message: "ja, en".
std::string LanguageList() {
  return rq51::AvailableLanguages().join(QStringLiteral(", ")).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
  bool reset_layout = false;
  // --lang CODE: the language of this run, not remembered.
  const char* language = nullptr;
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
    if (std::strcmp(argv[i], "--reset-layout") == 0) reset_layout = true;
    if (std::strcmp(argv[i], "--lang") == 0) {
      if (i + 1 >= argc) {
        std::fputs("rq51: --lang needs a language code\n", stderr);
        return 2;
      }
      language = argv[++i];
    }
  }
  if (language != nullptr &&
      !rq51::AvailableLanguages().contains(QString::fromLocal8Bit(language))) {
    std::fprintf(stderr, "rq51: unknown language '%s' (known: %s)\n", language,
                 LanguageList().c_str());
    return 2;
  }
  const QtMessageHandler previous = qInstallMessageHandler(StartUpMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(previous);
  QCoreApplication::setOrganizationName(QStringLiteral("RQ51"));
  QCoreApplication::setApplicationName(QStringLiteral("rq51"));
  rq51::SetUpApplicationFont();
  QSettings settings;
  // Japanese unless a language was chosen, whatever the system's locale.
  rq51::UseLanguage(language != nullptr ? QString::fromLocal8Bit(language)
                                        : rq51::RememberedLanguage(settings));
  if (reset_layout) rq51::WindowPlacement(&settings).Forget();
  rq51::WindowSet windows(&settings);
  windows.ShowMainWindow();
  // A file named on the command line (a file manager opening a saved
  // solution) opens once the main window is up.
  const QStringList arguments = QCoreApplication::arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i].startsWith(QLatin1Char('-'))) continue;
    if (arguments[i - 1] == QLatin1String("--lang")) continue;
    QTimer::singleShot(0, &windows, [&windows, path = arguments[i]] { windows.OpenAtStart(path); });
    break;
  }
  return application.exec();
}
