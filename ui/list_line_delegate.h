// Draws the lines of a solver window's lists. Each text is laid out once and
// kept, so that adding a solution's lines, browsing through them and
// resizing the window repaint a long list quickly.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace rq51 {

class ListLineDelegate : public QStyledItemDelegate {
 public:
  explicit ListLineDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

  // The height of one line in `list`, as the style makes a line of text.
  static int LineHeight(const QWidget* list);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // The laid-out text of `text` in `font`.
  const QStaticText& Laid(const QString& text, const QFont& font) const;

  mutable QFont font_;
  mutable QHash<QString, QStaticText> texts_;
  mutable int line_height_ = 0;
};

}  // namespace rq51
