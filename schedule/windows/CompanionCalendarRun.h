#pragma once
// The schedule window's "ｶﾚﾝﾀﾞｰ" button: the companion calendar started with
// the chosen date, or the launcher's notice that it is missing.
#include <QDate>

// Runs the calendar with the date ("yyyy/mm/dd") as its argument and returns
// true when it has ended; the caller then re-reads the schedule file, which
// the calendar may have changed. When the calendar is not in the program
// folder, a notice says so and the result is false.
bool RunCompanionCalendar(const QDate& date);
