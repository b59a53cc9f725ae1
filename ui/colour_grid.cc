#include "ui/colour_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "ui/qt_colour.h"

namespace rq51 {

namespace {

// Light text on the dark colours, dark text on the light ones.
QColor TextColourOn(Rgb rgb) {
  const int luminance = (299 * rgb.red + 587 * rgb.green + 114 * rgb.blue) / 1000;
  return luminance < 110 ? Qt::white : Qt::black;
}

// Paints a cell in its own colour whether or not it is selected (a selection
// highlight would hide the colour) and frames the selected cell instead.
class CellDelegate : public QStyledItemDelegate {
 public:
  explicit CellDelegate(QTableWidget* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter->save();
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect,
                      background.isValid() ? background.value<QBrush>() : QBrush(Qt::white));
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color() : QColor(Qt::black));
    painter->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
    // A cell a refused entry's fault concerns gets a red frame on its edge;
    // the selection frame then sits inside it.
    const bool outlined = index.data(ColourGrid::kOutlineRole).toBool();
    if (outlined) {
      QPen pen(QColor(220, 0, 0), 2);
      pen.setJoinStyle(Qt::MiterJoin);
      painter->setPen(pen);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    }
    if (grid_->currentIndex() == index) {
      const double inset = outlined ? 2 : 0;
      const QRectF frame = QRectF(option.rect).adjusted(inset, inset, -inset, -inset);
      QPen pen(QColor(255, 140, 0), 3);
      pen.setJoinStyle(Qt::MiterJoin);
      painter->setPen(pen);
      painter->setBrush(Qt::NoBrush);
      painter->drawRect(frame.adjusted(1.5, 1.5, -1.5, -1.5));
      painter->setPen(QPen(Qt::black, 1));
      painter->drawRect(frame.adjusted(3.5, 3.5, -3.5, -3.5));
    }
    painter->restore();
  }

 private:
  QTableWidget* grid_;
};

}  // namespace

ColourGrid::ColourGrid(PressHandler on_press, QWidget* parent)
    : QTableWidget(3, 3, parent), on_press_(std::move(on_press)) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(false);
  setItemDelegate(new CellDelegate(this));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      auto* item = new QTableWidgetItem();
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item->setTextAlignment(Qt::AlignCenter);
      setItem(row, column, item);
    }
  }
  SetCellSize(kCellSize, font().pixelSize());
}

void ColourGrid::SetCellSize(int cell, int font_pixels) {
  if (font().pixelSize() != font_pixels) {
    QFont larger = font();
    larger.setPixelSize(font_pixels);
    setFont(larger);
  }
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setMinimumSectionSize(cell);
    header->setDefaultSectionSize(cell);
  }
  const int side = 3 * cell + 2 * frameWidth();
  setFixedSize(side, side);
}

void ColourGrid::ShowCells(const std::array<std::array<Colour, 3>, 3>& cells, CellRef selected) {
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) {
      const Colour colour = cells[column][row];
      const Rgb rgb = RgbOf(colour);
      QTableWidgetItem* cell = item(row, column);
      const std::string_view letter = LetterOf(colour);
      const QString text = QString::fromUtf8(letter.data(), static_cast<qsizetype>(letter.size()));
      // Only what changed is set, so that a redraw of the window repaints
      // no cell that looks the same.
      if (cell->text() != text) cell->setText(text);
      const QColor background = ToQColor(rgb);
      if (cell->background().color() != background) cell->setBackground(background);
      const QColor foreground = TextColourOn(rgb);
      if (cell->foreground().color() != foreground) cell->setForeground(foreground);
    }
  }
  if (currentRow() != selected.row || currentColumn() != selected.column) {
    setCurrentCell(selected.row, selected.column);
  }
}

void ColourGrid::ShowOutlines(const std::array<std::array<bool, 3>, 3>& outlined) {
  bool changed = false;
  for (int column = 0; column < 3; ++column) {
    for (int row = 0; row < 3; ++row) {
      QTableWidgetItem* cell = item(row, column);
      if (cell->data(kOutlineRole).toBool() == outlined[column][row]) continue;
      cell->setData(kOutlineRole, outlined[column][row]);
      changed = true;
    }
  }
  if (changed) viewport()->update();
}

void ColourGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  const QString text = event->text().toUpper();
  if (on_key_ && (event->modifiers() & chords) == 0 && text.size() == 1) {
    const std::optional<Colour> colour = ColourOfLetter(text.toStdString());
    if (colour) {
      event->accept();
      on_key_(*colour);
      return;
    }
  }
  QTableWidget::keyPressEvent(event);
}

void ColourGrid::mousePressEvent(QMouseEvent* event) {
  MouseButton button;
  switch (event->button()) {
    case Qt::LeftButton:
      button = MouseButton::kLeft;
      // Selects the cell under the pointer before it is painted.
      QTableWidget::mousePressEvent(event);
      break;
    case Qt::RightButton:
      button = MouseButton::kRight;
      break;
    case Qt::MiddleButton:
      button = MouseButton::kMiddle;
      break;
    default:
      return;
  }
  event->accept();
  const QModelIndex index = indexAt(event->position().toPoint());
  const CellRef under_pointer =
      index.isValid() ? CellRef{index.column(), index.row()} : CellRef{-1, -1};
  if (on_press_) on_press_(button, under_pointer);
}

}  // namespace rq51
