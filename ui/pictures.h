#ifndef RQ51_UI_PICTURES_H_
#define RQ51_UI_PICTURES_H_

#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QSize>

class QPainter;

namespace rq51 {

// A solved cube seen from above, front and right: three faces in solid
// colours, each with 3x3 stickers on a black body, centred in `area`.
void PaintSolvedCube(QPainter& painter, const QRectF& area);

// A line drawing of a 3x3x3 cube in oblique view: the edges and sticker lines
// of the three visible faces drawn solid, the three hidden edges dotted.
void PaintCubeLineDrawing(QPainter& painter, const QRectF& area);

// A pixmap of `size` logical pixels at the screen's device pixel ratio, so
// that what is painted into it stays sharp on a high-density screen.
QPixmap ScreenPixmap(QSize size);

// The same pictures as pixmaps of the given size on a light background.
QPixmap SolvedCubePicture(QSize size);
QPixmap CubeLineDrawing(QSize size);

// The cross on every window's close button. Drawn here rather than taken
// from the style: the style looks its icon up in the icon themes and decodes
// it from PNG files, which costs more than a millisecond before the main
// window can be painted.
QIcon CloseButtonIcon();

}  // namespace rq51

#endif  // RQ51_UI_PICTURES_H_
