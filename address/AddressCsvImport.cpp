#include "AddressCsvImport.h"

#include <QDate>
#include <QRegularExpression>

#include "AddressFlags.h"
#include "AddressImportSynonyms.h"
#include "AddressSortKey.h"
#include "AddressTextConversions.h"
#include "ReadingKeys.h"
#include "core/platform/Codec.h"
#include "core/text/CsvLine.h"
#include "core/text/JapaneseText.h"
#include "core/text/StringHelpers.h"

namespace {

constexpr int kKeyPartBytes = 20;

// The field a synonym list feeds; the company lists go to the company's
// postal code and address lines, so nothing of the source is dropped.
int TargetField(int list) {
  if (list >= 1 && list <= kAddressAlwaysWritten) return list;
  if (list == kImportListCompanyZip) return kFieldKaisyaZip;
  if (list == kImportListCompanyAddress1) return kFieldKaisyaAddress1;
  if (list == kImportListCompanyAddress2) return kFieldKaisyaAddress2;
  return 0;
}

// Name and address parts that a given-name-first file lists in reverse.
bool JoinsInFront(int field) {
  return field == kFieldName || field == kFieldZip || field == kFieldAddress1 || field == kFieldAddress2;
}

QString CategoryOf(const QString& value) {
  const QString word = TrimBlanks(value).toUpper();
  if (word == QStringLiteral("TRUE") || word == QStringLiteral("1")) return QStringLiteral("私用");
  if (word == QStringLiteral("FALSE")) return QStringLiteral("仕事");
  return value;
}

bool AllDigits(const QString& text) {
  for (QChar c : text)
    if (c < u'0' || c > u'9') return false;
  return !text.isEmpty();
}

// A reading made of the first character of a name or nickname, when that
// character is one a reading can hold (half-width once converted).
QString InitialReading(const QString& text) {
  if (text.isEmpty()) return QString();
  const qsizetype len = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
  const QString initial = ToHalfWidthKana(text.left(len).toUpper());
  return platform::SjisByteLength(initial) == initial.size() ? initial : QString();
}

}  // namespace

bool IsAddressImportHeader(const QString& line) {
  const bool namesPhone = line.toUpper().contains(QStringLiteral("TEL")) || line.contains(QStringLiteral("電話")) ||
                          line.contains(QStringLiteral("ＴＥＬ"));
  return namesPhone && (line.contains(u',') || line.contains(u'\t'));
}

AddressImportColumns AddressImportColumns::FromHeader(const QString& headerLine) {
  AddressImportColumns columns;
  QStringList headings = SplitCsvFields(headerLine, kImportMaxColumns);

  const QString first = TrimBlanks(headings.value(0)).left(1);
  bool common = !first.isEmpty();
  for (const QString& heading : headings) {
    const QString trimmed = TrimBlanks(heading);
    if (!trimmed.isEmpty() && !trimmed.startsWith(first)) common = false;
  }
  if (common) {
    columns.prefix = first;
    for (QString& heading : headings) {
      heading = TrimBlanks(heading);
      if (heading.startsWith(first)) heading.remove(0, first.size());
    }
  }

  const qsizetype surname = headerLine.indexOf(u'姓');
  const qsizetype given = headerLine.indexOf(u'名');
  columns.givenNameFirst = surname >= 0 && given >= 0 && given < surname;

  for (int col = 1; col <= headings.size(); ++col) {
    const QString framed = FramedImportHeading(headings.at(col - 1));
    const int list = AddressImportListOf(framed);
    if (list == kFieldBunrui) columns.categoryColumn = col;
    if (IsTelephoneHeading(framed)) columns.telColumn = col;
    if (IsFaxHeading(framed)) columns.faxColumn = col;
    if (IsMobileHeading(framed)) columns.mobileColumn = col;
    columns.map.append(list);
  }
  // A file with a telephone column keeps its fax number apart from the
  // company's: it goes to 予備. With a mobile column beside it, "TEL" is the
  // home telephone.
  if (columns.faxColumn > 0 && columns.map.contains(kFieldTel)) columns.map[columns.faxColumn - 1] = kFieldYobi;
  if (columns.mobileColumn > 0 && columns.telColumn > 0) columns.map[columns.telColumn - 1] = kFieldJitaku;
  return columns;
}

QString ImportedDateText(const QString& value) {
  QString text = value;
  if (!text.contains(u'/') && text.size() == 8 && AllDigits(text)) {
    if (text.startsWith(QStringLiteral("00"))) text.replace(0, 4, QString::number(text.mid(2, 2).toInt() + 1988));
    text = text.left(4) + u'/' + text.mid(4, 2) + u'/' + text.mid(6, 2);
  }
  static const QRegularExpression dated(QStringLiteral("^(\\d{4})([/-])(\\d{1,2})\\2(\\d{1,2})$"));
  const QRegularExpressionMatch m = dated.match(text);
  if (!m.hasMatch()) return value;
  const QDate date(m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt());
  return date.isValid() ? date.toString(QStringLiteral("yyyy/MM/dd")) : value;
}

AddressRecord BuildImportedRecord(const QString& line, const AddressImportColumns& columns,
                                  const PostalLineLookup& lookup) {
  QStringList fields = SplitCsvFields(line, kImportMaxColumns);
  AddressRecord r;
  for (int n = 1; n <= kFieldKaisyaAddress2; ++n) r.setField(n, QString());

  for (int col = 1; col <= fields.size(); ++col) {
    QString value = fields.at(col - 1);
    if (!columns.prefix.isEmpty() && value.startsWith(columns.prefix)) value.remove(0, columns.prefix.size());
    if (col == columns.categoryColumn) {
      r.setField(kFieldBunrui, CategoryOf(value));
      continue;
    }
    const int field = TargetField(columns.map.value(col - 1));
    if (field == 0) continue;
    if (columns.givenNameFirst && JoinsInFront(field))
      r.setField(field, value + u' ' + r.field(field));
    else
      r.setField(field, r.field(field) + value + u' ');
  }

  if (r.field(kFieldFlags).isEmpty()) r.setField(kFieldFlags, kClearedAddressFlags);
  for (int n = 1; n <= r.fieldCount(); ++n) r.setField(n, TrimBlanks(r.field(n)));
  r.setField(kFieldKana, ToHalfWidthKana(r.field(kFieldKana)));
  if (columns.categoryColumn == 0) r.setField(kFieldBunrui, QStringLiteral("私用"));
  if (r.field(kFieldName).isEmpty()) r.setField(kFieldName, r.field(kFieldKaisyaName));
  for (int n : {kFieldTel, kFieldJitaku, kFieldKaisyaTel, kFieldZip, kFieldKaisyaFax, kFieldYobi})
    r.setField(n, NormalizePhoneChars(r.field(n)));
  r.setField(kFieldYobi, ImportedDateText(r.field(kFieldYobi)));

  // Some exports keep the second address line in the first, after an
  // encoded line break.
  const QString escapedBreak = QStringLiteral("\\n");
  const qsizetype cut = r.field(kFieldAddress1).indexOf(escapedBreak);
  if (cut >= 0 && TrimBlanks(r.field(kFieldAddress2)).isEmpty()) {
    r.setField(kFieldAddress2, r.field(kFieldAddress1).mid(cut + escapedBreak.size()));
    r.setField(kFieldAddress1, r.field(kFieldAddress1).left(cut));
  }

  if (!r.field(kFieldZip).isEmpty() && r.field(kFieldAddress1).isEmpty() && lookup) {
    QString code = ToHalfWidthKana(r.field(kFieldZip));
    for (const QString& gap : {QStringLiteral(" "), QStringLiteral("-"), QStringLiteral("ｰ")}) code = ReplaceAll(code, gap, QString());
    // Only a whole code is looked up: a shorter key would match the first
    // line that begins with it, and an empty one any line at all.
    if (code.size() == 7 && AllDigits(code)) {
      if (const std::optional<QString> found = lookup(code)) r.setField(kFieldAddress1, QStringLiteral("★") + *found);
    }
  }

  if (r.field(kFieldName).isEmpty() && r.field(kFieldHandle).isEmpty() && !r.field(kFieldMail).isEmpty())
    r.setField(kFieldHandle, r.field(kFieldMail));
  if (r.field(kFieldKana).isEmpty()) {
    QString reading = GuessSurnameKana(r.field(kFieldName));
    if (reading.isEmpty()) {
      reading = InitialReading(r.field(kFieldName));
      if (reading.isEmpty()) reading = InitialReading(r.field(kFieldHandle));
      const qsizetype at = reading.indexOf(u'@');
      if (at >= 0) reading.truncate(at);
    }
    r.setField(kFieldKana, reading);
  }
  if (r.field(kFieldHandle) == r.field(kFieldKana)) r.setField(kFieldHandle, QString());
  return r;
}

QString AddressImportKey(const AddressRecord& record) {
  return PadCutBytes(TrimBlanks(record.field(kFieldKana)), kKeyPartBytes) +
         PadCutBytes(TrimBlanks(record.field(kFieldName)), kKeyPartBytes) +
         PadCutBytes(TrimBlanks(record.field(kFieldHandle)), kKeyPartBytes);
}

QString SkippedHeaderLineMessage(int lineNumber) {
  return QStringLiteral("「") + QString::number(lineNumber) + QStringLiteral("行目」は、見出し行と違うので読み飛ばします。") +
         kCrLf + QStringLiteral("見出し行には、「電話」の項目が必要です。");
}

QString NoImportHeaderMessage(const QString& path) {
  return QStringLiteral("このファイル(") + path + QStringLiteral(")には、見出し項目が無いようです。") + kCrLf +
         QStringLiteral("見出し付きのＣＳＶファイル形式を読み込ませてください。");
}
