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

QList<int> ExchangeSortOrder(const QStringList& keys, bool descending) {
  const int n = static_cast<int>(keys.size());
  QList<int> byKey(n);
  std::iota(byKey.begin(), byKey.end(), 0);
  std::stable_sort(byKey.begin(), byKey.end(), [&](int a, int b) { return keys[a] < keys[b]; });
  std::vector<int> rank(n);
  for (int i = 0, r = 0; i < n; ++i) {
    if (i > 0 && keys[byKey[i]] != keys[byKey[i - 1]]) ++r;
    rank[byKey[i]] = descending ? -r : r;
  }
  QList<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  for (int i = 0; i + 1 < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (rank[j] < rank[i]) {
        std::swap(rank[i], rank[j]);
        std::swap(order[i], order[j]);
      }
    }
  }
  return order;
}

ToDoList ListInDisplayOrder(const QStringList& lines, DisplayOrder order) {
  if (!IsSorted(order)) return ListOfLines(lines);
  QStringList keys;
  keys.reserve(lines.size());
  for (const QString& line : lines) keys << SortKey(line, order);
  ToDoList shown;
  for (int at : ExchangeSortOrder(keys, IsDescending(order))) shown.append(lines[at], at);
  return shown;
}

}  // namespace todo
