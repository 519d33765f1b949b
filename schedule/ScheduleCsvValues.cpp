#include "ScheduleCsvValues.h"

#include <QRegularExpression>

#include "core/text/StringHelpers.h"

namespace {

// Full-width digits and the signs that dates and times are written with,
// as half-width ones, so "２００１／５／３" reads like "2001/5/3".
QString HalfWidthDigitsAndSigns(const QString& value) {
  QString out = value;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９')
      c = QChar(u'0' + (u - u'０'));
    else if (u == u'／')
      c = u'/';
    else if (u == u'－')
      c = u'-';
    else if (u == u'．')
      c = u'.';
    else if (u == u'：')
      c = u':';
  }
  return out;
}

// The value made ready for the patterns: half-width, without outer blanks.
QString Prepared(const QString& value) { return TrimBlanks(HalfWidthDigitsAndSigns(value)); }

// A date, optionally followed by a time (captured whole, read separately).
const QRegularExpression& DatePattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^(?:(\\d{4}|\\d{2})([/.-])(\\d{1,2})\\2(\\d{1,2})|(\\d{4}|\\d{2})年 *(\\d{1,2})月 *(\\d{1,2})日)"
                     "(?: +(.+))?$"));
  return pattern;
}

// A time of day: 9:30, 9:30:15, 9時30分, 9時; with 午前/午後 before or
// AM/PM after it.
const QRegularExpression& TimePattern() {
  static const QRegularExpression pattern(
      QStringLiteral("^(午前|午後)? *(\\d{1,2})(?::(\\d{1,2})(?::(\\d{1,2}))?|時(?:(\\d{1,2})分)?) *([AaPp][Mm])?$"));
  return pattern;
}

int YearOf(const QString& digits) {
  const int year = digits.toInt();
  if (digits.size() != 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QTime> TimeOfPrepared(const QString& text) {
  const QRegularExpressionMatch m = TimePattern().match(text);
  if (!m.hasMatch()) return std::nullopt;
  const QString morning = m.captured(1);
  const QString suffix = m.captured(6).toUpper();
  if (!morning.isEmpty() && !suffix.isEmpty()) return std::nullopt;
  int hour = m.captured(2).toInt();
  const int minute = (m.captured(3).isEmpty() ? m.captured(5) : m.captured(3)).toInt();
  const int second = m.captured(4).toInt();
  if (!morning.isEmpty() || !suffix.isEmpty()) {
    if (hour > 12) return std::nullopt;
    const bool afternoon = morning == QStringLiteral("午後") || suffix == QStringLiteral("PM");
    hour = hour % 12 + (afternoon ? 12 : 0);
  }
  const QTime time(hour, minute, second);
  if (!time.isValid()) return std::nullopt;
  return time;
}

struct DateAndRest {
  QDate date;
  QString rest;  // what follows the date, "" for a date alone
};

std::optional<DateAndRest> DateOfPrepared(const QString& text) {
  const QRegularExpressionMatch m = DatePattern().match(text);
  if (!m.hasMatch()) return std::nullopt;
  const bool slashed = !m.captured(1).isEmpty();
  const QDate date(YearOf(m.captured(slashed ? 1 : 5)), m.captured(slashed ? 3 : 6).toInt(),
                   m.captured(slashed ? 4 : 7).toInt());
  if (!date.isValid()) return std::nullopt;
  return DateAndRest{date, m.captured(8)};
}

}  // namespace

std::optional<QDate> ReadImportDate(const QString& value) {
  const std::optional<DateAndRest> read = DateOfPrepared(Prepared(value));
  if (!read) return std::nullopt;
  if (!read->rest.isEmpty() && !TimeOfPrepared(read->rest)) return std::nullopt;
  return read->date;
}

std::optional<QDate> ReadImportDate(const QString& value, ImportDateOrder order) {
  if (order == ImportDateOrder::YearFirst) return ReadImportDate(value);
  static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2})([/.-])(\\d{1,2})\\2(\\d{4})(?: +(.+))?$"));
  const QRegularExpressionMatch m = pattern.match(Prepared(value));
  if (!m.hasMatch()) return std::nullopt;
  const int first = m.captured(1).toInt(), second = m.captured(3).toInt();
  const bool monthFirst = order == ImportDateOrder::MonthFirst;
  const QDate date(m.captured(4).toInt(), monthFirst ? first : second, monthFirst ? second : first);
  if (!date.isValid()) return std::nullopt;
  if (!m.captured(5).isEmpty() && !TimeOfPrepared(m.captured(5))) return std::nullopt;
  return date;
}

std::optional<QTime> ReadImportTime(const QString& value) {
  const QString text = Prepared(value);
  if (const std::optional<DateAndRest> read = DateOfPrepared(text)) {
    if (read->rest.isEmpty()) return std::nullopt;
    return TimeOfPrepared(read->rest);
  }
  return TimeOfPrepared(text);
}

bool OccursInImportKindNames(const QString& value) {
  static const QString names = QStringLiteral(
      "赤　,黄　,青　,緑　,紫　,毎年,毎月,毎週,第１,第２,第３,第４,第５,月１,月２,月３,月４,月５,記念,公休,祝日,出勤,"
      "秘密,");
  return names.contains(value + u',');
}
