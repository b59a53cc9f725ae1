// The time of a one-shot click on a real solver window, with every redraw of
// its widgets, on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <memory>
#include <string>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "solvers/methods.h"
#include "ui/app_setup.h"
#include "ui/solver_window_view.h"

namespace {

// Paints a scrambled cube (front G, bottom R, back B, top O, left W, right Y
// before the turns) into the window and confirms it.
void EnterScrambledCube(rq51::SolverWindowView& view) {
  std::vector<rq51::Move> moves;
  for (const char* name : {"Rx", "Ly3", "Rz2", "My", "Lx", "Ry3", "Mz2", "Rx3", "Lz", "Ry2"}) {
    moves.push_back(*rq51::MoveFromName(name));
  }
  const rq51::FaceletMap scramble = rq51::MapOfMoves(moves);
  for (int k = 1; k <= rq51::kFaceletCount; ++k) {
    const rq51::GridCell cell = rq51::FaceletGridCell(k);
    view.window().ChooseColour(rq51::HomeFaceColour(rq51::FaceOf(scramble(k))));
    view.window().GridMouseDown(cell.grid, rq51::MouseButton::kLeft, {cell.column, cell.row});
  }
  view.window().ColoringClick();
  view.Render();
}

void ClickOneShot(benchmark::State& state, rq51::WindowKind kind) {
  rq51::SolverWindowView view(kind);
  view.resize(1600, 1000);
  view.show();
  QApplication::processEvents();
  auto* sikou = view.findChild<QAbstractButton*>(QStringLiteral("Sikou"));
  auto* one_shot = view.findChild<QAbstractButton*>(QStringLiteral("CES"));
  EnterScrambledCube(view);
  for (auto _ : state) {
    state.PauseTiming();
    sikou->click();  // back to the entered cube
    for (int n : view.window().variant().stage_lists) view.window().ListClearClick(n);
    view.Render();
    QApplication::processEvents();
    state.ResumeTiming();
    one_shot->click();
    QApplication::processEvents();  // the repaint the user waits for
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  for (const rq51::Method* method : rq51::Methods()) {
    const rq51::WindowKind kind = method->window;
    const std::string name =
        "BM_WindowOneShotClick/" + std::string(rq51::VariantOf(kind).short_name);
    benchmark::RegisterBenchmark(name.c_str(), [kind](benchmark::State& state) {
      ClickOneShot(state, kind);
    })->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
