// The to-do calendar's rules without the window: which schedule lines the
// day list shows, which days are coloured, the grid of day cells and where
// the day buttons lead.
#include <gtest/gtest.h>

#include <QStringList>

#include "todo_memo/ToDoCalendar.h"

using namespace todo;

namespace {

struct Listed {
  QStringList texts;
  DayFlagTable flags{};
};

Listed List(const QStringList& lines, const QDate& date, bool dayOnly) {
  Listed out;
  for (const DayListEntry& e : ListDayScheduleLines(lines, date, dayOnly, out.flags)) out.texts << e.text;
  ApplySubstituteHolidays(out.flags, date);
  return out;
}

QList<int> FlaggedDays(const DayFlagTable& flags) {
  QList<int> days;
  for (int d = 1; d <= 32; ++d)
    if (flags[d] != kPlainDay) days << d * 10 + flags[d];  // day and flag in one number
  return days;
}

}  // namespace

TEST(ToDoCalendar, DayListByKind) {
  struct Case {
    const char* line;
    QDate date;
    bool dayOnly;
    const char* listed;  // nullptr: not listed
  };
  const Case cases[] = {
      {"2024/05/05 　　 a", {2024, 5, 20}, false, "05:a"},
      {"2024/05/05 赤　 a", {2024, 5, 20}, false, "05 a"},
      {"2024/05/05 　　 a", {2024, 5, 20}, true, nullptr},
      {"2024/05/05 　　 a", {2024, 5, 5}, true, "05:a"},
      {"2023/05/05 　　 a", {2024, 5, 5}, false, nullptr},
      {"    /05/05 　　 every year", {2024, 5, 5}, true, "05:every year"},
      {"    /  /05 　　 every month", {2024, 7, 5}, true, "05:every month"},
      {"2024/05/05 秘密 hidden", {2024, 5, 5}, true, nullptr},
      {"2024/05/05 秘密 hidden", {2024, 5, 5}, false, nullptr},
      {"1990/05/05 記念 born", {2024, 5, 5}, true, "05 born"},
      {"1990/05/05 記念 born", {2024, 5, 6}, false, "05 born"},
      {"1990/05/05 記念 born", {2024, 5, 6}, true, nullptr},
      {"1990/06/05 記念 born", {2024, 5, 5}, false, nullptr},
      {"    /  /   毎週 水曜:swim", {2024, 5, 20}, false, "   水曜:swim"},
      {"    /  /   毎週 水曜:swim", {2024, 5, 22}, true, "   水曜:swim"},
      {"    /  /   毎週 水曜:swim", {2024, 5, 21}, true, nullptr},
      // The second Monday of May 2024 is the 13th; of June the 10th.
      {"    /  /   第２ 月:meet", {2024, 5, 1}, false, "13 月:meet"},
      {"    /  /   第２ 月:meet", {2024, 6, 1}, false, "10 月:meet"},
      {"    /  /   第２ 月:meet", {2024, 5, 13}, true, "13 月:meet"},
      {"    /  /   第２ 月:meet", {2024, 5, 14}, true, nullptr},
      // No fifth Friday in February 2024: the fourth stands in.
      {"    /02/   月５ 金:tax", {2024, 2, 1}, false, "23 金:tax"},
      {"    /02/   月５ 金:tax", {2024, 3, 1}, false, nullptr},
      {"    /05/03 祝日 y", {2024, 5, 10}, false, "03 y"},
      {"    /05/03 祝日 y", {2024, 5, 10}, true, nullptr},
      {"2001/05/03 祝日 y", {2024, 5, 10}, false, nullptr},
      // Short, ragged and undecodable lines list by what they have: a
      // missing kind is no plain kind, a missing day matches any day.
      {"", {2024, 5, 5}, false, " "},
      {"2024/05", {2024, 5, 5}, true, " "},
      {"2024/05/05", {2024, 5, 5}, true, "05 "},
      {"\x01\xff?/05/05 xy z", {2024, 5, 5}, true, nullptr},
  };
  for (const Case& c : cases) {
    const Listed got = List({QString::fromUtf8(c.line)}, c.date, c.dayOnly);
    const QStringList want = c.listed ? QStringList{QString::fromUtf8(c.listed)} : QStringList();
    EXPECT_EQ(got.texts, want) << c.line << " " << c.date.toString().toStdString() << " " << c.dayOnly;
  }
}

TEST(ToDoCalendar, HolidaysAndRestDaysColourTheirDays) {
  struct Case {
    QStringList lines;
    QDate date;
    bool dayOnly;
    QList<int> flagged;  // day * 10 + flag
  };
  const Case cases[] = {
      // 2 June 2024 is a Sunday: the Monday after it is a holiday too.
      {{"2024/06/02 祝日 x"}, {2024, 6, 20}, false, {21, 31}},
      // A rest day on that Monday is overruled by the substitute step.
      {{"2024/06/02 祝日 x", "2024/06/03 公休 r"}, {2024, 6, 20}, false, {21, 31}},
      {{"2024/06/04 公休 r", "2024/06/04 祝日 x"}, {2024, 6, 20}, false, {42}},
      {{"2024/06/04 祝日 x", "2024/06/04 公休 r"}, {2024, 6, 20}, false, {42}},
      // The year: blank, 0000 and 1900 stand for every year.
      {{"    /05/03 祝日 y"}, {2024, 5, 1}, false, {31}},
      {{"    /05/03 祝日 y"}, {2001, 5, 1}, false, {31}},
      {{"0000/05/03 祝日 y"}, {2024, 5, 1}, false, {31}},
      {{"1900/05/03 祝日 y"}, {2024, 5, 1}, false, {31}},
      {{"2001/05/03 祝日 y"}, {2001, 5, 1}, false, {31}},
      {{"2001/05/03 祝日 y"}, {2024, 5, 1}, false, {}},
      // With the day filter only the selected day can be coloured.
      {{"2024/05/03 祝日 a", "2024/05/06 祝日 b"}, {2024, 5, 6}, true, {61}},
      // A day that is no number colours nothing; the 31st on a Sunday
      // passes its substitute to the spare 32nd.
      {{"2024/05/xx 祝日 a", "2024/05/   祝日 b"}, {2024, 5, 1}, false, {}},
      {{"2024/03/31 祝日 a"}, {2024, 3, 1}, false, {311, 321}},
      // An ordinary weekend stays black.
      {{"2024/05/11 　　 sat"}, {2024, 5, 1}, false, {}},
  };
  for (const Case& c : cases) {
    const Listed got = List(c.lines, c.date, c.dayOnly);
    EXPECT_EQ(FlaggedDays(got.flags), c.flagged) << c.lines.join(" | ").toStdString();
  }
}

TEST(ToDoCalendar, EntriesKeepTheirLineNumbers) {
  DayFlagTable flags{};
  const QList<DayListEntry> entries = ListDayScheduleLines(
      {"2024/05/01 　　 a", "2024/06/01 　　 b", "2024/05/02 秘密 c", "2024/05/03 赤　 d"}, {2024, 5, 1}, false, flags);
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[0].lineNumber, 1);
  EXPECT_EQ(entries[1].lineNumber, 4);
}

TEST(ToDoCalendar, GridRowsFollowTheMonth) {
  // August 2026 begins on a Saturday and has 31 days: six rows.
  const DayGridTable august = DayGridOf({2026, 8, 1});
  EXPECT_EQ(august[6][1], 1);
  EXPECT_EQ(august[0][2], 2);
  EXPECT_EQ(august[1][6], 31);
  // February 2015 begins on a Sunday: four full rows, the fifth empty.
  const DayGridTable february = DayGridOf({2015, 2, 10});
  EXPECT_EQ(february[0][1], 1);
  EXPECT_EQ(february[6][4], 28);
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(february[c][5], 0);
    EXPECT_EQ(february[c][0], 0);  // the header row holds no day
    EXPECT_EQ(august[c][7], 0);
  }
}

TEST(ToDoCalendar, CellsUnderThePointer) {
  const QDate may(2024, 5, 1);  // a Wednesday; five rows
  const DayGridTable grid = DayGridOf(may);
  struct Case {
    double x, y;
    QDate day;  // invalid: nothing
  };
  const Case cases[] = {
      {3 * 30 + 1, 1 * 20 + 1, {2024, 5, 1}},
      {6 * 30 + 29, 2 * 20 + 19, {2024, 5, 11}},
      {5 * 30 + 5, 5 * 20 + 5, {2024, 5, 31}},
      {10, 5, {}},             // header row
      {10, 1 * 20 + 5, {}},    // empty cell before the 1st
      {10, 6 * 20 + 5, {}},    // sixth row of a five-week month
      {-1, 30, {}},
      {7 * 30 + 1, 30, {}},    // right of the grid
  };
  for (const Case& c : cases)
    EXPECT_EQ(DayInCell(grid, may, CalendarCellAt(c.x, c.y, 210, 140)), c.day) << c.x << "," << c.y;
}

TEST(ToDoCalendar, DayButtonsAndCaption) {
  const QDate today(2009, 3, 10);
  const QDate selected(2024, 1, 31);
  EXPECT_EQ(DateAfterButton(0, selected, today), QDate(2024, 1, 30));
  EXPECT_EQ(DateAfterButton(1, selected, today), today);
  EXPECT_EQ(DateAfterButton(2, selected, today), QDate(2024, 2, 1));
  EXPECT_EQ(DateAfterButton(3, selected, today), QDate(2023, 12, 1));
  EXPECT_EQ(DateAfterButton(4, selected, today), QDate(2024, 2, 1));
  EXPECT_EQ(DateAfterButton(4, QDate(2024, 12, 1), today), QDate(2025, 1, 1));
  EXPECT_EQ(CalendarCaption({2024, 5, 10}), QStringLiteral("2024/05/10(金)"));
}
