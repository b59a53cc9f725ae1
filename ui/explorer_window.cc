#include "ui/explorer_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QStringList>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "cube/facelets.h"
#include "cube/moves.h"
#include "ui/language.h"
#include "ui/pictures.h"
#include "ui/qt_colour.h"

namespace rq51 {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An explorer text (marked where app/explorer.h writes it) in the language
// of the moment.
QString Shown(std::string_view text) { return Tq("Explorer", std::string(text).c_str()); }

// Net geometry: box 1 (net row 4, column 6) is at (158, 99); boxes are 29
// pixels apart horizontally and 24 vertically.
constexpr int kBoxOneX = 158;
constexpr int kBoxOneY = 99;
constexpr int kBoxStepX = 29;
constexpr int kBoxStepY = 24;
constexpr int kBoxWidth = 25;
constexpr int kBoxHeight = 23;

constexpr int kCellSize = 15;

// The window as drawn, and the cycle table at its bottom, which gets shorter
// (and scrolls) when the window is lower, on a laptop screen.
constexpr int kWindowWidth = 795;
constexpr int kWindowHeight = 746;
constexpr int kCycleTableTop = 330;
constexpr int kCycleTableBottomMargin = 20;
constexpr int kMinimumCycleTableHeight = 120;

// The cycle table's cells are 15 pixels wide, too narrow for the usual item
// margins and for two digits of the 13-pixel font: the text is drawn from the
// cell's left edge and squeezed sideways where it would not fit.
class TightCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* view = option.widget;
    QStyle* style = view != nullptr ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(
        (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
    const QRectF room = QRectF(option.rect).adjusted(0.5, 0, -0.5, 0);
    const double width = QFontMetricsF(cell.font).horizontalAdvance(text);
    if (width > room.width()) {
      painter->translate(room.left(), 0);
      painter->scale(room.width() / width, 1);
      painter->drawText(QRectF(0, room.top(), width, room.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, text);
    } else {
      painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter->restore();
  }
};

// --- Pictures of the turn names --------------------------------------------

constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 136;
// The cube in oblique view: the front face is a square with its top left at
// kFront; the depth of the cube runs along kDepth.
const QPointF kFront(28, 46);
constexpr double kSide = 66;
const QPointF kDepth(42, -36);

void DrawArrow(QPainter& painter, QPointF from, QPointF to) {
  painter.drawLine(from, to);
  const QPointF direction = to - from;
  const double length = std::hypot(direction.x(), direction.y());
  if (length == 0) return;
  const QPointF unit = direction / length;
  const QPointF normal(-unit.y(), unit.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - unit * 7 + normal * 4);
  head.lineTo(to - unit * 7 - normal * 4);
  head.closeSubpath();
  painter.fillPath(head, painter.pen().color());
}

// A point on the front face, (u, v) in 0..3 from the top left.
QPointF FrontPoint(double u, double v) { return kFront + QPointF(u, v) * (kSide / 3); }
// A point on the top face, u across from the left, w in depth from the front.
QPointF TopPoint(double u, double w) {
  return kFront + QPointF(u * kSide / 3, 0) + kDepth * (w / 3);
}
// A point on the right face, w in depth from the front, v down from the top.
QPointF RightPoint(double w, double v) {
  return kFront + QPointF(kSide, v * kSide / 3) + kDepth * (w / 3);
}

template <typename PointOf>
void DrawFace(QPainter& painter, PointOf point, const QColor& colour) {
  QPolygonF outline({point(0, 0), point(3, 0), point(3, 3), point(0, 3)});
  painter.setBrush(colour);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.drawPolygon(outline);
  painter.setPen(QPen(Qt::black, 1));
  for (int k = 1; k < 3; ++k) {
    painter.drawLine(point(k, 0), point(k, 3));
    painter.drawLine(point(0, k), point(3, k));
  }
}

QPixmap CubePicture(int axis) {
  QPixmap picture = ScreenPixmap(QSize(kPictureWidth, kPictureHeight));
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  // Face colours of the solved cube: front green, top red, right yellow.
  DrawFace(painter, FrontPoint, ToQColor(ExplorerColourOfHome(1)));
  DrawFace(painter, TopPoint, ToQColor(ExplorerColourOfHome(28)));
  DrawFace(painter, RightPoint, ToQColor(ExplorerColourOfHome(46)));

  QFont font = painter.font();
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QPen(Qt::black, 2));
  const QFontMetricsF metrics(font);
  auto label = [&](QPointF centre, const QString& text) {
    const QRectF box = metrics.boundingRect(text);
    painter.drawText(centre - QPointF(box.width() / 2, -metrics.ascent() / 2 + 1), text);
  };

  switch (axis) {
    case 0: {  // x: the front face's slices go down; Lx on the left.
      const char* names[] = {"Lx", "Mx", "Rx"};
      for (int k = 0; k < 3; ++k) {
        DrawArrow(painter, FrontPoint(k + 0.5, 0.3), FrontPoint(k + 0.5, 2.7));
        label(FrontPoint(k + 0.5, 3) + QPointF(0, 12), names[k]);
      }
      break;
    }
    case 1: {  // y: the top face's rows go left; Ry at the front.
      const char* names[] = {"Ry", "My", "Ly"};
      for (int k = 0; k < 3; ++k) {
        DrawArrow(painter, TopPoint(2.8, k + 0.5), TopPoint(0.2, k + 0.5));
        label(TopPoint(0, k + 0.5) - QPointF(14, 0), names[k]);
      }
      break;
    }
    default: {  // z: the right face's rows go away from the viewer; Rz on top.
      const char* names[] = {"Rz", "Mz", "Lz"};
      for (int k = 0; k < 3; ++k) {
        DrawArrow(painter, RightPoint(0.2, k + 0.5), RightPoint(2.8, k + 0.5));
        label(RightPoint(3, k + 0.5) + QPointF(12, 0), names[k]);
      }
      break;
    }
  }
  return picture;
}

}  // namespace

ExplorerWindow::ExplorerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TForm2");
  setWindowTitle(Text(kExplorerTitle));
  resize(kWindowWidth, kWindowHeight);

  BuildWord();
  BuildNet();
  BuildTranslations();
  BuildPushButtons();
  BuildPictures();
  BuildCycleTable();
  BuildLegend();
  Render();
}

void ExplorerWindow::BuildWord() {
  word_ = new QLineEdit(this);
  word_->setObjectName("Edit55");
  word_->setGeometry(8, 2, 773, 21);
  connect(word_, &QLineEdit::textEdited, this,
          [this](const QString& text) { explorer_.SetWord(text.toStdString()); });
}

void ExplorerWindow::BuildNet() {
  QFont font = this->font();
  font.setPixelSize(15);
  font.setBold(true);
  const NetPosition one = NetPositionOf(1);
  for (int p = 1; p <= kFaceletCount; ++p) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString("Edit%1").arg(p));
    box->setFont(font);
    box->setAutoFillBackground(true);
    const NetPosition at = NetPositionOf(p);
    box->setGeometry(kBoxOneX + (at.column - one.column) * kBoxStepX,
                     kBoxOneY + (at.row - one.row) * kBoxStepY, kBoxWidth, kBoxHeight);
    connect(box, &QLineEdit::textEdited, this,
            [this, p](const QString& text) { explorer_.SetNetText(p, text.toStdString()); });
    net_[p] = box;
  }
}

void ExplorerWindow::BuildTranslations() {
  auto* group = new QGroupBox(Text(kTranslationsCaption), this);
  group->setObjectName("Translations");
  group->setGeometry(285, 24, 500, 118);

  moves_ = new QButtonGroup(this);
  moves_->setExclusive(true);
  // Blocks L, M, R from left to right; in each, columns x, y, z and rows
  // turn, square, cube.
  constexpr BaseTurn kBlocks[3][3] = {{BaseTurn::kLx, BaseTurn::kLy, BaseTurn::kLz},
                                      {BaseTurn::kMx, BaseTurn::kMy, BaseTurn::kMz},
                                      {BaseTurn::kRx, BaseTurn::kRy, BaseTurn::kRz}};
  for (int block = 0; block < 3; ++block) {
    for (int column = 0; column < 3; ++column) {
      for (int power = 1; power <= 3; ++power) {
        const Move move{kBlocks[block][column], power};
        const QString name = Text(ButtonName(move));
        auto* button = new QRadioButton(name, group);
        button->setObjectName(name);
        button->setGeometry(14 + block * 162 + column * 50, 22 + (power - 1) * 30, 48, 22);
        moves_->addButton(button);
        connect(button, &QRadioButton::clicked, this, [this, move] {
          explorer_.SelectMove(move);
          Render();
        });
      }
    }
  }
}

void ExplorerWindow::BuildPushButtons() {
  auto make = [this](const char* name, std::string_view caption, QRect geometry) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    captions_.Keep(button, [caption](QPushButton* shown) { shown->setText(Shown(caption)); });
    button->setGeometry(geometry);
    return button;
  };
  connect(make("Trans", kTransCaption, QRect(285, 150, 90, 28)), &QPushButton::clicked, this,
          [this] {
            explorer_.TransClick();
            Render();
          });
  connect(make("Reset", kResetCaption, QRect(383, 150, 90, 28)), &QPushButton::clicked, this,
          [this] {
            explorer_.ResetClick();
            Render();
          });
  connect(make("Numduke", kNumdukeCaption, QRect(481, 150, 90, 28)), &QPushButton::clicked, this,
          [this] {
            explorer_.NumdukeClick();
            Render();
          });
  QPushButton* close = make("BitBtn1", kCloseCaption, QRect(680, 150, 105, 28));
  close->setIcon(CloseButtonIcon());
  connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

void ExplorerWindow::BuildPictures() {
  for (int axis = 0; axis < 3; ++axis) {
    auto* picture = new QLabel(this);
    picture->setObjectName(QString("Image%1").arg(axis + 1));
    picture->setPixmap(CubePicture(axis));
    picture->setGeometry(285 + axis * 170, 186, kPictureWidth, kPictureHeight);
  }
}

void ExplorerWindow::BuildCycleTable() {
  cycle_table_ = new QTableWidget(Explorer::kCycleRows, Explorer::kCycleColumns, this);
  cycle_table_->setObjectName("StringGrid2");
  cycle_table_->setGeometry(8, kCycleTableTop, 667,
                            kWindowHeight - kCycleTableTop - kCycleTableBottomMargin);
  cycle_table_->horizontalHeader()->hide();
  cycle_table_->verticalHeader()->hide();
  for (QHeaderView* header : {cycle_table_->horizontalHeader(), cycle_table_->verticalHeader()}) {
    header->setMinimumSectionSize(kCellSize);
    header->setDefaultSectionSize(kCellSize);
    header->setSectionResizeMode(QHeaderView::Fixed);
  }
  cycle_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cycle_table_->setItemDelegate(new TightCellDelegate(cycle_table_));
  cycle_table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  cycle_table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QFont font = cycle_table_->font();
  font.setPixelSize(13);
  cycle_table_->setFont(font);
  for (int row = 0; row < Explorer::kCycleRows; ++row) {
    for (int column = 0; column < Explorer::kCycleColumns; ++column) {
      cycle_table_->setItem(row, column, new QTableWidgetItem());
    }
  }
}

void ExplorerWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  QRect table = cycle_table_->geometry();
  table.setHeight(
      std::max(kMinimumCycleTableHeight, height() - kCycleTableTop - kCycleTableBottomMargin));
  if (table != cycle_table_->geometry()) cycle_table_->setGeometry(table);
}

void ExplorerWindow::BuildLegend() {
  auto* legend = captions_.Keep(new QLabel(this), [](QLabel* label) {
    QStringList lines;
    for (std::string_view line : kCycleLegend) lines << Shown(line);
    label->setText(lines.join('\n'));
  });
  legend->setObjectName("Label1");
  legend->setGeometry(683, 330, 104, 120);
  legend->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  legend->setAutoFillBackground(true);
  QPalette palette = legend->palette();
  palette.setColor(QPalette::Window, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::white);
  legend->setPalette(palette);
}

void ExplorerWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) {
    captions_.Renew();
    Render();
  }
}

void ExplorerWindow::Render() {
  const QString word = QString::fromStdString(explorer_.word());
  if (word_->text() != word) word_->setText(word);

  for (int p = 1; p <= kFaceletCount; ++p) {
    QLineEdit* box = net_[p];
    const QString text = QString::fromStdString(explorer_.net(p).text);
    if (box->text() != text) box->setText(text);
    const QColor colour = ToQColor(explorer_.net(p).colour);
    if (box->palette().color(QPalette::Base) != colour) {
      QPalette palette = box->palette();
      palette.setColor(QPalette::Base, colour);
      palette.setColor(QPalette::Window, colour);
      box->setPalette(palette);
    }
  }

  const QString selected = Text(ButtonName(explorer_.selected_move()));
  for (QAbstractButton* button : moves_->buttons()) {
    if (button->objectName() == selected && !button->isChecked()) button->setChecked(true);
  }

  for (int row = 0; row < Explorer::kCycleRows; ++row) {
    for (int column = 0; column < Explorer::kCycleColumns; ++column) {
      QTableWidgetItem* item = cycle_table_->item(row, column);
      const QString text = QString::fromStdString(explorer_.cycle_cell(column, row));
      if (item->text() != text) item->setText(text);
    }
  }
}

}  // namespace rq51
