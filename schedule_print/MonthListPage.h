#pragma once
// The monthly list page: one ruled row per day, top to bottom, each with its
// number, weekday, annotations and all the day's entries on one line, and
// the optional shading, rules, hour scale, check column and divisions.
#include <QDate>
#include <QString>
#include <QStringList>

#include "schedule/ScheduleOptions.h"

class SchedulePrintSource;

// halfMonthPage 0 prints the whole month in 31 slots; any other value half a
// month in 16 slots, from pageFirstDay (the 1st or the 17th).
void DrawMonthListPage(SchedulePrintSource& source, int halfMonthPage, const QDate& pageFirstDay, double pageX1,
                       double pageX2);

// The hour range of an hour-numbering list index: {start, end}; hours past
// 23 stand for the next morning.
struct HourRange {
  int start, end;
};
HourRange HourRangeOf(int hourRangeIndex);

// A hour number as printed above and below the body: " 8", " 0" for 24.
// With dotted numbering only the chosen hours keep their number, the rest " .".
QString HourNumberText(int hour, const HourRange& range, bool dotted);

// All entries of a day on one line, each in its marker's colour (an inline
// colour character before it, the colour reset after it) and followed by a
// blank. Sets the fore colour as the last marker left it.
QString JoinedEntryLine(const ScheduleOptions& options, const QStringList& texts);
