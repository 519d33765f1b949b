// The print driver of the daily designs: the first day from the date lists,
// the sides of the sheets and the day each page shows.
#include "DayPage.h"
#include "DaySpreadPage.h"
#include "FiveYearDiaryPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "TwoDayPage.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "DateFormat.h"
#include "schedule/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

struct Ranges {
  double frontX1, frontX2, backX1, backX2, rightX1, rightX2;
};

// The right-half range is fixed when the driver starts.
Ranges RangesOfPaper() {
  const PaperSettingsData& p = PaperSettings;
  const double sheet = GetScaleWidth(), w = p.PageWidth - p.PageLeft;
  return {double(p.PageLeft), double(p.PageWidth), 0, w, sheet - w, sheet};
}

// The ranges of a layout that sets pages side by side across the given width,
// stated first: the PDF printer takes the paper that holds it, and the right
// half is measured on that paper.
Ranges DayRangesAcross(double sideWidthMm) {
  SetLaidOutSideWidthMm(sideWidthMm);
  return RangesOfPaper();
}

using DayDrawer = void (*)(SchedulePrintSource&, int, const QDate&, double, double);

// One page a side, no prompts.
void PrintDaySides(SchedulePrintSource& source, QDate& day, int pages, bool front) {
  const Ranges r = RangesOfPaper();
  for (int k = 0; k < pages; ++k) {
    BeginPage();
    DrawDayPage(source, 0, day, front ? r.frontX1 : r.backX1, front ? r.frontX2 : r.backX2);
    FinishOutput();
    day = day.addDays(1);
  }
}

// Four days to an A4 sheet: the chosen day and the next on the front, the
// day after on the back beside the day before the sheet's first day.
void PrintDaysFourToASheet(SchedulePrintSource& source, QDate& day, int sheets) {
  const Ranges r = DayRangesAcross(FacingPagesWidthMm());
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !ConfirmPaperSet(0)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    DrawDayPage(source, 0, day, r.backX1, r.backX2);
    DrawDayPage(source, 0, day.addDays(1), r.rightX1, r.rightX2);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    DrawDayPage(source, 0, day.addDays(2), r.backX1, r.backX2);
    DrawDayPage(source, 0, day.addDays(-1), r.rightX1, r.rightX2);
    FinishOutput();
    day = day.addDays(4);
  }
}

// Two days a page, fronts and backs alternately, every page opening on an
// odd day of the month as fixed at the start.
void PrintTwoDaysAlternating(SchedulePrintSource& source, QDate& day, int steps) {
  const Ranges r = RangesOfPaper();
  if (day.day() % 2 == 0) day = day.addDays(-1);
  for (int step = 1; step <= steps; ++step) {
    const bool front = step % 2 == 1;
    // Asked before the side begins, so a declined prompt leaves no blank
    // sheet in the printer.
    if (front && step >= 3 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginPage();
    if (front) DrawTwoDayPage(source, 0, day, r.frontX1, r.frontX2);
    else DrawTwoDayPage(source, 1, day, r.backX1, r.backX2);
    FinishOutput();
    day = day.addDays(2);
  }
}

// All fronts, one turn of the paper, then all backs: fronts from the first
// day in steps, backs from the first day plus an offset in the same steps.
void PrintFrontsThenBacks(SchedulePrintSource& source, DayDrawer draw, QDate& day, int sheets, int backOffset,
                          int stepDays) {
  const Ranges r = RangesOfPaper();
  const QDate first = day;
  for (int k = 0; k < sheets; ++k) {
    day = first.addDays(k * stepDays);
    BeginPage();
    draw(source, 0, day, r.frontX1, r.frontX2);
    FinishOutput();
  }
  if (!ConfirmPaperSet(1)) return;
  for (int k = 0; k < sheets; ++k) {
    day = first.addDays(backOffset + k * stepDays);
    BeginPage();
    draw(source, 0, day, r.backX1, r.backX2);
    FinishOutput();
  }
}

// One day over a spread, each step a whole sheet: the left page on one side,
// the right page on the other.
void PrintDaySpreads(SchedulePrintSource& source, QDate& day, int steps) {
  const Ranges r = RangesOfPaper();
  for (int step = 1; step <= steps; ++step) {
    if (step >= 2 && !ConfirmPaperSet(0)) return;
    BeginPage();
    DrawDayHeader(source, 1, day, r.backX1, r.backX2);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginPage();
    DrawDayHeader(source, 2, day, r.frontX1, r.frontX2);
    FinishOutput();
    day = day.addDays(1);
  }
}

// Diary pages of real calendar days, one a side, no prompts.
void PrintDiarySides(SchedulePrintSource& source, int years, QDate& day, int pages, bool front) {
  const Ranges r = RangesOfPaper();
  for (int k = 0; k < pages; ++k) {
    BeginPage();
    DrawFiveYearDiaryPage(source, years, DateToText(day), front ? r.frontX1 : r.backX1, front ? r.frontX2 : r.backX2);
    FinishOutput();
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
  QString label(int ahead = 0) const { return yearAndSlash_ + FormatDate(day_.addDays(ahead), QStringLiteral("mm\\/dd")); }
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
void PrintDiaryAlternating(SchedulePrintSource& source, int years, DiaryRun& run, int steps) {
  const Ranges r = RangesOfPaper();
  for (int step = 1; step <= steps; ++step) {
    const bool front = step % 2 == 1;
    if (front && step >= 3 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginPage();
    DrawFiveYearDiaryPage(source, years, run.label(), front ? r.frontX1 : r.backX1, front ? r.frontX2 : r.backX2);
    FinishOutput();
    run.advance(1);
  }
}

// Two diary pages side by side on the front of each sheet: the running day
// and the next one, both under the start year's label.
void PrintDiaryPairs(SchedulePrintSource& source, int years, DiaryRun& run, int sheets) {
  const Ranges r = DayRangesAcross(TwoPagesAcrossWidthMm(0));
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    BeginPage();
    PreviewOutlineKind = 0;
    DrawFiveYearDiaryPage(source, years, run.label(), r.frontX1, r.frontX2);
    DrawFiveYearDiaryPage(source, years, run.label(1), r.rightX1, r.rightX2);
    FinishOutput();
    run.advance(2);
  }
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

int PrintDailyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  switch (designCode) {
    case 211: case 212: case 213: case 214: case 221: case 231: case 232:
    case 241: case 242: case 243: case 244: break;
    default: return 0;
  }
  const SchedulePrintControls controls = source.PrintControls();
  const int years = source.PrintOptions().DiaryYears;
  if (designCode == 241 || designCode == 244) {
    DiaryRun run(controls.Cmb_Nen + u'/' + controls.Cmb_Tuki.trimmed() + u'/' + controls.Cmb_Hi.trimmed());
    if (DiaryDateRefused(source, run)) return 1;
    if (designCode == 241) PrintDiaryAlternating(source, years, run, PagesOfSheetCount(controls.Txt_maisu, 2));
    else PrintDiaryPairs(source, years, run, PagesOfSheetCount(controls.Txt_maisu, 1));
    return 1;
  }
  const QDate chosen = DateFromText(controls.Cmb_Nen.trimmed() + u'/' + controls.Cmb_Tuki.trimmed() + u'/' +
                                    controls.Cmb_Hi.trimmed());
  if (!chosen.isValid()) return 1;
  startDay = chosen;
  const int n = PagesOfSheetCount(controls.Txt_maisu, 1);
  switch (designCode) {
    case 211: PrintDaySides(source, startDay, n, true); break;
    case 212: PrintDaySides(source, startDay, n, false); break;
    case 213: PrintDaysFourToASheet(source, startDay, n); break;
    case 214: PrintFrontsThenBacks(source, DrawDayPage, startDay, n, 1, 2); break;
    case 221: PrintDaySpreads(source, startDay, PagesOfSheetCount(controls.Txt_maisu, 2)); break;
    case 242: PrintDiarySides(source, years, startDay, n, true); break;
    case 243: PrintDiarySides(source, years, startDay, n, false); break;
    case 231: PrintTwoDaysAlternating(source, startDay, PagesOfSheetCount(controls.Txt_maisu, 2)); break;
    case 232: PrintFrontsThenBacks(source, DrawTwoDayPage, startDay, n, 2, 4); break;
  }
  return 1;
}
