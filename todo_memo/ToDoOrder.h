#pragma once
// The display orders of the to-do list. The sorted orders must come out
// exactly as the exchange sort that users have always seen orders them,
// ties included, since items with equal keys keep the places it gives them.
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

// The positions of the keys in the order the exchange sort leaves them:
// for each position i and each later j, the entries change places when j's
// key must come first. Keys compare by UTF-16 code units. The keys are
// ranked first so that the quadratic walk compares integers only.
QList<int> ExchangeSortOrder(const QStringList& keys, bool descending);

// The entries of the file's lines as the order shows them, each keeping its
// file line as item data. A long file takes a while to sort exactly.
ToDoList ListInDisplayOrder(const QStringList& lines, DisplayOrder order);

}  // namespace todo
