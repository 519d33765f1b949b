#include "ToDoList.h"

#include <algorithm>
#include <QHash>
#include <cstdlib>
#include <functional>
#include <numeric>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

namespace todo {

QStringList ReadToDoFile(const QByteArray& bytes) { return platform::FromSjisLines(bytes); }

QByteArray WriteToDoFile(const QStringList& lines) { return platform::JoinLinesCrLf(lines); }

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

namespace {

// The copy of the text in the lines nearest to the place, the later one of
// two as near (lines put in front push a line down), passing over the lines
// already taken; -1 when there is none.
int NearestCopyOf(const QStringList& lines, const QString& text, int place, const QList<bool>& taken = {}) {
  int best = -1;
  for (int i = 0; i < lines.size(); ++i)
    if (lines.at(i) == text && !taken.value(i) && (best < 0 || std::abs(i - place) <= std::abs(best - place)))
      best = i;
  return best;
}

}  // namespace

int AddPositionInFile(const QStringList& now, const QStringList& seen, int anchorLine) {
  if (anchorLine < 0 || anchorLine >= seen.size()) return 0;
  if (now == seen) return anchorLine + 1;
  const int anchor = NearestCopyOf(now, seen.at(anchorLine), anchorLine);
  if (anchor >= 0) return anchor + 1;
  // The anchor is gone: before the line that followed it, else in its place.
  if (anchorLine + 1 < seen.size()) {
    const int next = NearestCopyOf(now, seen.at(anchorLine + 1), anchorLine + 1);
    if (next >= 0) return next;
  }
  return std::min(anchorLine, static_cast<int>(now.size()));
}

bool ApplyListChange(const ToDoList& before, const ToDoList& after, const QStringList& seen, QStringList& now) {
  if (now == seen) {
    now = LinesInFileOrder(after);
    return true;
  }
  // Each entry's line among the seen ones: the rank of its item data.
  QList<int> byData(before.size());
  std::iota(byData.begin(), byData.end(), 0);
  std::sort(byData.begin(), byData.end(), [&](int a, int b) { return before.itemData[a] < before.itemData[b]; });
  QHash<int, int> afterOf;
  for (int j = 0; j < after.size(); ++j) afterOf.insert(after.itemData[j], j);
  QList<bool> taken(now.size(), false);
  QList<int> removed;
  QStringList changed = now;
  for (int seenAt = 0; seenAt < byData.size(); ++seenAt) {
    const int i = byData[seenAt];
    const int j = afterOf.value(before.itemData[i], -1);
    if (j >= 0 && after.texts[j] == before.texts[i]) continue;
    const int at = NearestCopyOf(now, before.texts[i], seenAt, taken);
    if (at < 0) return false;
    taken[at] = true;
    if (j >= 0)
      changed[at] = after.texts[j];
    else
      removed.append(at);
  }
  std::sort(removed.begin(), removed.end(), std::greater<int>());
  for (int at : removed) changed.removeAt(at);
  now = changed;
  return true;
}

}  // namespace todo
