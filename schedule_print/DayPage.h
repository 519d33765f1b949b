#pragma once
// One day on an organiser page: the large day number with the weekday,
// month and annotations beside it, an hour scale with the day's timed
// entries, and on pages wide enough a right column with a check list, the
// other entries and two mini calendars.
#include <QDate>
#include <QString>

class SchedulePrintSource;

// pagePosition is accepted for the drivers' symmetry and changes nothing.
void DrawDayPage(SchedulePrintSource& source, int pagePosition, const QDate& pageDay, double pageX1, double pageX2);

// The hour scale of an hour-range list item: first hour, rows (0: computed
// from the room) and unlabelled rows at the bottom.
struct DayHourScale {
  int firstHour = 8;
  int rows = 0;
  int unlabelled = 0;
};
DayHourScale DayHourScaleOf(int hourRangeIndex);

// The title of a check-list entry ("□A:title", "■ title", "□title").
QString CheckListTitle(const QString& entry);

// Pages narrower than this have no right column.
constexpr double kDayPageRightColumnWidth = 62;
