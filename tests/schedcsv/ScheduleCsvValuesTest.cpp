// Reading dates, times and kind names of imported schedule rows.
#include <gtest/gtest.h>

#include "schedule/ScheduleCsvValues.h"

namespace {

struct DateCase {
  const char* value;
  QDate expected;  // null: not a date
};

TEST(ImportDate, ReadsYearMonthDayFormsAndRefusesTheRest) {
  const DateCase cases[] = {
      {"2001/5/3", QDate(2001, 5, 3)},
      {"2001/05/03", QDate(2001, 5, 3)},
      {"  2001/05/03 ", QDate(2001, 5, 3)},
      {"2001-5-3", QDate(2001, 5, 3)},
      {"2001.5.3", QDate(2001, 5, 3)},
      {"01/5/3", QDate(2001, 5, 3)},
      {"99/12/31", QDate(1999, 12, 31)},
      {"2001年5月3日", QDate(2001, 5, 3)},
      {"２００１／５／３", QDate(2001, 5, 3)},
      {"2001/05/03 10:00", QDate(2001, 5, 3)},
      {"2001/05/03 10:00:59", QDate(2001, 5, 3)},
      {"2000/2/29", QDate(2000, 2, 29)},
      {"2001/02/30", QDate()},
      {"1900/2/29", QDate()},
      {"2001/13/1", QDate()},
      {"2001/5-3", QDate()},
      {"10:00", QDate()},  // a time of day names no day
      {"****/05/03", QDate()},
      {"2001/05/03 会議", QDate()},
      {"5/3", QDate()},
      {"20010503", QDate()},
      {"", QDate()},
      {"日付", QDate()},
  };
  for (const DateCase& c : cases) {
    const std::optional<QDate> read = ReadImportDate(QString::fromUtf8(c.value));
    EXPECT_EQ(read.value_or(QDate()), c.expected) << c.value;
  }
}

struct TimeCase {
  const char* value;
  QTime expected;  // null: not a time
};

TEST(ImportTime, ReadsTimesOfDayAloneOrAfterADate) {
  const TimeCase cases[] = {
      {"9:30", QTime(9, 30)},
      {" 09:30 ", QTime(9, 30)},
      {"23:59:59", QTime(23, 59, 59)},
      {"0:00", QTime(0, 0)},
      {"9時30分", QTime(9, 30)},
      {"9時", QTime(9, 0)},
      {"午後1:05", QTime(13, 5)},
      {"午前12:00", QTime(0, 0)},
      {"1:05 PM", QTime(13, 5)},
      {"１０：１５", QTime(10, 15)},
      {"2001/05/03 10:00", QTime(10, 0)},
      {"24:00", QTime()},
      {"9:60", QTime()},
      {"午後13:00", QTime()},
      {"2001/05/03", QTime()},
      {"終日", QTime()},
      {"", QTime()},
  };
  for (const TimeCase& c : cases) {
    const std::optional<QTime> read = ReadImportTime(QString::fromUtf8(c.value));
    EXPECT_EQ(read.value_or(QTime()), c.expected) << c.value;
  }
}

TEST(ImportKindNames, AValueCountsWhenItAndACommaOccurInTheList) {
  for (const char* value : {"", "赤　", "毎年", "秘密", "祝日", "年", "１"})
    EXPECT_TRUE(OccursInImportKindNames(QString::fromUtf8(value))) << value;
  for (const char* value : {"赤", "時刻", "会議", "2001/05/03", "10:00"})
    EXPECT_FALSE(OccursInImportKindNames(QString::fromUtf8(value))) << value;
}

}  // namespace

namespace {

TEST(ReadImportDate, MonthFirstAndDayFirstColumns) {
  const struct {
    const char* value;
    ImportDateOrder order;
    QDate date;  // invalid: no date
  } cases[] = {
      {"5/3/2001", ImportDateOrder::MonthFirst, QDate(2001, 5, 3)},
      {"05/13/2025 3:30 PM", ImportDateOrder::MonthFirst, QDate(2025, 5, 13)},
      {"5/3/2001", ImportDateOrder::DayFirst, QDate(2001, 3, 5)},
      {"13/5/2001", ImportDateOrder::MonthFirst, QDate()},
      {"2/30/2001", ImportDateOrder::MonthFirst, QDate()},
      {"5/3/01", ImportDateOrder::MonthFirst, QDate()},  // two-digit years only year first
      {"2001/5/3", ImportDateOrder::MonthFirst, QDate()},
      {"2001/5/3", ImportDateOrder::YearFirst, QDate(2001, 5, 3)},
  };
  for (const auto& c : cases) {
    const std::optional<QDate> read = ReadImportDate(QString::fromUtf8(c.value), c.order);
    EXPECT_EQ(read.value_or(QDate()), c.date) << c.value;
  }
}

}  // namespace
