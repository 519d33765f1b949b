// The print driver of the large A4 calendars: one or two months to a sheet.
#include "MonthGridPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "SixWeekCalendar.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {
// The two calendars of a sheet of code 252: y bands either side of the
// sheet's middle.
constexpr double kUpperBand[2] = {0, 133};
constexpr double kLowerBand[2] = {137, 270};
}  // namespace

int PrintCalendarPlanDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  if (designCode != 251 && designCode != 252 && designCode != 253 && designCode != 261) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const PaperSettingsData& p = PaperSettings;
  const int n = PagesOfSheetCount(controls.Txt_maisu, 1);
  // The calendars are laid out on a portrait A4 sheet; the four-fold sizes
  // would otherwise cut them at the landscape sheet's height.
  if (p.SuperOrganiserMode == 1 && n >= 1) SetPrinterOrientation(1);
  for (int sheet = 1; sheet <= n; ++sheet) {
    if (designCode == 252 && sheet > 1 && !ConfirmPaperSet(0)) return 1;
    BeginPage();
    PreviewOutlineKind = 0;
    switch (designCode) {
      case 252:
        DrawSixWeekCalendar(source, 3, startDay, kUpperBand[0], kUpperBand[1]);
        startDay = FirstDayOfNextMonth(FirstDayOfNextMonth(startDay));
        DrawSixWeekCalendar(source, 3, startDay, kLowerBand[0], kLowerBand[1]);
        startDay = FirstDayOfNextMonth(FirstDayOfNextMonth(startDay));
        break;
      case 261:
        DrawMonthGridPage(source, -1, startDay, p.PageLeft, p.PageWidth);
        startDay = FirstDayOfNextMonth(startDay);
        break;
      default:
        DrawSixWeekCalendar(source, controls.Cmb_men == 0 ? 1 : 2, startDay, p.PageLeft, p.PageWidth);
        startDay = FirstDayOfNextMonth(startDay);
        break;
    }
    FinishOutput();
  }
  return 1;
}
