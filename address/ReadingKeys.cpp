#include "ReadingKeys.h"

#include "SurnameReadingTable.h"
#include "core/text/StringHelpers.h"

namespace {

struct KanaRow {
  char16_t from, to, key;
};

// Checked in order; voiced kana are a base letter and a separate mark, so
// the base letter alone decides. Small ｧ-ｫ and ｬ-ｮ go with their rows.
constexpr KanaRow kRows[] = {
    {u'ｱ', u'ｵ', u'ｱ'}, {u'ｧ', u'ｫ', u'ｱ'}, {u'ｶ', u'ｺ', u'ｶ'}, {u'ｻ', u'ｿ', u'ｻ'},
    {u'ﾀ', u'ﾄ', u'ﾀ'}, {u'ﾅ', u'ﾉ', u'ﾅ'}, {u'ﾊ', u'ﾎ', u'ﾊ'}, {u'ﾏ', u'ﾓ', u'ﾏ'},
    {u'ﾔ', u'ﾖ', u'ﾔ'}, {u'ｬ', u'ｮ', u'ﾔ'}, {u'ﾗ', u'ﾛ', u'ﾗ'},
};

}  // namespace

QString IndexKeyOfReading(const QString& reading) {
  const QString trimmed = TrimBlanks(reading);
  if (trimmed.isEmpty()) return QStringLiteral("ﾜ");
  char16_t c = trimmed.at(0).unicode();
  if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')) return QString(QChar(c));
  for (const KanaRow& row : kRows)
    if (c >= row.from && c <= row.to) return QString(QChar(row.key));
  return QStringLiteral("ﾜ");
}

QString GuessSurnameKana(const QString& name) {
  const QString key = TrimBlanks(name).left(2);
  for (const SurnameReading& row : SurnameReadingTable())
    if (key == row.surname) return row.reading;
  return QString();
}
