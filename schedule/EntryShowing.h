#pragma once
// How the entry editor's "表示" puts a month-list row back into the fields.
#include <QString>

// The row's date field has no day and no year ("    /  /  " of the weekly
// rules, "    /mm/  " of the 月 kinds): the date lists are left alone.
bool HasRuleDate(const QString& row);

// The day list index of the row's day (columns 9-10); -1 when they hold no
// day of a month.
int ShownDayIndex(const QString& row);

// The year list index to switch to for the row's year (columns 1-4), or -1
// to keep the shown year: rows without a year, of 1900 (listed in every
// year), of the shown year, or of a year the list lacks keep it.
int ShownYearIndex(const QString& row, int shownYearIndex);

// The entry text as the box shows it: an empty text as "(空白行)", which an
// update writes back as empty.
QString ShownEntryText(const QString& text);
