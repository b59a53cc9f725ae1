#include "ui/net_cell_box.h"

#include <QHash>
#include <QPainter>
#include <QStaticText>

namespace rq51 {

namespace {

// The numbers the cells show, laid out once in the font of the cells.
const QStaticText& LaidNumber(const QString& text, const QFont& font) {
  static QFont laid_font;
  static QHash<QString, QStaticText> laid;
  if (font != laid_font) {
    laid.clear();
    laid_font = font;
  }
  auto it = laid.find(text);
  if (it == laid.end()) {
    QStaticText number(text);
    number.setTextFormat(Qt::PlainText);
    number.prepare(QTransform(), font);
    it = laid.insert(text, number);
  }
  return *it;
}

}  // namespace

void NetCellBox::paintEvent(QPaintEvent* event) {
  // While the user types into the cell it is drawn as any edit box, with its
  // cursor and selection.
  if (hasFocus()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  const QRect box = rect();
  painter.fillRect(box, palette().color(QPalette::Base));
  painter.setPen(palette().color(QPalette::Window).darker(140));
  painter.drawRect(box.adjusted(0, 0, -1, -1));
  if (text().isEmpty()) return;
  painter.setPen(palette().color(QPalette::Text));
  painter.setFont(font());
  const QStaticText& number = LaidNumber(text(), font());
  const QSizeF size = number.size();
  painter.drawStaticText(QPointF(box.left() + (box.width() - size.width()) / 2,
                                 box.top() + (box.height() - size.height()) / 2),
                         number);
}

}  // namespace rq51
