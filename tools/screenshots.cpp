// rq51-screenshots [--lang CODE] OUTDIR: renders each window of the program
// on Qt's offscreen platform, in Japanese or in the language CODE, and saves
// it as a PNG file in OUTDIR.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "shell/cube_player.h"
#include "ui/app_setup.h"
#include "ui/cube_view.h"
#include "ui/language.h"
#include "ui/solver_window_view.h"
#include "ui/window_set.h"

namespace {

// One picture: the file it goes to, the window it shows and what to do with
// the window's set before it is taken (press buttons, enter colours ...).
// Solver windows open maximised; pictures of them use a fixed size so that
// they do not depend on the screen.
constexpr QSize kSolverWindowSize(1600, 1000);

struct Shot {
  const char* file_name;
  int form;
  std::function<void(rq51::WindowSet&)> setup;
  QSize size = kSolverWindowSize;
};

// A solver window (TForm3 .. TForm7) as its user sees it.
rq51::SolverWindowView& SolverView(rq51::WindowSet& windows, int form) {
  return *static_cast<rq51::SolverWindowView*>(windows.window(form));
}

// Clicks the control called `name` in window `form`, as a user would.
void Click(rq51::WindowSet& windows, int form, const char* name) {
  auto* button = windows.window(form)->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (button != nullptr) button->click();
}

// Paints a scrambled cube into the grids of a solver window the way a user
// does: a colour button, then a left click on each cell of that colour.
void PaintScrambledCube(rq51::WindowSet& windows, int form) {
  static const char* const kScramble[] = {"Rx",  "Ly3", "Rz2", "My",  "Lx", "Ry3",
                                          "Mz2", "Rx3", "Lz",  "Ry2", "Mx", "Lz3"};
  std::vector<rq51::Move> moves;
  for (const char* name : kScramble) moves.push_back(*rq51::MoveFromName(name));
  const rq51::FaceletMap scramble = rq51::MapOfMoves(moves);
  rq51::SolverWindowView& view = SolverView(windows, form);
  for (int k = 1; k <= rq51::kFaceletCount; ++k) {
    const rq51::GridCell cell = rq51::FaceletGridCell(k);
    view.window().ChooseColour(rq51::HomeFaceColour(rq51::FaceOf(scramble(k))));
    view.window().GridMouseDown(cell.grid, rq51::MouseButton::kLeft, {cell.column, cell.row});
  }
  view.Render();
}

// A scrambled cube painted into the CF window with two stickers of one
// corner exchanged by mistake, then confirmed: the entry is refused, the
// fault named and the corner's cells outlined.
void RefuseMirroredCorner(rq51::WindowSet& windows) {
  PaintScrambledCube(windows, 4);
  rq51::SolverWindowView& view = SolverView(windows, 4);
  const auto& corner = rq51::CornerSlots()[0].facelets;
  const rq51::GridCell a = rq51::FaceletGridCell(corner[1]);
  const rq51::GridCell b = rq51::FaceletGridCell(corner[2]);
  const rq51::Colour colour_a = view.window().grid_cell(a.grid, a.column, a.row);
  const rq51::Colour colour_b = view.window().grid_cell(b.grid, b.column, b.row);
  view.window().ChooseColour(colour_b);
  view.window().GridMouseDown(a.grid, rq51::MouseButton::kLeft, {a.column, a.row});
  view.window().ChooseColour(colour_a);
  view.window().GridMouseDown(b.grid, rq51::MouseButton::kLeft, {b.column, b.row});
  view.Render();
  Click(windows, 4, "Coloring");
}

// Confirms the painted TK-C cube and switches the net's numbers on.
void ConfirmEntry(rq51::WindowSet& windows) {
  Click(windows, 6, "Coloring");
  Click(windows, 6, "Numtuke");
}

// A scrambled cube entered and solved with the one-shot button.
void SolveInOneShot(rq51::WindowSet& windows, int form) {
  PaintScrambledCube(windows, form);
  Click(windows, form, "Coloring");
  Click(windows, form, "CES");
}

// A few turns in the explorer, with the numbering on.
void ExploreTurns(rq51::WindowSet& windows) {
  for (const char* turn : {"Rx", "Ry2", "Lz3"}) {
    Click(windows, 2, turn);
    Click(windows, 2, "Trans");
  }
  Click(windows, 2, "Numduke");
}

std::vector<Shot> Shots() {
  return {
      {"main.png", 1, nullptr},
      {"explorer.png", 2, nullptr},
      {"cf0.png", 3, nullptr},
      {"cf.png", 4, nullptr},
      {"lb.png", 5, nullptr},
      {"tkc.png", 6, nullptr},
      {"tkl.png", 7, nullptr},
      // A scrambled cube painted into the grids, before and after its entry
      // is confirmed.
      {"tkc_painted.png", 6, [](rq51::WindowSet& windows) { PaintScrambledCube(windows, 6); }},
      {"tkc_entered.png", 6, ConfirmEntry},
      {"explorer_turns.png", 2, ExploreTurns},
      {"cf_refused.png", 4, RefuseMirroredCorner},
      {"cf0_solved.png", 3, [](rq51::WindowSet& windows) { SolveInOneShot(windows, 3); }},
      {"cf_solved.png", 4, [](rq51::WindowSet& windows) { SolveInOneShot(windows, 4); }},
      {"lb_solved.png", 5, [](rq51::WindowSet& windows) { SolveInOneShot(windows, 5); }},
      {"tkc_solved.png", 6, [](rq51::WindowSet& windows) { SolveInOneShot(windows, 6); }},
      {"tkl_solved.png", 7, [](rq51::WindowSet& windows) { SolveInOneShot(windows, 7); }},
      // The LB window stepping through its solution: the net shows the cube
      // right after the second line of the middle layer.
      {"lb_playback.png", 5,
       [](rq51::WindowSet& windows) {
         rq51::SolverWindowView& view = SolverView(windows, 5);
         view.window().PressButton("Numtuke");
         view.window().BrowseLine(3, 1);
         view.Render();
       }},
      // The same window on a laptop screen and on a full HD screen.
      {"lb_1280x690.png", 5, nullptr, QSize(1280, 690)},
      {"lb_1920x1050.png", 5, nullptr, QSize(1920, 1050)},
  };
}

// The picture stands still at the moment the shot is taken.
class StillClock : public rq51::PlayerClock {
 public:
  double NowMs() const override { return now; }
  double now = 0;
};

// The 3D cube with its controls, on the LB window's solution: the second
// line of the middle layer being performed, its third turn under way.
bool TakeCubeShot(rq51::WindowSet& windows, const QDir& out_dir) {
  rq51::SolverWindow& window = SolverView(windows, 5).window();
  StillClock clock;
  QWidget panel;
  auto* column = new QVBoxLayout(&panel);
  auto* view = new rq51::CubeView(window, &panel);
  view->SetClock(&clock);
  column->addWidget(view, 1);
  column->addWidget(new rq51::CubeStrip(view, &panel));
  panel.resize(290, 470);
  window.BrowseLine(3, 0);
  view->WindowChanged();
  view->StepLine(1);
  // "Rz2Lx Rz Lx-...": a half turn, a quarter turn, then part of the next.
  for (double ms : {1.5, 1.0, 0.4}) {
    clock.now += ms * rq51::CubePlayer::kQuarterTurnMs;
    view->Tick();
  }
  panel.show();
  QApplication::processEvents();
  const QString path = out_dir.filePath(QStringLiteral("cube_view.png"));
  const bool saved = panel.grab().save(path, "PNG");
  QTextStream(saved ? stdout : stderr) << (saved ? "saved " : "could not save ") << path << '\n';
  window.BrowseLive();
  return saved;
}

bool TakeShot(rq51::WindowSet& windows, const Shot& shot, const QDir& out_dir) {
  QWidget* window = windows.window(shot.form);
  if (window == nullptr) return false;
  if (shot.setup) shot.setup(windows);
  if (shot.form >= 3) {
    window->setWindowState(Qt::WindowNoState);
    window->resize(shot.size);
  }
  window->show();
  QApplication::processEvents();
  const QString path = out_dir.filePath(QString::fromLatin1(shot.file_name));
  const bool saved = window->grab().save(path, "PNG");
  window->hide();
  QTextStream(saved ? stdout : stderr) << (saved ? "saved " : "could not save ") << path << '\n';
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool language_given = argc == 4 && std::strcmp(argv[1], "--lang") == 0;
  if (argc != 2 && !language_given) {
    std::fprintf(stderr, "usage: rq51-screenshots [--lang CODE] OUTDIR\n");
    return 2;
  }
  const char* out_name = argv[argc - 1];
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  rq51::SetUpApplicationFont();
  if (language_given && !rq51::UseLanguage(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "unknown language %s\n", argv[2]);
    return 2;
  }

  const QDir out_dir(QString::fromLocal8Bit(out_name));
  if (!QDir().mkpath(out_dir.path())) {
    std::fprintf(stderr, "cannot create %s\n", out_name);
    return 1;
  }
  rq51::WindowSet windows;
  windows.CreateAllWindows();
  bool all_saved = true;
  for (const Shot& shot : Shots()) all_saved = TakeShot(windows, shot, out_dir) && all_saved;
  all_saved = TakeCubeShot(windows, out_dir) && all_saved;
  return all_saved ? 0 : 1;
}
