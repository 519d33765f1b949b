#include "ToDoOrder.h"

#include <algorithm>
#include <vector>

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

namespace {

// Where a line's key begins; "重要順" also reads a blank first character
// (no importance) as "Z", so that it sorts after A to D.
struct KeyOfLine {
  QStringView text;
  bool blankFirstAsZ = false;
};

KeyOfLine KeyView(const QString& line, DisplayOrder order) {
  const auto from = [&](qsizetype start) { return QStringView(line).sliced(std::min(start, line.size())); };
  switch (order) {
    case DisplayOrder::Importance: return {from(1), true};
    case DisplayOrder::Newest: {
      const qsizetype tab = line.indexOf(kTab);
      return {tab < 0 ? QStringView() : from(tab + 1)};
    }
    case DisplayOrder::ItemText: return {from(2)};
    default: return {};
  }
}

// A key as the sort compares it: its first eight UTF-16 code units packed
// into two integers that compare as the units do, and the key itself for
// the keys those leave equal. Most comparisons end at the integers, without
// reaching into a million strings spread over the memory.
struct PackedKey {
  quint64 high = 0;
  quint64 low = 0;
  const QChar* data = nullptr;
  qsizetype size = 0;
  int line = 0;
};
constexpr qsizetype kPackedUnits = 8;

PackedKey Packed(const KeyOfLine& key, int line) {
  PackedKey k;
  k.data = key.text.data();
  k.size = key.text.size();
  k.line = line;
  for (qsizetype i = 0; i < kPackedUnits; ++i) {
    quint64 unit = i < k.size ? key.text[i].unicode() : 0;
    if (i == 0 && key.blankFirstAsZ && unit == u' ') unit = u'Z';
    (i < 4 ? k.high : k.low) |= unit << (16 * (3 - i % 4));
  }
  return k;
}

bool PackedLess(const PackedKey& a, const PackedKey& b) {
  if (a.high != b.high) return a.high < b.high;
  if (a.low != b.low) return a.low < b.low;
  // The first eight units are alike, a short key's missing units read as
  // zero: the shorter key is the other's beginning.
  if (a.size <= kPackedUnits || b.size <= kPackedUnits) return a.size < b.size;
  return QStringView(a.data + kPackedUnits, a.size - kPackedUnits)
             .compare(QStringView(b.data + kPackedUnits, b.size - kPackedUnits)) < 0;
}

}  // namespace

QString SortKey(const QString& line, DisplayOrder order) {
  const KeyOfLine key = KeyView(line, order);
  QString text = key.text.toString();
  if (key.blankFirstAsZ && !text.isEmpty() && text.at(0) == u' ') text[0] = u'Z';
  return text;
}

// The exchange sort compared every item with every later one: 80,000
// items took seconds and a million never finished.
ToDoList ListInDisplayOrder(const QStringList& lines, DisplayOrder order) {
  if (!IsSorted(order)) return ListOfLines(lines);
  std::vector<PackedKey> keys;
  keys.reserve(size_t(lines.size()));
  for (int i = 0; i < int(lines.size()); ++i) keys.push_back(Packed(KeyView(lines[i], order), i));
  if (IsDescending(order))
    std::stable_sort(keys.begin(), keys.end(), [](const PackedKey& a, const PackedKey& b) { return PackedLess(b, a); });
  else
    std::stable_sort(keys.begin(), keys.end(), &PackedLess);
  ToDoList shown;
  shown.texts.reserve(lines.size());
  shown.itemData.reserve(lines.size());
  shown.selected.reserve(lines.size());
  for (const PackedKey& k : keys) shown.append(lines[k.line], k.line);
  return shown;
}

}  // namespace todo
