#include "ui/cube_picture.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>
#include <array>

namespace rq51 {

void PaintCubeFrame(QPainter& painter, const view3d::Frame& frame) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QColor body(view3d::kBodyColour.red, view3d::kBodyColour.green, view3d::kBodyColour.blue);
  // The body's faces are outlined in their own black, so that no light seam
  // shows where two of them meet.
  const QPen body_pen(body, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  std::array<QPointF, 8> points;
  for (const view3d::Polygon& polygon : frame.polygons) {
    for (int p = 0; p < polygon.size; ++p) {
      points[p] = QPointF(polygon.points[p].x, polygon.points[p].y);
    }
    if (polygon.part == view3d::Part::kBody) {
      painter.setPen(body_pen);
      painter.setBrush(body);
    } else {
      painter.setPen(Qt::NoPen);
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
