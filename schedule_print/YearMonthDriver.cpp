// The print driver of the year and month designs: how many sides a layout
// prints, where each organiser page lies on them, which month it shows and
// when the user is asked to load or turn the paper.
#include <QString>

#include "MonthGridPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

// An organiser page's left and right x on the sheet, mm.
struct PageRange {
  double x1, x2;
};

// The ranges of the layouts, fixed when the driver starts (the fold range
// after the sheet has been turned landscape).
struct SheetRanges {
  double sheetWidth = 0;
  PageRange front, back, rightHalf, fold;
  PageRange strip[3];

  explicit SheetRanges(double scaleWidth) : sheetWidth(scaleWidth) {
    const PaperSettingsData& p = PaperSettings;
    const double w = p.PageWidth - p.PageLeft;
    front = {double(p.PageLeft), double(p.PageWidth)};
    back = {0, w};
    rightHalf = {sheetWidth - w, sheetWidth};
    fold = {double(p.PageWidth + p.PageLeft), sheetWidth};
    strip[0] = {double(p.PageLeft), double(p.PageWidth)};
    strip[1] = {double(p.PageWidth), 2.0 * p.PageWidth - p.PageLeft};
    strip[2] = {2.0 * p.PageWidth - p.PageLeft, 3.0 * p.PageWidth - 2.0 * p.PageLeft};
  }
};

QDate MonthAfter(const QDate& month, int k) { return FirstDayOfMonth(month).addMonths(k); }

void Grid(SchedulePrintSource& source, const QDate& month, const PageRange& at) {
  DrawMonthGridPage(source, 0, month, at.x1, at.x2);
}

// Opens a side that carries several organiser pages: no one-page guide in
// the preview.
void BeginSharedSide() {
  BeginPage();
  PreviewOutlineKind = 0;
}

void ShowFoldMessage(const QString& sizeName) {
  platform::ShowMessage(QStringLiteral("A4用紙を2つに折って使います。(%1)\r\n"
                                       "プリンターのプロパティの設定で印刷可能領域を最大にしてください。\r\n\r\n"
                                       "（プレビュー画面は崩れますが、印刷は正常にできます）")
                            .arg(sizeName));
}

// Fronts and backs alternately: odd pages fronts, even pages the backs.
void PrintAlternating(SchedulePrintSource& source, QDate& startDay, int pages, const SheetRanges& r) {
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    if (front && i > 1 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginPage();
    Grid(source, startDay, front ? r.front : r.back);
    FinishOutput();
    startDay = MonthAfter(startDay, 1);
  }
}

// One page per side, all on the same range.
void PrintSingleSides(SchedulePrintSource& source, QDate& startDay, int pages, const PageRange& at) {
  for (int i = 1; i <= pages; ++i) {
    BeginPage();
    Grid(source, startDay, at);
    FinishOutput();
    startDay = MonthAfter(startDay, 1);
  }
}

// Four months to a sheet, two on each side, so that the cut pages run in
// order: right of the front, left of the back, right of the back, left of
// the front.
void PrintFourToASheet(SchedulePrintSource& source, QDate& startDay, int sheets, const SheetRanges& r) {
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !ConfirmPaperSet(0)) return;
    BeginSharedSide();
    Grid(source, MonthAfter(startDay, 3), r.back);
    Grid(source, MonthAfter(startDay, 0), r.rightHalf);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginSharedSide();
    Grid(source, MonthAfter(startDay, 1), r.back);
    Grid(source, MonthAfter(startDay, 2), r.rightHalf);
    FinishOutput();
    startDay = MonthAfter(startDay, 4);
  }
}

// Two months on a landscape sheet folded in two.
void PrintFolded(SchedulePrintSource& source, QDate& startDay, int sheets, const SheetRanges& r) {
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    BeginSharedSide();
    Grid(source, MonthAfter(startDay, 0), r.front);
    Grid(source, MonthAfter(startDay, 1), r.fold);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    startDay = MonthAfter(startDay, 2);
  }
}

// Six months on two landscape sheets joined into one strip.
void PrintSixMonthStrip(SchedulePrintSource& source, QDate& startDay, int sheets, const SheetRanges& r) {
  const PaperSettingsData& p = PaperSettings;
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !ConfirmPaperSet(2)) return;
    BeginSharedSide();
    for (int k = 0; k < 3; ++k) Grid(source, MonthAfter(startDay, k), r.strip[k]);
    DrawStyledLine(1, 0, p.PageHeight, r.strip[2].x2, p.PageHeight, p.LineColor);
    FinishOutput();
    startDay = MonthAfter(startDay, 3);
  }
}

}  // namespace

int PrintYearMonthDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  switch (designCode) {
    case 11:
    case 51:
    case 52:
    case 53:
    case 54:
    case 55: break;
    default: return 0;
  }
  const QString sheetText = source.PrintControls().Txt_maisu;
  const int n = PagesOfSheetCount(sheetText, 1);

  if (designCode == 11) {
    if (n < 1) return 1;
    platform::ShowMessage(QStringLiteral("手帳に折込んで使う６ヶ月連続の横長用紙を印刷します。\r\n"
                                         "メンディングテープで貼りあわせて使います。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    SetPrinterOrientation(2);
    PrintSixMonthStrip(source, startDay, n, SheetRanges(GetScaleWidth()));
    return 1;
  }

  startDay = FirstDayOfMonth(startDay);
  if (designCode == 55) {
    if (n < 1) return 1;
    ShowFoldMessage(QStringLiteral("A5ｻｲｽﾞ"));
    SetPrinterOrientation(2);
    // The fold page ends at the landscape sheet's edge, so the width is
    // taken only now.
    PrintFolded(source, startDay, n, SheetRanges(GetScaleWidth()));
    return 1;
  }

  const SheetRanges ranges(GetScaleWidth());
  switch (designCode) {
    case 51: PrintAlternating(source, startDay, PagesOfSheetCount(sheetText, 2), ranges); break;
    case 52: PrintFourToASheet(source, startDay, n, ranges); break;
    case 53: PrintSingleSides(source, startDay, n, ranges.front); break;
    case 54: PrintSingleSides(source, startDay, n, ranges.back); break;
    default: break;
  }
  return 1;
}
