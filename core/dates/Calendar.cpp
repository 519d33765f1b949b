#include "Calendar.h"

#include <QStringList>

namespace {

const QString kWeekdayLetters = QStringLiteral("日月火水木金土");
const QString kOrdinalLetters = QStringLiteral("１２３４５");
const QString kZodiac = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");

// Position (1-based) of a one-letter text in the letters, 0 when it is not
// exactly one of them.
int LetterPosition(const QString& letters, const QString& letter) {
  if (letter.size() != 1) return 0;
  return int(letters.indexOf(letter.at(0))) + 1;
}

// The day of the month counted for the nth weekday w (steps 1 to 3 of the
// rule), which may lie beyond the month's end for a 5th.
int CountedDay(const QDate& first, int w, int n) {
  const int w1 = WeekdayNumber(first);
  return w >= w1 ? (w - w1 + 1) + 7 * (n - 1) : (w - w1 + 1) + 7 * n;
}

bool AllDigits(const QString& s) {
  if (s.isEmpty()) return false;
  for (QChar c : s) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

}  // namespace

QDate DateFromText(const QString& text) {
  const QStringList parts = text.trimmed().split(u'/');
  if (parts.size() != 3 || parts[0].size() != 4 || parts[1].size() > 2 || parts[2].size() > 2)
    return QDate();
  for (const QString& p : parts) {
    if (!AllDigits(p)) return QDate();
  }
  return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

QString DateToText(const QDate& d) {
  return QStringLiteral("%1/%2/%3")
      .arg(d.year(), 4, 10, QLatin1Char('0'))
      .arg(d.month(), 2, 10, QLatin1Char('0'))
      .arg(d.day(), 2, 10, QLatin1Char('0'));
}

int WeekdayNumber(const QDate& d) { return d.dayOfWeek() % 7 + 1; }

QDate FirstDayOfMonth(const QDate& d) {
  return d.isValid() ? QDate(d.year(), d.month(), 1) : QDate();
}

QDate FirstDayOfNextMonth(const QDate& d) {
  return d.isValid() ? FirstDayOfMonth(d).addMonths(1) : QDate();
}

QDate FirstDayOfPrevMonth(const QDate& d) {
  return d.isValid() ? FirstDayOfMonth(d).addMonths(-1) : QDate();
}

int16_t DaysInMonth(const QDate& d) { return d.isValid() ? int16_t(d.daysInMonth()) : 0; }

QString NthWeekdayOfMonth(const QDate& d, const QString& weekday, const QString& nth) {
  const int w = LetterPosition(kWeekdayLetters, weekday);
  const int n = LetterPosition(kOrdinalLetters, nth);
  if (!d.isValid() || w == 0 || n == 0) return QString();
  const QDate first = FirstDayOfMonth(d);
  int day = CountedDay(first, w, n);
  if (day > first.daysInMonth()) day -= 7;
  return DateToText(QDate(first.year(), first.month(), day));
}

QString NthWeekdayUnclamped(const QDate& d, const QString& weekday, const QString& nth) {
  const int w = LetterPosition(kWeekdayLetters, weekday);
  const int n = LetterPosition(kOrdinalLetters, nth);
  if (!d.isValid() || w == 0 || n == 0) return QString();
  const QDate first = FirstDayOfMonth(d);
  return DateToText(first.addDays(CountedDay(first, w, n) - 1));
}

bool MatchesMonthlyRule(const QDate& d, const QString& weekday, const QString& nth) {
  const int w = LetterPosition(kWeekdayLetters, weekday);
  int n = LetterPosition(kOrdinalLetters, nth);
  if (!d.isValid() || w == 0 || n == 0) return false;
  const QDate first = FirstDayOfMonth(d);
  if (n == 5 && DateFromText(NthWeekdayUnclamped(d, weekday, nth)).month() != d.month() &&
      DateToText(d) == NthWeekdayOfMonth(d, weekday, QStringLiteral("４"))) {
    n = 4;
  }
  const int w1 = WeekdayNumber(first);
  if (w < w1) ++n;
  return first.daysTo(d) + w1 == 7 * (n - 1) + w;
}

QString ZodiacSignOfYear(const QDate& d) {
  if (!d.isValid()) return QString();
  const int index = ((d.year() - 4) % 12 + 12) % 12;
  return kZodiac.mid(index, 1);
}
