#include "TabStopDelegate.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <algorithm>

namespace {
// The widest date the column holds, and the gap kept before it.
const QString kWidestDate = QStringLiteral("0000/00/00");
constexpr qreal kGapBeforeDatePx = 4;

// The width of the list's viewport, 0 when the delegate draws elsewhere.
int VisibleWidth(const QWidget* list) {
  const auto* area = qobject_cast<const QAbstractScrollArea*>(list);
  return area ? area->viewport()->width() : 0;
}
}  // namespace

TabStopDelegate::TabStopDelegate(int dialogUnits, QObject* parent)
    : QStyledItemDelegate(parent), dialogUnits_(dialogUnits) {}

qreal TabStopDelegate::TabDistance(const QFont& font) const {
  return QFontMetricsF(font).averageCharWidth() * dialogUnits_ / 4.0;
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  // An entry is cut short at the list's edge rather than scrolled to.
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  if (const int shown = VisibleWidth(option.widget); shown > 0) size.setWidth(std::min(size.width(), shown));
  return size;
}

qreal TabStopDelegate::DateColumn(const QFont& font, qreal textWidth) const {
  // Measured once for the list's font, not for every entry painted.
  if (!widestDateFont_ || *widestDateFont_ != font) {
    widestDateFont_ = font;
    widestDate_ = QFontMetricsF(font).horizontalAdvance(kWidestDate);
  }
  const qreal room = textWidth - widestDate_;
  return std::max<qreal>(0, std::min(TabDistance(font), room));
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem plain = option;
  initStyleOption(&plain, index);
  const QString text = plain.text;
  plain.text.clear();
  const QWidget* widget = plain.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

  QRectF textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget);
  // The column belongs to the part of the list that shows.
  if (const int shown = VisibleWidth(widget); shown > 0 && textRect.right() > shown)
    textRect.setRight(std::max(textRect.left(), qreal(shown) - kGapBeforeDatePx / 2));
  const qreal column = DateColumn(plain.font, textRect.width());
  QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
  layout.setWrapMode(QTextOption::NoWrap);
  layout.setTabStopDistance(std::max<qreal>(1, column));
  painter->save();
  painter->setFont(plain.font);
  const bool selected = plain.state & QStyle::State_Selected;
  painter->setPen(plain.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  const qsizetype tab = text.indexOf(u'\t');
  if (tab < 0) {
    painter->drawText(textRect, text, layout);
  } else {
    const QFontMetricsF metrics(plain.font);
    const QString item = metrics.elidedText(text.left(tab), Qt::ElideRight, std::max<qreal>(0, column - kGapBeforeDatePx));
    painter->drawText(textRect, item, layout);
    painter->drawText(textRect.adjusted(column, 0, 0, 0), text.mid(tab + 1), layout);
  }
  painter->restore();
}
