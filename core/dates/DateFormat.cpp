#include "DateFormat.h"

#include <array>
#include "core/text/Numbers.h"

namespace {

struct EraStart {
  int year, month, day;
  const char16_t* name;
  char16_t letter;
};

// Newest first, so the first start on or before a date names its era.
constexpr std::array<EraStart, 5> kEras{{
    {2019, 5, 1, u"令和", u'R'},
    {1989, 1, 8, u"平成", u'H'},
    {1926, 12, 25, u"昭和", u'S'},
    {1912, 7, 30, u"大正", u'T'},
    {1868, 1, 1, u"明治", u'M'},
}};

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const kWeekdayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char16_t kJapaneseWeekdays[] = u"日月火水木金土";

// Sunday = 0.
int WeekdayIndex(const QDate& d) { return d.dayOfWeek() % 7; }


// The length of the run of c starting at i.
int RunLength(const QString& pattern, qsizetype i) {
  const QChar c = pattern[i].toLower();
  int n = 0;
  while (i + n < pattern.size() && pattern[i + n].toLower() == c) ++n;
  return n;
}

}  // namespace

JapaneseEra JapaneseEraOf(const QDate& day) {
  for (const EraStart& era : kEras) {
    const QDate start(era.year, era.month, era.day);
    if (day >= start)
      return {QString::fromUtf16(era.name), QChar(era.letter), day.year() - era.year + 1};
  }
  return {};
}

int SundayWeekOfYear(const QDate& day) {
  const int jan1 = WeekdayIndex(QDate(day.year(), 1, 1));
  return (day.dayOfYear() - 1 + jan1) / 7 + 1;
}

QString FormatDate(const QDate& day, const QString& pattern) {
  if (!day.isValid()) return {};
  QString out;
  qsizetype i = 0;
  while (i < pattern.size()) {
    const QChar c = pattern[i];
    if (c == u'\\') {
      if (i + 1 < pattern.size()) out += pattern[i + 1];
      i += 2;
      continue;
    }
    const QChar lower = c.toLower();
    if (lower != u'y' && lower != u'm' && lower != u'd' && lower != u'a' && lower != u'g' && lower != u'e' &&
        lower != u'w') {
      out += c;
      ++i;
      continue;
    }
    int run = RunLength(pattern, i);
    switch (lower.unicode()) {
      case u'y':
        if (run >= 4) { out += QString::number(day.year()); run = 4; }
        else if (run >= 2) { out += TwoDigits(day.year() % 100); run = 2; }
        else out += QString::number(day.dayOfYear());
        break;
      case u'm':
        run = qMin(run, 4);
        if (run == 1) out += QString::number(day.month());
        else if (run == 2) out += TwoDigits(day.month());
        else if (run == 3) out += QString::fromLatin1(kMonthNames[day.month() - 1]).left(3);
        else out += QString::fromLatin1(kMonthNames[day.month() - 1]);
        break;
      case u'd':
        run = qMin(run, 4);
        if (run == 1) out += QString::number(day.day());
        else if (run == 2) out += TwoDigits(day.day());
        else if (run == 3) out += QString::fromLatin1(kWeekdayNames[WeekdayIndex(day)]).left(3);
        else out += QString::fromLatin1(kWeekdayNames[WeekdayIndex(day)]);
        break;
      case u'a':
        if (run >= 4) { out += QChar(kJapaneseWeekdays[WeekdayIndex(day)]) + QStringLiteral("曜日"); run = 4; }
        else if (run == 3) out += QChar(kJapaneseWeekdays[WeekdayIndex(day)]);
        else { out += QString(run, c); }
        break;
      case u'g': {
        run = qMin(run, 3);
        const JapaneseEra era = JapaneseEraOf(day);
        if (run == 1) { if (!era.letter.isNull()) out += era.letter; }
        else out += era.name;
        break;
      }
      case u'e': {
        run = qMin(run, 2);
        const JapaneseEra era = JapaneseEraOf(day);
        const int year = era.name.isEmpty() ? day.year() : era.year;
        out += run == 2 ? TwoDigits(year) : QString::number(year);
        break;
      }
      case u'w':
        if (run >= 2) { out += QString::number(SundayWeekOfYear(day)); run = 2; }
        else out += QString::number(WeekdayIndex(day) + 1);
        break;
    }
    i += run;
  }
  return out;
}
