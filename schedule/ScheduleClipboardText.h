#pragma once
// The schedule of the coming weeks as plain text, one block per day, for the
// clipboard: the title line, a heading for each month, and each day's label
// with its heading and entries as the per-date lookup gives them.
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

#include "DayKind.h"

class DaySchedule;
struct DayScheduleOptions;

// Asks the lookup for one day's texts and kind.
using DayScheduleLookup = std::function<void(const QDate& day, QStringList& texts, DayKind& kind)>;

// The text for the days from start on: the sheet count, read as a number,
// counts as months of 31 days (at most 32,767 days; none for 0 or a text
// without a number). Lines end with CR LF.
QString ScheduleClipboardText(const QDate& start, const QString& sheetCountText,
                              const DayScheduleLookup& lookup);

// The same over the window's lookup; the month cache is emptied first, so
// the text shows the file as it is now.
QString ScheduleClipboardText(const QDate& start, const QString& sheetCountText, DaySchedule& schedule,
                              const DayScheduleOptions& options);

// The six-column label of a day: "dd(曜)" on the red and blue weekdays,
// "dd[曜]" on holidays, substitute holidays and rest days, "dd 曜 " on
// other days.
QString ScheduleDayLabel(const QDate& day, DayKind kind);

// The date chosen in the window's year, month and day lists. The blank year
// (four blanks) stands for today's year, and a day beyond the month's end
// for its last day; a null date when the texts make no date.
QDate DateOfDateLists(const QString& yearText, const QString& monthText, const QString& dayText,
                      const QDate& today);
