#include <gtest/gtest.h>

#include "QtPrint.h"

#include "core/dates/Calendar.h"
#include "Dates.h"

namespace {


TEST(Calendar, MonthArithmetic) {
  EXPECT_EQ(FirstDayOfMonth(D(2005, 12, 15)), D(2005, 12, 1));
  EXPECT_EQ(FirstDayOfNextMonth(D(2005, 1, 31)), D(2005, 2, 1));
  EXPECT_EQ(FirstDayOfNextMonth(D(2005, 12, 15)), D(2006, 1, 1));
  EXPECT_EQ(FirstDayOfNextMonth(D(2004, 2, 29)), D(2004, 3, 1));
  EXPECT_EQ(FirstDayOfPrevMonth(D(2006, 1, 1)), D(2005, 12, 1));
  EXPECT_EQ(FirstDayOfPrevMonth(D(2004, 3, 31)), D(2004, 2, 1));
  EXPECT_EQ(FirstDayOfPrevMonth(D(1900, 1, 5)), D(1899, 12, 1));
  EXPECT_EQ(FirstDayOfNextMonth(D(2099, 12, 31)), D(2100, 1, 1));
  EXPECT_EQ(DaysInMonth(D(2000, 2, 10)), 29);
  EXPECT_EQ(DaysInMonth(D(1900, 2, 10)), 28);
  EXPECT_EQ(DaysInMonth(D(2099, 4, 30)), 30);
  EXPECT_EQ(DaysInMonth(D(2099, 12, 1)), 31);
  EXPECT_FALSE(FirstDayOfMonth(QDate()).isValid());
  EXPECT_EQ(DaysInMonth(QDate()), 0);
}

TEST(Calendar, DateTexts) {
  EXPECT_EQ(DateFromText("2001/05/03"), D(2001, 5, 3));
  EXPECT_EQ(DateFromText("2001/5/3"), D(2001, 5, 3));
  EXPECT_FALSE(DateFromText("2001/02/30").isValid());
  EXPECT_FALSE(DateFromText("    /05/03").isValid());
  EXPECT_FALSE(DateFromText("2001-05-03").isValid());
  EXPECT_FALSE(DateFromText("").isValid());
  EXPECT_EQ(DateToText(D(1900, 1, 1)), "1900/01/01");
  EXPECT_EQ(WeekdayNumber(D(2024, 6, 2)), 1);  // a Sunday
  EXPECT_EQ(WeekdayNumber(D(2024, 6, 1)), 7);  // a Saturday
}

struct NthCase {
  QDate month;
  const char16_t* weekday;
  const char16_t* nth;
  const char* clamped;
  const char* unclamped;
};

TEST(Calendar, NthWeekdayOfMonth) {
  const NthCase cases[] = {
      // April 2001 has five Sundays and Mondays; the 1st is a Sunday.
      {D(2001, 4, 20), u"日", u"１", "2001/04/01", "2001/04/01"},
      {D(2001, 4, 20), u"月", u"５", "2001/04/30", "2001/04/30"},
      {D(2001, 4, 20), u"火", u"５", "2001/04/24", "2001/05/01"},
      {D(2001, 4, 20), u"土", u"２", "2001/04/14", "2001/04/14"},
      // June 2024 starts on a Saturday: a Friday rule falls in the 2nd week.
      {D(2024, 6, 1), u"金", u"１", "2024/06/07", "2024/06/07"},
      {D(2024, 6, 1), u"金", u"４", "2024/06/28", "2024/06/28"},
      {D(2024, 6, 1), u"金", u"５", "2024/06/28", "2024/07/05"},
      {D(1900, 2, 1), u"水", u"５", "1900/02/28", "1900/03/07"},
      {D(2099, 12, 1), u"木", u"５", "2099/12/31", "2099/12/31"},
      {D(2001, 4, 1), u" ", u"１", "", ""},
      {D(2001, 4, 1), u"月", u"6", "", ""},
      {D(2001, 4, 1), u"", u"１", "", ""},
  };
  for (const NthCase& c : cases) {
    SCOPED_TRACE(QString::fromUtf16(c.weekday) + QString::fromUtf16(c.nth));
    EXPECT_EQ(NthWeekdayOfMonth(c.month, QString::fromUtf16(c.weekday), QString::fromUtf16(c.nth)),
              QString::fromLatin1(c.clamped));
    EXPECT_EQ(NthWeekdayUnclamped(c.month, QString::fromUtf16(c.weekday), QString::fromUtf16(c.nth)),
              QString::fromLatin1(c.unclamped));
  }
}

TEST(Calendar, MatchesMonthlyRule) {
  // February 2024 has four Mondays (5, 12, 19, 26); April 2024 has five
  // (1, 8, 15, 22, 29).
  struct Case {
    QDate day;
    const char16_t* weekday;
    const char16_t* nth;
    bool expected;
  } cases[] = {
      {D(2024, 2, 26), u"月", u"５", true},   // last Monday of a four-Monday month
      {D(2024, 2, 19), u"月", u"５", false},
      {D(2024, 4, 29), u"月", u"５", true},   // the real 5th Monday
      {D(2024, 4, 22), u"月", u"５", false},  // 4th of a month that has five
      {D(2024, 4, 22), u"月", u"４", true},
      {D(2024, 4, 1), u"月", u"１", true},
      {D(2024, 4, 8), u"月", u"１", false},
      {D(2024, 6, 7), u"金", u"１", true},    // month starting on Saturday
      {D(2024, 6, 1), u"土", u"１", true},
      {D(2024, 6, 8), u"土", u"２", true},
      {D(2024, 6, 2), u"日", u"１", true},
      {D(2024, 6, 3), u"日", u"１", false},
      {D(2024, 4, 1), u" ", u"１", false},
      {D(2024, 4, 1), u"月", u"0", false},
      {D(2024, 4, 1), u"月月", u"１", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.day.toString(Qt::ISODate).toStdString() + " " +
                 QString::fromUtf16(c.weekday).toStdString() + QString::fromUtf16(c.nth).toStdString());
    EXPECT_EQ(MatchesMonthlyRule(c.day, QString::fromUtf16(c.weekday), QString::fromUtf16(c.nth)),
              c.expected);
  }
}

TEST(Calendar, MonthlyRuleAgreesWithCountingOverTheWholeRange) {
  // For every day 1900-2099: the rule for its own weekday and ordinal holds,
  // and a 5th rule holds exactly on the last such weekday.
  const QString letters = QStringLiteral("日月火水木金土");
  const QString ordinals = QStringLiteral("１２３４５");
  for (QDate d(1900, 1, 1); d.year() <= 2099; d = d.addDays(1)) {
    const QString w = letters.mid(WeekdayNumber(d) - 1, 1);
    const int n = (d.day() - 1) / 7 + 1;
    const bool last = d.addDays(7).month() != d.month();
    if (!MatchesMonthlyRule(d, w, ordinals.mid(n - 1, 1))) FAIL() << d.toString().toStdString();
    if (MatchesMonthlyRule(d, w, QStringLiteral("５")) != (n == 5 || (n == 4 && last)))
      FAIL() << d.toString().toStdString();
  }
}

TEST(Calendar, ZodiacSignOfYear) {
  EXPECT_EQ(ZodiacSignOfYear(D(2024, 1, 1)), "辰");
  EXPECT_EQ(ZodiacSignOfYear(D(2020, 12, 31)), "子");
  EXPECT_EQ(ZodiacSignOfYear(D(1900, 6, 1)), "子");
  EXPECT_EQ(ZodiacSignOfYear(D(2099, 6, 1)), "未");
  EXPECT_EQ(ZodiacSignOfYear(QDate()), "");
}

}  // namespace
