#pragma once
// One page of the weekly spreads with a vertical time axis: three or four
// day columns, each a heading band over hour rows on which the day's timed
// entries stand at their hour, and the extras of the right-hand pages
// (month number and calendars, stacked short days, a ruled memo area).
#include <QDate>

class SchedulePrintSource;

// timeAxisPageKind: the left (odd) and right (even) page of the spreads
// 見開 (1, 2), 見開余白 (3, 4), 見開３列 (5, 6) and 見開土日狭 (7, 8). Day i
// of the page is pageFirstDay + i; the page spans pageX1 to pageX2 (mm).
void DrawWeekTimeAxisPage(SchedulePrintSource& source, int timeAxisPageKind, const QDate& pageFirstDay,
                          double pageX1, double pageX2);

// The hour rows of a column: the first and last hour, and where row k lies
// between the scale top and the column bottom.
struct TimeAxisRows {
  int first;
  int last;
  double top;
  double bottom;
  double y(int hour) const { return top + (bottom - top) * (hour - first) / (last - first + 1); }
};
TimeAxisRows TimeAxisRowsOf(int hourRangeIndex, int optMemo, double scaleTop, double columnBottom);
