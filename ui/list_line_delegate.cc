#include "ui/list_line_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace rq51 {

namespace {

// Room left and right of a line's text, as the style leaves it in item views.
int TextMargin(const QStyleOptionViewItem& option) {
  const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
  return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
}

// Texts laid out and kept; a list of lines is made of few distinct texts, so
// this bound is only a guard.
constexpr int kMaxKeptTexts = 8192;

}  // namespace

const QStaticText& ListLineDelegate::Laid(const QString& text, const QFont& font) const {
  if (font != font_ || texts_.size() > kMaxKeptTexts) {
    texts_.clear();
    font_ = font;
    line_height_ = 0;
  }
  auto it = texts_.find(text);
  if (it == texts_.end()) {
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.prepare(QTransform(), font);
    it = texts_.insert(text, laid);
  }
  return *it;
}

void ListLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
  QPalette::ColorGroup group = QPalette::Normal;
  if (!(option.state & QStyle::State_Enabled)) {
    group = QPalette::Disabled;
  } else if (!(option.state & QStyle::State_Active)) {
    group = QPalette::Inactive;
  }
  const bool selected = (option.state & QStyle::State_Selected) != 0;
  painter->save();
  if (selected) painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  painter->setPen(
      option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->setFont(option.font);
  const QStaticText& text = Laid(index.data(Qt::DisplayRole).toString(), option.font);
  const QPointF at(option.rect.left() + TextMargin(option),
                   option.rect.top() + (option.rect.height() - text.size().height()) / 2);
  painter->drawStaticText(at, text);
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor =
        option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
  }
  painter->restore();
}

int ListLineDelegate::LineHeight(const QWidget* list) {
  QStyleOptionViewItem sample;
  sample.initFrom(list);
  sample.font = list->font();
  sample.fontMetrics = list->fontMetrics();
  sample.text = QStringLiteral("Rx");
  sample.features |= QStyleOptionViewItem::HasDisplay;
  sample.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  return list->style()->sizeFromContents(QStyle::CT_ItemViewItem, &sample, QSize(), list).height();
}

QSize ListLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  const QStaticText& text = Laid(index.data(Qt::DisplayRole).toString(), option.font);
  if (line_height_ == 0) {
    line_height_ =
        option.widget != nullptr ? LineHeight(option.widget) : option.fontMetrics.height() + 2;
  }
  return QSize(static_cast<int>(text.size().width()) + 2 * TextMargin(option), line_height_);
}

}  // namespace rq51
