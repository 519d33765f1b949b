#include "VisualTabOrder.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>

namespace {

// The parts of a composite field (the edit line of a combo box, the
// viewport of a list) are reached through the field itself.
bool InsideCompositeField(const QWidget* widget, const QWidget* window) {
  for (const QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QPlainTextEdit*>(p) ||
        qobject_cast<const QTextEdit*>(p))
      return true;
  return false;
}

struct PlacedStop {
  QWidget* widget;
  QRect place;
};

}  // namespace

QList<QWidget*> VisualTabStops(QWidget* window) {
  std::vector<PlacedStop> stops;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(window) || w->focusProxy() ||
        InsideCompositeField(w, window))
      continue;
    stops.push_back({w, QRect(w->mapTo(window, QPoint(0, 0)), w->size())});
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const PlacedStop& a, const PlacedStop& b) { return a.place.top() < b.place.top(); });
  QList<QWidget*> order;
  size_t rowStart = 0;
  while (rowStart < stops.size()) {
    // A row: every field that begins above the middle of the row's
    // shortest field so far.
    size_t rowEnd = rowStart + 1;
    int shortest = stops[rowStart].place.height();
    const int top = stops[rowStart].place.top();
    while (rowEnd < stops.size()) {
      const int h = std::min(shortest, stops[rowEnd].place.height());
      if (stops[rowEnd].place.top() >= top + h / 2) break;
      shortest = h;
      ++rowEnd;
    }
    std::stable_sort(stops.begin() + long(rowStart), stops.begin() + long(rowEnd),
                     [](const PlacedStop& a, const PlacedStop& b) { return a.place.left() < b.place.left(); });
    for (size_t i = rowStart; i < rowEnd; ++i) order << stops[i].widget;
    rowStart = rowEnd;
  }
  return order;
}

QWidget* FirstTabStop(QWidget* window) {
  for (QWidget* w : VisualTabStops(window))
    if (w->isEnabled()) return w;
  return nullptr;
}

void ApplyVisualTabOrder(QWidget* window) {
  const QList<QWidget*> order = VisualTabStops(window);
  for (QWidget* w : order) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) plain->setTabChangesFocus(true);
    if (auto* rich = qobject_cast<QTextEdit*>(w)) rich->setTabChangesFocus(true);
  }
  for (qsizetype i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}
