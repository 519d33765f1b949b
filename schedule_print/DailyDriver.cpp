// The print driver of the daily designs: the first day from the date lists,
// the sides of the sheets and the day each page shows.
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "TwoDayPage.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"
#include "schedule/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

struct Ranges {
  double frontX1, frontX2, backX1, backX2;
};

Ranges RangesOfPaper() {
  const PaperSettingsData& p = PaperSettings;
  return {double(p.PageLeft), double(p.PageWidth), 0, double(p.PageWidth - p.PageLeft)};
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
void PrintFrontsThenBacks(SchedulePrintSource& source, QDate& day, int sheets, int backOffset, int stepDays) {
  const Ranges r = RangesOfPaper();
  const QDate first = day;
  for (int k = 0; k < sheets; ++k) {
    day = first.addDays(k * stepDays);
    BeginPage();
    DrawTwoDayPage(source, 0, day, r.frontX1, r.frontX2);
    FinishOutput();
  }
  if (!ConfirmPaperSet(1)) return;
  for (int k = 0; k < sheets; ++k) {
    day = first.addDays(backOffset + k * stepDays);
    BeginPage();
    DrawTwoDayPage(source, 0, day, r.backX1, r.backX2);
    FinishOutput();
  }
}

}  // namespace

int PrintDailyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  // Codes whose pages are drawn so far; the other daily layouts follow.
  if (designCode != 231 && designCode != 232) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const QDate chosen = DateFromText(controls.Cmb_Nen.trimmed() + u'/' + controls.Cmb_Tuki.trimmed() + u'/' +
                                    controls.Cmb_Hi.trimmed());
  if (!chosen.isValid()) return 1;
  startDay = chosen;
  if (designCode == 231) PrintTwoDaysAlternating(source, startDay, PagesOfSheetCount(controls.Txt_maisu, 2));
  else PrintFrontsThenBacks(source, startDay, PagesOfSheetCount(controls.Txt_maisu, 1), 2, 4);
  return 1;
}
