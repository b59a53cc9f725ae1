// The line under a solver window's net that shows a near-shortest solution
// of the entered cube as a yardstick beside the method's solution. It is
// found in the background (the window answers meanwhile), found again for
// every new entry (an older search is cancelled), copied in standard
// notation, and played on a cube of its own in the 3D view. It never
// changes the window's cube, lists or verdict.
#pragma once

#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "cube/arrangement_check.h"
#include "shell/solver_window.h"
#include "shortest/reference_solution.h"

class QEvent;
class QLabel;
class QPushButton;

namespace rq51 {

class ReferenceLineView : public QWidget {
  Q_OBJECT

 public:
  // `window` must outlive the view.
  explicit ReferenceLineView(const SolverWindow& window, QWidget* parent = nullptr);
  ~ReferenceLineView() override;

  // After every handler of the window: starts a search when the accepted
  // entry changed, and clears the line when there is none.
  void WindowChanged();

  // The solution shown, once found.
  const std::optional<shortest::ReferenceSolution>& solution() const { return solution_; }
  bool searching() const { return pending_ || search_ != nullptr; }
  // The entry the shown or sought solution belongs to.
  const std::optional<StickerColours>& entry() const { return entry_; }

 signals:
  // "3Dで再生": the solution is to be played from the entered cube.
  void PlayRequested();
  // A search finished (also one that found nothing).
  void Finished();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  struct Search;
  void Start(const StickerColours& colours);
  void Cancel();
  void Show();
  // The buttons' captions and tips, in the language of the moment.
  void ShowCaptions();

  const SolverWindow& window_;
  std::optional<StickerColours> entry_;
  std::optional<shortest::ReferenceSolution> solution_;
  bool pending_ = false;  // a search is about to start
  int generation_ = 0;    // of the entry waited for
  std::unique_ptr<Search> search_;
  std::vector<std::unique_ptr<Search>> cancelled_;
  QLabel* heading_ = nullptr;  // ReferenceLabel
  QLabel* turns_ = nullptr;    // ReferenceTurns
  QPushButton* copy_ = nullptr;
  QPushButton* play_ = nullptr;
};

}  // namespace rq51
