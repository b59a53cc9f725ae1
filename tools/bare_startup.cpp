// rq51-bare-startup [WIDGETS]: the yardstick for rq51's start-up time. A
// plain Qt program that creates seven top-level windows holding WIDGETS
// widgets in all (default 17), shows the first and, when it is first painted,
// prints the wall-clock time as rq51-startup-probe does, then quits.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <vector>

#include "tools/startup_timing.h"

namespace {

constexpr int kWindows = 7;
// The main menu's controls: six menu buttons, a close button, a text label
// and two pictures.
constexpr int kMenuButtons = 7;
constexpr int kMenuLabels = 3;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int wanted = argc > 1 ? std::atoi(argv[1]) : kWindows + kMenuButtons + kMenuLabels;

  std::vector<std::unique_ptr<QWidget>> windows;
  for (int i = 0; i < kWindows; ++i) {
    windows.push_back(std::make_unique<QWidget>());
    windows.back()->setWindowTitle(QStringLiteral("Form%1").arg(i + 1));
  }
  windows[0]->resize(596, 468);
  int made = kWindows;
  for (int i = 0; i < kMenuButtons && made < wanted; ++i, ++made) {
    new QPushButton(QStringLiteral("Button %1").arg(i), windows[0].get());
  }
  for (int i = 0; i < kMenuLabels && made < wanted; ++i, ++made) {
    new QLabel(QStringLiteral("Label %1").arg(i), windows[0].get());
  }
  for (int i = 0; made < wanted; ++i, ++made) {
    new QLabel(QStringLiteral("x"), windows[1 + i % (kWindows - 1)].get());
  }

  rq51::FirstPaintReporter reporter;
  windows[0]->installEventFilter(&reporter);
  windows[0]->show();
  return application.exec();
}
