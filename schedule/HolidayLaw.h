#pragma once
// The public holidays of Japan under the law in force in each year, from
// 1999 on: the national holidays themselves, the substitute holidays after
// those on a Sunday, and the days between two holidays. Future years follow
// the law as it stands.
#include <QDate>
#include <QList>
#include <QString>

enum class HolidayType {
  National,    // 国民の祝日
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
  // Every holiday of the year, in date order.
  static QList<Holiday> HolidaysOfYear(int year);
  // The national holidays of the year alone, in date order.
  static QList<Holiday> NationalHolidays(int year);

  // Day of March / September of the equinox holidays (the usual formula,
  // good from 1980 through 2099).
  static int VernalEquinoxDay(int year);
  static int AutumnalEquinoxDay(int year);
};
