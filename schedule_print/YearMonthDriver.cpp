// The print driver of the year and month designs: how many sides a layout
// prints, where each organiser page lies on them, which year or month it
// shows and when the user is asked to load or turn the paper.
#include <QString>
#include <functional>

#include "DayRowsPage.h"
#include "MonthGridPage.h"
#include "MonthListPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "SixWeekCalendar.h"
#include "YearCalendar.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/JobPaper.h"
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
  PageRange front, back, rightHalf, fold, pouch;
  PageRange strip[3];

  explicit SheetRanges(double scaleWidth) : sheetWidth(scaleWidth) {
    const PaperSettingsData& p = PaperSettings;
    const double w = p.PageWidth - p.PageLeft;
    front = {double(p.PageLeft), double(p.PageWidth)};
    back = {0, w};
    rightHalf = {sheetWidth - w, sheetWidth};
    fold = {double(p.PageWidth + p.PageLeft), sheetWidth};
    pouch = {p.PageWidth + 5.0, 2.0 * p.PageWidth + 5 - p.PageLeft};
    strip[0] = {double(p.PageLeft), double(p.PageWidth)};
    strip[1] = {double(p.PageWidth), 2.0 * p.PageWidth - p.PageLeft};
    strip[2] = {2.0 * p.PageWidth - p.PageLeft, 3.0 * p.PageWidth - 2.0 * p.PageLeft};
  }
};

// The ranges of a layout that sets pages side by side across the given width:
// the job states the width first, since the PDF printer takes the paper that
// holds it and the right half is measured on that paper.
SheetRanges MonthSheetRangesAcross(double sideWidthMm) {
  SetLaidOutSideWidthMm(sideWidthMm);
  return SheetRanges(GetScaleWidth());
}

// Draws one organiser page of a date at a range.
using PageDrawer = std::function<void(const QDate&, const PageRange&)>;
// The date k steps (years or months) after a date.
using DateStep = QDate (*)(const QDate&, int);

QDate MonthsLater(const QDate& day, int k) { return FirstDayOfMonth(day).addMonths(k); }
QDate YearsLater(const QDate& day, int k) { return QDate(day.year() + k, 1, 1); }

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
void PrintAlternating(QDate& startDay, int pages, const SheetRanges& r, const PageDrawer& draw, DateStep step,
                      int stepBy) {
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    if (front && i > 1 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginPage();
    draw(startDay, front ? r.front : r.back);
    FinishOutput();
    startDay = step(startDay, stepBy);
  }
}

// One page per side, all on the same range.
void PrintSingleSides(QDate& startDay, int pages, const PageRange& at, const PageDrawer& draw, DateStep step,
                      int stepBy) {
  for (int i = 1; i <= pages; ++i) {
    BeginPage();
    draw(startDay, at);
    FinishOutput();
    startDay = step(startDay, stepBy);
  }
}

// Four pages to a sheet, two on each side, so that the cut pages run in
// order: right of the front, left of the back, right of the back, left of
// the front. unit is the steps one page shows.
void PrintFourToASheet(QDate& startDay, int sheets, const PageDrawer& draw, DateStep step, int unit) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm());
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !ConfirmPaperSet(0)) return;
    BeginSharedSide();
    draw(step(startDay, 3 * unit), r.back);
    draw(step(startDay, 0), r.rightHalf);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginSharedSide();
    draw(step(startDay, unit), r.back);
    draw(step(startDay, 2 * unit), r.rightHalf);
    FinishOutput();
    startDay = step(startDay, 4 * unit);
  }
}

// Two months on a landscape sheet folded in two.
void PrintFolded(QDate& startDay, int sheets, const PageDrawer& draw) {
  // The fold page ends at the landscape sheet's edge, whatever its width, so
  // the width is taken only now; the sheet is the A4 one the message names.
  const SheetRanges r(GetScaleWidth());
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    BeginSharedSide();
    draw(MonthsLater(startDay, 0), r.front);
    draw(MonthsLater(startDay, 1), r.fold);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    startDay = MonthsLater(startDay, 2);
  }
}

// Six months on two landscape sheets joined into one strip.
void PrintSixMonthStrip(QDate& startDay, int sheets, const PageDrawer& draw) {
  const PaperSettingsData& p = PaperSettings;
  const SheetRanges r = MonthSheetRangesAcross(3.0 * p.PageWidth - 2.0 * p.PageLeft);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1 && !ConfirmPaperSet(2)) return;
    BeginSharedSide();
    for (int k = 0; k < 3; ++k) draw(MonthsLater(startDay, k), r.strip[k]);
    DrawStyledLine(1, 0, p.PageHeight, r.strip[2].x2, p.PageHeight, p.LineColor);
    FinishOutput();
    startDay = MonthsLater(startDay, 3);
  }
}

// The message before each left page of a spread printed back first.
using LeftPageMessage = QString (*)(const QDate& month, bool firstPage);

QString SpreadLeftPageMessage(const QDate& month, bool firstPage) {
  const QString head = QString::number(month.month()) + QStringLiteral("月の左ページを印刷します。\r\n\r\n");
  if (firstPage) return head + QStringLiteral("用紙を裏面にセットして、\r\nＯＫを押してください。");
  return head + QStringLiteral("表面の印刷が終了するのを待ってください。\r\n\r\n"
                               "印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
}

QString HalfMonthLeftPageMessage(const QDate& month, bool firstPage) {
  const QString head = QStringLiteral("月の左ページ(%1月1日から16日まで)を印刷します。\r\n\r\n").arg(month.month());
  if (firstPage) return head + QStringLiteral("用紙を裏面(右側綴じ代)にセットして、\r\nＯＫを押してください。");
  return head + QStringLiteral("表面(左側綴じ代)の印刷が終了するのを待ち、\r\n\r\n"
                               "印刷した用紙を裏面(右側綴じ代)にセットして、\r\nＯＫを押してください。");
}

// A spread with its left page on the back of one leaf and its right page on
// the front of the next: each left page is announced, the user turning the
// paper. Declining the first announcement leaves that page out and goes on;
// declining a later one ends the job.
void PrintSpreadsBackFirst(QDate& startDay, int pages, const SheetRanges& r, const PageDrawer& left,
                           const PageDrawer& right, LeftPageMessage message = SpreadLeftPageMessage) {
  for (int i = 1; i <= pages; ++i) {
    if (i % 2 == 1) {
      const bool ok = platform::ShowMessage(message(startDay, i == 1), platform::MsgButtons::OkCancel,
                                            platform::MsgIcon::Information) == platform::MsgResult::Ok;
      if (!ok && i > 1) return;
      if (!ok) continue;
      BeginPage();
      left(startDay, r.back);
      FinishOutput();
    } else {
      if (!ConfirmPaperSet(0)) return;
      BeginPage();
      right(startDay, r.front);
      FinishOutput();
      startDay = MonthsLater(startDay, 1);
    }
  }
}

// A spread on each side of an A4 sheet: the front one month's spread, the
// back the next month's left page beside the right page of the month before.
void PrintSpreadsTwoASide(QDate& startDay, int pages, const PageDrawer& left, const PageDrawer& right) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm());
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    if (front && i > 1 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginSharedSide();
    if (front) {
      left(startDay, r.back);
      right(startDay, r.rightHalf);
      DrawBinderMarks(kFacingPages);
    } else {
      left(startDay, r.back);
      right(MonthsLater(startDay, -2), r.rightHalf);
    }
    FinishOutput();
    startDay = MonthsLater(startDay, 1);
  }
}

// A spread on a pouch sheet: the right page of one month beside the left
// page of the next, 5 mm apart.
void PrintSpreadsPouch(QDate& startDay, int sheets, const PageDrawer& left, const PageDrawer& right) {
  const SheetRanges r = MonthSheetRangesAcross(2.0 * PaperSettings.PageWidth + 5 - PaperSettings.PageLeft);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    BeginSharedSide();
    right(startDay, r.front);
    startDay = MonthsLater(startDay, 1);
    left(startDay, r.pouch);
    FinishOutput();
  }
}

// A monthly list with its memo page on each side of an A4 sheet: the front
// this month's list beside next month's memo page, the back next month's
// list beside this month's memo page.
void PrintListsWithMemo(QDate& startDay, int sheets, const PageDrawer& list, const PageDrawer& memo) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm());
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    startDay = FirstDayOfMonth(startDay);
    if (sheet > 1 && !ConfirmPaperSet(0)) return;
    BeginSharedSide();
    list(startDay, r.back);
    memo(MonthsLater(startDay, 1), r.rightHalf);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    startDay = MonthsLater(startDay, 1);
    if (!ConfirmPaperSet(1)) return;
    BeginSharedSide();
    list(startDay, r.back);
    memo(MonthsLater(startDay, -1), r.rightHalf);
    FinishOutput();
    startDay = MonthsLater(startDay, 1);
  }
}

// Both halves of each month on the same range, one page after the other.
void PrintHalvesInTurn(QDate& startDay, int steps, const PageRange& at, const PageDrawer& firstHalf,
                       const PageDrawer& secondHalf) {
  for (int i = 1; i <= steps; ++i) {
    BeginPage();
    firstHalf(startDay, at);
    FinishOutput();
    BeginPage();
    secondHalf(startDay, at);
    FinishOutput();
    startDay = MonthsLater(startDay, 1);
  }
}

bool IsOwnCode(int code) {
  switch (code) {
    case 1: case 2: case 3: case 4:
    case 11:
    case 21: case 22: case 23: case 24: case 25: case 31:
    case 41: case 42: case 43: case 44: case 45: case 46:
    case 51: case 52: case 53: case 54: case 55:
    case 61: case 62: case 63: case 71: case 72: case 73:
    case 81: case 82: case 83: case 91: case 92: case 93:
    case 101: case 102: case 103: case 104:
    case 111: case 112: case 113: return true;
    default: return false;
  }
}

}  // namespace

int PrintYearMonthDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  if (!IsOwnCode(designCode)) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const int n = PagesOfSheetCount(controls.Txt_maisu, 1);
  const int twoN = PagesOfSheetCount(controls.Txt_maisu, 2);
  const auto grid = [&source](int gridMode) -> PageDrawer {
    return [&source, gridMode](const QDate& month, const PageRange& at) {
      DrawMonthGridPage(source, gridMode, month, at.x1, at.x2);
    };
  };
  const PageDrawer year = [&source](const QDate& day, const PageRange& at) {
    DrawYearCalendar(source, day, at.x1, at.x2);
  };

  const int code = designCode;
  if (code == 11) {
    if (n < 1) return 1;
    platform::ShowMessage(QStringLiteral("手帳に折込んで使う６ヶ月連続の横長用紙を印刷します。\r\n"
                                         "メンディングテープで貼りあわせて使います。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    SetPrinterOrientation(2);
    PrintSixMonthStrip(startDay, n, grid(0));
    return 1;
  }
  if (code == 55) {
    startDay = FirstDayOfMonth(startDay);
    if (n < 1) return 1;
    ShowFoldMessage(QStringLiteral("A5ｻｲｽﾞ"));
    SetPrinterOrientation(2);
    PrintFolded(startDay, n, grid(0));
    return 1;
  }

  const PageDrawer list = [&source](const QDate& month, const PageRange& at) {
    DrawMonthListPage(source, 0, FirstDayOfMonth(month), at.x1, at.x2);
  };
  if (code == 25) {
    startDay = FirstDayOfMonth(startDay);
    if (n < 1) return 1;
    ShowFoldMessage(QStringLiteral("B5ｻｲｽﾞ"));
    SetPrinterOrientation(2);
    PrintFolded(startDay, n, list);
    return 1;
  }

  const SheetRanges r(GetScaleWidth());
  if (code <= 4) {
    switch (code) {
      case 1: PrintAlternating(startDay, twoN, r, year, YearsLater, 1); break;
      case 2: PrintSingleSides(startDay, n, r.front, year, YearsLater, 1); break;
      case 3: PrintSingleSides(startDay, n, r.back, year, YearsLater, 1); break;
      case 4: PrintFourToASheet(startDay, n, year, YearsLater, 1); break;
    }
    return 1;
  }

  if (code >= 61 && code <= 93) {
    // The spread designs 6 to 9 take the grid modes 1/2, 3/4, 5/6 and 7/8.
    const int spreadBase = (code / 10 - 6) * 2;
    const PageDrawer left = grid(spreadBase + 1), right = grid(spreadBase + 2);
    switch (code % 10) {
      case 1:
        startDay = FirstDayOfMonth(startDay);
        PrintSpreadsBackFirst(startDay, twoN, r, left, right);
        break;
      case 2:
        startDay = FirstDayOfMonth(startDay);
        PrintSpreadsTwoASide(startDay, twoN, left, right);
        break;
      case 3:
        // The first pouch sheet opens with the month before the chosen one.
        startDay = FirstDayOfPrevMonth(startDay);
        PrintSpreadsPouch(startDay, n, left, right);
        break;
    }
    return 1;
  }

  if (code >= 21 && code <= 46) {
    // The one-month spread: days 1 to 16 on its left page, the 17th to the
    // month's end on its right page.
    const PageDrawer firstHalf = [&source](const QDate& month, const PageRange& at) {
      DrawMonthListPage(source, 1, FirstDayOfMonth(month), at.x1, at.x2);
    };
    const PageDrawer secondHalf = [&source](const QDate& month, const PageRange& at) {
      DrawMonthListPage(source, 2, FirstDayOfMonth(month).addDays(16), at.x1, at.x2);
    };
    const PageDrawer memo = [&source](const QDate& month, const PageRange& at) {
      DrawDayRowsOrMemoPage(source, 4, month, at.x1, at.x2);
    };
    switch (code) {
      case 21: PrintAlternating(startDay, twoN, r, list, MonthsLater, 1); break;
      case 22: PrintFourToASheet(startDay, n, list, MonthsLater, 1); break;
      case 23: PrintSingleSides(startDay, n, r.front, list, MonthsLater, 1); break;
      case 24: PrintSingleSides(startDay, n, r.back, list, MonthsLater, 1); break;
      case 31: PrintListsWithMemo(startDay, n, list, memo); break;
      case 41: PrintSpreadsBackFirst(startDay, twoN, r, firstHalf, secondHalf, HalfMonthLeftPageMessage); break;
      case 42: PrintSpreadsTwoASide(startDay, twoN, firstHalf, secondHalf); break;
      case 43: PrintSingleSides(startDay, n, r.front, firstHalf, MonthsLater, 1); break;
      case 44: PrintSingleSides(startDay, n, r.back, secondHalf, MonthsLater, 1); break;
      case 45: PrintHalvesInTurn(startDay, n, r.front, firstHalf, secondHalf); break;
      case 46: PrintHalvesInTurn(startDay, n, r.back, firstHalf, secondHalf); break;
    }
    return 1;
  }

  const PageDrawer sixWeeks = [&source](const QDate& month, const PageRange& at) {
    DrawSixWeekCalendar(source, 0, month, at.x1, at.x2);
  };
  startDay = FirstDayOfMonth(startDay);
  switch (code) {
    case 101: PrintAlternating(startDay, twoN, r, sixWeeks, MonthsLater, 1); break;
    case 102: PrintFourToASheet(startDay, n, sixWeeks, MonthsLater, 1); break;
    case 103: PrintSingleSides(startDay, n, r.front, sixWeeks, MonthsLater, 1); break;
    case 104: PrintSingleSides(startDay, n, r.back, sixWeeks, MonthsLater, 1); break;
    case 51: PrintAlternating(startDay, twoN, r, grid(0), MonthsLater, 1); break;
    case 52: PrintFourToASheet(startDay, n, grid(0), MonthsLater, 1); break;
    case 53: PrintSingleSides(startDay, n, r.front, grid(0), MonthsLater, 1); break;
    case 54: PrintSingleSides(startDay, n, r.back, grid(0), MonthsLater, 1); break;
    case 111: PrintAlternating(startDay, twoN, r, grid(21), MonthsLater, 2); break;
    case 112: PrintFourToASheet(startDay, n, grid(21), MonthsLater, 2); break;
    case 113: PrintSingleSides(startDay, n, r.front, grid(21), MonthsLater, 2); break;
  }
  return 1;
}
