#pragma once
// The display orders of the to-do list. The sorted orders put distinct keys
// exactly where the exchange sort that users have always seen put them;
// items with equal keys keep their file order, which the exchange sort
// scrambled.
#include <QList>
#include <QString>
#include <QStringList>

#include "ToDoList.h"

namespace todo {

enum class DisplayOrder {
  Data = 0,        // "データ順": file order
  Importance = 1,  // "重要順"
  Oldest = 2,      // "古い順": file order as well
  Newest = 3,      // "新しい順"
  ItemText = 4,    // "項目順"
};

QStringList DisplayOrderItems();

// The key a line sorts by in the order ("" for the unsorted orders).
QString SortKey(const QString& line, DisplayOrder order);
// True for the orders that sort.
bool IsSorted(DisplayOrder order);
bool IsDescending(DisplayOrder order);

// The entries of the file's lines as the order shows them, each keeping its
// file line as item data. Keys compare by UTF-16 code units, a key that
// begins another sorting first; equal keys keep the lines' order.
ToDoList ListInDisplayOrder(const QStringList& lines, DisplayOrder order);

}  // namespace todo
