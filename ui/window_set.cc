#include "ui/window_set.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "shell/solution_text.h"
#include "ui/explorer_window.h"
#include "ui/language.h"
#include "ui/solver_window_view.h"
#include "ui/window_placement.h"

namespace rq51 {
namespace {

// The window of TForm2 .. TForm7.
std::unique_ptr<QWidget> MakeWindow(int form) {
  if (form == 2) return std::make_unique<ExplorerWindow>();
  return std::make_unique<SolverWindowView>(AllWindowKinds()[form - 3]);
}

}  // namespace

namespace {

// The setting that names the solver window shown last.
constexpr char kLastSolverWindow[] = "lastSolverWindow";

}  // namespace

WindowSet::WindowSet(QSettings* settings)
    : settings_(settings), placement_(settings), recent_files_(settings) {
  // Only the main window's close ends the program; hiding the last open
  // secondary window must not.
  QApplication::setQuitOnLastWindowClosed(false);

  windows_[0] = std::make_unique<MainWindow>();
  main_window()->SetMissingWindowMaker([this](int form) { CreateWindowsUpTo(form); });
  // A language chosen in the main window is spoken again next time.
  connect(main_window(), &MainWindow::LanguageChosen, this, [this](const QString& code) {
    if (settings_ != nullptr) RememberLanguage(*settings_, code);
  });
  main_window()->installEventFilter(this);
  restored_[0] = placement_.Restore(main_window());
}

WindowSet::~WindowSet() {
  // Windows still open when the program ends open there next time.
  for (const auto& window : windows_) {
    if (window != nullptr && window->isVisible()) placement_.Save(window.get());
  }
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
    QWidget* window = windows_[form - 1].get();
    // A solver window opens maximised, the explorer at its own size; both
    // open where the user left them instead when that place is on a screen.
    restored_[form - 1] = placement_.Restore(window);
    if (!restored_[form - 1] && form != 2) window->setWindowState(Qt::WindowMaximized);
    window->installEventFilter(this);
    if (auto* view = dynamic_cast<SolverWindowView*>(window)) {
      view->SetRecentFiles(&recent_files_);
      view->SetOpenElsewhere([this](WindowKind kind, const QString& path, const QByteArray& bytes) {
        if (SolverWindowView* other = ShowSolverWindow(kind)) other->OpenBytes(bytes, path);
      });
    }
    main_window()->SetMenuTarget(form, windows_[form - 1].get());
    return true;
  }
  return false;
}

SolverWindowView* WindowSet::ShowSolverWindow(WindowKind kind) {
  const auto& kinds = AllWindowKinds();
  const int form =
      static_cast<int>(std::find(kinds.begin(), kinds.end(), kind) - kinds.begin()) + 3;
  CreateWindowsUpTo(form);
  main_window()->MenuButton(form)->click();
  return dynamic_cast<SolverWindowView*>(window(form));
}

void WindowSet::OpenAtStart(const QString& path) {
  QFile file(path);
  QByteArray start;
  if (file.open(QIODevice::ReadOnly)) start = file.read(4096);
  std::optional<WindowKind> kind =
      SolutionWindowOf(std::string_view(start.constData(), static_cast<size_t>(start.size())));
  if (!kind && settings_ != nullptr) {
    const QString last = settings_->value(QLatin1String(kLastSolverWindow)).toString();
    for (WindowKind candidate : AllWindowKinds()) {
      if (last ==
          QString::fromUtf8(VariantOf(candidate).class_name.data(),
                            static_cast<qsizetype>(VariantOf(candidate).class_name.size()))) {
        kind = candidate;
      }
    }
  }
  if (SolverWindowView* view = ShowSolverWindow(kind.value_or(WindowKind::kLb)))
    view->OpenFile(path);
}

size_t WindowSet::IndexOf(const QWidget* window) const {
  for (size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].get() == window) return i;
  }
  return windows_.size();
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
  if (watched == windows_[0].get() && event->type() == QEvent::Paint && !creating_) {
    creating_ = true;
    // Queued, so that the paint is finished and on the screen first.
    QTimer::singleShot(0, this, &WindowSet::CreateRemainingOneByOne);
  }
  auto* window = qobject_cast<QWidget*>(watched);
  if (window != nullptr && window->isWindow()) {
    const size_t index = IndexOf(window);
    if (event->type() == QEvent::Show && index >= 2 && index < windows_.size() &&
        settings_ != nullptr) {
      settings_->setValue(QLatin1String(kLastSolverWindow), window->objectName());
    }
    if (event->type() == QEvent::Show && index < shown_.size() && !shown_[index]) {
      shown_[index] = true;
      FitOnFirstShow(window);
    } else if (event->type() == QEvent::Hide && !window->isMinimized()) {
      placement_.Save(window);
    }
  }
  return QObject::eventFilter(watched, event);
}

void WindowSet::FitOnFirstShow(QWidget* window) {
  if (window->isMaximized()) {
    KeepMaximisedEverywhere(window);
    return;
  }
  // A window that was not placed by the user fits the free area of its
  // screen: the explorer opens at its own size where the screen allows it,
  // otherwise as high as the free area.
  if (window == windows_[1].get() && !restored_[1]) {
    window->setGeometry(OpeningGeometry(window->size(), window->screen()->availableGeometry(),
                                        ExpectedFrameMargins(window)));
  }
}

}  // namespace rq51
