// The print driver of the large A4 calendars: one or two months to a sheet.
#include "MonthGridPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "SixWeekCalendar.h"
#include "schedule/DesignCatalog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {
// The two calendars of a sheet of code 252: y bands either side of the
// sheet's middle.
constexpr double kUpperBand[2] = {0, 133};
constexpr double kLowerBand[2] = {137, 270};

// The pages of the large calendars: a six-week calendar (item: its size
// kind; for the two-month sheet the range is a y band) or a month grid.
enum LargeCalendarRenderer : int16_t { kLargeSixWeeks, kLargeMonthGrid };

bool IsLargeCalendarCode(int16_t code) {
  return code == DesignCodeOf(kDesignLargeLandscapeCalendar, 1) ||
         code == DesignCodeOf(kDesignLargeLandscapeCalendar, 2) ||
         code == DesignCodeOf(kDesignLargeLandscapeCalendar, 3) ||
         code == DesignCodeOf(kDesignLargePortraitCalendar, 1);
}

}  // namespace

SheetPlan PlanCalendarDesign(int16_t designCode, int sizeChoice, int n, QDate startDay) {
  const PaperSettingsData& p = PaperSettings;
  SheetPlan plan;
  // The calendars are laid out on a portrait A4 sheet; the four-fold sizes
  // would otherwise cut them at the landscape sheet's height.
  if (p.SuperOrganiserMode == 1) plan.orientation = kPortrait;
  for (int sheet = 1; sheet <= n; ++sheet) {
    PlannedSide side;
    side.previewOutline = 0;
    if (designCode == DesignCodeOf(kDesignLargeLandscapeCalendar, 2) && sheet > 1)
      side.prompt = SheetPrompt::PaperSet(0);
    switch (designCode) {
      case DesignCodeOf(kDesignLargeLandscapeCalendar, 2):
        side.pages.push_back({kLargeSixWeeks, startDay, 3, kUpperBand[0], kUpperBand[1]});
        startDay = FirstDayOfNextMonth(FirstDayOfNextMonth(startDay));
        side.pages.push_back({kLargeSixWeeks, startDay, 3, kLowerBand[0], kLowerBand[1]});
        startDay = FirstDayOfNextMonth(FirstDayOfNextMonth(startDay));
        break;
      case DesignCodeOf(kDesignLargePortraitCalendar, 1):
        side.pages.push_back({kLargeMonthGrid, startDay, -1, double(p.PageLeft), double(p.PageWidth)});
        startDay = FirstDayOfNextMonth(startDay);
        break;
      default:
        side.pages.push_back({kLargeSixWeeks, startDay, sizeChoice == 0 ? 1 : 2, double(p.PageLeft),
                              double(p.PageWidth)});
        startDay = FirstDayOfNextMonth(startDay);
        break;
    }
    plan.sides.push_back(std::move(side));
  }
  return plan;
}

int PrintCalendarPlanDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  if (!IsLargeCalendarCode(designCode)) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const SheetPlan plan =
      PlanCalendarDesign(designCode, controls.Cmb_men, PagesOfSheetCount(controls.Txt_maisu, 1), startDay);
  RunSheetPlan(plan, [&source](const PlannedPage& page) {
    if (page.renderer == kLargeMonthGrid) DrawMonthGridPage(source, page.item, page.date, page.x1, page.x2);
    else DrawSixWeekCalendar(source, page.item, page.date, page.x1, page.x2);
  });
  return 1;
}
