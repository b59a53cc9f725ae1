// Shared by rq51-startup-probe and rq51-bare-startup, so that both measure
// the same moment: an event filter that, at the first paint of the widget it
// watches, prints the wall-clock time in microseconds and the number of
// widgets, then quits the application.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

namespace rq51 {

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

}  // namespace rq51
