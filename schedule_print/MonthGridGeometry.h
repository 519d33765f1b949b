#pragma once
// Where a month grid page puts things, as data: which weekday columns a page
// of each GridMode shows and how wide they are, and the bands that hold the
// grids (their months, week starts, row counts, tops and bottoms, and the
// mini calendars above them). The renderer draws from these values only.
//
// GridMode: 0 one month on a page; 1..8 the left and right pages of the four
// spreads (1/2 margin right, 3/4 margin left, 5/6 wide weekend, 7/8 narrow
// weekend); 21 two months stacked; -1 the A4 portrait wall calendar.
#include <QDate>
#include <array>
#include <optional>
#include <vector>

#include "schedule/ScheduleOptions.h"

struct GridColumn {
  bool shown = false;
  double left = 0;   // share of the page width from the page's left edge
  double width = 0;  // share of the page width
};
std::array<GridColumn, 7> GridColumns(int gridMode);

// Monday-start spreads ignore the Sunday-start option.
bool GridWeekStartsOnSunday(int gridMode, const ScheduleOptions& options);
// 5 or 6 rows for the month under the hide-the-sixth-week option.
int GridWeekRows(const QDate& month, bool sundayStart, const ScheduleOptions& options);
// A day's column, 0 the first weekday of the week.
int GridColumnOf(const QDate& day, bool sundayStart);

struct MiniCalendarBox {
  QDate month;
  double x1, y1, x2, y2;
};

struct GridBand {
  QDate month;  // first day drawn
  bool sundayStart = false;
  int weekRows = 6;
  double top = 0;     // GridBandTop: top of the weekday header row
  double bottom = 0;  // GridBandBottom
  std::vector<MiniCalendarBox> miniCalendars;
};

// The page's x range as drawn: the wall calendar always spans 7..200 mm.
struct GridPageRange {
  double x1, x2;
};
GridPageRange GridPageRangeOf(int gridMode, double pageX1, double pageX2);

// The bands of a page, from the paper settings and the options.
std::vector<GridBand> MonthGridBands(int gridMode, const QDate& firstDay, double pageX1, double pageX2,
                                     const ScheduleOptions& options);

// The height of the weekday header row for a day-number font of hw mm per
// half-width character.
inline double GridHeaderHeight(double hw) { return 2 + 2 * hw; }
