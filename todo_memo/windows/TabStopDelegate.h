#pragma once
// Draws list entries with their TABs as tab stops at a fixed distance in
// dialog units (a quarter of the font's average character width), so the
// dates after the item texts line up in one column. A list narrower than
// that distance and a date brings the column in, so that the date shows
// whole; an item text too long for the room before it is cut short with an
// ellipsis instead of pushing the date out of sight.
#include <QFont>
#include <QStyledItemDelegate>
#include <optional>

class TabStopDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  TabStopDelegate(int dialogUnits, QObject* parent);

  // The tab distance in pixels for a font.
  qreal TabDistance(const QFont& font) const;
  // Where the text after the first TAB starts, in pixels from the left of
  // an entry's text area of the given width.
  qreal DateColumn(const QFont& font, qreal textWidth) const;

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int dialogUnits_;
  mutable std::optional<QFont> widestDateFont_;
  mutable qreal widestDate_ = 0;
};
