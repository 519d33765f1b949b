#include "AddressRecord.h"

#include "core/platform/TextLines.h"
#include "core/text/CsvEscape.h"
#include "core/text/CsvLine.h"
#include "core/text/StringHelpers.h"

const QString kAddressHeader = QStringLiteral(
    "カナ名,分類,氏名,愛称,電話,自宅電話,各種フラグ,会社名,会社ＴＥＬ,〒,住所１,住所２,mail,備考,備考2,"
    "会社ＦＡＸ,予備,番号,備考3,URL,会社役職,会社〒,会社住所１,会社住所２,会社内線,会社ＰＣ,会社ＩＰ,"
    "会社ＭＡＣ,会社座席");

namespace {

const QString kQuote = QStringLiteral("\"");
const QString kDoubledQuote = QStringLiteral("\"\"");

// A line break can only be typed into 備考3, which encodes it; one that
// reached another field by other means would cut the record in two when the
// line is written, so it becomes a blank there.
QString OneLine(const QString& value) {
  if (!value.contains(u'\r') && !value.contains(u'\n')) return value;
  QString out = value;
  out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  out.replace(u'\r', u' ');
  out.replace(u'\n', u' ');
  return out;
}

}  // namespace

AddressRecord AddressRecord::FromLine(const QString& line) { return FromLineHead(line, -1); }

AddressRecord AddressRecord::FromLineHead(const QString& line, int lastField) {
  AddressRecord record;
  record.fields_ = SplitCsvFields(line, lastField);
  if (record.fields_.size() >= kFieldBikou3) {
    // The splitter has already made doubled quotes single; doubling them
    // again before unescaping leaves the remark's own quotes as they were
    // typed, where unescaping the split value would halve a pair of them.
    QString& remark = record.fields_[kFieldBikou3 - 1];
    remark = UnescapeCsvField(ReplaceAll(remark, kQuote, kDoubledQuote));
  }
  return record;
}

QString AddressRecord::toLine() const {
  int last = kAddressAlwaysWritten;
  for (int n = fieldCount(); n > kAddressAlwaysWritten; --n) {
    if (!fields_.at(n - 1).isEmpty()) {
      last = n;
      break;
    }
  }
  QString line;
  for (int n = 1; n <= last; ++n) {
    if (n > 1) line += u',';
    const QString value = field(n);
    line += kQuote;
    // EscapeCsvField doubles the quotes of the remark itself; it only
    // encodes CR LF pairs, so a lone CR or LF is made one first.
    line += n == kFieldBikou3 ? EscapeCsvField(platform::NormaliseToCrLf(value)) : ReplaceAll(OneLine(value), kQuote, kDoubledQuote);
    line += kQuote;
  }
  return line;
}

QString AddressRecord::field(int n) const {
  if (n < 1 || n > fieldCount()) return QString();
  return fields_.at(n - 1);
}

void AddressRecord::setField(int n, const QString& value) {
  if (n < 1) return;
  while (fieldCount() < n) fields_.append(QString());
  fields_[n - 1] = value;
}
