// A cell of a solver window's central net (Edit1 .. Edit54): an ordinary
// edit box that shows a sticker's number on its colour. Not being edited, it
// paints itself with a few strokes instead of the style's full frame, so
// that a redraw of all 54 after each turn stays cheap.
#pragma once

#include <QLineEdit>

namespace rq51 {

class NetCellBox : public QLineEdit {
 public:
  explicit NetCellBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace rq51
