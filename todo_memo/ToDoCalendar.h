#pragma once
// The to-do window's month calendar without the widget: which schedule
// lines the day list shows for a date, which days are coloured as holidays
// or rest days, where each day stands in the seven-by-seven grid, and where
// the navigation buttons lead.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace todo {

// Per day of the shown month (index 1 to 31; index 32 only takes the
// substitute day of a holiday on the 31st).
enum DayFlag : int16_t { kPlainDay = 0, kHolidayFlag = 1, kRestDayFlag = 2 };
using DayFlagTable = std::array<int16_t, 33>;

// One row of the day list: what it shows and the schedule line it came from
// (line numbers count from 1).
struct DayListEntry {
  QString text;
  int lineNumber = 0;
};

// The schedule lines for the date: with dayOnly (the "当日" box) only that
// day's entries, otherwise every entry of its month. The flags of the
// month's holidays and rest days are set in flags, which the caller passes
// in cleared.
QList<DayListEntry> ListDayScheduleLines(const QStringList& lines, const QDate& date, bool dayOnly,
                                         DayFlagTable& flags);

// A holiday that falls on a Sunday makes the Monday after it a holiday too,
// whatever that Monday's own flag said.
void ApplySubstituteHolidays(DayFlagTable& flags, const QDate& month);

// The day number in each cell, [column][row]: columns 0-6 Sunday to
// Saturday, row 0 the weekday header, rows 1-6 the weeks; 0 for an empty
// cell. Column 7 and row 7 stay empty.
using DayGridTable = std::array<std::array<int16_t, 8>, 8>;
DayGridTable DayGridOf(const QDate& date);

// The cell under a point of a calendar width × height in size.
struct CalendarCell {
  int column = -1;
  int row = -1;
};
CalendarCell CalendarCellAt(double x, double y, double width, double height);
// The day of the shown month in the cell; an invalid date for the header,
// an empty cell or a point outside the grid.
QDate DayInCell(const DayGridTable& grid, const QDate& shownMonth, CalendarCell cell);

// Where "▲" (0), "今日" (1), "▼" (2), "▲▲" (3) and "▼▼" (4) lead from the
// selected date; another index keeps it.
QDate DateAfterButton(int index, const QDate& selected, const QDate& today);

// "yyyy/mm/dd(aaa)": the date and its one-character Japanese weekday.
QString CalendarCaption(const QDate& date);

}  // namespace todo
