#pragma once
// Draws list entries with their TABs as tab stops at a fixed distance in
// dialog units (a quarter of the font's average character width), so the
// dates after the item texts line up in one column.
#include <QStyledItemDelegate>

class TabStopDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  TabStopDelegate(int dialogUnits, QObject* parent);

  // The tab distance in pixels for a font.
  qreal TabDistance(const QFont& font) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int dialogUnits_;
};
