#pragma once
// The year, month and day lists of the schedule window. The years run from
// 1900 to 2099, the span that the schedule data covers, followed by one item
// of four blanks for entries without a year.
#include <QDate>
#include <QString>
#include <QStringList>

constexpr int kFirstListYear = 1900;
constexpr int kLastListYear = 2099;
// Index of the blank year, the last item of the year list.
constexpr int kBlankYearIndex = kLastListYear - kFirstListYear + 1;
inline const QString kBlankYear = QStringLiteral("    ");

QStringList YearListItems();   // "1900" .. "2099", "    "
QStringList MonthListItems();  // "01" .. "12"
QStringList DayListItems();    // "01" .. "31"

// The item of a year; -1 when the list has none.
int YearListIndex(int year);
// The item of a year, or of the nearest listed year when the list has none,
// so that the list always shows a year.
int NearestYearListIndex(int year);

// Today's date as the schedule window sees it: the program's clock
// (core/platform/Clock.h), which tests may fix.
QDate ScheduleToday();
void SetScheduleToday(const QDate& date);
