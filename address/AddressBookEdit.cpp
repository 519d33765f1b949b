#include "AddressBookEdit.h"

#include "AddressRecord.h"
#include "AddressSortKey.h"

void SetAddressHeader(QStringList& lines) {
  if (lines.isEmpty())
    lines.append(kAddressHeader);
  else
    lines[0] = kAddressHeader;
}

bool AddressLineIsIntact(const QStringList& lines, int lineNumber, const QString& expected) {
  return lineNumber >= 2 && lineNumber <= lines.size() && lines.at(lineNumber - 1) == expected;
}

bool RemoveAddressLine(QStringList& lines, int lineNumber) {
  if (lineNumber < 2 || lineNumber > lines.size()) return false;
  lines.removeAt(lineNumber - 1);
  return true;
}

int InsertAddressSorted(QStringList& lines, const AddressRecord& record) {
  SetAddressHeader(lines);
  const QString key = AddressSortKey(record);
  qsizetype at = 1;
  for (; at < lines.size(); ++at)
    if (key < AddressSortKey(AddressRecord::FromLine(lines.at(at)))) break;
  lines.insert(at, record.toLine());
  return static_cast<int>(at + 1);
}

bool ChangeAddressBook(QStringList& lines, int removeLine, const QString& expectedLine, const AddressRecord* entry,
                       int* inserted) {
  if (removeLine != 0) {
    if (!AddressLineIsIntact(lines, removeLine, expectedLine)) return false;
    RemoveAddressLine(lines, removeLine);
  }
  if (entry) {
    const int at = InsertAddressSorted(lines, *entry);
    if (inserted) *inserted = at;
  }
  SetAddressHeader(lines);
  return true;
}
