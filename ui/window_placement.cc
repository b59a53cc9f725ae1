#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace rq51 {

namespace {

// How long a window system may take to maximise a window before the program
// does it itself.
constexpr int kMaximiseSettleMs = 400;

QString Key(const QWidget* window, const char* what) {
  return QStringLiteral("windows/%1/%2").arg(window->objectName(), QLatin1String(what));
}

}  // namespace

QMargins FrameMargins(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  if (!window->testAttribute(Qt::WA_WState_Created) || outer == inner) return {};
  return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                  outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

QMargins ExpectedFrameMargins(const QWidget* window) {
  const QMargins frame = FrameMargins(window);
  if (!frame.isNull()) return frame;
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return {};
  return QMargins(1, 30, 1, 1);
}

QRect OpeningGeometry(QSize preferred, const QRect& available, const QMargins& frame) {
  const QRect room = available.marginsRemoved(frame);
  const QSize size = preferred.boundedTo(room.size());
  QRect geometry(QPoint(0, 0), size);
  geometry.moveCenter(room.center());
  // Centring an odd difference must not push the title bar off the top.
  geometry.moveTop(std::max(geometry.top(), room.top()));
  geometry.moveLeft(std::max(geometry.left(), room.left()));
  return geometry;
}

bool OnSomeScreen(const QRect& geometry) {
  // The middle of the title bar must be reachable to move the window.
  const QPoint title(geometry.center().x(), geometry.top() - 8);
  const QPoint top(geometry.center().x(), geometry.top());
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect free = screen->availableGeometry();
    if (free.contains(title) || free.contains(top)) return true;
  }
  return false;
}

bool WindowPlacement::Restore(QWidget* window) const {
  if (settings_ == nullptr) return false;
  const QRect geometry = settings_->value(Key(window, "geometry")).toRect();
  if (!geometry.isValid() || !OnSomeScreen(geometry)) return false;
  window->setGeometry(geometry);
  if (settings_->value(Key(window, "maximized")).toBool()) {
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
  } else {
    window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
  }
  return true;
}

void WindowPlacement::Save(const QWidget* window) {
  if (settings_ == nullptr || !window->testAttribute(Qt::WA_WState_Created)) return;
  // A maximised window keeps the size it returns to when it is restored.
  const QRect geometry = window->isMaximized() ? window->normalGeometry() : window->geometry();
  if (geometry.isValid()) settings_->setValue(Key(window, "geometry"), geometry);
  settings_->setValue(Key(window, "maximized"), window->isMaximized());
}

void WindowPlacement::Forget() {
  if (settings_ == nullptr) return;
  settings_->remove(QStringLiteral("windows"));
  settings_->sync();
}

void KeepMaximisedEverywhere(QWidget* window) {
  QTimer::singleShot(kMaximiseSettleMs, window, [window = QPointer<QWidget>(window)] {
    if (window == nullptr || !window->isVisible() || !window->isMaximized()) return;
    const QRect free = window->screen()->availableGeometry();
    const QMargins frame = FrameMargins(window);
    const QSize outer = window->size().grownBy(frame);
    // A window manager that maximises leaves at most a border unused.
    constexpr int kSlack = 48;
    if (outer.width() >= free.width() - kSlack && outer.height() >= free.height() - kSlack) return;
    window->setGeometry(free.marginsRemoved(frame));
  });
}

}  // namespace rq51
