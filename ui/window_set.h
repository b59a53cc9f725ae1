#ifndef RQ51_UI_WINDOW_SET_H_
#define RQ51_UI_WINDOW_SET_H_

#include <QObject>
#include <QWidget>
#include <array>
#include <memory>

#include "shell/window_variant.h"
#include "ui/main_window.h"
#include "ui/recent_files.h"
#include "ui/window_placement.h"

class QEvent;
class QSettings;
class QString;

namespace rq51 {

class SolverWindowView;

// The program's seven top-level windows, each created once and kept until
// the set is destroyed: TForm1 (main menu), then TForm2 (explorer) and
// TForm3 .. TForm7 (solvers CF-0, CF, LB, TK-C, TK-L) in this order. Only
// the main window is shown; the others open from its menu and closing them
// only hides them, so everything they hold is there again when they are
// reopened.
//
// The main window is what the user waits for, so the six others are made
// right after its first paint, one per pass of the event loop. A menu button
// pressed before its window exists makes it at once, with any missing before
// it in window order, and opens it.
class WindowSet : public QObject {
 public:
  static constexpr int kWindowCount = 7;

  // `settings` keeps where each window was between runs (null: nowhere); it
  // outlives the set.
  explicit WindowSet(QSettings* settings = nullptr);
  ~WindowSet() override;
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  MainWindow* main_window() const;

  // TFormN for N = 1..7; nullptr for any other number and for a window not
  // made yet.
  QWidget* window(int form) const;

  // Shows the main window; the six others stay hidden and are made after
  // its first paint.
  void ShowMainWindow();

  // Opens a file given on the command line once the main window is shown: a
  // saved solution in the window it names, a turn sequence or colour letters
  // in the solver window opened last (LB the first time).
  void OpenAtStart(const QString& path);

  // Makes every window that does not exist yet, in window order; windows
  // that exist are left as they are.
  void CreateAllWindows();
  // The same, up to TFormN.
  void CreateWindowsUpTo(int form);
  bool AllWindowsExist() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Makes the first window in window order that does not exist yet; false
  // when all exist.
  bool CreateNextWindow();
  void CreateRemainingOneByOne();
  // The first time a window is shown: a maximised one is made to fill the
  // screen where the window system ignores maximising; the explorer fits the
  // screen's free area.
  void FitOnFirstShow(QWidget* window);
  // Index of `window` in windows_, or windows_.size().
  size_t IndexOf(const QWidget* window) const;
  // Shows the solver window of `kind` as its menu button does.
  SolverWindowView* ShowSolverWindow(WindowKind kind);

  // Index 0 holds TForm1. Destroyed in reverse order of creation.
  std::array<std::unique_ptr<QWidget>, kWindowCount> windows_;
  QSettings* settings_;
  WindowPlacement placement_;
  RecentFiles recent_files_;
  std::array<bool, kWindowCount> restored_{};  // put where the user left it
  std::array<bool, kWindowCount> shown_{};
  bool creating_ = false;  // the other windows are being made
};

}  // namespace rq51

#endif  // RQ51_UI_WINDOW_SET_H_
