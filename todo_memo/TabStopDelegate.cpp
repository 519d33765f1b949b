#include "TabStopDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>

TabStopDelegate::TabStopDelegate(int dialogUnits, QObject* parent)
    : QStyledItemDelegate(parent), dialogUnits_(dialogUnits) {}

qreal TabStopDelegate::TabDistance(const QFont& font) const {
  return QFontMetricsF(font).averageCharWidth() * dialogUnits_ / 4.0;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem plain = option;
  initStyleOption(&plain, index);
  const QString text = plain.text;
  plain.text.clear();
  const QWidget* widget = plain.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);

  const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, widget);
  QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
  layout.setWrapMode(QTextOption::NoWrap);
  layout.setTabStopDistance(TabDistance(plain.font));
  painter->save();
  painter->setFont(plain.font);
  const bool selected = plain.state & QStyle::State_Selected;
  painter->setPen(plain.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(QRectF(textRect), text, layout);
  painter->restore();
}
