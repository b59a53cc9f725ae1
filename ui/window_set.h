#ifndef RQ51_UI_WINDOW_SET_H_
#define RQ51_UI_WINDOW_SET_H_

#include <QWidget>
#include <array>
#include <memory>

#include "ui/main_window.h"

namespace rq51 {

// The program's seven top-level windows, created once in the order TForm1
// (main menu), TForm2 (explorer), TForm3 .. TForm7 (solvers CF-0, CF, LB,
// TK-C, TK-L) and kept until the set is destroyed. Only the main window is
// shown; the others open from its menu and closing them only hides them, so
// everything they hold is there again when they are reopened.
class WindowSet {
 public:
  static constexpr int kWindowCount = 7;

  WindowSet();
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  MainWindow* main_window() const;

  // TFormN for N = 1..7; nullptr for any other number.
  QWidget* window(int form) const;

  // Shows the main window; the six others stay hidden.
  void ShowMainWindow();

 private:
  // Index 0 holds TForm1. Destroyed in reverse order of creation.
  std::array<std::unique_ptr<QWidget>, kWindowCount> windows_;
};

}  // namespace rq51

#endif  // RQ51_UI_WINDOW_SET_H_
