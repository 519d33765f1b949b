#pragma once
// Month arithmetic, weekday rules and the zodiac sign of a year, on calendar
// days. Weekday letters are the characters of "日月火水木金土" (1 = Sunday),
// ordinal letters those of "１２３４５".
#include <QDate>
#include <QString>
#include <cstdint>

// Reads a date text "yyyy/mm/dd" (one- or two-digit month and day are
// accepted too); an invalid QDate when it is not a real date.
QDate DateFromText(const QString& text);
// "yyyy/mm/dd", the form of dates in schedule data (text order is date order).
QString DateToText(const QDate& d);
// Weekday number 1 (Sunday) to 7 (Saturday).
int WeekdayNumber(const QDate& d);

QDate FirstDayOfMonth(const QDate& d);
QDate FirstDayOfNextMonth(const QDate& d);
QDate FirstDayOfPrevMonth(const QDate& d);
int16_t DaysInMonth(const QDate& d);

// The nth given weekday of d's month as "yyyy/mm/dd"; for a 5th that the
// month lacks, the 4th. Empty when a letter is not one of the listed ones.
QString NthWeekdayOfMonth(const QDate& d, const QString& weekday, const QString& nth);
// The same count without the clamp: a missing 5th lies in the next month.
QString NthWeekdayUnclamped(const QDate& d, const QString& weekday, const QString& nth);
// True when d is the nth given weekday of its month; a 5th rule also holds
// on the last such weekday of a month that has only four.
bool MatchesMonthlyRule(const QDate& d, const QString& weekday, const QString& nth);

// One of "子丑寅卯辰巳午未申酉戌亥" for d's year.
QString ZodiacSignOfYear(const QDate& d);
