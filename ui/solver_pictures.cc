#include "ui/solver_pictures.h"

#include <QEvent>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "ui/language.h"
#include "ui/qt_colour.h"

namespace rq51 {

namespace {

// A point of the unit cube: x to the right, y to the back, z up.
struct Point3 {
  double x;
  double y;
  double z;
};

// Oblique view from the front, right and above: depth is drawn up and to the
// right at half length.
class ObliqueView {
 public:
  // `depth` is the drawn length of an edge into the picture relative to an
  // edge across it.
  // `angle` (radians) is the slope of the edges into the picture.
  explicit ObliqueView(const QRectF& area, double depth = 0.5, double angle = 0.7) {
    const double across = 1.0 + depth * std::cos(angle);
    const double up = 1.0 + depth * std::sin(angle);
    side_ = std::min(area.width() / across, area.height() / up);
    depth_x_ = side_ * depth * std::cos(angle);
    depth_y_ = side_ * depth * std::sin(angle);
    origin_ = QPointF(area.center().x() - side_ * across / 2, area.center().y() + side_ * up / 2);
  }

  QPointF operator()(Point3 p) const {
    return QPointF(origin_.x() + side_ * p.x + depth_x_ * p.y,
                   origin_.y() - side_ * p.z - depth_y_ * p.y);
  }

 private:
  double side_ = 0;
  double depth_x_ = 0;
  double depth_y_ = 0;
  QPointF origin_;
};

enum class Face { kFront, kBottom, kBack, kTop, kLeft, kRight };

// A point of a face in its own coordinates u, v (0..1).
Point3 OnFace(Face face, double u, double v) {
  switch (face) {
    case Face::kFront:
      return {u, 0, v};
    case Face::kBack:
      return {u, 1, v};
    case Face::kTop:
      return {u, v, 1};
    case Face::kBottom:
      return {u, v, 0};
    case Face::kLeft:
      return {0, u, v};
    case Face::kRight:
      return {1, u, v};
  }
  return {0, 0, 0};
}

QPolygonF FacePart(const ObliqueView& view, Face face, double u0, double v0, double u1, double v1) {
  return QPolygonF({view(OnFace(face, u0, v0)), view(OnFace(face, u1, v0)),
                    view(OnFace(face, u1, v1)), view(OnFace(face, u0, v1))});
}

const QColor kLine(40, 40, 40);
const QColor kFrontShade(236, 236, 236);
const QColor kTopShade(250, 250, 250);
const QColor kSideShade(214, 214, 214);

// A face filled with `fill`, with its 3x3 sticker lines when `gridded`.
void DrawFace(QPainter& painter, const ObliqueView& view, Face face, const QColor& fill,
              bool gridded) {
  painter.setBrush(fill);
  painter.setPen(QPen(kLine, 1.2));
  painter.drawPolygon(FacePart(view, face, 0, 0, 1, 1));
  if (!gridded) return;
  painter.setPen(QPen(kLine, 0.7));
  for (int i = 1; i < 3; ++i) {
    const double t = i / 3.0;
    painter.drawLine(view(OnFace(face, t, 0)), view(OnFace(face, t, 1)));
    painter.drawLine(view(OnFace(face, 0, t)), view(OnFace(face, 1, t)));
  }
}

void DrawSticker(QPainter& painter, const ObliqueView& view, Face face, int u, int v,
                 const QColor& colour) {
  painter.setBrush(colour);
  painter.setPen(QPen(kLine, 0.7));
  painter.drawPolygon(FacePart(view, face, u / 3.0, v / 3.0, (u + 1) / 3.0, (v + 1) / 3.0));
}

void DrawOutsideCube(QPainter& painter, const ObliqueView& view, bool gridded) {
  DrawFace(painter, view, Face::kFront, kFrontShade, gridded);
  DrawFace(painter, view, Face::kTop, kTopShade, gridded);
  DrawFace(painter, view, Face::kRight, kSideShade, gridded);
}

void DrawArrow(QPainter& painter, QPointF from, QPointF to) {
  painter.setPen(QPen(QColor(200, 0, 0), 1.4));
  painter.drawLine(from, to);
  const QPointF along = to - from;
  const double length = std::hypot(along.x(), along.y());
  if (length <= 0) return;
  const QPointF unit = along / length;
  const QPointF normal(-unit.y(), unit.x());
  const double head = 5.0;
  painter.setBrush(QColor(200, 0, 0));
  painter.drawPolygon(QPolygonF(
      {to, to - unit * head + normal * head * 0.5, to - unit * head - normal * head * 0.5}));
}

void DrawCaption(QPainter& painter, const QRectF& area, const QString& text) {
  painter.setPen(Qt::black);
  painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

constexpr double kCaptionHeight = 16;

void PaintInsideView(QPainter& painter, const QRectF& area, bool reference_corner) {
  const ObliqueView view(area.adjusted(4, 4, -4, -4));
  // The faces nearest the viewer are open: only their edges are drawn.
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kLine, 1, Qt::DashLine));
  painter.drawPolygon(FacePart(view, Face::kFront, 0, 0, 1, 1));
  painter.drawPolygon(FacePart(view, Face::kTop, 0, 0, 1, 1));
  painter.drawPolygon(FacePart(view, Face::kRight, 0, 0, 1, 1));
  DrawFace(painter, view, Face::kBack, kFrontShade, true);
  DrawFace(painter, view, Face::kLeft, kSideShade, true);
  DrawFace(painter, view, Face::kBottom, kTopShade, true);
  if (reference_corner) {
    // The corner at the left, back and bottom that stays fixed.
    DrawSticker(painter, view, Face::kBack, 0, 0, ToQColor(Colour::kBlue));
    DrawSticker(painter, view, Face::kBottom, 0, 2, ToQColor(Colour::kRed));
    DrawSticker(painter, view, Face::kLeft, 2, 0, Qt::white);
  }
}

void PaintGriddedView(QPainter& painter, const QRectF& area, bool back) {
  const QRectF cube_area = area.adjusted(6, 4, -6, -kCaptionHeight - 2);
  painter.save();
  if (back) {
    // Seen from behind and below: the front view turned over.
    painter.translate(cube_area.center());
    painter.scale(-1, -1);
    painter.translate(-cube_area.center());
  }
  const ObliqueView view(cube_area);
  DrawOutsideCube(painter, view, true);
  painter.restore();
  DrawCaption(painter,
              QRectF(area.left(), area.bottom() - kCaptionHeight, area.width(), kCaptionHeight),
              back ? Tq("SolverWindow", "背面") : Tq("SolverWindow", "前面"));
}

// Labels of the three slices, in the order of their coordinate 1/6, 1/2, 5/6.
void PaintLegendX(QPainter& painter, const QRectF& area) {
  const ObliqueView view(area.adjusted(4, 4, -4, -kCaptionHeight));
  DrawOutsideCube(painter, view, true);
  const char* const labels[] = {"Lx", "Mx", "Rx"};
  for (int i = 0; i < 3; ++i) {
    const double u = (2 * i + 1) / 6.0;
    DrawArrow(painter, view(OnFace(Face::kFront, u, 0.9)), view(OnFace(Face::kFront, u, 0.1)));
    const QPointF foot = view(OnFace(Face::kFront, u, 0));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(foot.x() - 15, foot.y() + 1, 30, kCaptionHeight - 2), Qt::AlignCenter,
                     QString::fromLatin1(labels[i]));
  }
}

void PaintLegendY(QPainter& painter, const QRectF& area) {
  // Drawn deep, so that the labels of the three rows do not overlap.
  const ObliqueView view(area.adjusted(22, 2, -2, -2), 1.0, 1.0);
  DrawOutsideCube(painter, view, true);
  const char* const labels[] = {"Ry", "My", "Ly"};  // front to back
  for (int i = 0; i < 3; ++i) {
    const double v = (2 * i + 1) / 6.0;
    DrawArrow(painter, view(OnFace(Face::kTop, 0.9, v)), view(OnFace(Face::kTop, 0.1, v)));
    const QPointF end = view(OnFace(Face::kTop, 0, v));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(end.x() - 24, end.y() - 7, 21, 14), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromLatin1(labels[i]));
  }
}

void PaintLegendZ(QPainter& painter, const QRectF& area) {
  const ObliqueView view(area.adjusted(2, 4, -22, -4), 0.8);
  DrawOutsideCube(painter, view, true);
  const char* const labels[] = {"Lz", "Mz", "Rz"};  // bottom to top
  for (int i = 0; i < 3; ++i) {
    const double v = (2 * i + 1) / 6.0;
    DrawArrow(painter, view(OnFace(Face::kRight, 0.1, v)), view(OnFace(Face::kRight, 0.9, v)));
    const QPointF end = view(OnFace(Face::kRight, 1, v));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(end.x() + 3, end.y() - 7, 21, 14), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(labels[i]));
  }
}

// A cube seen from the side with its top layer in `top` and its bottom layer
// in `bottom`.
void DrawLayeredCube(QPainter& painter, const QRectF& box, const QColor& top,
                     const QColor& bottom) {
  const double layer = box.height() / 3;
  painter.setPen(QPen(kLine, 1.2));
  painter.setBrush(top);
  painter.drawRect(QRectF(box.left(), box.top(), box.width(), layer));
  painter.setBrush(kFrontShade);
  painter.drawRect(QRectF(box.left(), box.top() + layer, box.width(), layer));
  painter.setBrush(bottom);
  painter.drawRect(QRectF(box.left(), box.top() + 2 * layer, box.width(), layer));
  painter.setPen(QPen(kLine, 0.7));
  for (int i = 1; i < 3; ++i) {
    const double x = box.left() + i * box.width() / 3;
    painter.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
  }
}

void PaintUpsideDown(QPainter& painter, const QRectF& area) {
  const double caption = 2 * kCaptionHeight;
  const QRectF pictures = area.adjusted(4, 4, -4, -caption - 2);
  // The cubes stand at the bottom; the arrow of the half turn arches above.
  const double side = std::min(pictures.height() * 0.72, pictures.width() / 3.2);
  const double y = pictures.bottom() - side;
  const QRectF left(pictures.center().x() - 1.6 * side, y, side, side);
  const QRectF right(pictures.center().x() + 0.6 * side, y, side, side);
  const QColor upper = ToQColor(Colour::kYellow);
  const QColor lower(120, 170, 255);
  DrawLayeredCube(painter, left, upper, lower);
  DrawLayeredCube(painter, right, lower, upper);
  QPainterPath path;
  const QPointF start(left.center().x() + side * 0.2, left.top() - 3);
  const QPointF end(right.center().x() - side * 0.2, right.top() - 3);
  const double rise = std::min(pictures.height() - side - 2, side * 0.5);
  path.moveTo(start);
  path.cubicTo(start + QPointF(side * 0.3, -rise), end + QPointF(-side * 0.3, -rise), end);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(200, 0, 0), 1.4));
  painter.drawPath(path);
  DrawArrow(painter, end + QPointF(-2, -5), end);
  DrawCaption(painter, QRectF(area.left(), area.bottom() - caption, area.width(), caption),
              Tq("SolverWindow", "上下反転：上の面と下の面が入れ替わります。"));
}

}  // namespace

void PaintSolverPicture(QPainter& painter, const QRectF& area, SolverPictureKind kind) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  switch (kind) {
    case SolverPictureKind::kFrontOutline: {
      const ObliqueView view(area.adjusted(4, 4, -4, -4));
      DrawOutsideCube(painter, view, true);
      break;
    }
    case SolverPictureKind::kInsideView:
      PaintInsideView(painter, area, false);
      break;
    case SolverPictureKind::kInsideViewReference:
      PaintInsideView(painter, area, true);
      break;
    case SolverPictureKind::kGriddedFront:
      PaintGriddedView(painter, area, false);
      break;
    case SolverPictureKind::kGriddedBack:
      PaintGriddedView(painter, area, true);
      break;
    case SolverPictureKind::kLegendX:
      PaintLegendX(painter, area);
      break;
    case SolverPictureKind::kLegendY:
      PaintLegendY(painter, area);
      break;
    case SolverPictureKind::kLegendZ:
      PaintLegendZ(painter, area);
      break;
    case SolverPictureKind::kUpsideDown:
      PaintUpsideDown(painter, area);
      break;
  }
  painter.restore();
}

SolverPicture::SolverPicture(SolverPictureKind kind, QSize size, QWidget* parent)
    : QWidget(parent), kind_(kind) {
  setFixedSize(size);
}

void SolverPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintSolverPicture(painter, QRectF(rect()), kind_);
}

void SolverPicture::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The captions drawn into the pictures are in the language of the moment.
  if (event->type() == QEvent::LanguageChange) update();
}

}  // namespace rq51
