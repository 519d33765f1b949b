#pragma once
// Reading the values of another program's schedule CSV: dates, times of
// day and kind names.
#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

#include "ScheduleCsvColumns.h"

// The day a value names, in year-month-day order as Japanese programs
// write dates: 2001/5/3, 2001/05/03, 2001-5-3, 2001.5.3, 01/5/3 (two-digit
// years 00-29 in the 2000s, 30-99 in the 1900s) or 2001年5月3日, optionally
// followed by a time of day; surrounding blanks and full-width digits and
// signs are allowed. Nothing for a date that does not exist (2001/2/30),
// and for a time of day alone, which names no day.
std::optional<QDate> ReadImportDate(const QString& value);
// The same, for a column whose dates the detection found written month
// first (5/3/2001) or day first (3/5/2001), with a four-digit year last.
std::optional<QDate> ReadImportDate(const QString& value, ImportDateOrder order);

// The time of day a value names: 9:30, 09:30:15, 9時30分, with 午前/午後 or
// AM/PM, or after a date as in 2001/05/03 10:00. Nothing for anything else,
// 24:00 included.
std::optional<QTime> ReadImportTime(const QString& value);

// True when the value followed by "," occurs in the list of kind names that
// the column detection knows ("赤　,黄　,...,秘密,"); the empty value does.
bool OccursInImportKindNames(const QString& value);
