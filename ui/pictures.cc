#include "ui/pictures.h"

#include <QColor>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace rq51 {
namespace {

// A point of the cube in cube units: x to the right, y up, z either towards
// the viewer (isometric view) or away from it (oblique view); 0..3 each.
struct CubePoint {
  double x;
  double y;
  double z;
};

// Isometric view: x runs down to the right, z down to the left, y up.
class IsometricView {
 public:
  explicit IsometricView(const QRectF& area) {
    // The cube spans 6 cos30 units across and 6 units down.
    const double cos30 = std::sqrt(3.0) / 2.0;
    unit_ = std::min(area.width() / (6.0 * cos30), area.height() / 6.0) * 0.94;
    dx_ = unit_ * cos30;
    dy_ = unit_ * 0.5;
    // The top-front-right vertex of the top face is the highest point.
    origin_ = QPointF(area.center().x(), area.center().y() - 3.0 * unit_);
  }

  QPointF operator()(CubePoint p) const {
    return QPointF(origin_.x() + (p.x - p.z) * dx_,
                   origin_.y() + (p.x + p.z) * dy_ + (3.0 - p.y) * unit_);
  }

  double unit() const { return unit_; }

 private:
  double unit_ = 0;
  double dx_ = 0;
  double dy_ = 0;
  QPointF origin_;
};

// One face of the solved cube: a corner and the two directions along which
// its 3x3 stickers run.
struct FaceFrame {
  CubePoint corner;
  CubePoint across;
  CubePoint down;
  QColor colour;
};

CubePoint Along(const FaceFrame& face, double a, double d) {
  return {face.corner.x + a * face.across.x + d * face.down.x,
          face.corner.y + a * face.across.y + d * face.down.y,
          face.corner.z + a * face.across.z + d * face.down.z};
}

QPolygonF FacePolygon(const IsometricView& view, const FaceFrame& face, double a0, double d0,
                      double a1, double d1) {
  return QPolygonF({view(Along(face, a0, d0)), view(Along(face, a1, d0)), view(Along(face, a1, d1)),
                    view(Along(face, a0, d1))});
}

// Oblique view: x to the right, y up, z into the picture drawn up and to the
// right at half length.
class ObliqueView {
 public:
  explicit ObliqueView(const QRectF& area) {
    const double depth = 0.5 * std::sqrt(0.5);
    // Across: 3 + 3 depth units; down: 3 + 3 depth units.
    unit_ = std::min(area.width(), area.height()) / (3.0 + 3.0 * depth) * 0.92;
    depth_ = unit_ * depth;
    const double size = 3.0 * unit_ + 3.0 * depth_;
    origin_ = QPointF(area.center().x() - size / 2.0, area.center().y() + size / 2.0);
  }

  QPointF operator()(CubePoint p) const {
    return QPointF(origin_.x() + p.x * unit_ + p.z * depth_,
                   origin_.y() - p.y * unit_ - p.z * depth_);
  }

 private:
  double unit_ = 0;
  double depth_ = 0;
  QPointF origin_;
};

void DrawLine(QPainter& painter, const ObliqueView& view, CubePoint a, CubePoint b) {
  painter.drawLine(view(a), view(b));
}

}  // namespace

void PaintSolvedCube(QPainter& painter, const QRectF& area) {
  const IsometricView view(area);
  // Top white, front green, right red. Stickers run "across" a face in rows
  // that follow each other "down"; the corner is the sticker grid's origin.
  const FaceFrame visible[] = {
      {{0, 3, 0}, {1, 0, 0}, {0, 0, 1}, QColor(250, 250, 246)},  // top, y = 3
      {{0, 3, 3}, {1, 0, 0}, {0, -1, 0}, QColor(0, 160, 70)},    // front, z = 3
      {{3, 3, 3}, {0, 0, -1}, {0, -1, 0}, QColor(255, 70, 40)},  // right, x = 3
  };
  // Light falls from above: the side faces are a little darker.
  const double shade[] = {1.0, 0.92, 0.78};

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double gap = 0.06;
  // Almost a pixel inside the sticker's edge.
  const double inset = gap + 0.8 / view.unit();
  for (int f = 0; f < 3; ++f) {
    const FaceFrame& face = visible[f];
    painter.setPen(QPen(QColor(20, 20, 20), view.unit() * 0.04));
    painter.setBrush(QColor(20, 20, 20));
    painter.drawPolygon(FacePolygon(view, face, 0, 0, 3, 3));
    painter.setPen(Qt::NoPen);
    const QColor colour = face.colour.darker(static_cast<int>(100 / shade[f]));
    for (int row = 0; row < 3; ++row) {
      for (int column = 0; column < 3; ++column) {
        // The sticker in its own colour, antialiased, then its sheen inside
        // it without antialiasing: the edge stays smooth, and the gradient
        // is filled in one pass on this thread. An antialiased gradient fill
        // is handed to Qt's painting threads, which costs more at start-up
        // than the whole picture.
        const QPolygonF sticker =
            FacePolygon(view, face, column + gap, row + gap, column + 1 - gap, row + 1 - gap);
        painter.setBrush(colour);
        painter.drawPolygon(sticker);
        const QPolygonF inside = FacePolygon(view, face, column + inset, row + inset,
                                             column + 1 - inset, row + 1 - inset);
        QLinearGradient sheen(sticker.boundingRect().topLeft(),
                              sticker.boundingRect().bottomRight());
        sheen.setColorAt(0, colour.lighter(112));
        sheen.setColorAt(1, colour);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setBrush(sheen);
        painter.drawPolygon(inside);
        painter.setRenderHint(QPainter::Antialiasing, true);
      }
    }
  }
  painter.restore();
}

void PaintCubeLineDrawing(QPainter& painter, const QRectF& area) {
  const ObliqueView view(area);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);

  // Hidden edges first, so the visible lines lie on top of them.
  QPen dotted(Qt::black, 1.0, Qt::DotLine);
  painter.setPen(dotted);
  const CubePoint hidden{0, 0, 3};
  DrawLine(painter, view, hidden, {3, 0, 3});
  DrawLine(painter, view, hidden, {0, 3, 3});
  DrawLine(painter, view, hidden, {0, 0, 0});

  painter.setPen(QPen(Qt::black, 1.0));
  for (double t = 0; t <= 3; t += 1) {
    // Front face (z = 0).
    DrawLine(painter, view, {t, 0, 0}, {t, 3, 0});
    DrawLine(painter, view, {0, t, 0}, {3, t, 0});
    // Top face (y = 3).
    DrawLine(painter, view, {t, 3, 0}, {t, 3, 3});
    DrawLine(painter, view, {0, 3, t}, {3, 3, t});
    // Right face (x = 3).
    DrawLine(painter, view, {3, t, 0}, {3, t, 3});
    DrawLine(painter, view, {3, 0, t}, {3, 3, t});
  }
  painter.restore();
}

QPixmap ScreenPixmap(QSize size) {
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QPixmap picture(size * ratio);
  picture.setDevicePixelRatio(ratio);
  return picture;
}

QPixmap SolvedCubePicture(QSize size) {
  QPixmap picture = ScreenPixmap(size);
  const QRectF area(QPointF(0, 0), QSizeF(size));
  QPainter painter(&picture);
  QLinearGradient backdrop(0, 0, 0, size.height());
  backdrop.setColorAt(0, QColor(236, 236, 232));
  backdrop.setColorAt(1, QColor(196, 196, 190));
  painter.fillRect(area, backdrop);
  PaintSolvedCube(painter, area);
  return picture;
}

QPixmap CubeLineDrawing(QSize size) {
  QPixmap picture = ScreenPixmap(size);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  PaintCubeLineDrawing(painter, QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2, 2, -2, -2));
  return picture;
}

QIcon CloseButtonIcon() {
  QIcon icon;
  for (const int size : {16, 32}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(48, 48, 48), size / 8.0, Qt::SolidLine, Qt::RoundCap));
    const double near = size * 0.25;
    const double far = size * 0.75;
    painter.drawLine(QPointF(near, near), QPointF(far, far));
    painter.drawLine(QPointF(near, far), QPointF(far, near));
    painter.end();
    icon.addPixmap(picture);
  }
  return icon;
}

}  // namespace rq51
