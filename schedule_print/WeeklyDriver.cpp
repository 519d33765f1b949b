// The print driver of the weekly designs: how many pages a job has, which
// week goes where on which side of the sheet, and the messages and paper
// prompts between the sides.
#include <functional>

#include "DayRowsPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "WeekRuledPage.h"
#include "WeekTimeAxisPage.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"
#include "schedule/SchedulePrintSource.h"

namespace {

struct Range {
  double x1, x2;
};

// Where the organiser pages stand on the sheet. The right half is fixed
// when the driver starts, from the width the pages are recognised by.
struct Ranges {
  Range front, back, rightHalf, beside;
  double scaleWidth, pageLeft, pageWidth, w;
  Ranges() {
    const PaperSettingsData& p = PaperSettings;
    scaleWidth = GetScaleWidth();
    pageLeft = p.PageLeft;
    pageWidth = p.PageWidth;
    w = pageWidth - pageLeft;
    front = {pageLeft, pageWidth};
    back = {0, w};
    rightHalf = {scaleWidth - w, scaleWidth};
    beside = {pageWidth, pageWidth + w};
  }
};

using WeekRenderer = void (*)(SchedulePrintSource&, int, const QDate&, double, double);

// A renderer with its kind (or mode) and the page's first day relative to
// the running week start.
struct WeekPage {
  WeekRenderer draw;
  int kind;
  int offset;
  void operator()(SchedulePrintSource& source, const QDate& d, const Range& at) const {
    draw(source, kind, d.addDays(offset), at.x1, at.x2);
  }
};

WeekPage Ruled(int kind, int offset = 0) { return {DrawWeekRuledPage, kind, offset}; }
WeekPage MemoPage(int mode, int offset = 0) { return {DrawDayRowsOrMemoPage, mode, offset}; }
WeekPage TimeAxis(int kind, int offset = 0) { return {DrawWeekTimeAxisPage, kind, offset}; }

const QString kWait = QStringLiteral("表面の印刷が終了するのを待ってください。\r\n\r\n印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kSetBack = QStringLiteral("用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kShortWait = QStringLiteral("表面の印刷が終了するのを待ち\r\n印刷した用紙を裏面にセットして、\r\nＯＫを押してください。");
const QString kLeftHead = QStringLiteral("週の左ページを印刷します。\r\n");
const QString kRightHead = QStringLiteral("週の右ページを印刷します。\r\n");
const QString kFirstLeft = kLeftHead + QStringLiteral("\r\n") + kSetBack;
const QString kNextLeft = kLeftHead + QStringLiteral("\r\n") + kWait;
const QString kFirstRight = kRightHead + QStringLiteral("\r\n") + kSetBack;
const QString kNextRight = kRightHead + QStringLiteral("\r\n") + kWait;
const QString kShortLeft = kLeftHead + kShortWait;
const QString kShortRight = kRightHead + kShortWait;
const QString kFrontsThenBacks = QStringLiteral("表面を複数印刷し、次に裏面を複数印刷します。\r\n"
                                                "複数週を一度に印刷するとき、枚数をセットしてください。");

// The driver's own messages ask whatever the prompt setting says: they tell
// the user which page comes next, not only to load paper.
bool Ask(const QString& text, bool icon = true) {
  return platform::ShowMessage(text, platform::MsgButtons::OkCancel,
                               icon ? platform::MsgIcon::Information : platform::MsgIcon::None) ==
         platform::MsgResult::Ok;
}

// Fronts and backs in turn, one week a page.
void PrintAlternating(SchedulePrintSource& source, QDate& d, int pages, const Ranges& r, const WeekPage& page) {
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    if (front && i > 1 && !ConfirmPaperSet(0)) return;
    if (!front && !ConfirmPaperSet(1)) return;
    BeginPage();
    page(source, d, front ? r.front : r.back);
    FinishOutput();
    d = d.addDays(7);
  }
}

// One page a sheet on one side; promptSide -1 asks nothing between sheets.
void PrintOneSide(SchedulePrintSource& source, QDate& d, int sheets, const Range& at, const WeekPage& page,
                  int promptSide = -1) {
  for (int i = 1; i <= sheets; ++i) {
    if (i > 1 && promptSide >= 0 && !ConfirmPaperSet(int16_t(promptSide))) return;
    BeginPage();
    page(source, d, at);
    FinishOutput();
    d = d.addDays(7);
  }
}

// Two organiser pages on each side of an A4 sheet.
struct TwoASide {
  WeekPage frontLeft, frontRight, backLeft, backRight;
  int step;
  bool outlineOff;
};

void PrintTwoASide(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r, const TwoASide& l) {
  for (int i = 1; i <= sheets; ++i) {
    if (i > 1 && !ConfirmPaperSet(0)) return;
    BeginPage();
    if (l.outlineOff) PreviewOutlineKind = 0;
    l.frontLeft(source, d, r.back);
    l.frontRight(source, d, r.rightHalf);
    DrawBinderMarks(kFacingPages);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginPage();
    if (l.outlineOff) PreviewOutlineKind = 0;
    l.backLeft(source, d, r.back);
    l.backRight(source, d, r.rightHalf);
    FinishOutput();
    d = d.addDays(l.step);
  }
}

// Every message of a spread is answered before its page begins, so a
// declined one never leaves an empty page in the job.
enum class SpreadAnswer { Print, Skip, Stop };

// The first message only leaves its own page out; a later one ends the job.
SpreadAnswer AskBeforeSpreadPage(int i, const QString& first, const QString& later) {
  if (Ask(i == 1 ? first : later)) return SpreadAnswer::Print;
  return i == 1 ? SpreadAnswer::Skip : SpreadAnswer::Stop;
}

// A spread whose left page goes on the back of one leaf and whose right page
// on the front of the next, each announced.
void PrintSpreadsAnnounced(SchedulePrintSource& source, QDate& d, int pages, const Ranges& r, const WeekPage& left,
                           const WeekPage& right, const QString& rightMessage) {
  for (int i = 1; i <= pages; ++i) {
    const bool leftPage = i % 2 == 1;
    const SpreadAnswer answer = leftPage ? AskBeforeSpreadPage(i, kFirstLeft, kNextLeft)
                                         : AskBeforeSpreadPage(i, rightMessage, rightMessage);
    if (answer == SpreadAnswer::Stop) return;
    if (answer == SpreadAnswer::Skip) continue;
    BeginPage();
    if (leftPage) {
      left(source, d, r.back);
    } else {
      right(source, d, r.front);
      d = d.addDays(7);
    }
    FinishOutput();
  }
}

// Both pages of each spread on the same side of the paper.
void PrintSpreadsOneSide(SchedulePrintSource& source, QDate& d, int pages, const Range& at, const WeekPage& left,
                         const WeekPage& right) {
  for (int i = 1; i <= pages; ++i) {
    const bool leftPage = i % 2 == 1;
    if (!Ask(leftPage ? kShortLeft : kShortRight)) return;
    BeginPage();
    if (leftPage) {
      left(source, d, at);
    } else {
      right(source, d, at);
      d = d.addDays(7);
    }
    FinishOutput();
  }
}

// Three weeks side by side on each side, 2 mm apart; the back's group is
// set from the right so that it ends PageLeft short of the usable width.
void PrintThreeWeeks(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r) {
  const double pl = r.pageLeft, pw = r.pageWidth, w = r.w;
  const double x0 = RoundHalfEven(r.scaleWidth - (3 * w + pl + 4));
  const Range fronts[3] = {{pl, pw}, {pw + 2, 2 * pw - pl + 2}, {2 * pw - pl + 4, 3 * pw - 2 * pl + 4}};
  const Range backs[3] = {{x0, x0 + w}, {x0 + w + 2, x0 + 2 * w + 2}, {x0 + 2 * w + 4, x0 + 3 * w + 4}};
  const WeekPage week = Ruled(0);
  for (int i = 1; i <= sheets; ++i) {
    if (i > 1 && !ConfirmPaperSet(0)) return;
    for (const Range* side : {fronts, backs}) {
      if (side == backs && !ConfirmPaperSet(1)) return;
      BeginPage();
      PreviewOutlineKind = 0;
      for (int k = 0; k < 3; ++k) {
        week(source, d, side[k]);
        d = d.addDays(7);
      }
      FinishOutput();
    }
  }
}

// Every front first, then the stack turned once and every back.
void PrintFrontsThenBacks(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r) {
  if (!Ask(kFrontsThenBacks, false)) return;
  const QDate first = d;
  const WeekPage week = Ruled(0);
  for (int i = 1; i <= sheets; ++i) {
    BeginPage();
    week(source, d, r.front);
    d = d.addDays(14);
    FinishOutput();
  }
  if (!ConfirmPaperSet(1)) return;
  d = first.addDays(7);
  for (int i = 1; i <= sheets; ++i) {
    BeginPage();
    week(source, d, r.back);
    d = d.addDays(14);
    FinishOutput();
  }
}

// Two weeks side by side on one side of the sheet.
void PrintTwoWeeksBeside(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r) {
  const WeekPage week = Ruled(0);
  for (int i = 1; i <= sheets; ++i) {
    BeginPage();
    week(source, d, r.back);
    d = d.addDays(7);
    week(source, d, r.beside);
    d = d.addDays(7);
    FinishOutput();
  }
}

// The memo page of a week on a front, and on the sheet's back the week page
// of the following week, which faces the next sheet's memo page in the
// binder. Between the two pages of a sheet the user turns it over; before a
// later sheet a new one goes in.
void PrintMemoWeeks(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r) {
  for (int i = 1; i <= sheets; ++i) {
    if (i > 1 && !ConfirmPaperSet(0)) return;
    BeginPage();
    MemoPage(0)(source, d, r.front);
    FinishOutput();
    d = d.addDays(7);
    if (!ConfirmPaperSet(1)) return;
    BeginPage();
    Ruled(6)(source, d, r.back);
    FinishOutput();
  }
}

// The 見開土日狭 spread the other way round: the right page on a front, then
// the next week's left page on its back. Declining the first message leaves
// that page out and keeps the week, so the left page still follows it.
void PrintSpreadsRightFirst(SchedulePrintSource& source, QDate& d, int pages, const Ranges& r) {
  for (int i = 1; i <= pages; ++i) {
    const bool rightPage = i % 2 == 1;
    const SpreadAnswer answer = rightPage ? AskBeforeSpreadPage(i, kFirstRight, kNextRight)
                                          : AskBeforeSpreadPage(i, kNextLeft, kNextLeft);
    if (answer == SpreadAnswer::Stop) return;
    if (answer == SpreadAnswer::Skip) continue;
    BeginPage();
    if (rightPage) {
      TimeAxis(8, 4)(source, d, r.front);
      d = d.addDays(7);
    } else {
      TimeAxis(7)(source, d, r.back);
    }
    FinishOutput();
  }
}

// A whole 見開 spread on one side, the right page beside the left one.
void PrintSpreadsBeside(SchedulePrintSource& source, QDate& d, int sheets, const Ranges& r) {
  for (int i = 1; i <= sheets; ++i) {
    if (i > 1 && !ConfirmPaperSet(2)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    TimeAxis(1)(source, d, r.front);
    TimeAxis(2, 4)(source, d, r.beside);
    d = d.addDays(7);
    FinishOutput();
  }
}

// What a design lays out across one side when it sets pages side by side
// (see the layouts above); 0 for one page a side.
double WeeklySideWidthMm(int code) {
  const double pl = PaperSettings.PageLeft, pw = PaperSettings.PageWidth;
  switch (code) {
    case 122: case 132: case 133: case 142: case 152: case 162: case 172: case 182:
      return FacingPagesWidthMm();  // back and right half
    case 125: return 3 * pw - 2 * pl + 4;  // three weeks, 2 mm apart
    case 127: case 173: return TwoPagesAcrossWidthMm(0);  // a page beside the first
    default: return 0;
  }
}

}  // namespace

int PrintWeeklyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  const int code = designCode;
  switch (code) {
    case 121: case 122: case 123: case 124: case 125: case 126: case 127: case 131: case 132: case 133:
    case 141: case 142: case 143: case 144: case 151: case 152: case 153: case 154:
    case 161: case 162: case 163: case 164: case 171: case 172: case 173: case 181: case 182:
    case 191: case 192: case 201: case 202: case 203: case 204: break;
    default: return 0;
  }
  // The width goes first: the PDF printer's paper follows it and the right
  // half is measured on that paper.
  if (const double width = WeeklySideWidthMm(code); width > 0) SetLaidOutSideWidthMm(width);
  const Ranges r;
  const QString count = source.PrintControls().Txt_maisu;
  const int n = PagesOfSheetCount(count, 1);
  const int twoN = PagesOfSheetCount(count, 2);
  QDate& d = startDay;
  switch (code) {
    case 121: PrintAlternating(source, d, twoN, r, Ruled(0)); break;
    case 141: PrintAlternating(source, d, twoN, r, Ruled(5)); break;
    case 123: PrintOneSide(source, d, n, r.front, Ruled(0)); break;
    case 124: PrintOneSide(source, d, n, r.back, Ruled(0)); break;
    case 143: PrintOneSide(source, d, n, r.front, Ruled(5)); break;
    case 144: PrintOneSide(source, d, n, r.back, Ruled(5)); break;
    case 122: PrintTwoASide(source, d, n, r, {Ruled(0, 21), Ruled(0), Ruled(0, 7), Ruled(0, 14), 28, true}); break;
    case 132: PrintTwoASide(source, d, n, r, {Ruled(6), MemoPage(0), Ruled(6, 7), MemoPage(0, -7), 14, true}); break;
    case 133: PrintTwoASide(source, d, n, r, {MemoPage(6), Ruled(0), MemoPage(6, 7), Ruled(0, 7), 14, true}); break;
    case 142: PrintTwoASide(source, d, n, r, {Ruled(5, 21), Ruled(5), Ruled(5, 7), Ruled(5, 14), 28, true}); break;
    case 152: PrintTwoASide(source, d, n, r, {Ruled(3, 7), Ruled(4, -4), Ruled(3), Ruled(4, 3), 14, false}); break;
    case 162: PrintTwoASide(source, d, n, r, {Ruled(1, 7), Ruled(2, -3), Ruled(1), Ruled(2, 4), 14, false}); break;
    case 151: PrintSpreadsAnnounced(source, d, twoN, r, Ruled(3), Ruled(4, 3), kNextRight); break;
    case 161: PrintSpreadsAnnounced(source, d, twoN, r, Ruled(1), Ruled(2, 4), kShortRight); break;
    case 153: case 154: case 163: case 164: {
      const bool design15 = code / 10 == 15;
      const Range& at = code % 10 == 3 ? r.front : r.back;
      PrintSpreadsOneSide(source, d, twoN, at, Ruled(design15 ? 3 : 1), Ruled(design15 ? 4 : 2, design15 ? 3 : 4));
      break;
    }
    case 125: PrintThreeWeeks(source, d, n, r); break;
    case 126: PrintFrontsThenBacks(source, d, n, r); break;
    case 127: PrintTwoWeeksBeside(source, d, n, r); break;
    case 131: PrintMemoWeeks(source, d, n, r); break;
    case 171: case 181: {
      const int left = (code / 10 - 17) * 2 + 1;
      PrintSpreadsAnnounced(source, d, twoN, r, TimeAxis(left), TimeAxis(left + 1, 4), kShortRight);
      break;
    }
    case 172: case 182: {
      const int left = (code / 10 - 17) * 2 + 1;
      PrintTwoASide(source, d, n, r,
                    {TimeAxis(left, 7), TimeAxis(left + 1, -3), TimeAxis(left), TimeAxis(left + 1, 4), 14, false});
      break;
    }
    case 173: PrintSpreadsBeside(source, d, n, r); break;
    case 191: PrintSpreadsAnnounced(source, d, twoN, r, TimeAxis(5), TimeAxis(6, 3), kNextRight); break;
    case 192: PrintTwoASide(source, d, n, r, {TimeAxis(5, 7), TimeAxis(6, -4), TimeAxis(5), TimeAxis(6, 3), 14, false}); break;
    case 201: PrintSpreadsAnnounced(source, d, twoN, r, TimeAxis(7), TimeAxis(8, 4), kNextRight); break;
    case 202: PrintSpreadsRightFirst(source, d, twoN, r); break;
    case 203: PrintOneSide(source, d, n, r.front, TimeAxis(8, 4), 0); break;
    case 204: PrintOneSide(source, d, n, r.back, TimeAxis(7), 0); break;
  }
  return 1;
}
