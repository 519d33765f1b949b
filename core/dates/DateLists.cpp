#include "DateLists.h"

#include <algorithm>

#include "core/platform/Clock.h"

namespace {

QStringList TwoDigitItems(int last) {
  QStringList items;
  for (int n = 1; n <= last; ++n) items << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
  return items;
}
}  // namespace

QStringList YearListItems() {
  QStringList items;
  for (int year = kFirstListYear; year <= kLastListYear; ++year) items << QString::number(year);
  items << kBlankYear;
  return items;
}

QStringList MonthListItems() { return TwoDigitItems(12); }

QStringList DayListItems() { return TwoDigitItems(31); }

int YearListIndex(int year) {
  return year >= kFirstListYear && year <= kLastListYear ? year - kFirstListYear : -1;
}

int NearestYearListIndex(int year) {
  return std::clamp(year, kFirstListYear, kLastListYear) - kFirstListYear;
}

QDate ScheduleToday() { return platform::Today(); }

void SetScheduleToday(const QDate& date) { platform::SetFixedToday(date); }
