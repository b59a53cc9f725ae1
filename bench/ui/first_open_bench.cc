// The time from a press of a main-menu button to the end of the first paint
// of its window, the first time it is opened, with the windows made as the
// program makes them: the main window first, the six others right after its
// first paint. Every iteration opens a window of a new window set; the
// counter first_ms is the very first iteration, before any glyph or style
// cache of the process is warm (run one window alone, with
// --benchmark_filter=form:N/, for a cold process).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <chrono>
#include <memory>
#include <string>

#include "ui/main_window.h"
#include "ui/window_set.h"

namespace {

// Notes the first paint of the window it watches.
class PaintWatch : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted_ = true;
    return QObject::eventFilter(watched, event);
  }
  bool painted() const { return painted_; }

 private:
  bool painted_ = false;
};

// Runs the event loop until `done` holds.
template <typename Done>
void ProcessEventsUntil(Done done) {
  while (!done()) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void BM_FirstOpening(benchmark::State& state) {
  const int form = static_cast<int>(state.range(0));
  double first_ms = -1;
  for (auto _ : state) {
    state.PauseTiming();
    auto windows = std::make_unique<rq51::WindowSet>();
    windows->ShowMainWindow();
    ProcessEventsUntil([&] { return windows->AllWindowsExist(); });
    QApplication::processEvents();
    PaintWatch watch;
    QWidget* window = windows->window(form);
    window->installEventFilter(&watch);
    state.ResumeTiming();

    const auto start = std::chrono::steady_clock::now();
    windows->main_window()->MenuButton(form)->click();
    // The paint event arrives before the controls are drawn; the loop comes
    // back once all of them are.
    ProcessEventsUntil([&] { return watch.painted(); });
    QApplication::processEvents();
    if (first_ms < 0) {
      first_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }

    state.PauseTiming();
    window->removeEventFilter(&watch);
    windows.reset();
    state.ResumeTiming();
  }
  state.counters["first_ms"] = first_ms;
}
BENCHMARK(BM_FirstOpening)
    ->ArgName("form")
    ->DenseRange(3, 7)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
