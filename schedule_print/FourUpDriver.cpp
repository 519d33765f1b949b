// The print driver of the four-fold sizes: four organiser pages side by side
// on the front of a landscape sheet, the date running on from page to page
// and from sheet to sheet. Only fronts are printed, so nothing is asked.
#include <optional>

#include "DayPage.h"
#include "DayRowsPage.h"
#include "FiveYearDiaryPage.h"
#include "FourUpPages.h"
#include "MonthGridPage.h"
#include "MonthListPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "WeekRuledPage.h"
#include "YearCalendar.h"
#include "core/platform/TestSeamRegistry.h"
#include "schedule/DesignCatalog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

FourUpWeekPage StandardWeekPage() {
  return [](SchedulePrintSource& source, const QDate& day, double x1, double x2) {
    DrawWeekRuledPage(source, 0, day, x1, x2);
  };
}

FourUpWeekPage& WeekPageSlot() {
  static FourUpWeekPage page = StandardWeekPage();
  return page;
}

constexpr float kDayNumberPoints = 24;
constexpr int kMemoFacingWeek = 2;
constexpr int kMemoFacingDay = 3;

// The day pages of two days to a sheet keep the header band thin and the
// body just below the large day number; the paper's own bands come back
// however the job ends.
class DayPageBands {
 public:
  DayPageBands() : head_(PaperSettings.HeadHeight), data_(PaperSettings.DataHeight) {
    PaperSettings.HeadHeight = 2;
    PaperSettings.DataHeight = int16_t(RoundHalfEven(2 * HalfCharWidthMm(kDayNumberPoints) + 2));
  }
  ~DayPageBands() {
    PaperSettings.HeadHeight = head_;
    PaperSettings.DataHeight = data_;
  }
  DayPageBands(const DayPageBands&) = delete;
  DayPageBands& operator=(const DayPageBands&) = delete;

 private:
  int16_t head_, data_;
};

bool Accepted(int16_t code) {
  switch (code) {
    case DesignCodeOf(kDesignYearCalendar, 1): case DesignCodeOf(kDesignMonthGridRightMargin, 1):
    case DesignCodeOf(kDesignMonthGridLeftMargin, 1): case DesignCodeOf(kDesignMonthGridWideWeekend, 1):
    case DesignCodeOf(kDesignMonthGridNarrowWeekend, 1): case DesignCodeOf(kDesignMonthRuled, 1):
    case DesignCodeOf(kDesignMonthGrid, 1): case DesignCodeOf(kDesignDay, 1): case DesignCodeOf(kDesignDay, 2):
    case DesignCodeOf(kDesignFiveYearDiary, 1):
    case DesignCodeOf(kDesignWeekRuled, 1): case DesignCodeOf(kDesignWeekRuledMemo, 1): return true;
    default: return false;
  }
}

// The pages of the four-up sheets; item is the mode the page is drawn in.
enum FourUpRenderer : int16_t {
  kFourUpYear,
  kFourUpMonthList,
  kFourUpMonthGrid,   // item: grid mode
  kFourUpWeekRuled,
  kFourUpMemoFacing,  // item: the memo page's mode
  kFourUpDay,         // item: day page mode
  kFourUpFiveYear,
};

// Plans page k of the sheet for the running day and moves the day on as the
// code steps after that page.
PlannedPage PlanFourUpPage(int16_t code, int spreadBase, int k, QDate& day) {
  const PaperSettingsData& p = PaperSettings;
  PlannedPage page{0, day, 0, double(p.SheetPageX[k]), double(p.SheetPageY[k])};
  const bool secondOfPair = k == 2 || k == 4;
  switch (code) {
    case DesignCodeOf(kDesignYearCalendar, 1):
      page.renderer = kFourUpYear;
      day = QDate(day.year() + 1, 1, 1);
      break;
    case DesignCodeOf(kDesignMonthRuled, 1):
      page.renderer = kFourUpMonthList;
      day = FirstDayOfNextMonth(day);
      break;
    case DesignCodeOf(kDesignMonthGrid, 1):
      page.renderer = kFourUpMonthGrid;
      day = FirstDayOfNextMonth(day);
      break;
    case DesignCodeOf(kDesignMonthGridRightMargin, 1): case DesignCodeOf(kDesignMonthGridLeftMargin, 1):
    case DesignCodeOf(kDesignMonthGridWideWeekend, 1): case DesignCodeOf(kDesignMonthGridNarrowWeekend, 1):
      page.renderer = kFourUpMonthGrid;
      page.item = spreadBase + (secondOfPair ? 2 : 1);
      if (secondOfPair) day = FirstDayOfNextMonth(day);
      break;
    case DesignCodeOf(kDesignWeekRuled, 1):
      page.renderer = kFourUpWeekRuled;
      day = day.addDays(7);
      break;
    case DesignCodeOf(kDesignWeekRuledMemo, 1):
      if (secondOfPair) page = {kFourUpMemoFacing, day, kMemoFacingWeek, page.x1, page.x2};
      else page.renderer = kFourUpWeekRuled;
      if (secondOfPair) day = day.addDays(7);
      break;
    case DesignCodeOf(kDesignDay, 1):
      page.renderer = kFourUpDay;
      day = day.addDays(1);
      break;
    case DesignCodeOf(kDesignDay, 2):
      if (secondOfPair) page = {kFourUpMemoFacing, day, kMemoFacingDay, page.x1, page.x2};
      else page = {kFourUpDay, day, k == 1 ? 0 : 1, page.x1, page.x2};
      if (secondOfPair) day = day.addDays(1);
      break;
    case DesignCodeOf(kDesignFiveYearDiary, 1):
      page.renderer = kFourUpFiveYear;
      day = day.addDays(1);
      break;
  }
  return page;
}

void DrawFourUpPage(SchedulePrintSource& source, const PlannedPage& page) {
  switch (page.renderer) {
    case kFourUpYear: DrawYearCalendar(source, page.date, page.x1, page.x2); break;
    case kFourUpMonthList: DrawMonthListPage(source, 0, page.date, page.x1, page.x2); break;
    case kFourUpMonthGrid: DrawMonthGridPage(source, page.item, page.date, page.x1, page.x2); break;
    case kFourUpWeekRuled: WeekPageSlot()(source, page.date, page.x1, page.x2); break;
    case kFourUpMemoFacing: DrawDayRowsOrMemoPage(source, page.item, page.date, page.x1, page.x2); break;
    case kFourUpDay: DrawDayPage(source, page.item, page.date, page.x1, page.x2); break;
    case kFourUpFiveYear: DrawFiveYearDiaryPage(source, 5, DateToText(page.date), page.x1, page.x2); break;
  }
}

}  // namespace

void SetFourUpWeekRuledPage(FourUpWeekPage page) {
  platform::RegisterSeamReset([] { SetFourUpWeekRuledPage({}); });
  WeekPageSlot() = page ? std::move(page) : StandardWeekPage();
}

int PrintFourUpSheets(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  if (!Accepted(designCode)) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const int16_t code = designCode;
  if (code == DesignCodeOf(kDesignDay, 1) || code == DesignCodeOf(kDesignDay, 2) ||
      code == DesignCodeOf(kDesignFiveYearDiary, 1)) {
    startDay = DateFromText(controls.Cmb_Nen.trimmed() + u'/' + controls.Cmb_Tuki.trimmed() + u'/' +
                            controls.Cmb_Hi.trimmed());
  } else if (code == DesignCodeOf(kDesignMonthGridRightMargin, 1) ||
             code == DesignCodeOf(kDesignMonthGridLeftMargin, 1) ||
             code == DesignCodeOf(kDesignMonthGridWideWeekend, 1) ||
             code == DesignCodeOf(kDesignMonthGridNarrowWeekend, 1)) {
    startDay = FirstDayOfMonth(startDay);
  }
  if (!startDay.isValid()) return 1;
  const SheetPlan plan = PlanFourUpSheets(code, PagesOfSheetCount(controls.Txt_maisu, 1), startDay);
  std::optional<DayPageBands> bands;
  if (code == DesignCodeOf(kDesignDay, 2)) bands.emplace();
  RunSheetPlan(plan, [&source](const PlannedPage& page) { DrawFourUpPage(source, page); });
  return 1;
}

SheetPlan PlanFourUpSheets(int16_t designCode, int sheets, QDate startDay) {
  const PageDesign design = DesignOfCode(designCode);
  const int spreadBase = design >= kDesignMonthGridRightMargin && design <= kDesignMonthGridNarrowWeekend
                             ? (design - kDesignMonthGridRightMargin) * 2
                             : 0;
  SheetPlan plan;
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide side;
    side.previewOutline = 0;
    for (int k = 1; k <= 4; ++k) side.pages.push_back(PlanFourUpPage(designCode, spreadBase, k, startDay));
    plan.sides.push_back(std::move(side));
  }
  return plan;
}
