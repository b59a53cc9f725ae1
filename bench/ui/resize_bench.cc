// The time a solver window with a whole solution in its lists takes to lay
// itself out again and repaint when the user resizes it, on Qt's offscreen
// platform: within the small-screen layout, within the large one (the net and
// grids grow), and from one to the other.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSize>

#include "ui/app_setup.h"
#include "ui/solver_window_view.h"

namespace {

void Resize(benchmark::State& state, QSize from, QSize to) {
  rq51::SolverWindowView view(rq51::WindowKind::kCf0);
  view.resize(from);
  view.show();
  rq51::SolverWindow& window = view.window();
  window.scramble_text() = "R U R' U' F2 D L' B2 Rw x U2 F' M2 E S'";
  window.ScrambleClick();
  window.ColoringClick();
  window.PressButton("CES");
  view.Render();
  QApplication::processEvents();
  bool there = false;
  for (auto _ : state) {
    view.resize(there ? from : to);
    there = !there;
    // The new layout and the repaint the window system asks for.
    QApplication::processEvents();
  }
}

}  // namespace

BENCHMARK_CAPTURE(Resize, WithinSmallLayout, QSize(1280, 690), QSize(1366, 728))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Resize, WithinLargeLayout, QSize(1600, 1000), QSize(1920, 1050))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Resize, SmallToLargeLayout, QSize(1280, 690), QSize(1920, 1050))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Resize, DragByTwoPixels, QSize(1600, 1000), QSize(1602, 1000))
    ->Unit(benchmark::kMillisecond);
