// The Qt window of one solver (TForm3 .. TForm7). It owns the plain window
// object, builds a widget for every control under the control's name,
// forwards clicks and typing to the object's handlers and redraws everything
// from the object after each of them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "shell/solver_window.h"
#include "ui/captions.h"

class QLabel;
class QBoxLayout;
class QLayout;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class QHBoxLayout;
class QResizeEvent;
class QKeyEvent;
class QStackedWidget;
class QDragEnterEvent;
class QDropEvent;
class QEvent;

namespace rq51 {

class ColourGrid;
class CubeView;
class RecentFiles;
class ReferenceLineView;

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

  // On a small screen the instruction text and the teaching pictures move
  // into the panel "説明" opens, so that every control fits; from about
  // 1600 x 950 up they stand in the window itself and the net and grids grow
  // with the window.
  bool compact() const { return metrics_.compact; }

  // --- Files (solver_window_files_view.cc) ---------------------------------------
  // The list of recent files the window offers and adds to; null keeps none.
  void SetRecentFiles(RecentFiles* recent);
  // Called with a saved solution that another solver window should open.
  using OpenElsewhere =
      std::function<void(WindowKind window, const QString& path, const QByteArray& bytes)>;
  void SetOpenElsewhere(OpenElsewhere open);
  // Opens the file at `path` as "解法を開く…" does: a saved solution is
  // entered, confirmed and pressed again (in its own window when it names
  // another), a turn sequence or colour letters are painted into the grids.
  // False when the file was refused; the window then says why and keeps
  // everything it had.
  bool OpenFile(const QString& path);
  bool OpenBytes(const QByteArray& bytes, const QString& path);
  // Writes what "解法を保存…" writes; the old file is replaced only once the
  // new one is whole. False, with `error` set, on failure.
  bool SaveSolutionTo(const QString& path, QString& error);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // A change of language: every text is shown again in the new language,
  // the cube, the lists, the place in the solution and the 3D view kept.
  void changeEvent(QEvent* event) override;

 private:
  // Sizes that follow the window's size.
  struct Metrics {
    bool compact = false;
    int net_cell_width = 0;
    int net_cell_height = 0;
    int net_font = 0;
    int grid_cell = 0;
    int grid_font = 0;
    int outline_picture = 0;
    int decoration_width = 0;
    int decoration_height = 0;
    bool operator==(const Metrics&) const = default;
  };
  static Metrics MetricsFor(QSize size);
  void ApplyMetrics(const Metrics& metrics);
  // Moves the instructions and pictures into the window or into "説明".
  void PlaceExplanation(bool in_window);

  QWidget* BuildColourEntry();
  QLayout* BuildGridGroup(const std::array<int, 3>& grids, bool front_view);
  QWidget* BuildExplainButton(QWidget* parent);
  QWidget* BuildDecorations();
  QWidget* BuildNet();
  QWidget* BuildTrialPanel();
  QWidget* BuildStageLists();
  QWidget* MakeStageButton(std::string_view name, std::string_view caption);
  QWidget* BuildPlayback();
  QWidget* BuildCubeView();
  QWidget* BuildReferenceStrip();
  // Where the net and the 3D cube are in the solution.
  void RenderPlace();
  // Shows the reference solution playing on a cube of its own in the 3D
  // view (on), or the method's cube again (off).
  void PlayReference(bool on);
  // A list box: a click or the arrow keys step through the solution, Ctrl+A
  // and Ctrl+C copy its lines.
  void SetUpList(QListWidget* list, int list_box);
  // Browsing: a line of a list chosen, one line on or back, the live cube.
  void BrowseLine(int list_box, int row);
  void BrowseStep(int delta);
  void BrowseLive();
  bool eventFilter(QObject* watched, QEvent* event) override;
  QWidget* BuildFileButtons();
  void SaveSolution();
  void OpenSolution();
  // The context menu of a list: its selected lines, in either notation, or
  // the whole list in standard notation, to the clipboard.
  void ShowListMenu(QListWidget* list, int list_box, const QPoint& at);
  // A file dragged onto one of the window's edit boxes opens as a file
  // dropped on the window does; true when `event` was that.
  bool TakeDroppedFile(QEvent* event);
  void AddListColumn(QLayout* row, int list_box, const std::vector<const StageButton*>& buttons);

  // Sequence entry, typed colours and the named fault
  // (solver_window_entry_view.cc).
  QWidget* BuildScrambleEntry(QWidget* parent);
  QLabel* BuildFaultLabel(QWidget* parent);
  void TypeColour(int grid, Colour colour);
  void RenderEntryAids();

  // Gives `control` (a button, label or group box) the caption `text`,
  // written in Japanese, in the language of the moment, now and after each
  // change of language.
  QWidget* Caption(QWidget* control, const char* context, std::string_view text);

  // Runs a handler of the window object, then redraws.
  template <typename Handler>
  void Act(Handler handler) {
    std::invoke(handler, *window_);
    Render();
  }

  std::unique_ptr<SolverWindow> window_;
  Captions captions_;
  Metrics metrics_;
  // What moves between the window and "説明", and where it stands in the
  // window.
  QLabel* label3_ = nullptr;
  QWidget* front_picture_ = nullptr;
  QWidget* back_picture_ = nullptr;
  QWidget* decorations_ = nullptr;  // null in CF-0
  QHBoxLayout* front_row_ = nullptr;
  QHBoxLayout* back_row_ = nullptr;
  QVBoxLayout* centre_column_ = nullptr;
  QVBoxLayout* entry_column_ = nullptr;
  QPushButton* explain_button_ = nullptr;
  QWidget* explain_panel_ = nullptr;
  QVBoxLayout* explain_column_ = nullptr;
  QHBoxLayout* explain_pictures_ = nullptr;
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
  QBoxLayout* scramble_row_ = nullptr;  // the edit and its button
  QLabel* scramble_message_ = nullptr;  // ScrambleMessage
  QLabel* fault_label_ = nullptr;       // FaultLabel
  QLabel* file_message_ = nullptr;      // FileMessage
  RecentFiles* recent_ = nullptr;
  OpenElsewhere open_elsewhere_;
  // The 3D cube, its controls and the reference solution.
  QStackedWidget* cube_views_ = nullptr;
  QStackedWidget* strips_ = nullptr;
  CubeView* cube_view_ = nullptr;
  ReferenceLineView* reference_ = nullptr;
  std::unique_ptr<SolverWindow> reference_window_;
  std::optional<StickerColours> reference_entry_;
  CubeView* reference_view_ = nullptr;
  QWidget* reference_strip_ = nullptr;
};

}  // namespace rq51
