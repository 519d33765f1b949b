#include "AddressPrintLines.h"

#include <algorithm>
#include <numeric>

#include "AddressCategoryGroups.h"
#include "AddressFind.h"
#include "AddressSortKey.h"
#include "ReadingKeys.h"
#include "core/text/StringHelpers.h"

namespace {

const QString kSecret = QStringLiteral("秘密");

constexpr int kPrintKeyPartBytes = 20;

// Each part of an order key, cut or padded to its width, is appended to
// the one key: a job builds a key for every entry of the book.
void AppendPrintKeyPart(QString& key, const QString& text) {
  key += PadCutBytes(TrimBlanks(text), kPrintKeyPartBytes);
}

QString PrintOrderKey(const AddressRecord& r, const QString& first) {
  QString key;
  key.reserve(4 * kPrintKeyPartBytes);
  AppendPrintKeyPart(key, first);
  for (int field : {kFieldKana, kFieldName, kFieldHandle}) AppendPrintKeyPart(key, r.field(field));
  return key;
}

// The print takes more than the list shows: secret entries never, entries
// marked do-not-print unless they are frequently used and that is the filter.
bool TakenByCategory(const AddressRecord& r, const QString& c, const AddressCategoryGroups& groups) {
  const QString category = r.field(kFieldBunrui);
  const QString flags = r.field(kFieldFlags);
  if (c == kCategoryOther) {
    if (category == kSecret) return false;
    for (int i = 1; i <= AddressCategoryGroups::kGroupCount; ++i) {
      const QString& list = groups.list(i);
      if (!TrimBlanks(list).isEmpty() && !category.isEmpty() && (list + u',').contains(category + u','))
        return false;
    }
    return true;
  }
  if (c == kCategoryFrequent && flags.size() > 2 && flags.at(2) == u'1') return category != kSecret;
  if (flags.startsWith(u'1')) return false;
  if (c == kCategoryAll) return category != kSecret;
  if (category == c) return true;
  for (int i = 1; i <= AddressCategoryGroups::kGroupCount; ++i)
    if (!groups.name(i).isEmpty() && groups.name(i) == c && groups.isMember(i, TrimBlanks(category))) return true;
  return false;
}

}  // namespace

QString AddressCompanyKey(const AddressRecord& r) {
  const QString key = PrintOrderKey(r, r.field(kFieldKaisyaName));
  if (key.startsWith(QStringLiteral("(株)")) || key.startsWith(QStringLiteral("（株）"))) return key.mid(3);
  return key;
}

QString AddressNumberKey(const AddressRecord& r) {
  // Full-width digits sort above U+00FF, so the mark of a missing number
  // must lie above anything a number can hold.
  const QString number = r.field(kFieldNo).isEmpty() ? QString(QChar(0xFFFF)) : r.field(kFieldNo);
  return PrintOrderKey(r, number);
}

AddressPrintLines ChooseAddressPrintLines(const QStringList& fileLines, const AddressPrintChoice& choice,
                                          const AddressCategoryGroups& groups) {
  AddressPrintLines out;
  out.header = fileLines.value(0);
  const QString initial = TrimBlanks(choice.sortItem).left(1);
  for (qsizetype i = 1; i < fileLines.size(); ++i) {
    const int lineNumber = static_cast<int>(i + 1);
    const AddressRecord record = AddressRecord::FromLine(fileLines.at(i));
    if (!TakenByCategory(record, choice.category, groups)) continue;
    if (choice.sortIndex >= 6 && IndexKeyOfReading(record.field(kFieldKana)) != initial) continue;
    if (choice.sortIndex == 4 && lineNumber < choice.startLine) continue;
    if (choice.findActive && !LineMatchesFindKeys(fileLines.at(i), choice.findKeys)) continue;
    out.lines << fileLines.at(i);
    out.records << record;
  }
  if (choice.sortIndex == 2 || choice.sortIndex == 3 || choice.sortIndex == 5) {
    // A stable sort on the keys: entries of distinct keys land where an
    // exchange sort would put them, and entries of equal keys keep the
    // file's reading order, so a book of 100,000 entries sorts in moments.
    const int n = out.count();
    std::vector<std::pair<QString, int>> keyed;
    keyed.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
      const AddressRecord& r = out.records.at(i);
      keyed.emplace_back(choice.sortIndex == 5 ? AddressNumberKey(r) : AddressCompanyKey(r), i);
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return QString::compare(a.first, b.first) < 0; });
    QStringList sortedLines;
    QList<AddressRecord> sortedRecords;
    sortedLines.reserve(n);
    sortedRecords.reserve(n);
    for (const auto& [key, index] : keyed) {
      sortedLines << out.lines.at(index);
      sortedRecords << out.records.at(index);
    }
    out.lines = std::move(sortedLines);
    out.records = std::move(sortedRecords);
  }
  return out;
}

QString AddressPrintLines::LastPrintedName() const {
  QString name;
  if (lastPrinted >= 0 && lastPrinted < records.size()) {
    const AddressRecord& entry = records.at(lastPrinted);
    name = TrimBlanks(entry.field(kFieldName).section(u'\\', 0, 0));
    if (name.isEmpty()) name = u'(' + TrimBlanks(entry.field(kFieldHandle)) + u')';
  }
  return QStringLiteral("%1件目の「%2」").arg(lastPrinted + 1).arg(name);
}
