#include "HolidayLaw.h"

#include <QSet>
#include <algorithm>
#include <cmath>

#include "Calendar.h"

namespace {

// The Sunday rule changed on 1 January 2007: before, only the Monday after a
// Sunday holiday; since, the first day after it that is no holiday itself.
constexpr int kNewSundayRuleYear = 2007;

void SortByDate(QList<Holiday>& days) {
  std::sort(days.begin(), days.end(),
            [](const Holiday& a, const Holiday& b) { return a.date < b.date; });
}

int EquinoxDay(int year, double base) {
  const int t = year - 1980;
  return int(std::floor(base + 0.242194 * t)) - int(std::floor(t / 4.0));
}

QDate NthMonday(int year, int month, int n) {
  return DateFromText(
      NthWeekdayOfMonth(QDate(year, month, 1), QStringLiteral("月"), QString(QChar(u'０' + n))));
}

}  // namespace

int HolidayLaw::VernalEquinoxDay(int year) { return EquinoxDay(year, 20.8431); }
int HolidayLaw::AutumnalEquinoxDay(int year) { return EquinoxDay(year, 23.2488); }

QList<Holiday> HolidayLaw::NationalHolidays(int y) {
  QList<Holiday> days;
  auto add = [&days](const QDate& d, const QString& name) {
    days.append({d, name, HolidayType::National});
  };
  // The law says 元日; schedules have always named the day 元旦.
  add(QDate(y, 1, 1), QStringLiteral("元旦"));
  add(y <= 1999 ? QDate(y, 1, 15) : NthMonday(y, 1, 2), QStringLiteral("成人の日"));
  add(QDate(y, 2, 11), QStringLiteral("建国記念の日"));
  if (y >= 2020) add(QDate(y, 2, 23), QStringLiteral("天皇誕生日"));
  add(QDate(y, 3, VernalEquinoxDay(y)), QStringLiteral("春分の日"));
  add(QDate(y, 4, 29), y < 2007 ? QStringLiteral("みどりの日") : QStringLiteral("昭和の日"));
  add(QDate(y, 5, 3), QStringLiteral("憲法記念日"));
  if (y >= 2007) add(QDate(y, 5, 4), QStringLiteral("みどりの日"));
  add(QDate(y, 5, 5), QStringLiteral("こどもの日"));
  if (y == 2019) add(QDate(y, 5, 1), QStringLiteral("即位の日"));

  // The Olympic years 2020 and 2021 moved three holidays by special laws.
  QDate sea = y <= 2002 ? QDate(y, 7, 20) : NthMonday(y, 7, 3);
  QDate mountain = QDate(y, 8, 11);
  QDate sports = y <= 1999 ? QDate(y, 10, 10) : NthMonday(y, 10, 2);
  if (y == 2020) { sea = QDate(y, 7, 23); sports = QDate(y, 7, 24); mountain = QDate(y, 8, 10); }
  if (y == 2021) { sea = QDate(y, 7, 22); sports = QDate(y, 7, 23); mountain = QDate(y, 8, 8); }
  add(sea, QStringLiteral("海の日"));
  if (y >= 2016) add(mountain, QStringLiteral("山の日"));
  add(y <= 2002 ? QDate(y, 9, 15) : NthMonday(y, 9, 3), QStringLiteral("敬老の日"));
  add(QDate(y, 9, AutumnalEquinoxDay(y)), QStringLiteral("秋分の日"));
  add(sports, y < 2020 ? QStringLiteral("体育の日") : QStringLiteral("スポーツの日"));
  if (y == 2019) add(QDate(y, 10, 22), QStringLiteral("即位礼正殿の儀"));
  add(QDate(y, 11, 3), QStringLiteral("文化の日"));
  add(QDate(y, 11, 23), QStringLiteral("勤労感謝の日"));
  if (y <= 2018) add(QDate(y, 12, 23), QStringLiteral("天皇誕生日"));

  SortByDate(days);
  return days;
}

QList<Holiday> HolidayLaw::HolidaysOfYear(int y) {
  QList<Holiday> days = NationalHolidays(y);
  QSet<QDate> national;
  for (const Holiday& h : days) national.insert(h.date);

  QSet<QDate> substitutes;
  const QList<Holiday> nationalDays = days;
  for (const Holiday& h : nationalDays) {
    if (h.date.dayOfWeek() != Qt::Sunday) continue;
    QDate s = h.date.addDays(1);
    if (y >= kNewSundayRuleYear) {
      while (national.contains(s)) s = s.addDays(1);
    } else if (national.contains(s)) {
      continue;
    }
    if (!substitutes.contains(s)) {
      substitutes.insert(s);
      days.append({s, QStringLiteral("振替休日"), HolidayType::Substitute});
    }
  }

  // A day between two national holidays is a holiday too. A Sunday is a day
  // of rest already, and a substitute holiday is one already (before 2007 the
  // law also said so in as many words).
  for (QDate d(y, 1, 2); d < QDate(y, 12, 31); d = d.addDays(1)) {
    if (national.contains(d) || substitutes.contains(d) || d.dayOfWeek() == Qt::Sunday) continue;
    if (national.contains(d.addDays(-1)) && national.contains(d.addDays(1))) {
      days.append({d, QStringLiteral("国民の休日"), HolidayType::Between});
    }
  }

  SortByDate(days);
  return days;
}
