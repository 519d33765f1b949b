#include "ToDoOrder.h"

#include <algorithm>
#include <array>
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

// A key as the sort compares it: its first sixteen UTF-16 code units packed
// into integers that compare as the units do, and the key itself for the
// keys those leave equal. Most comparisons end at the integers, without
// reaching into a million strings spread over the memory.
constexpr qsizetype kPackedUnits = 16;
struct PackedKey {
  std::array<quint64, kPackedUnits / 4> units{};
  const char16_t* data = nullptr;
  int size = 0;
  int line = 0;
};

PackedKey Packed(const KeyOfLine& key, int line) {
  PackedKey k;
  k.data = key.text.utf16();
  k.size = int(key.text.size());
  k.line = line;
  for (qsizetype i = 0; i < std::min(kPackedUnits, key.text.size()); ++i) {
    quint64 unit = key.text[i].unicode();
    if (i == 0 && key.blankFirstAsZ && unit == u' ') unit = u'Z';
    k.units[size_t(i / 4)] |= unit << (16 * (3 - i % 4));
  }
  return k;
}

bool PackedLess(const PackedKey& a, const PackedKey& b) {
  for (size_t w = 0; w < a.units.size(); ++w)
    if (a.units[w] != b.units[w]) return a.units[w] < b.units[w];
  // The first units are alike, a short key's missing units read as zero:
  // the shorter key is the other's beginning.
  if (a.size <= kPackedUnits || b.size <= kPackedUnits) return a.size < b.size;
  const int common = std::min(a.size, b.size);
  for (int i = int(kPackedUnits); i < common; ++i)
    if (a.data[i] != b.data[i]) return a.data[i] < b.data[i];
  return a.size < b.size;
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
    std::stable_sort(keys.begin(), keys.end(), [](const PackedKey& a, const PackedKey& b) { return PackedLess(a, b); });
  ToDoList shown;
  shown.texts.reserve(lines.size());
  shown.itemData.reserve(lines.size());
  shown.selected.reserve(lines.size());
  for (const PackedKey& k : keys) shown.append(lines[k.line], k.line);
  return shown;
}

}  // namespace todo
