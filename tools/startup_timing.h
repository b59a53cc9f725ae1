// Shared by rq51-startup-probe and rq51-bare-startup, so that both measure
// the same moment: an event filter that, once the first paint of the widget
// it watches is finished, prints the wall-clock time in microseconds and the
// number of widgets, then quits the application. It also prints the
// processor time used so far, which a busy machine disturbs less than the
// wall-clock time.
//
// The paint event of a window arrives before any of its controls are drawn;
// the report waits for the event loop to come back, by which time the whole
// window, text and pictures included, has been drawn and flushed.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace rq51 {

class FirstPaintReporter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !reported_) {
      reported_ = true;
      QTimer::singleShot(0, this, &FirstPaintReporter::Report);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Report() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::printf(
        "shown_at_us %lld\ncpu_us %lld\nwidgets %lld\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
        static_cast<long long>(cpu.tv_sec) * 1000000 + cpu.tv_nsec / 1000,
        static_cast<long long>(QApplication::allWidgets().size()));
    std::fflush(stdout);
    QCoreApplication::quit();
  }

  bool reported_ = false;
};

}  // namespace rq51
