#include <gtest/gtest.h>

#include "QtPrint.h"

#include <QStringList>

#include "core/dates/LunarCalendar.h"
#include "core/dates/NewMoonTable.h"
#include "Dates.h"

namespace {


// The rows published with the calendar for 1997 to 2020; the generated
// table must reproduce them as they stand.
const char* const kPublishedRows[] = {
    "1997,     ,02/08,03/09,04/07,05/07,06/05,07/05,08/03,09/02,10/02,10/31,11/30,12/30",
    "1998,06/24,01/28,02/27,03/28,04/26,05/26,07/23,08/22,09/21,10/20,11/19,12/19,13/18",
    "1999,     ,02/16,03/18,04/16,05/15,06/14,07/13,08/11,09/10,10/09,11/08,12/08,13/07",
    "2000,     ,02/05,03/06,04/05,05/04,06/02,07/02,07/31,08/29,09/28,10/27,11/26,12/26",
    "2001,05/23,01/24,02/23,03/25,04/24,06/21,07/21,08/19,09/17,10/17,11/15,12/15,13/13",
    "2002,     ,02/12,03/14,04/13,05/12,06/11,07/10,08/09,09/07,10/06,11/05,12/04,13/03",
    "2003,     ,02/01,03/03,04/02,05/01,05/31,06/30,07/29,08/28,09/26,10/25,11/24,12/23",
    "2004,03/21,01/22,02/20,04/19,05/19,06/18,07/17,08/16,09/14,10/14,11/12,12/12,13/10",
    "2005,     ,02/09,03/10,04/09,05/08,06/07,07/06,08/05,09/04,10/03,11/02,12/02,12/31",
    "2006,08/24,01/29,02/28,03/29,04/28,05/27,06/26,07/25,09/22,10/22,11/21,12/20,13/19",
    "2007,     ,02/18,03/19,04/17,05/17,06/15,07/14,08/13,09/11,10/11,11/10,12/10,13/08",
    "2008,     ,02/07,03/08,04/06,05/05,06/04,07/03,08/01,08/31,09/29,10/29,11/28,12/27",
    "2009,06/23,01/26,02/25,03/27,04/25,05/24,07/22,08/20,09/19,10/18,11/17,12/16,13/15",
    "2010,     ,02/14,03/16,04/14,05/14,06/12,07/12,08/10,09/08,10/08,11/06,12/06,13/04",
    "2011,     ,02/03,03/05,04/03,05/03,06/02,07/01,07/31,08/29,09/27,10/27,11/25,12/25",
    "2012,04/21,01/23,02/22,03/22,05/21,06/20,07/19,08/18,09/16,10/15,11/14,12/13,13/12",
    "2013,     ,02/10,03/12,04/10,05/10,06/09,07/08,08/07,09/05,10/05,11/03,12/03,13/01",
    "2014,10/24,01/31,03/01,03/31,04/29,05/29,06/27,07/27,08/25,09/24,11/22,12/22,13/20",
    "2015,     ,02/19,03/20,04/19,05/18,06/16,07/16,08/14,09/13,10/13,11/12,12/11,13/10",
    "2016,     ,02/08,03/09,04/07,05/07,06/05,07/04,08/03,09/01,10/01,10/31,11/29,12/29",
    "2017,06/24,01/28,02/26,03/28,04/26,05/26,07/23,08/22,09/20,10/20,11/18,12/18,13/17",
    "2018,     ,02/16,03/17,04/16,05/15,06/14,07/13,08/11,09/10,10/09,11/08,12/07,13/06",
    "2019,     ,02/05,03/07,04/05,05/05,06/03,07/03,08/01,08/30,09/29,10/28,11/27,12/26",
    "2020,05/23,01/25,02/24,03/24,04/23,06/21,07/21,08/19,09/17,10/17,11/15,12/15,13/13",
};

QString Row(int year) {
  const int index = year - NewMoonTableFirstYear;
  if (index < 0 || index >= NewMoonTableRows) return QString();
  return QString::fromLatin1(NewMoonTable[index]);
}

TEST(NewMoonTable, ReproducesThePublishedRows) {
  ASSERT_EQ(NewMoonTableFirstYear, 1997);
  for (int i = 0; i < int(std::size(kPublishedRows)); ++i) {
    EXPECT_EQ(Row(1997 + i), QString::fromLatin1(kPublishedRows[i]));
  }
}

TEST(NewMoonTable, CoversTheLunarYearsTo2099InTheRowFormat) {
  ASSERT_EQ(NewMoonTableRows, 2099 - 1997 + 1);
  for (int year = 1997; year <= 2099; ++year) {
    const QString row = Row(year);
    SCOPED_TRACE(row.toStdString());
    ASSERT_EQ(row.size(), 4 + 13 * 6);
    EXPECT_EQ(row.left(4).toInt(), year);
    for (int k = 1; k <= 13; ++k) {
      const QString field = row.mid((k - 1) * 6 + 5, 5);
      EXPECT_EQ(row.at((k - 1) * 6 + 4), u',');
      if (k == 1 && field == "     ") continue;
      EXPECT_EQ(field.at(2), u'/');
    }
  }
}

TEST(NewMoonTable, LeapMonthsFallWhereTheCalendarPutsThem) {
  // Year -> number of the month the leap month follows (0: none).
  const QList<QPair<int, int>> leaps = {
      {2001, 4}, {2004, 2}, {2006, 7}, {2009, 5}, {2012, 3}, {2014, 9}, {2017, 5},
      {2020, 4}, {2021, 0}, {2022, 0}, {2023, 2}, {2024, 0}, {2025, 6}, {2026, 0},
      {2027, 0}, {2028, 5}, {2029, 0}, {2030, 0}, {2031, 3}, {2032, 0}, {2033, 11},
      {2034, 0}, {2035, 0}, {2036, 6}};
  for (const auto& [year, month] : leaps) {
    const QString field = Row(year).mid(5, 5);
    EXPECT_EQ(field == "     " ? 0 : field.left(2).toInt() - 1, month) << year;
  }
}

TEST(NewMoonTable, LunarNewYearDays) {
  const QList<QDate> newYears = {D(2021, 2, 12), D(2022, 2, 1),  D(2023, 1, 22), D(2024, 2, 10),
                                 D(2025, 1, 29), D(2026, 2, 17), D(2027, 2, 7),  D(2028, 1, 27),
                                 D(2030, 2, 3),  D(2033, 1, 31), D(2034, 2, 19)};
  for (const QDate& d : newYears) {
    int month = 0, day = 0;
    ASSERT_TRUE(LunarMonthAndDay(d, month, day));
    EXPECT_EQ(month * 100 + day, 101) << d.toString(Qt::ISODate).toStdString();
  }
}

struct LunarCase {
  QDate date;
  const char16_t* rokuyou;
  const char16_t* moon;
};

TEST(LunarDayInfo, CycleNamesAndMoonMarks) {
  const LunarCase cases[] = {
      {D(1998, 1, 28), u"先勝 ", u"●"},  // month 1 begins
      {D(1998, 2, 11), u"先負 ", u"○"},  // its fifteenth day
      {D(1998, 1, 5), u"赤口 ", u""},    // month 12 of the 1997 row, day 7
      {D(1998, 6, 24), u"大安 ", u"●"},  // the leap month after month 5
      {D(1998, 6, 25), u"赤口 ", u""},
      {D(1999, 1, 10), u"先負 ", u""},   // month 11 of the 1998 row, day 23
      {D(2005, 12, 2), u"大安 ", u"●"},  // new moon a minute after midnight
      {D(2034, 1, 5), u"先勝 ", u"○"},   // leap month 11 of 2033, begun in 2033
      {D(2034, 1, 20), u"赤口 ", u"●"},  // month 12 of 2033
      {D(2099, 12, 31), u"赤口 ", u""},  // month 11 of 2099, day 20
      {D(1997, 12, 31), u"", u""},       // before 1998: nothing
      {D(1900, 1, 1), u"", u""},
      {D(2100, 2, 15), u"", u""},        // beyond the table
      {QDate(), u"", u""},
  };
  for (const LunarCase& c : cases) {
    SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString());
    QString rokuyou = "x", moon = "x";
    LunarDayInfo(c.date, rokuyou, moon);
    EXPECT_EQ(rokuyou, QString::fromUtf16(c.rokuyou));
    EXPECT_EQ(moon, QString::fromUtf16(c.moon));
  }
}

TEST(LunarDayInfo, LunarDaysRunOneToThirtyThroughTheWholeRange) {
  int prevDay = 0;
  for (QDate d(1998, 1, 1); d.year() <= 2099; d = d.addDays(1)) {
    int month = 0, day = 0;
    if (!LunarMonthAndDay(d, month, day)) FAIL() << d.toString(Qt::ISODate).toStdString();
    const bool ok = prevDay == 0 || day == prevDay + 1 || (day == 1 && prevDay >= 29);
    if (!ok || day > 30 || month < 1 || month > 12) FAIL() << d.toString(Qt::ISODate).toStdString();
    prevDay = day;
  }
}

}  // namespace
