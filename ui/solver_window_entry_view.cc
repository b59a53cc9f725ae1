// The solver window's aids to colour entry: the turn-sequence line under the
// grids, colour letters typed into the grids and the label that names the
// fault of a refused entry.
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/colour_grid.h"
#include "ui/language.h"
#include "ui/solver_window_view.h"

namespace rq51 {

namespace {

constexpr char kScrambleCaption[] = RQ51_TR_NOOP("SolverWindow", "手順から入力");
constexpr char kScramblePlaceholder[] =
    RQ51_TR_NOOP("SolverWindow", "例：R U R' U'　または　Rx Ly2 Mz-");

}  // namespace

QWidget* SolverWindowView::BuildScrambleEntry(QWidget* parent) {
  auto* panel = new QWidget(parent);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 4, 0, 0);
  column->setSpacing(2);
  auto* row = new QBoxLayout(QBoxLayout::LeftToRight);
  scramble_row_ = row;
  scramble_edit_ = new QLineEdit(panel);
  scramble_edit_->setObjectName(QStringLiteral("ScrambleEdit"));
  captions_.Keep(scramble_edit_, [](QLineEdit* edit) {
    edit->setPlaceholderText(Tq("SolverWindow", kScramblePlaceholder));
    // Wide enough for the example it shows while empty.
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(edit->placeholderText()) + 16);
  });
  connect(scramble_edit_, &QLineEdit::textEdited, this,
          [this](const QString& text) { window_->scramble_text() = text.toStdString(); });
  connect(scramble_edit_, &QLineEdit::returnPressed, this,
          [this] { Act(&SolverWindow::ScrambleClick); });
  row->addWidget(scramble_edit_, 1);
  auto* button = new QPushButton(panel);
  button->setObjectName(QStringLiteral("ScrambleBtn"));
  Caption(button, "SolverWindow", kScrambleCaption);
  connect(button, &QPushButton::clicked, this, [this] { Act(&SolverWindow::ScrambleClick); });
  row->addWidget(button);
  column->addLayout(row);
  scramble_message_ = new QLabel(panel);
  scramble_message_->setObjectName(QStringLiteral("ScrambleMessage"));
  scramble_message_->setTextFormat(Qt::PlainText);
  scramble_message_->setWordWrap(true);
  column->addWidget(scramble_message_);
  return panel;
}

QLabel* SolverWindowView::BuildFaultLabel(QWidget* parent) {
  fault_label_ = new QLabel(parent);
  fault_label_->setObjectName(QStringLiteral("FaultLabel"));
  fault_label_->setTextFormat(Qt::PlainText);
  fault_label_->setWordWrap(true);
  QPalette palette = fault_label_->palette();
  palette.setColor(QPalette::WindowText, QColor(170, 0, 0));
  fault_label_->setPalette(palette);
  return fault_label_;
}

void SolverWindowView::TypeColour(int grid, Colour colour) {
  const int next = window_->TypeColour(grid, colour);
  Render();
  if (next != grid) grids_[next]->setFocus(Qt::OtherFocusReason);
}

void SolverWindowView::RenderEntryAids() {
  const SolverWindow& window = *window_;
  for (int n = 1; n <= kFaceCount; ++n) {
    std::array<std::array<bool, 3>, 3> outlined{};
    for (int column = 0; column < 3; ++column) {
      for (int row = 0; row < 3; ++row) outlined[column][row] = window.IsOutlined(n, column, row);
    }
    grids_[n]->ShowOutlines(outlined);
  }
  const QString scramble = QString::fromStdString(window.scramble_text());
  if (scramble_edit_->text() != scramble) scramble_edit_->setText(scramble);
  scramble_message_->setText(QString::fromStdString(window.scramble_message()));
  scramble_message_->setVisible(!window.scramble_message().empty());
  fault_label_->setText(QString::fromStdString(window.fault_text()));
  fault_label_->setVisible(!window.fault_text().empty());
}

}  // namespace rq51
