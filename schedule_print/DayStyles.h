#pragma once
// The visual language that every schedule page shares: the ink and fill of a
// day by its DayKind, its number and weekday labels, the colour markers of
// entries and the day's annotations (six-day cycle, moon, week number).
#include <QDate>
#include <QString>
#include <cstdint>

#include "schedule/DayKind.h"
#include "schedule/ScheduleOptions.h"

class SchedulePrintSource;

// Colour index of a day's number and name.
int32_t DayKindTextColor(const ScheduleOptions& options, DayKind kind);
// RGB fill of a shaded day cell.
int32_t DayKindBackColor(const ScheduleOptions& options, DayKind kind);
// The four-character number label of a day, without touching the ink.
QString DayNumberText(const ScheduleOptions& options, DayKind kind, const QDate& day);
// Sets the fore colour for the day and returns its four-character number
// label: " 7 ", or "[ 3]" for a holiday or day off printed without colour.
QString DayNumberLabel(const ScheduleOptions& options, DayKind kind, const QDate& day);
// The weekday name framed by kind: "(日)", "[月]" or " 火 ".
QString WeekdayLabel(const ScheduleOptions& options, const QDate& day, DayKind kind);
// Sets the fore colour for an entry and removes its marker character.
void ApplyColourPrefix(const ScheduleOptions& options, QString& entryText);
// The day whose week number a day's title shows: without colour a Sunday
// closes its week rather than opening the next.
QDate WeekCountedDay(const ScheduleOptions& options, const QDate& day);
// Fills the source's RokuyouText, MoonMarkText and WeekNumberText for the day.
void GetDayAnnotations(SchedulePrintSource& source, const QDate& day);
