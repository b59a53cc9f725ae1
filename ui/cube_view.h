// The 3D cube of a solver window and the strip of controls under it. The
// view paints the picture the player (shell/cube_player.h) gives, moves it on
// with a timer, and turns the camera when dragged; the strip plays, steps,
// jumps, scrubs, sets the speed and shows the line being performed.
//
// The window that holds them calls WindowChanged() after each of its
// handlers (TrialMoved() after a trial button) and redraws its net on
// NetChanged(). Neither widget changes the window's cube, lists or verdict.
#pragma once

#include <QWidget>
#include <memory>

#include "cube/moves.h"
#include "shell/cube_player.h"
#include "shell/solver_window.h"
#include "ui/captions.h"
#include "view3d/cube_geometry.h"

class QCheckBox;
class QEvent;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QSlider;
class QTimer;

namespace rq51 {

class CubeView : public QWidget {
  Q_OBJECT

 public:
  // `window` must outlive the view.
  explicit CubeView(SolverWindow& window, QWidget* parent = nullptr);
  ~CubeView() override;

  CubePlayer& player() { return *player_; }
  const CubePlayer& player() const { return *player_; }

  // The clock the animation runs on; null goes back to the steady clock.
  // Tests set the time by hand and call Tick().
  void SetClock(const PlayerClock* clock);
  // Moves the picture on to the clock's time and repaints.
  void Tick();

  // --- What the window tells the view ------------------------------------------
  void WindowChanged();
  void TrialMoved(Move move);

  // --- Controls (the strip's buttons and the keys call these) ----------------------
  void StepLine(int delta);
  void JumpToLine(size_t line);
  void Home();
  void End();
  void PlayPause();
  void ScrubTo(int turn);
  void SetSpeed(double speed);
  // Space plays or pauses, Left and Right step a line, Home and End jump.
  // True when the key was one of them. The window forwards these keys when
  // the view does not have the keyboard.
  bool HandleKey(int key);

  // --- The camera and the hidden faces ---------------------------------------------
  void ResetCamera();
  view3d::Camera camera() const { return camera_; }
  void SetCamera(view3d::Camera camera);
  void SetHiddenFaces(bool on);
  bool hidden_faces() const { return hidden_faces_; }

  // The picture as it is painted now.
  view3d::Frame CurrentFrame() const;

  QSize sizeHint() const override { return {270, 270}; }
  QSize minimumSizeHint() const override { return {180, 180}; }

 signals:
  // The player moved the window's net: the window redraws it (and the line
  // that says where it is).
  void NetChanged();
  // The place, the turn in progress, the speed or the playing changed.
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  class SteadyClock;
  class ForwardingClock;

  view3d::Scene SceneNow() const;
  // The tip that says how to turn the view, in the language of the moment.
  void ShowTip();
  // After every change of the player: keeps the timer running while the
  // picture moves, repaints, and tells the window and the strip.
  void Changes();

  std::unique_ptr<SteadyClock> steady_clock_;
  std::unique_ptr<ForwardingClock> clock_;
  std::unique_ptr<CubePlayer> player_;
  QTimer* timer_ = nullptr;
  view3d::Camera camera_ = view3d::kDefaultCamera;
  bool hidden_faces_ = true;
  int net_version_ = 0;
  QPoint drag_from_;
  view3d::Camera drag_camera_;
  mutable view3d::Frame frame_;  // reused from paint to paint
};

// Under the cube: Home, a line back, play/pause, a line on, End; the scrub
// bar over every turn; the speed, the hidden faces and the camera's reset;
// the line being performed with its turn marked; where the cube is.
class CubeStrip : public QWidget {
  Q_OBJECT

 public:
  // kColumn: as narrow as the cube, everything stacked under it. kWide: for
  // the strip that spans the net and the cube in a solver window, which
  // brings its own buttons for a line back and on, the live cube, and the
  // line that says where the cube is (AddButton, the window's labels).
  enum class Shape { kColumn, kWide };
  CubeStrip(CubeView* view, QWidget* parent = nullptr, Shape shape = Shape::kColumn);

  // kWide: puts a button of the window into the row of buttons, at `index`
  // among them.
  void AddButton(QWidget* button, int index);

  // Shows the view's state.
  void Render();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  CubeView* view_;
  Captions captions_;
  QHBoxLayout* buttons_ = nullptr;
  QToolButton* play_ = nullptr;
  QSlider* scrub_ = nullptr;
  QComboBox* speed_ = nullptr;
  QCheckBox* hidden_ = nullptr;
  QLabel* turn_line_ = nullptr;
  QLabel* position_ = nullptr;
  bool rendering_ = false;
};

}  // namespace rq51
