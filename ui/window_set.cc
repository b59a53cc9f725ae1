#include "ui/window_set.h"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QTimer>

#include "ui/explorer_window.h"
#include "ui/solver_window_view.h"

namespace rq51 {
namespace {

// The window of TForm2 .. TForm7; a solver window (CF-0, CF, LB, TK-C, TK-L)
// opens maximised.
std::unique_ptr<QWidget> MakeWindow(int form) {
  if (form == 2) return std::make_unique<ExplorerWindow>();
  auto window = std::make_unique<SolverWindowView>(AllWindowKinds()[form - 3]);
  window->setWindowState(Qt::WindowMaximized);
  return window;
}

}  // namespace

WindowSet::WindowSet() {
  // Only the main window's close ends the program; hiding the last open
  // secondary window must not.
  QApplication::setQuitOnLastWindowClosed(false);

  windows_[0] = std::make_unique<MainWindow>();
  main_window()->SetMissingWindowMaker([this](int form) { CreateWindowsUpTo(form); });
  main_window()->installEventFilter(this);
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

void WindowSet::CreateAllWindows() { CreateWindowsUpTo(kWindowCount); }

void WindowSet::CreateWindowsUpTo(int form) {
  while (window(form) == nullptr && CreateNextWindow()) {
  }
}

bool WindowSet::CreateNextWindow() {
  for (int form = kFirstMenuForm; form <= kLastMenuForm; ++form) {
    if (windows_[form - 1] != nullptr) continue;
    windows_[form - 1] = MakeWindow(form);
    main_window()->SetMenuTarget(form, windows_[form - 1].get());
    return true;
  }
  return false;
}

bool WindowSet::AllWindowsExist() const {
  for (const auto& window : windows_) {
    if (window == nullptr) return false;
  }
  return true;
}

void WindowSet::CreateRemainingOneByOne() {
  // One window per pass of the event loop, so that a click on the main
  // window waits for one window at most.
  if (CreateNextWindow()) QTimer::singleShot(0, this, &WindowSet::CreateRemainingOneByOne);
}

bool WindowSet::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windows_[0].get() && event->type() == QEvent::Paint) {
    main_window()->removeEventFilter(this);
    // Queued, so that the paint is finished and on the screen first.
    QTimer::singleShot(0, this, &WindowSet::CreateRemainingOneByOne);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace rq51
