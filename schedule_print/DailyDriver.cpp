// The print driver of the daily designs: the first day from the date lists,
// the sides of the sheets and the day each page shows.
#include "DayPage.h"
#include "DaySpreadPage.h"
#include "FiveYearDiaryPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "TwoDayPage.h"
#include "schedule/DesignCatalog.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/DateFormat.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

struct DailyRanges {
  double frontX1, frontX2, backX1, backX2, rightX1, rightX2;
};

// The right-half range is fixed when the driver starts.
DailyRanges RangesOfPaper() {
  const PaperSettingsData& p = PaperSettings;
  const double sheet = GetScaleWidth(), w = p.PageWidth - p.PageLeft;
  return {double(p.PageLeft), double(p.PageWidth), 0, w, sheet - w, sheet};
}

// The ranges of a layout that sets pages side by side across the given width,
// stated first with its binder marks: the PDF printer takes the paper that holds it, and the right
// half is measured on that paper.
DailyRanges DayRangesAcross(double sideWidthMm, int16_t binderMarks = kNoBinderMarks) {
  SetLaidOutSideWidthMm(sideWidthMm, binderMarks);
  return RangesOfPaper();
}

// The pages of the daily designs; item is the mode the page is drawn in.
enum DailyRenderer : int16_t {
  kDailyDayPage,
  kDailyTwoDayPage,
  kDailyDayHeader,   // item: 1 the spread's left page, 2 its right page
  kDailyDiaryPage,   // a diary page of a real calendar day
  kDailyDiaryRunPage,  // a diary page of the running day, labelled with the start year
};

PlannedPage DailyPage(int16_t renderer, int item, const QDate& day, double x1, double x2) {
  return {renderer, day, item, x1, x2};
}

// One page a side, no prompts.
void PlanDailySides(SheetPlan& plan, int16_t renderer, QDate day, int pages, bool front) {
  const DailyRanges r = RangesOfPaper();
  for (int k = 0; k < pages; ++k) {
    plan.sides.push_back(PlanSide(
        {}, {DailyPage(renderer, 0, day, front ? r.frontX1 : r.backX1, front ? r.frontX2 : r.backX2)}));
    day = day.addDays(1);
  }
}

// Four days to an A4 sheet: the chosen day and the next on the front, the
// day after on the back beside the day before the sheet's first day.
void PlanDaysFourToASheet(SheetPlan& plan, QDate day, int sheets) {
  const DailyRanges r = DayRangesAcross(FacingPagesWidthMm(), kFacingPages);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide front = PlanSide(sheet > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                  {DailyPage(kDailyDayPage, 0, day, r.backX1, r.backX2),
                                   DailyPage(kDailyDayPage, 0, day.addDays(1), r.rightX1, r.rightX2)},
                                  0);
    front.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(PlanSide(SheetPrompt::PaperSet(1),
                                   {DailyPage(kDailyDayPage, 0, day.addDays(2), r.backX1, r.backX2),
                                    DailyPage(kDailyDayPage, 0, day.addDays(-1), r.rightX1, r.rightX2)},
                                   0));
    day = day.addDays(4);
  }
}

// The prompt before a side of fronts and backs printed alternately: a
// declined prompt leaves no blank sheet in the printer.
SheetPrompt DailyAlternatePrompt(int step) {
  if (step % 2 == 0) return SheetPrompt::PaperSet(1);
  return step >= 3 ? SheetPrompt::PaperSet(0) : SheetPrompt{};
}

// Two days a page, fronts and backs alternately, every page opening on an
// odd day of the month as fixed at the start.
void PlanTwoDaysAlternating(SheetPlan& plan, QDate day, int steps) {
  const DailyRanges r = RangesOfPaper();
  if (day.day() % 2 == 0) day = day.addDays(-1);
  for (int step = 1; step <= steps; ++step) {
    const bool front = step % 2 == 1;
    plan.sides.push_back(PlanSide(DailyAlternatePrompt(step),
                                   {front ? DailyPage(kDailyTwoDayPage, 0, day, r.frontX1, r.frontX2)
                                          : DailyPage(kDailyTwoDayPage, 1, day, r.backX1, r.backX2)}));
    day = day.addDays(2);
  }
}

// All fronts, one turn of the paper, then all backs: fronts from the first
// day in steps, backs from the first day plus an offset in the same steps.
// The turn is asked even when there are no sheets.
void PlanFrontsThenBacks(SheetPlan& plan, int16_t renderer, QDate first, int sheets, int backOffset, int stepDays) {
  const DailyRanges r = RangesOfPaper();
  for (int k = 0; k < sheets; ++k)
    plan.sides.push_back(
        PlanSide({}, {DailyPage(renderer, 0, first.addDays(k * stepDays), r.frontX1, r.frontX2)}));
  if (sheets < 1) {
    PlannedSide turn = PlanSide(SheetPrompt::PaperSet(1), {});
    turn.askOnly = true;
    plan.sides.push_back(std::move(turn));
    return;
  }
  for (int k = 0; k < sheets; ++k)
    plan.sides.push_back(PlanSide(k == 0 ? SheetPrompt::PaperSet(1) : SheetPrompt{},
                                   {DailyPage(renderer, 0, first.addDays(backOffset + k * stepDays), r.backX1,
                                              r.backX2)}));
}

// One day over a spread, each step a whole sheet: the left page on one side,
// the right page on the other.
void PlanDaySpreads(SheetPlan& plan, QDate day, int steps) {
  const DailyRanges r = RangesOfPaper();
  for (int step = 1; step <= steps; ++step) {
    plan.sides.push_back(PlanSide(step >= 2 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                   {DailyPage(kDailyDayHeader, 1, day, r.backX1, r.backX2)}));
    plan.sides.push_back(
        PlanSide(SheetPrompt::PaperSet(1), {DailyPage(kDailyDayHeader, 2, day, r.frontX1, r.frontX2)}));
    day = day.addDays(1);
  }
}

// The diary's running day lives in the leap year 2000, so every date of the
// year, 29 February too, gets its page; each page's label keeps the chosen
// start year, also past 31 December.
class DiaryRun {
 public:
  DiaryRun(const QString& startText) : yearAndSlash_(startText.left(5)), day_(DiaryDayIn2000(startText)) {}
  bool valid() const { return day_.isValid(); }
  const QDate& day() const { return day_; }
  // The label of a page of the run (a day of 2000, or the day after its last).
  QString labelOf(const QDate& day) const { return yearAndSlash_ + FormatDate(day, QStringLiteral("mm\\/dd")); }
  void advance(int days) {
    day_ = day_.addDays(days);
    // Past 31 December of 2000 the months start again in the same year.
    if (day_.year() != 2000) day_ = day_.addYears(2000 - day_.year());
  }

 private:
  QString yearAndSlash_;
  QDate day_;
};

// Diary pages alternately on fronts and backs.
void PlanDiaryAlternating(SheetPlan& plan, DiaryRun run, int steps) {
  const DailyRanges r = RangesOfPaper();
  for (int step = 1; step <= steps; ++step) {
    const bool front = step % 2 == 1;
    plan.sides.push_back(PlanSide(DailyAlternatePrompt(step),
                                   {DailyPage(kDailyDiaryRunPage, 0, run.day(), front ? r.frontX1 : r.backX1,
                                              front ? r.frontX2 : r.backX2)}));
    run.advance(1);
  }
}

// Two diary pages side by side on the front of each sheet: the running day
// and the next one, both under the start year's label.
void PlanDiaryPairs(SheetPlan& plan, DiaryRun run, int sheets) {
  const DailyRanges r = DayRangesAcross(TwoPagesAcrossWidthMm(0));
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    plan.sides.push_back(PlanSide({},
                                   {DailyPage(kDailyDiaryRunPage, 0, run.day(), r.frontX1, r.frontX2),
                                    DailyPage(kDailyDiaryRunPage, 0, run.day().addDays(1), r.rightX1, r.rightX2)},
                                   0));
    run.advance(2);
  }
}

// The diary run the date lists choose.
DiaryRun DailyDiaryRun(const SchedulePrintControls& controls) {
  return DiaryRun(controls.Cmb_Nen + u'/' + controls.Cmb_Tuki.trimmed() + u'/' + controls.Cmb_Hi.trimmed());
}

// The diary's month and day must make a date in a leap year.
bool DiaryDateRefused(SchedulePrintSource& source, const DiaryRun& run) {
  if (run.valid()) return false;
  EndBusy(source.PrintBusyWindow());
  platform::ShowMessage(QStringLiteral("指定された日付が正しくありません"), platform::MsgButtons::Ok,
                        platform::MsgIcon::Information);
  return true;
}

}  // namespace

int PrintDailyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& /*startDay*/) {
  switch (designCode) {
    case DesignCodeOf(kDesignDay, 1): case DesignCodeOf(kDesignDay, 2): case DesignCodeOf(kDesignDay, 3):
    case DesignCodeOf(kDesignDay, 4): case DesignCodeOf(kDesignDaySpread, 1): case DesignCodeOf(kDesignTwoDaysAPage, 1):
    case DesignCodeOf(kDesignTwoDaysAPage, 2):
    case DesignCodeOf(kDesignFiveYearDiary, 1): case DesignCodeOf(kDesignFiveYearDiary, 2):
    case DesignCodeOf(kDesignFiveYearDiary, 3): case DesignCodeOf(kDesignFiveYearDiary, 4): break;
    default: return 0;
  }
  const SchedulePrintControls controls = source.PrintControls();
  const int years = source.PrintOptions().DiaryYears;
  if ((designCode == DesignCodeOf(kDesignFiveYearDiary, 1) || designCode == DesignCodeOf(kDesignFiveYearDiary, 4)) &&
      DiaryDateRefused(source, DailyDiaryRun(controls)))
    return 1;
  const SheetPlan plan = PlanDailyDesign(designCode, controls);
  const DiaryRun run = DailyDiaryRun(controls);
  RunSheetPlan(plan, [&](const PlannedPage& page) {
    switch (page.renderer) {
      case kDailyDayPage: DrawDayPage(source, page.item, page.date, page.x1, page.x2); break;
      case kDailyTwoDayPage: DrawTwoDayPage(source, page.item, page.date, page.x1, page.x2); break;
      case kDailyDayHeader: DrawDayHeader(source, page.item, page.date, page.x1, page.x2); break;
      case kDailyDiaryPage: DrawFiveYearDiaryPage(source, years, DateToText(page.date), page.x1, page.x2); break;
      case kDailyDiaryRunPage: DrawFiveYearDiaryPage(source, years, run.labelOf(page.date), page.x1, page.x2); break;
    }
  });
  return 1;
}

SheetPlan PlanDailyDesign(int16_t designCode, const SchedulePrintControls& controls) {
  SheetPlan plan;
  if (designCode == DesignCodeOf(kDesignFiveYearDiary, 1) || designCode == DesignCodeOf(kDesignFiveYearDiary, 4)) {
    const DiaryRun run = DailyDiaryRun(controls);
    if (!run.valid()) return plan;
    if (designCode == DesignCodeOf(kDesignFiveYearDiary, 1))
      PlanDiaryAlternating(plan, run, PagesOfSheetCount(controls.Txt_maisu, 2));
    else PlanDiaryPairs(plan, run, PagesOfSheetCount(controls.Txt_maisu, 1));
    return plan;
  }
  const QDate chosen = DateFromText(controls.Cmb_Nen.trimmed() + u'/' + controls.Cmb_Tuki.trimmed() + u'/' +
                                    controls.Cmb_Hi.trimmed());
  if (!chosen.isValid()) return plan;
  const int n = PagesOfSheetCount(controls.Txt_maisu, 1);
  switch (designCode) {
    case DesignCodeOf(kDesignDay, 1): PlanDailySides(plan, kDailyDayPage, chosen, n, true); break;
    case DesignCodeOf(kDesignDay, 2): PlanDailySides(plan, kDailyDayPage, chosen, n, false); break;
    case DesignCodeOf(kDesignDay, 3): PlanDaysFourToASheet(plan, chosen, n); break;
    case DesignCodeOf(kDesignDay, 4): PlanFrontsThenBacks(plan, kDailyDayPage, chosen, n, 1, 2); break;
    case DesignCodeOf(kDesignDaySpread, 1):
      PlanDaySpreads(plan, chosen, PagesOfSheetCount(controls.Txt_maisu, 2)); break;
    case DesignCodeOf(kDesignFiveYearDiary, 2): PlanDailySides(plan, kDailyDiaryPage, chosen, n, true); break;
    case DesignCodeOf(kDesignFiveYearDiary, 3): PlanDailySides(plan, kDailyDiaryPage, chosen, n, false); break;
    case DesignCodeOf(kDesignTwoDaysAPage, 1):
      PlanTwoDaysAlternating(plan, chosen, PagesOfSheetCount(controls.Txt_maisu, 2)); break;
    case DesignCodeOf(kDesignTwoDaysAPage, 2): PlanFrontsThenBacks(plan, kDailyTwoDayPage, chosen, n, 2, 4); break;
  }
  return plan;
}
