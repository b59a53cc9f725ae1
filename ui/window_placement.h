// Where a window opens: where the user left it when that place is still on a
// screen, otherwise as it opens the first time, never larger than the part of
// the screen that panels leave free.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QSettings;
class QWidget;

namespace rq51 {

// The title bar and borders the window system puts around `window`, once it
// has been shown; nothing before that.
QMargins FrameMargins(const QWidget* window);
// The same, or before the first showing what a window system usually adds
// (nothing on a platform without decorations, such as offscreen).
QMargins ExpectedFrameMargins(const QWidget* window);

// The inner geometry of a window that would like to be `preferred` large, on
// a screen whose free area is `available`: its preferred size where it fits
// together with its `frame`, otherwise as much as fits; centred in the free
// area.
QRect OpeningGeometry(QSize preferred, const QRect& available, const QMargins& frame);

// True when a window of inner geometry `geometry` can be used on one of the
// screens: its title bar lies in a screen's free area.
bool OnSomeScreen(const QRect& geometry);

// The geometry and maximised state of each window, by its object name, kept
// between runs in `settings`.
class WindowPlacement {
 public:
  // `settings` outlives the placement; null keeps nothing.
  explicit WindowPlacement(QSettings* settings) : settings_(settings) {}

  // Puts `window` where it was when it was last kept: its geometry, then
  // maximised if it was. False when nothing was kept for it, or the place
  // lies on no screen now (the screens changed); the window is then left as
  // it is, to open as the first time.
  bool Restore(QWidget* window) const;
  // Keeps where `window` is now; a window never shown is not kept.
  void Save(const QWidget* window);
  // Forgets every window's place.
  void Forget();

 private:
  QSettings* settings_;
};

// For a window just shown maximised: where the window system does not
// maximise windows (an X server without a window manager, some kiosk and
// remote desktops), gives it the screen's free area itself.
void KeepMaximisedEverywhere(QWidget* window);

}  // namespace rq51
