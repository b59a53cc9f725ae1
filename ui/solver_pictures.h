// The illustrations of the solver windows: the cube beside each group of
// colour-entry grids, gridded front and back views, the three legends of the
// turn names and the picture of turning the cube upside down.
#pragma once

#include <QString>
#include <QWidget>

class QEvent;
class QPainter;

namespace rq51 {

enum class SolverPictureKind {
  kFrontOutline,         // front, top and right faces seen from outside
  kInsideView,           // back, left and bottom faces seen from inside
  kInsideViewReference,  // the same with the reference corner's back sticker
                         // blue and its bottom sticker red
  kGriddedFront,         // gridded cube from the front, marked as such
  kGriddedBack,          // gridded cube from the back, marked as such
  kLegendX,              // front face: Lx, Mx, Rx turn downwards
  kLegendY,              // top face: Ry, My, Ly turn to the left
  kLegendZ,              // right face: Rz, Mz, Lz turn to the back
  kUpsideDown,           // turning the cube over: top and bottom change places
};

void PaintSolverPicture(QPainter& painter, const QRectF& area, SolverPictureKind kind);

// A widget of a fixed size showing one of the pictures.
class SolverPicture : public QWidget {
 public:
  SolverPicture(SolverPictureKind kind, QSize size, QWidget* parent = nullptr);
  SolverPictureKind kind() const { return kind_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  SolverPictureKind kind_;
};

}  // namespace rq51
