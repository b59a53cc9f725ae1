#include "ui/cube_picture.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <array>
#include <cmath>

namespace rq51 {

namespace {

// How far a body face's corners reach past it, in pixels.
constexpr double kSeamCover = 0.7;

}  // namespace

void PaintCubeFrame(QPainter& painter, const view3d::Frame& frame) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  const QBrush body(
      QColor(view3d::kBodyColour.red, view3d::kBodyColour.green, view3d::kBodyColour.blue));
  std::array<QPointF, 8> points;
  for (const view3d::Polygon& polygon : frame.polygons) {
    for (int p = 0; p < polygon.size; ++p) {
      points[p] = QPointF(polygon.points[p].x, polygon.points[p].y);
    }
    if (polygon.part == view3d::Part::kBody) {
      // Each black face reaches half a pixel past its edges, so that no
      // light seam shows where two of them meet.
      QPointF middle;
      for (int p = 0; p < polygon.size; ++p) middle += points[p];
      middle /= polygon.size;
      for (int p = 0; p < polygon.size; ++p) {
        const QPointF out = points[p] - middle;
        const double length = std::hypot(out.x(), out.y());
        if (length > 0) points[p] += out * (kSeamCover / length);
      }
      painter.setBrush(body);
    } else {
      painter.setBrush(QColor(polygon.fill.red, polygon.fill.green, polygon.fill.blue));
    }
    painter.drawConvexPolygon(points.data(), polygon.size);
  }
  painter.restore();
}

std::string WriteCubePicture(const view3d::Frame& frame, Rgb background, const std::string& path) {
  QImage image(frame.width, frame.height, QImage::Format_RGB32);
  image.fill(QColor(background.red, background.green, background.blue));
  QPainter painter(&image);
  PaintCubeFrame(painter, frame);
  painter.end();
  if (!image.save(QString::fromLocal8Bit(path.c_str()), "PNG")) {
    return "could not write the PNG file";
  }
  return {};
}

}  // namespace rq51
