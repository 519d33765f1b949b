#include "ToDoOrder.h"

#include <algorithm>
#include <numeric>

#include "ToDoLine.h"

namespace todo {

QStringList DisplayOrderItems() {
  return {QStringLiteral("データ順"), QStringLiteral("重要順"), QStringLiteral("古い順"),
          QStringLiteral("新しい順"), QStringLiteral("項目順")};
}

bool IsSorted(DisplayOrder order) {
  return order == DisplayOrder::Importance || order == DisplayOrder::Newest || order == DisplayOrder::ItemText;
}

bool IsDescending(DisplayOrder order) { return order == DisplayOrder::Newest; }

QString SortKey(const QString& line, DisplayOrder order) {
  switch (order) {
    case DisplayOrder::Importance: {
      // No importance sorts after A to D.
      QString key = line.mid(1);
      if (!key.isEmpty() && key.at(0) == u' ') key[0] = u'Z';
      return key;
    }
    case DisplayOrder::Newest: {
      const qsizetype tab = line.indexOf(kTab);
      return tab < 0 ? QString() : line.mid(tab + 1);
    }
    case DisplayOrder::ItemText: return line.mid(2);
    default: return QString();
  }
}

// The exchange sort compared every item with every later one: 80,000
// items took seconds and a million never finished.
QList<int> StableSortOrder(const QStringList& keys, bool descending) {
  QList<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  if (descending)
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[b] < keys[a]; });
  else
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
  return order;
}

ToDoList ListInDisplayOrder(const QStringList& lines, DisplayOrder order) {
  if (!IsSorted(order)) return ListOfLines(lines);
  QStringList keys;
  keys.reserve(lines.size());
  for (const QString& line : lines) keys << SortKey(line, order);
  ToDoList shown;
  for (int at : StableSortOrder(keys, IsDescending(order))) shown.append(lines[at], at);
  return shown;
}

}  // namespace todo
