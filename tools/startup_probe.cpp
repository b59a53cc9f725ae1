// rq51-startup-probe: starts the program as rq51 does and, when the main
// window is first painted, prints the wall-clock time and the number of
// widgets, then quits. tools/measure-startup.sh turns this into start-up
// times.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "ui/app_setup.h"
#include "ui/window_set.h"

namespace {

class FirstPaintReporter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      const auto now = std::chrono::system_clock::now().time_since_epoch();
      std::printf("shown_at_us %lld\nwidgets %lld\n",
                  static_cast<long long>(
                      std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
                  static_cast<long long>(QApplication::allWidgets().size()));
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  rq51::WindowSet windows;
  FirstPaintReporter reporter;
  windows.main_window()->installEventFilter(&reporter);
  windows.ShowMainWindow();
  return application.exec();
}
