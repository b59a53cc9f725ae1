// A 3x3 colour-entry grid of a solver window. Cells cannot be typed into; a
// press of any mouse button is reported with the cell under the pointer. Only
// a left press moves the selection (to the cell under the pointer); a right or
// middle press leaves it where it is, so that it paints the selected cell.
#pragma once

#include <QTableWidget>
#include <functional>

#include "shell/solver_window.h"

namespace rq51 {

class ColourGrid : public QTableWidget {
 public:
  static constexpr int kCellSize = 24;

  // `on_press` gets the button and the cell under the pointer ({-1, -1}
  // outside the cells); it runs after a left press has selected that cell.
  using PressHandler = std::function<void(MouseButton, CellRef)>;
  explicit ColourGrid(PressHandler on_press, QWidget* parent = nullptr);

  // Shows the letter of every cell on its colour and marks `selected`.
  void ShowCells(const std::array<std::array<Colour, 3>, 3>& cells, CellRef selected);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  // Typing a letter must not jump to a cell that starts with it.
  void keyboardSearch(const QString&) override {}

 private:
  PressHandler on_press_;
};

}  // namespace rq51
