#pragma once
// Harness bodies for the address book's text formats (see FuzzTargets.h for
// how harnesses and the replay tests share them).
#include <QString>
#include <cstddef>
#include <cstdint>

#include "address/AddressRecord.h"
#include "address/AddressSortKey.h"
#include "address/AddressTextParser.h"
#include "address/LabelledValues.h"
#include "address/ReadingKeys.h"
#include "core/platform/Codec.h"

namespace fuzz {

// One line of an address file: read, written and read again, every field
// stays where it was; the keys and extractors take it without complaint.
inline bool AddressLine(const uint8_t* data, size_t size) {
  const QString line =
      platform::FromSjis(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  const AddressRecord record = AddressRecord::FromLine(line);
  const QString written = record.toLine();
  if (written.contains(u'\r') || written.contains(u'\n')) return false;
  const AddressRecord again = AddressRecord::FromLine(written);
  for (int n = 1; n <= record.fieldCount(); ++n) {
    QString expected = record.field(n);
    if (n == kFieldBikou3) continue;  // its breaks are re-encoded; checked by the tests
    expected.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    if (again.field(n) != expected) return false;
  }
  if (again.toLine() != written) return false;
  if (platform::SjisByteLength(AddressSortKey(record).mid(20)) != 40) return false;
  if (IndexKeyOfReading(line).size() != 1) return false;
  QString rest = line;
  QString acc;
  TakeNumberAfterLabel(QStringLiteral("TEL"), rest, acc);
  TakeTextAfterLabel(QStringLiteral("住所"), rest, acc);
  TakeLineWithWord(QStringLiteral("無休"), rest, acc);
  CopyLineWithWord(QStringLiteral("TEL"), rest, acc);
  return rest.size() <= line.size();
}

// Pasted address text: every key gives a string without outer blanks (the
// line-per-row remainder ends its rows with CR LF), whatever the letter case
// of the key.
inline bool AddressText(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  static const char* const keys[] = {"TOP",  "ZIP",  "ADDRESS1", "ADDRESS2", "OFFICE", "ID",       "KANA",
                                     "NAME", "TEL",  "FAX",      "MAIL",     "E-MAIL", "URL",      "DATE",
                                     "POST", "SHOPDATE", "SHOPTIME", "SHOPMICHI", "SHOPCAR", "SHOPCATEGORY",
                                     "施設", "予算", "CRLF",     "",         "nosuch"};
  // One parse serves every key, as it does the address window; a parse per
  // key made each input cost fifty parses and kept the fuzzer crawling.
  const AddressTextFields fields(text);
  for (const char* k : keys) {
    const QString key = QString::fromUtf8(k);
    const QString value = fields.value(key);
    if (value.startsWith(u' ') || value.endsWith(u' ')) return false;
    if (key == QStringLiteral("CRLF") && !value.isEmpty() && !value.endsWith(QStringLiteral("\r\n"))) return false;
    if (key == QStringLiteral("nosuch") && !value.isEmpty()) return false;
    if (fields.value(key.toLower()) != value) return false;
  }
  return true;
}

}  // namespace fuzz
