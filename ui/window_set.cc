#include "ui/window_set.h"

#include <QApplication>
#include <QString>

#include "ui/explorer_window.h"
#include "ui/solver_window_view.h"

namespace rq51 {
namespace {

std::unique_ptr<QWidget> MakeExplorerWindow() { return std::make_unique<ExplorerWindow>(); }

// The solver window of TForm3 .. TForm7 (CF-0, CF, LB, TK-C, TK-L); it opens
// maximised.
std::unique_ptr<QWidget> MakeSolverWindow(int form) {
  auto window = std::make_unique<SolverWindowView>(AllWindowKinds()[form - 3]);
  window->setWindowState(Qt::WindowMaximized);
  return window;
}

}  // namespace

WindowSet::WindowSet() {
  // Only the main window's close ends the program; hiding the last open
  // secondary window must not.
  QApplication::setQuitOnLastWindowClosed(false);

  auto main_window = std::make_unique<MainWindow>();
  MainWindow* menu = main_window.get();
  windows_[0] = std::move(main_window);
  windows_[1] = MakeExplorerWindow();
  for (int form = 3; form <= kWindowCount; ++form) {
    windows_[form - 1] = MakeSolverWindow(form);
  }
  for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
    menu->SetMenuTarget(form, window(form));
  }
}

WindowSet::~WindowSet() {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) it->reset();
}

MainWindow* WindowSet::main_window() const { return static_cast<MainWindow*>(windows_[0].get()); }

QWidget* WindowSet::window(int form) const {
  if (form < 1 || form > kWindowCount) return nullptr;
  return windows_[form - 1].get();
}

void WindowSet::ShowMainWindow() { main_window()->show(); }

}  // namespace rq51
