#pragma once
// The schedule window's "ｶﾚﾝﾀﾞｰ" button: the companion calendar jxcalpad,
// started with the chosen date when it sits in the program folder.
#include <QDate>
#include <QString>

// The companion calendar's program name.
QString CompanionCalendarName();

// Runs the calendar with the date ("yyyy/mm/dd") as its argument and returns
// true when it has ended; the caller then re-reads the schedule file, which
// the calendar may have changed. When the calendar is not in the program
// folder, a notice says so and the result is false.
bool RunCompanionCalendar(const QDate& date);
