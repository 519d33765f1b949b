// The print driver of the year and month designs: how many sides a layout
// prints, where each organiser page lies on them, which year or month it
// shows and when the user is asked to load or turn the paper.
#include <QString>

#include "DayRowsPage.h"
#include "MonthGridPage.h"
#include "MonthListPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "SixWeekCalendar.h"
#include "YearCalendar.h"
#include "schedule/DesignCatalog.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/dates/Calendar.h"
#include "schedule/SchedulePrintSource.h"

namespace {

// An organiser page's left and right x on the sheet, mm.
struct PageRange {
  double x1, x2;
};

// The ranges of the layouts, fixed when the job is planned.
struct SheetRanges {
  double sheetWidth = 0;
  PageRange front, back, rightHalf, pouch;
  PageRange strip[3];

  explicit SheetRanges(double scaleWidth) : sheetWidth(scaleWidth) {
    const PaperSettingsData& p = PaperSettings;
    const double w = p.PageWidth - p.PageLeft;
    front = {double(p.PageLeft), double(p.PageWidth)};
    back = {0, w};
    rightHalf = {sheetWidth - w, sheetWidth};
    pouch = {p.PageWidth + 5.0, 2.0 * p.PageWidth + 5 - p.PageLeft};
    strip[0] = {double(p.PageLeft), double(p.PageWidth)};
    strip[1] = {double(p.PageWidth), 2.0 * p.PageWidth - p.PageLeft};
    strip[2] = {2.0 * p.PageWidth - p.PageLeft, 3.0 * p.PageWidth - 2.0 * p.PageLeft};
  }
};

// The ranges of a layout that sets pages side by side across the given width:
// the job states the width and its binder marks first, since the PDF printer takes the paper that
// holds it and the right half is measured on that paper.
SheetRanges MonthSheetRangesAcross(double sideWidthMm, int16_t binderMarks = kNoBinderMarks) {
  SetLaidOutSideWidthMm(sideWidthMm, binderMarks);
  return SheetRanges(GetScaleWidth());
}

// Which organiser page a planned page is: the renderer and its mode (the
// grid or list mode); the page's date is the year or month it shows.
enum YearMonthRenderer : int16_t {
  kYearPage,
  kMonthGridPage,   // item: grid mode
  kMonthListPage,   // item: 0 whole month, 1 days 1 to 16, 2 the 17th to the end
  kMonthMemoPage,
  kSixWeekPage,
  kStripEndLine,    // the line closing the six-month strip at the range's right end
};

struct YearMonthPage {
  int16_t renderer;
  int item = 0;
};

PlannedPage PlaceYearMonthPage(const YearMonthPage& kind, const QDate& day, const PageRange& at) {
  return {kind.renderer, day, kind.item, at.x1, at.x2};
}

// The date k steps (years or months) after a date.
using DateStep = QDate (*)(const QDate&, int);

QDate MonthsLater(const QDate& day, int k) { return FirstDayOfMonth(day).addMonths(k); }
QDate YearsLater(const QDate& day, int k) { return QDate(day.year() + k, 1, 1); }

// A side that carries several organiser pages: no one-page guide in the
// preview.
PlannedSide SharedSide(SheetPrompt prompt) {
  PlannedSide side;
  side.prompt = std::move(prompt);
  side.previewOutline = 0;
  return side;
}

// A side with one organiser page.
PlannedSide OnePageSide(SheetPrompt prompt, const YearMonthPage& kind, const QDate& day, const PageRange& at) {
  PlannedSide side;
  side.prompt = std::move(prompt);
  side.pages = {PlaceYearMonthPage(kind, day, at)};
  return side;
}

// The prompt before a side of a job that prints fronts and backs: none before
// the first sheet.
SheetPrompt FrontOrBackPrompt(bool front, bool firstSheet) {
  if (front) return firstSheet ? SheetPrompt{} : SheetPrompt::PaperSet(0);
  return SheetPrompt::PaperSet(1);
}

QString FoldMessage(const QString& sizeName) {
  return QStringLiteral("A4用紙を2つに折って使います。(%1)\r\n"
                        "プリンターのプロパティの設定で印刷可能領域を最大にしてください。\r\n\r\n"
                        "（プレビュー画面は崩れますが、印刷は正常にできます）")
      .arg(sizeName);
}

// Fronts and backs alternately: odd pages fronts, even pages the backs.
void PlanAlternating(SheetPlan& plan, QDate& startDay, int pages, const SheetRanges& r, const YearMonthPage& kind,
                     DateStep step, int stepBy) {
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    plan.sides.push_back(OnePageSide(FrontOrBackPrompt(front, i == 1), kind, startDay, front ? r.front : r.back));
    startDay = step(startDay, stepBy);
  }
}

// One page per side, all on the same range.
void PlanSingleSides(SheetPlan& plan, QDate& startDay, int pages, const PageRange& at, const YearMonthPage& kind,
                     DateStep step, int stepBy) {
  for (int i = 1; i <= pages; ++i) {
    plan.sides.push_back(OnePageSide({}, kind, startDay, at));
    startDay = step(startDay, stepBy);
  }
}

// Four pages to a sheet, two on each side, so that the cut pages run in
// order: right of the front, left of the back, right of the back, left of
// the front. unit is the steps one page shows.
void PlanFourToASheet(SheetPlan& plan, QDate& startDay, int sheets, const YearMonthPage& kind, DateStep step,
                      int unit) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm(), kFacingPages);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide front = SharedSide(sheet > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{});
    front.pages = {PlaceYearMonthPage(kind, step(startDay, 3 * unit), r.back),
                   PlaceYearMonthPage(kind, step(startDay, 0), r.rightHalf)};
    front.binderMarks = kFacingPages;
    PlannedSide back = SharedSide(SheetPrompt::PaperSet(1));
    back.pages = {PlaceYearMonthPage(kind, step(startDay, unit), r.back),
                  PlaceYearMonthPage(kind, step(startDay, 2 * unit), r.rightHalf)};
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(std::move(back));
    startDay = step(startDay, 4 * unit);
  }
}

// Two months on a landscape sheet folded in two, after a word on how to fold
// it; the second page ends at the landscape sheet's edge, whatever its width
// (the sheet is the A4 one the message names).
void PlanFolded(SheetPlan& plan, QDate& startDay, int sheets, const YearMonthPage& kind, const QString& sizeName) {
  if (sheets < 1) return;
  const PaperSettingsData& p = PaperSettings;
  plan.opening = SheetPrompt::Notice(FoldMessage(sizeName));
  plan.orientation = kLandscape;
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide side = SharedSide({});
    PlannedPage second = PlaceYearMonthPage(kind, MonthsLater(startDay, 1), {double(p.PageWidth + p.PageLeft), 0});
    second.toSheetEdge = true;
    side.pages = {PlaceYearMonthPage(kind, MonthsLater(startDay, 0), {double(p.PageLeft), double(p.PageWidth)}),
                  second};
    side.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(side));
    startDay = MonthsLater(startDay, 2);
  }
}

// Six months on two landscape sheets joined into one strip, after a word on
// how to join them.
void PlanSixMonthStrip(SheetPlan& plan, QDate& startDay, int sheets, const YearMonthPage& kind) {
  if (sheets < 1) return;
  const PaperSettingsData& p = PaperSettings;
  const SheetRanges r = MonthSheetRangesAcross(3.0 * p.PageWidth - 2.0 * p.PageLeft);
  plan.opening = SheetPrompt::Notice(QStringLiteral("手帳に折込んで使う６ヶ月連続の横長用紙を印刷します。\r\n"
                                                    "メンディングテープで貼りあわせて使います。"),
                                     platform::MsgIcon::Information);
  plan.orientation = kLandscape;
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide side = SharedSide(sheet > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{});
    for (int k = 0; k < 3; ++k) side.pages.push_back(PlaceYearMonthPage(kind, MonthsLater(startDay, k), r.strip[k]));
    side.pages.push_back(PlaceYearMonthPage({kStripEndLine}, QDate(), r.strip[2]));
    plan.sides.push_back(std::move(side));
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
void PlanSpreadsBackFirst(SheetPlan& plan, QDate& startDay, int pages, const SheetRanges& r, const YearMonthPage& left,
                          const YearMonthPage& right, LeftPageMessage message = SpreadLeftPageMessage) {
  for (int i = 1; i <= pages; ++i) {
    if (i % 2 == 1) {
      const SheetPrompt announce = SheetPrompt::Question(
          message(startDay, i == 1), i == 1 ? SheetPrompt::OnDecline::SkipSide : SheetPrompt::OnDecline::EndJob);
      plan.sides.push_back(OnePageSide(announce, left, startDay, r.back));
    } else {
      plan.sides.push_back(OnePageSide(SheetPrompt::PaperSet(0), right, startDay, r.front));
      startDay = MonthsLater(startDay, 1);
    }
  }
}

// A spread on each side of an A4 sheet: the front one month's spread, the
// back the next month's left page beside the right page of the month before.
void PlanSpreadsTwoASide(SheetPlan& plan, QDate& startDay, int pages, const YearMonthPage& left,
                         const YearMonthPage& right) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm(), kFacingPages);
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    PlannedSide side = SharedSide(FrontOrBackPrompt(front, i == 1));
    side.pages = {PlaceYearMonthPage(left, startDay, r.back),
                  PlaceYearMonthPage(right, front ? startDay : MonthsLater(startDay, -2), r.rightHalf)};
    if (front) side.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(side));
    startDay = MonthsLater(startDay, 1);
  }
}

// A spread on a pouch sheet: the right page of one month beside the left
// page of the next, 5 mm apart.
void PlanSpreadsPouch(SheetPlan& plan, QDate& startDay, int sheets, const YearMonthPage& left,
                      const YearMonthPage& right) {
  const SheetRanges r = MonthSheetRangesAcross(2.0 * PaperSettings.PageWidth + 5 - PaperSettings.PageLeft);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    PlannedSide side = SharedSide({});
    side.pages.push_back(PlaceYearMonthPage(right, startDay, r.front));
    startDay = MonthsLater(startDay, 1);
    side.pages.push_back(PlaceYearMonthPage(left, startDay, r.pouch));
    plan.sides.push_back(std::move(side));
  }
}

// A monthly list with its memo page on each side of an A4 sheet: the front
// this month's list beside next month's memo page, the back next month's
// list beside this month's memo page.
void PlanListsWithMemo(SheetPlan& plan, QDate& startDay, int sheets, const YearMonthPage& list,
                       const YearMonthPage& memo) {
  const SheetRanges r = MonthSheetRangesAcross(FacingPagesWidthMm(), kFacingPages);
  for (int sheet = 1; sheet <= sheets; ++sheet) {
    startDay = FirstDayOfMonth(startDay);
    PlannedSide front = SharedSide(sheet > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{});
    front.pages = {PlaceYearMonthPage(list, startDay, r.back),
                   PlaceYearMonthPage(memo, MonthsLater(startDay, 1), r.rightHalf)};
    front.binderMarks = kFacingPages;
    startDay = MonthsLater(startDay, 1);
    PlannedSide back = SharedSide(SheetPrompt::PaperSet(1));
    back.pages = {PlaceYearMonthPage(list, startDay, r.back),
                  PlaceYearMonthPage(memo, MonthsLater(startDay, -1), r.rightHalf)};
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(std::move(back));
    startDay = MonthsLater(startDay, 1);
  }
}

// Both halves of each month on the same range, one page after the other.
void PlanHalvesInTurn(SheetPlan& plan, QDate& startDay, int steps, const PageRange& at,
                      const YearMonthPage& firstHalf, const YearMonthPage& secondHalf) {
  for (int i = 1; i <= steps; ++i) {
    plan.sides.push_back(OnePageSide({}, firstHalf, startDay, at));
    plan.sides.push_back(OnePageSide({}, secondHalf, startDay, at));
    startDay = MonthsLater(startDay, 1);
  }
}

bool IsOwnCode(int code) {
  switch (code) {
    case DesignCodeOf(kDesignYearCalendar, 1): case DesignCodeOf(kDesignYearCalendar, 2):
    case DesignCodeOf(kDesignYearCalendar, 3): case DesignCodeOf(kDesignYearCalendar, 4):
    case DesignCodeOf(kDesignHalfYearGrid, 1):
    case DesignCodeOf(kDesignMonthRuled, 1): case DesignCodeOf(kDesignMonthRuled, 2):
    case DesignCodeOf(kDesignMonthRuled, 3): case DesignCodeOf(kDesignMonthRuled, 4):
    case DesignCodeOf(kDesignMonthRuled, 5): case DesignCodeOf(kDesignMonthRuledMemo, 1):
    case DesignCodeOf(kDesignMonthRuledSpread, 1): case DesignCodeOf(kDesignMonthRuledSpread, 2):
    case DesignCodeOf(kDesignMonthRuledSpread, 3): case DesignCodeOf(kDesignMonthRuledSpread, 4):
    case DesignCodeOf(kDesignMonthRuledSpread, 5): case DesignCodeOf(kDesignMonthRuledSpread, 6):
    case DesignCodeOf(kDesignMonthGrid, 1): case DesignCodeOf(kDesignMonthGrid, 2):
    case DesignCodeOf(kDesignMonthGrid, 3): case DesignCodeOf(kDesignMonthGrid, 4):
    case DesignCodeOf(kDesignMonthGrid, 5):
    case DesignCodeOf(kDesignMonthGridRightMargin, 1): case DesignCodeOf(kDesignMonthGridRightMargin, 2):
    case DesignCodeOf(kDesignMonthGridRightMargin, 3): case DesignCodeOf(kDesignMonthGridLeftMargin, 1):
    case DesignCodeOf(kDesignMonthGridLeftMargin, 2): case DesignCodeOf(kDesignMonthGridLeftMargin, 3):
    case DesignCodeOf(kDesignMonthGridWideWeekend, 1): case DesignCodeOf(kDesignMonthGridWideWeekend, 2):
    case DesignCodeOf(kDesignMonthGridWideWeekend, 3): case DesignCodeOf(kDesignMonthGridNarrowWeekend, 1):
    case DesignCodeOf(kDesignMonthGridNarrowWeekend, 2): case DesignCodeOf(kDesignMonthGridNarrowWeekend, 3):
    case DesignCodeOf(kDesignMonthGridLandscape, 1): case DesignCodeOf(kDesignMonthGridLandscape, 2):
    case DesignCodeOf(kDesignMonthGridLandscape, 3): case DesignCodeOf(kDesignMonthGridLandscape, 4):
    case DesignCodeOf(kDesignMonthGridTwoTier, 1): case DesignCodeOf(kDesignMonthGridTwoTier, 2):
    case DesignCodeOf(kDesignMonthGridTwoTier, 3): return true;
    default: return false;
  }
}

}  // namespace

SheetPlan PlanYearMonthDesign(int16_t code, int n, int twoN, QDate startDay) {
  SheetPlan plan;
  const auto grid = [](int gridMode) { return YearMonthPage{kMonthGridPage, gridMode}; };
  const YearMonthPage year{kYearPage};
  const YearMonthPage list{kMonthListPage, 0};
  if (code == DesignCodeOf(kDesignHalfYearGrid, 1)) {
    PlanSixMonthStrip(plan, startDay, n, grid(0));
    return plan;
  }
  if (code == DesignCodeOf(kDesignMonthGrid, 5) || code == DesignCodeOf(kDesignMonthRuled, 5)) {
    startDay = FirstDayOfMonth(startDay);
    if (code == DesignCodeOf(kDesignMonthGrid, 5))
      PlanFolded(plan, startDay, n, grid(0), QStringLiteral("A5ｻｲｽﾞ"));
    else PlanFolded(plan, startDay, n, list, QStringLiteral("B5ｻｲｽﾞ"));
    return plan;
  }

  const SheetRanges r(GetScaleWidth());
  if (code <= DesignCodeOf(kDesignYearCalendar, 4)) {
    switch (code) {
      case DesignCodeOf(kDesignYearCalendar, 1): PlanAlternating(plan, startDay, twoN, r, year, YearsLater, 1); break;
      case DesignCodeOf(kDesignYearCalendar, 2):
        PlanSingleSides(plan, startDay, n, r.front, year, YearsLater, 1); break;
      case DesignCodeOf(kDesignYearCalendar, 3): PlanSingleSides(plan, startDay, n, r.back, year, YearsLater, 1); break;
      case DesignCodeOf(kDesignYearCalendar, 4): PlanFourToASheet(plan, startDay, n, year, YearsLater, 1); break;
    }
    return plan;
  }

  if (code >= DesignCodeOf(kDesignMonthGridRightMargin, 1) && code <= DesignCodeOf(kDesignMonthGridNarrowWeekend, 3)) {
    // The spread designs 6 to 9 take the grid modes 1/2, 3/4, 5/6 and 7/8.
    const int spreadBase = (DesignOfCode(code) - kDesignMonthGridRightMargin) * 2;
    const YearMonthPage left = grid(spreadBase + 1), right = grid(spreadBase + 2);
    switch (LayoutOfCode(code)) {
      case 1:
        startDay = FirstDayOfMonth(startDay);
        PlanSpreadsBackFirst(plan, startDay, twoN, r, left, right);
        break;
      case 2:
        startDay = FirstDayOfMonth(startDay);
        PlanSpreadsTwoASide(plan, startDay, twoN, left, right);
        break;
      case 3:
        // The first pouch sheet opens with the month before the chosen one.
        startDay = FirstDayOfPrevMonth(startDay);
        PlanSpreadsPouch(plan, startDay, n, left, right);
        break;
    }
    return plan;
  }

  if (code >= DesignCodeOf(kDesignMonthRuled, 1) && code <= DesignCodeOf(kDesignMonthRuledSpread, 6)) {
    // The one-month spread: days 1 to 16 on its left page, the 17th to the
    // month's end on its right page.
    const YearMonthPage firstHalf{kMonthListPage, 1}, secondHalf{kMonthListPage, 2};
    const YearMonthPage memo{kMonthMemoPage};
    switch (code) {
      case DesignCodeOf(kDesignMonthRuled, 1): PlanAlternating(plan, startDay, twoN, r, list, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuled, 2): PlanFourToASheet(plan, startDay, n, list, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuled, 3): PlanSingleSides(plan, startDay, n, r.front, list, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuled, 4): PlanSingleSides(plan, startDay, n, r.back, list, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuledMemo, 1): PlanListsWithMemo(plan, startDay, n, list, memo); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 1):
        PlanSpreadsBackFirst(plan, startDay, twoN, r, firstHalf, secondHalf, HalfMonthLeftPageMessage); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 2):
        PlanSpreadsTwoASide(plan, startDay, twoN, firstHalf, secondHalf); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 3):
        PlanSingleSides(plan, startDay, n, r.front, firstHalf, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 4):
        PlanSingleSides(plan, startDay, n, r.back, secondHalf, MonthsLater, 1); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 5):
        PlanHalvesInTurn(plan, startDay, n, r.front, firstHalf, secondHalf); break;
      case DesignCodeOf(kDesignMonthRuledSpread, 6):
        PlanHalvesInTurn(plan, startDay, n, r.back, firstHalf, secondHalf); break;
    }
    return plan;
  }

  const YearMonthPage sixWeeks{kSixWeekPage};
  startDay = FirstDayOfMonth(startDay);
  switch (code) {
    case DesignCodeOf(kDesignMonthGridLandscape, 1):
      PlanAlternating(plan, startDay, twoN, r, sixWeeks, MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGridLandscape, 2):
      PlanFourToASheet(plan, startDay, n, sixWeeks, MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGridLandscape, 3):
      PlanSingleSides(plan, startDay, n, r.front, sixWeeks, MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGridLandscape, 4):
      PlanSingleSides(plan, startDay, n, r.back, sixWeeks, MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGrid, 1): PlanAlternating(plan, startDay, twoN, r, grid(0), MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGrid, 2): PlanFourToASheet(plan, startDay, n, grid(0), MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGrid, 3): PlanSingleSides(plan, startDay, n, r.front, grid(0), MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGrid, 4): PlanSingleSides(plan, startDay, n, r.back, grid(0), MonthsLater, 1); break;
    case DesignCodeOf(kDesignMonthGridTwoTier, 1):
      PlanAlternating(plan, startDay, twoN, r, grid(21), MonthsLater, 2); break;
    case DesignCodeOf(kDesignMonthGridTwoTier, 2): PlanFourToASheet(plan, startDay, n, grid(21), MonthsLater, 2); break;
    case DesignCodeOf(kDesignMonthGridTwoTier, 3):
      PlanSingleSides(plan, startDay, n, r.front, grid(21), MonthsLater, 2); break;
  }
  return plan;
}

int PrintYearMonthDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  if (!IsOwnCode(designCode)) return 0;
  const SchedulePrintControls controls = source.PrintControls();
  const int n = PagesOfSheetCount(controls.Txt_maisu, 1);
  const int twoN = PagesOfSheetCount(controls.Txt_maisu, 2);
  const SheetPlan plan = PlanYearMonthDesign(designCode, n, twoN, startDay);
  RunSheetPlan(plan, [&source](const PlannedPage& page) {
    switch (page.renderer) {
      case kYearPage: DrawYearCalendar(source, page.date, page.x1, page.x2); break;
      case kMonthGridPage: DrawMonthGridPage(source, page.item, page.date, page.x1, page.x2); break;
      case kMonthListPage: {
        const QDate first = FirstDayOfMonth(page.date);
        DrawMonthListPage(source, page.item, page.item == 2 ? first.addDays(16) : first, page.x1, page.x2);
        break;
      }
      case kMonthMemoPage: DrawDayRowsOrMemoPage(source, 4, page.date, page.x1, page.x2); break;
      case kSixWeekPage: DrawSixWeekCalendar(source, 0, page.date, page.x1, page.x2); break;
      case kStripEndLine:
        DrawStyledLine(1, 0, PaperSettings.PageHeight, page.x2, PaperSettings.PageHeight, PaperSettings.LineColor);
        break;
    }
  });
  return 1;
}
