#pragma once
// The public holidays of Japan under the law in force on each day, from the
// law of 20 July 1948 on: the national holidays themselves, the substitute
// holidays after those on a Sunday, and the days between two holidays.
// Future years follow the law as it stands.
#include <QDate>
#include <QList>
#include <QString>
#include <functional>

enum class HolidayType {
  National,    // 国民の祝日, and the single days that special laws made holidays
  Substitute,  // 振替休日
  Between,     // 国民の休日: a day between two national holidays
};

struct Holiday {
  QDate date;
  QString name;
  HolidayType type = HolidayType::National;
};

class HolidayLaw {
 public:
  static constexpr int kFirstYear = 1948;

  // Every holiday of the year, in date order; none before the law.
  static QList<Holiday> HolidaysOfYear(int year);
  // The national holidays of the year alone, in date order.
  static QList<Holiday> NationalHolidays(int year);

  // The substitute holiday that a national holiday on the given Sunday
  // brings, or an invalid date when it brings none: none before the rule
  // began in April 1973; until 2006 the Monday unless it is a national
  // holiday itself; since 2007 the first following day that is none.
  // isNational tells which days are national holidays.
  static QDate SubstituteFor(const QDate& sunday, const std::function<bool(const QDate&)>& isNational);

  // Day of March / September of the equinox holidays (the usual formulas,
  // good from 1900 through 2099).
  static int VernalEquinoxDay(int year);
  static int AutumnalEquinoxDay(int year);
};
