// A 3x3 colour-entry grid of a solver window. Cells cannot be typed into; a
// press of any mouse button is reported with the cell under the pointer. Only
// a left press moves the selection (to the cell under the pointer); a right or
// middle press leaves it where it is, so that it paints the selected cell.
// Typing a colour letter (G, R, B, O, W, Y, either case) is reported as that
// colour; arrow keys move the selection.
#pragma once

#include <QTableWidget>
#include <functional>
#include <utility>

#include "shell/solver_window.h"

namespace rq51 {

class ColourGrid : public QTableWidget {
 public:
  static constexpr int kCellSize = 24;

  // `on_press` gets the button and the cell under the pointer ({-1, -1}
  // outside the cells); it runs after a left press has selected that cell.
  using PressHandler = std::function<void(MouseButton, CellRef)>;
  explicit ColourGrid(PressHandler on_press, QWidget* parent = nullptr);

  // Cells of `cell` pixels showing their letters at `font_pixels`.
  void SetCellSize(int cell, int font_pixels);

  // Shows the letter of every cell on its colour and marks `selected`.
  void ShowCells(const std::array<std::array<Colour, 3>, 3>& cells, CellRef selected);

  // `on_key` gets the colour of a colour letter typed while the grid has the
  // keyboard.
  using KeyHandler = std::function<void(Colour)>;
  void SetColourKeyHandler(KeyHandler on_key) { on_key_ = std::move(on_key); }
  // Outlines the cells marked [column][row] in red.
  void ShowOutlines(const std::array<std::array<bool, 3>, 3>& outlined);
  // Whether a cell is outlined, as item data under this role.
  static constexpr int kOutlineRole = Qt::UserRole + 1;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Typing a letter must not jump to a cell that starts with it.
  void keyboardSearch(const QString&) override {}

 private:
  PressHandler on_press_;
  KeyHandler on_key_;
};

}  // namespace rq51
