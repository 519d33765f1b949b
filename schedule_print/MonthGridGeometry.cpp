#include "MonthGridGeometry.h"

#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"

namespace {

// The wall calendar's fixed place on an A4 portrait sheet, in mm.
constexpr double kWallLeft = 7, kWallRight = 200;
constexpr double kWallTop = 20, kWallBottom = 280, kWallBottomWithMemo = 168, kWallTopWithMini = 52.5;

std::array<GridColumn, 7> Uniform(int first, int last, int offset, double share) {
  std::array<GridColumn, 7> c{};
  for (int i = first; i <= last; ++i) c[i] = {true, (i + offset) * share, share};
  return c;
}

}  // namespace

std::array<GridColumn, 7> GridColumns(int gridMode) {
  switch (gridMode) {
    case 1:
    case 5: return Uniform(0, 3, 0, 1.0 / 4);
    case 2: return Uniform(4, 6, -4, 1.0 / 4);
    case 3: return Uniform(0, 2, 1, 1.0 / 4);
    case 4: return Uniform(3, 6, -3, 1.0 / 4);
    case 6: {
      std::array<GridColumn, 7> c{};
      c[4] = {true, 0, 1.0 / 4};
      c[5] = {true, 1.0 / 4, 3.0 / 8};
      c[6] = {true, 5.0 / 8, 3.0 / 8};
      return c;
    }
    case 7: return Uniform(0, 2, 0, 1.0 / 3);
    case 8: {
      std::array<GridColumn, 7> c = Uniform(3, 4, -3, 1.0 / 3);
      c[5] = {true, 2.0 / 3, 1.0 / 6};
      c[6] = {true, 5.0 / 6, 1.0 / 6};
      return c;
    }
    default: return Uniform(0, 6, 0, 1.0 / 7);
  }
}

bool GridWeekStartsOnSunday(int gridMode, const ScheduleOptions& options) {
  return options.OptSundayStart == 1 && !(gridMode >= 5 && gridMode <= 8);
}

int GridColumnOf(const QDate& day, bool sundayStart) {
  const int weekday = WeekdayNumber(day);
  return sundayStart ? (weekday + 6) % 7 : (weekday + 5) % 7;
}

int GridWeekRows(const QDate& month, bool sundayStart, const ScheduleOptions& options) {
  if (options.OptHideSixthWeek != 1) return 6;
  const QDate first = FirstDayOfMonth(month);
  const int wd = WeekdayNumber(first);
  const int days = DaysInMonth(first);
  const bool six = sundayStart ? (wd == 6 && days == 31) || (wd == 7 && days >= 30)
                               : (wd == 7 && days == 31) || (wd == 1 && days >= 30);
  return six ? 6 : 5;
}

GridPageRange GridPageRangeOf(int gridMode, double pageX1, double pageX2) {
  if (gridMode == -1) return {kWallLeft, kWallRight};
  return {pageX1, pageX2};
}

std::vector<GridBand> MonthGridBands(int gridMode, const QDate& firstDay, double pageX1, double pageX2,
                                     const ScheduleOptions& options) {
  const PaperSettingsData& p = PaperSettings;
  const GridPageRange range = GridPageRangeOf(gridMode, pageX1, pageX2);
  const double w = range.x2 - range.x1;
  const bool sunday = GridWeekStartsOnSunday(gridMode, options);
  const auto band = [&](const QDate& month) {
    GridBand b;
    b.month = month;
    b.sundayStart = sunday;
    b.weekRows = GridWeekRows(month, sunday, options);
    return b;
  };

  std::vector<GridBand> bands;
  if (gridMode == 21) {
    for (int k = 1; k <= 2; ++k) {
      GridBand b = band(k == 1 ? firstDay : FirstDayOfNextMonth(firstDay));
      b.top = p.DataHeight + (k - 1) * p.FootHeight / 2.0;
      b.bottom = b.top - p.DataHeight + p.FootHeight / 2.0;
      bands.push_back(b);
    }
    return bands;
  }

  GridBand b = band(firstDay);
  if (gridMode == -1) {
    b.top = kWallTop;
    b.bottom = kWallBottom;
    if (options.OptMemo == 1) {
      b.bottom = kWallBottomWithMemo;
    } else if (options.OptMiniCalendar == 1) {
      b.top = kWallTopWithMini;
      b.miniCalendars.push_back(
          {FirstDayOfNextMonth(firstDay), kWallRight - (kWallRight - kWallLeft) / 4, 21, 199, b.top - 3});
    }
  } else {
    b.top = p.DataHeight + 1;
    b.bottom = p.FootHeight;
    if (options.OptMemo == 1) {
      b.bottom = p.FootHeight * 3.0 / 5;
    } else if (options.OptMiniCalendar == 1) {
      b.top = p.DataHeight + (p.FootHeight - p.DataHeight) / 8.0;
      // Left pages lower their grid too, so both pages of a spread align.
      if (gridMode == 0 || gridMode % 2 == 0) {
        const double y1 = p.DataHeight + 1, y2 = b.top - 1;
        b.miniCalendars.push_back({FirstDayOfPrevMonth(firstDay), range.x2 - w / 2, y1, range.x2 - w / 4 - 1, y2});
        b.miniCalendars.push_back({FirstDayOfNextMonth(firstDay), range.x2 - w / 4, y1, range.x2 - 1, y2});
      }
    }
  }
  bands.push_back(b);
  return bands;
}
