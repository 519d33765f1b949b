#include "ToDoList.h"

#include <algorithm>
#include <numeric>

namespace todo {

void ToDoList::append(const QString& text, int data) {
  texts.append(text);
  itemData.append(data);
  selected.append(false);
}

ToDoList ListOfLines(const QStringList& lines) {
  ToDoList list;
  list.texts = lines;
  list.itemData.resize(lines.size());
  std::iota(list.itemData.begin(), list.itemData.end(), 0);
  list.selected.fill(false, lines.size());
  return list;
}

void AddItem(ToDoList& list, const QString& line) {
  const int at = list.size() == 0 ? 0 : (list.hasCurrent() ? list.current + 1 : 0);
  list.selected.fill(false);
  list.texts.insert(at, line);
  list.itemData.insert(at, 0);
  list.selected.insert(at, true);
  std::iota(list.itemData.begin(), list.itemData.end(), 0);
  list.current = at;
}

bool MoveSelectedUp(ToDoList& list) {
  bool moved = false;
  for (int k = 1; k < list.size(); ++k) {
    if (!list.selected[k]) continue;
    const bool above = list.selected[k - 1];
    list.texts.swapItemsAt(k - 1, k);
    list.selected[k] = above;
    list.selected[k - 1] = true;
    list.current = k - 1;
    moved = true;
  }
  return moved;
}

bool MoveSelectedDown(ToDoList& list) {
  bool moved = false;
  for (int k = list.size() - 2; k >= 0; --k) {
    if (!list.selected[k]) continue;
    const bool below = list.selected[k + 1];
    list.texts.swapItemsAt(k, k + 1);
    list.selected[k] = below;
    list.selected[k + 1] = true;
    list.current = k + 1;
    moved = true;
  }
  return moved;
}

void RemoveItem(ToDoList& list, int position) {
  list.texts.removeAt(position);
  list.itemData.removeAt(position);
  list.selected.removeAt(position);
  list.selected.fill(false);
  if (list.size() == 0) {
    list.current = -1;
    return;
  }
  list.current = std::min(position, list.size() - 1);
  list.selected[list.current] = true;
}

QStringList LinesInFileOrder(const ToDoList& list) {
  // The file order: again and again the smallest item data at or above a
  // threshold (the highest list position among equals), the threshold then
  // moved past it, so that each item data value gives one line. Sorting by
  // (item data, position descending) and keeping the first of each value
  // gives those lines in linear-log time.
  QList<int> order(list.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](int a, int b) {
    if (list.itemData[a] != list.itemData[b]) return list.itemData[a] < list.itemData[b];
    return a > b;
  });
  QStringList lines;
  lines.reserve(list.size());
  for (int i = 0; i < order.size(); ++i) {
    if (i > 0 && list.itemData[order[i]] == list.itemData[order[i - 1]]) continue;
    lines.append(list.texts[order[i]]);
  }
  return lines;
}

}  // namespace todo
