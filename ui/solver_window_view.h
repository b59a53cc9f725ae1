// The Qt window of one solver (TForm3 .. TForm7). It owns the plain window
// object, builds a widget for every control under the control's name,
// forwards clicks and typing to the object's handlers and redraws everything
// from the object after each of them.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "shell/solver_window.h"

class QLabel;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace rq51 {

class ColourGrid;

class SolverWindowView : public QWidget {
 public:
  // The window of `kind` with its method's stage buttons.
  explicit SolverWindowView(WindowKind kind, QWidget* parent = nullptr);
  // A view of a window object made elsewhere.
  explicit SolverWindowView(std::unique_ptr<SolverWindow> window, QWidget* parent = nullptr);
  ~SolverWindowView() override;

  SolverWindow& window() { return *window_; }
  const SolverWindow& window() const { return *window_; }

  // Opens the window as the main menu does: maximised and in front.
  void ShowFromMenu();

  // Redraws every control from the window object.
  void Render();

 private:
  QWidget* BuildColourEntry();
  QLayout* BuildGridGroup(const std::array<int, 3>& grids, bool front_view);
  QWidget* BuildDecorations();
  QWidget* BuildNet();
  QWidget* BuildTrialPanel();
  QWidget* BuildStageLists();
  QWidget* MakeStageButton(std::string_view name, std::string_view caption);
  QWidget* BuildPlayback();
  // A list box: a click or the arrow keys step through the solution, Ctrl+A
  // and Ctrl+C copy its lines.
  void SetUpList(QListWidget* list, int list_box);
  // Browsing: a line of a list chosen, one line on or back, the live cube.
  void BrowseLine(int list_box, int row);
  void BrowseStep(int delta);
  void BrowseLive();
  void SaveSolution();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void AddListColumn(QLayout* row, int list_box, const std::vector<const StageButton*>& buttons);

  // Sequence entry, typed colours and the named fault
  // (solver_window_entry_view.cc).
  QWidget* BuildScrambleEntry(QWidget* parent);
  QLabel* BuildFaultLabel(QWidget* parent);
  void TypeColour(int grid, Colour colour);
  void RenderEntryAids();

  // Runs a handler of the window object, then redraws.
  template <typename Handler>
  void Act(Handler handler) {
    std::invoke(handler, *window_);
    Render();
  }

  std::unique_ptr<SolverWindow> window_;
  std::map<Colour, QRadioButton*> colour_buttons_;
  std::array<ColourGrid*, 7> grids_{};  // 1..6
  std::array<QLineEdit*, 55> net_{};    // Edit1 .. Edit54
  std::map<int, QListWidget*> lists_;   // ListBox<n>
  std::map<int, QLabel*> list_turns_;   // TurnCount<n>
  QLabel* playback_ = nullptr;          // where the net is in the solution
  QLabel* run_turns_ = nullptr;
  bool rendering_ = false;  // list selections set by Render are not the user's
  QLabel* label4_ = nullptr;
  QLineEdit* edit55_ = nullptr;
  QLineEdit* scramble_edit_ = nullptr;  // ScrambleEdit
  QLabel* scramble_message_ = nullptr;  // ScrambleMessage
  QLabel* fault_label_ = nullptr;       // FaultLabel
};

}  // namespace rq51
