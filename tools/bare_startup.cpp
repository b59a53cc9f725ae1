// rq51-bare-startup [WIDGETS]: the yardstick for rq51's start-up time. A
// plain Qt program that creates what rq51's main window creates, a window
// of rq51's size with seven push buttons and three labels, plus plain labels
// up to WIDGETS widgets in all (default 11: the main window and its ten
// controls, all that rq51 has made when its main window is first painted).
// It shows the window and, when its first paint is finished, prints the
// wall-clock time as rq51-startup-probe does, then quits.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <cstdlib>

#include "tools/startup_timing.h"

namespace {

// The main menu's controls: six menu buttons and a close button, a text
// label and two pictures.
constexpr int kMenuButtons = 7;
constexpr int kMenuLabels = 3;

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const int wanted = argc > 1 ? std::atoi(argv[1]) : 1 + kMenuButtons + kMenuLabels;

  QWidget window;
  window.setWindowTitle(QStringLiteral("Form1"));
  window.resize(596, 468);
  int made = 1;
  for (int i = 0; i < kMenuButtons && made < wanted; ++i, ++made) {
    auto* button = new QPushButton(QStringLiteral("Button %1").arg(i), &window);
    button->setGeometry(38, 38 + 50 * i, 192, 29);
  }
  for (int i = 0; made < wanted; ++i, ++made) {
    auto* label = new QLabel(QStringLiteral("Label %1").arg(i), &window);
    label->setGeometry(313, 37 + 30 * i, 238, 25);
  }

  rq51::FirstPaintReporter reporter;
  window.installEventFilter(&reporter);
  window.show();
  return application.exec();
}
