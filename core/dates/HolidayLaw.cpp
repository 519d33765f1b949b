#include "HolidayLaw.h"

#include <QSet>
#include <algorithm>
#include <cmath>

#include "Calendar.h"

namespace {

const QDate kLawStart(1948, 7, 20);
const QDate kSubstituteRuleStart(1973, 4, 12);
const QDate kBetweenRuleStart(1985, 12, 27);
// On 1 January 2007 the substitute began to skip holidays, and a day between
// two holidays stopped excluding Sundays and substitute holidays.
constexpr int kRevisedRulesYear = 2007;

void SortByDate(QList<Holiday>& days) {
  std::sort(days.begin(), days.end(),
            [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
}

// The published formulas differ before and after 1980 in their base and in
// the leap-year term; both cut towards zero, which matters for the negative
// years before 1980.
int EquinoxDay(int year, double baseBefore1980, double baseFrom1980) {
  const int t = year - 1980;
  if (year < 1980) return int(std::trunc(baseBefore1980 + 0.242194 * t - int((year - 1983) / 4)));
  return int(std::trunc(baseFrom1980 + 0.242194 * t - int(t / 4)));
}

QDate NthMonday(int year, int month, int n) {
  return DateFromText(
      NthWeekdayOfMonth(QDate(year, month, 1), QStringLiteral("月"), QString(QChar(u'０' + n))));
}

}  // namespace

int HolidayLaw::VernalEquinoxDay(int year) { return EquinoxDay(year, 20.8357, 20.8431); }
int HolidayLaw::AutumnalEquinoxDay(int year) { return EquinoxDay(year, 23.2588, 23.2488); }

QDate HolidayLaw::SubstituteFor(const QDate& sunday, const std::function<bool(const QDate&)>& isNational) {
  if (!sunday.isValid() || sunday.dayOfWeek() != Qt::Sunday || sunday < kSubstituteRuleStart) return {};
  QDate day = sunday.addDays(1);
  if (sunday.year() < kRevisedRulesYear) return isNational(day) ? QDate() : day;
  while (isNational(day)) day = day.addDays(1);
  return day;
}

QList<Holiday> HolidayLaw::NationalHolidays(int y) {
  QList<Holiday> days;
  if (y < kFirstYear) return days;
  auto add = [&days](const QDate& d, const QString& name) {
    if (d >= kLawStart) days.append({d, name, HolidayType::National});
  };
  // The law says 元日; schedules have always named the day 元旦.
  add(QDate(y, 1, 1), QStringLiteral("元旦"));
  add(y <= 1999 ? QDate(y, 1, 15) : NthMonday(y, 1, 2), QStringLiteral("成人の日"));
  if (y >= 1967) add(QDate(y, 2, 11), QStringLiteral("建国記念の日"));
  if (y >= 2020) add(QDate(y, 2, 23), QStringLiteral("天皇誕生日"));
  add(QDate(y, 3, VernalEquinoxDay(y)), QStringLiteral("春分の日"));
  if (y <= 1988)
    add(QDate(y, 4, 29), QStringLiteral("天皇誕生日"));
  else
    add(QDate(y, 4, 29), y < 2007 ? QStringLiteral("みどりの日") : QStringLiteral("昭和の日"));
  add(QDate(y, 5, 3), QStringLiteral("憲法記念日"));
  if (y >= 2007) add(QDate(y, 5, 4), QStringLiteral("みどりの日"));
  add(QDate(y, 5, 5), QStringLiteral("こどもの日"));

  // Single days that special laws made holidays.
  if (y == 1959) add(QDate(y, 4, 10), QStringLiteral("皇太子明仁親王の結婚の儀"));
  if (y == 1989) add(QDate(y, 2, 24), QStringLiteral("昭和天皇の大喪の礼"));
  if (y == 1990) add(QDate(y, 11, 12), QStringLiteral("即位礼正殿の儀"));
  if (y == 1993) add(QDate(y, 6, 9), QStringLiteral("皇太子徳仁親王の結婚の儀"));
  if (y == 2019) add(QDate(y, 5, 1), QStringLiteral("即位の日"));
  if (y == 2019) add(QDate(y, 10, 22), QStringLiteral("即位礼正殿の儀"));

  // The Olympic years 2020 and 2021 moved three holidays by special laws.
  QDate sea = y <= 2002 ? QDate(y, 7, 20) : NthMonday(y, 7, 3);
  QDate mountain = QDate(y, 8, 11);
  QDate sports = y <= 1999 ? QDate(y, 10, 10) : NthMonday(y, 10, 2);
  if (y == 2020) { sea = QDate(y, 7, 23); sports = QDate(y, 7, 24); mountain = QDate(y, 8, 10); }
  if (y == 2021) { sea = QDate(y, 7, 22); sports = QDate(y, 7, 23); mountain = QDate(y, 8, 8); }
  if (y >= 1996) add(sea, QStringLiteral("海の日"));
  if (y >= 2016) add(mountain, QStringLiteral("山の日"));
  if (y >= 1966) add(y <= 2002 ? QDate(y, 9, 15) : NthMonday(y, 9, 3), QStringLiteral("敬老の日"));
  add(QDate(y, 9, AutumnalEquinoxDay(y)), QStringLiteral("秋分の日"));
  if (y >= 1966) add(sports, y < 2020 ? QStringLiteral("体育の日") : QStringLiteral("スポーツの日"));
  add(QDate(y, 11, 3), QStringLiteral("文化の日"));
  add(QDate(y, 11, 23), QStringLiteral("勤労感謝の日"));
  if (y >= 1989 && y <= 2018) add(QDate(y, 12, 23), QStringLiteral("天皇誕生日"));

  SortByDate(days);
  return days;
}

QList<Holiday> HolidayLaw::HolidaysOfYear(int y) {
  QList<Holiday> days = NationalHolidays(y);
  // The substitute of a Sunday holiday late in December of the year before
  // can fall into this year, and the walk can look into the next year.
  QSet<QDate> national;
  for (int year = y - 1; year <= y + 1; ++year) {
    for (const Holiday& h : NationalHolidays(year)) national.insert(h.date);
  }
  const auto isNational = [&national](const QDate& d) { return national.contains(d); };

  QSet<QDate> substitutes;
  for (const QDate& d : national) {
    const QDate s = SubstituteFor(d, isNational);
    if (s.isValid() && s.year() == y && !substitutes.contains(s)) {
      substitutes.insert(s);
      days.append({s, QStringLiteral("振替休日"), HolidayType::Substitute});
    }
  }

  // A day between two national holidays is a holiday too; until 2006 not
  // when it is a Sunday or a substitute holiday already.
  for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1)) {
    if (d < kBetweenRuleStart || national.contains(d)) continue;
    if (!national.contains(d.addDays(-1)) || !national.contains(d.addDays(1))) continue;
    if (y < kRevisedRulesYear && (d.dayOfWeek() == Qt::Sunday || substitutes.contains(d))) continue;
    if (substitutes.contains(d)) continue;  // a holiday already, named once
    days.append({d, QStringLiteral("国民の休日"), HolidayType::Between});
  }

  SortByDate(days);
  return days;
}
