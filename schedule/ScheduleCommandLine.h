#pragma once
// Dates given to the schedule window on the command line: switches "C:"
// (any letter case) followed by a date. The switches are separated by "/",
// so the date is written with "-" (or ".") between its parts, for example
// "C:2001-05-10"; "20010510" and "2001年5月10日" are read too.
#include <QDate>
#include <QString>

// The date of the last "C:" switch after the first "/" whose rest reads as a
// date; an invalid date when there is none. The text before the first "/"
// is not a switch.
QDate CommandLineScheduleDate(const QString& commandLine);

// A switch's date text; an invalid date when it is none.
QDate SwitchDate(const QString& text);
