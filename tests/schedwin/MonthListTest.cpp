// The month list's rows for a fixture schedule file.
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <vector>

#include "ScheduleWindowTest.h"
#include "core/platform/ProblemReport.h"
#include "core/dates/LunarCalendar.h"
#include "schedule/MonthList.h"

namespace {

QList<int> Numbers(const QList<MonthListRow>& rows) {
  QList<int> numbers;
  for (const MonthListRow& r : rows) numbers << r.lineNumber;
  return numbers;
}

QList<MonthListRow> Rows(const char* year, const char* month, MonthListOptions options = {}) {
  return BuildMonthList(FixtureLines(QStringLiteral("month_lines.txt")), QLatin1String(year),
                        QLatin1String(month), options);
}

TEST(MonthList, LinesOfTheMonthInDayOrder) {
  const QList<MonthListRow> rows = Rows("2001", "05");
  // Rules without a day first; lines of one day in file order.
  EXPECT_EQ(Numbers(rows), (QList<int>{6, 8, 2, 3, 16, 4, 5, 7, 11, 12, 15}));
  EXPECT_EQ(rows[0].text, QStringLiteral("    /  /   毎週 月曜:朝会"));
  EXPECT_EQ(rows[2].text, QStringLiteral("    /05/03 祝日 憲法記念日"));
  EXPECT_EQ(rows[6].text, QStringLiteral("1995/05/05 記念 結婚(6)"));
  EXPECT_EQ(rows[10].text, QStringLiteral("2001/05/31 秘密 ひみつ")) << "secret lines are listed";
}

TEST(MonthList, TimedLinesNeedADesignWithTimesAndTheDetailOption) {
  struct Row { bool times; int16_t detail; bool listed; };
  const Row rows[] = {{true, 1, true}, {false, 1, false}, {true, 0, false}, {true, -1, false}};
  for (const Row& r : rows) {
    const QList<int> numbers = Numbers(Rows("2001", "05", {false, r.times, r.detail}));
    EXPECT_EQ(numbers.contains(9) && numbers.contains(10), r.listed) << r.times << " " << r.detail;
    if (r.listed) { EXPECT_EQ(numbers.mid(5, 5), (QList<int>{4, 5, 7, 9, 10})); }
  }
}

TEST(MonthList, AnniversariesCountTheYears) {
  EXPECT_EQ(Rows("2005", "05")[3].text, QStringLiteral("1995/05/05 記念 結婚(10)"));
  EXPECT_EQ(Numbers(Rows("2005", "05")), (QList<int>{6, 8, 2, 5, 7, 11, 12}));
  EXPECT_EQ(Rows("1995", "05")[3].text, QStringLiteral("1995/05/05 記念 結婚"));
  EXPECT_EQ(Rows("1990", "05")[3].text, QStringLiteral("1995/05/05 記念 結婚(-5)"));
}

TEST(MonthList, OtherMonthsShowOnlyTheirLinesAndTheRules) {
  EXPECT_EQ(Numbers(Rows("2001", "06")), (QList<int>{6, 14, 7}));
  EXPECT_EQ(Numbers(Rows("2001", "01")), (QList<int>{6, 1, 7}));
}

TEST(MonthList, TheBlankYearShowsTheLinesOfNoOneYear) {
  const QList<MonthListRow> rows = Rows("    ", "05", {true, false, 0});
  EXPECT_EQ(Numbers(rows), (QList<int>{6, 8, 2, 5, 7, 11, 12})) << "no day rows";
  EXPECT_EQ(rows[3].text, QStringLiteral("1995/05/05 記念 結婚")) << "no count without a year";
}

TEST(MonthList, DayRowsComeBeforeTheirDaysLines) {
  const QList<MonthListRow> rows = Rows("2001", "05", {true, false, 0});
  QStringList shown;
  for (const MonthListRow& r : rows) shown << QString::number(r.lineNumber) + u'\t' + r.text;
  EXPECT_EQ(shown, FixtureLines(QStringLiteral("month_2001_05_days.txt")));
  EXPECT_EQ(Numbers(Rows("2001", "02", {true, false, 0})).count(0), 28);
  EXPECT_EQ(Numbers(Rows("2000", "02", {true, false, 0})).count(0), 29);
}

TEST(MonthList, DayRowsNameTheWeekdayAndTheLuckyDay) {
  QString rokuyou, moon;
  LunarDayInfo(QDate(2001, 5, 5), rokuyou, moon);
  ASSERT_FALSE(rokuyou.isEmpty());
  const QString rule(11, QChar(0xFFE3));
  EXPECT_EQ(DayRowText(QDate(2001, 5, 5)), QStringLiteral("2001/05/05") + rule + QStringLiteral("(土)") + rokuyou + u' ');
  LunarDayInfo(QDate(2001, 5, 7), rokuyou, moon);
  EXPECT_EQ(DayRowText(QDate(2001, 5, 7)), QStringLiteral("2001/05/07") + rule + QStringLiteral(" 月 ") + rokuyou + u' ');
  EXPECT_EQ(DayRowText(QDate(1990, 5, 6)), QStringLiteral("1990/05/06") + rule + QStringLiteral("(日) "))
      << "no lucky day before 1998";
}

TEST(MonthList, TodayFindsTheFirstRowOfItsDayOrLater) {
  const QList<MonthListRow> rows = Rows("2001", "05");
  EXPECT_EQ(FirstRowFromDay(rows, 3), 2);
  EXPECT_EQ(FirstRowFromDay(rows, 4), 5);
  EXPECT_EQ(FirstRowFromDay(rows, 1), 2);
  EXPECT_EQ(FirstRowFromDay(Rows("2001", "06"), 30), -1);
}

TEST(MonthList, ClampedDay) {
  EXPECT_EQ(ClampedDayIndex("2001", "04", "31", 2025), 29);
  EXPECT_EQ(ClampedDayIndex("2001", "04", "12", 2025), 11);
  EXPECT_EQ(ClampedDayIndex("    ", "02", "29", 2024), 28) << "the blank year read as a leap year";
  EXPECT_EQ(ClampedDayIndex("    ", "02", "29", 2025), 27);
  EXPECT_EQ(ClampedDayIndex("", "02", "29", 2025), -1);
}

// The window lists the rows with their line numbers as item data.
TEST_F(ScheduleWindowTest, TheWindowListsTheRowsWithTheirLineNumbers) {
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), FixtureBytes(QStringLiteral("month_lines.txt")));
  SetScheduleToday(QDate(2001, 5, 15));
  SetKey("SYOUSAI", QStringLiteral("0"));  // the default design prints times: keep its timed lines out
  ScheduleWindow& w = Open();
  EXPECT_EQ(ListTexts(w).size(), 11);
  EXPECT_EQ(w.ListRowLineNumber(0), 6);
  EXPECT_EQ(w.ListRowLineNumber(10), 15);
  EXPECT_EQ(w.ListRowLineNumber(11), 0);
  w.Chk_dispday->setChecked(true);
  EXPECT_EQ(ListTexts(w), [] {
    QStringList texts;
    for (const QString& line : FixtureLines(QStringLiteral("month_2001_05_days.txt"))) texts << line.section(u'\t', 1);
    return texts;
  }());
  EXPECT_EQ(w.ListRowLineNumber(2), 0);
  EXPECT_EQ(Key("DISPDAY"), QStringLiteral("1"));
}

}  // namespace

namespace {

// A schedule that cannot be read lists nothing and is reported as a warning
// once, not at every refresh; reading it for an export reports it again.
TEST_F(ScheduleWindowTest, ScheduleReadFailuresReachTheReportHandlerAsWarnings) {
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), FixtureBytes(QStringLiteral("month_lines.txt")));
  SetScheduleToday(QDate(2001, 5, 15));
  ScheduleWindow& w = Open();
  ASSERT_FALSE(ListTexts(w).isEmpty());
  std::vector<platform::ProblemReport> reports;
  const platform::ProblemHandlerScope collect([&](const platform::ProblemReport& r) {
    reports.push_back(r);
    return false;
  });
  QFile::remove(homeFile(QStringLiteral("diduvuv.txt")));
  QDir().mkpath(homeFile(QStringLiteral("diduvuv.txt")));
  w.RefreshScheduleList();
  w.RefreshScheduleList();
  EXPECT_TRUE(ListTexts(w).isEmpty());
  QStringList lines;
  EXPECT_FALSE(w.ReadShownScheduleFile(lines));
  ASSERT_EQ(reports.size(), 2u);
  for (const platform::ProblemReport& r : reports) {
    EXPECT_EQ(r.problem, platform::Problem::ViewReadFailed);
    EXPECT_EQ(r.subject, w.ScheduleFilePath);
  }
  EXPECT_TRUE(messages().texts().isEmpty());
}

}  // namespace
