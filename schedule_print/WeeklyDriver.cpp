// The print driver of the weekly designs: how many pages a job has, which
// week goes where on which side of the sheet, and the messages and paper
// prompts between the sides.
#include "DayRowsPage.h"
#include "ScheduleDrivers.h"
#include "SheetCount.h"
#include "WeekRuledPage.h"
#include "WeekTimeAxisPage.h"
#include "schedule/DesignCatalog.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
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

// The pages of the weekly designs; a planned page's item is the renderer's
// kind (or mode) and its date the page's first day.
enum WeeklyRenderer : int16_t { kWeeklyRuled, kWeeklyMemo, kWeeklyTimeAxis };

// A renderer with its kind (or mode) and the page's first day relative to
// the running week start.
struct WeekPage {
  int16_t renderer;
  int kind;
  int offset;
  PlannedPage at(const QDate& d, const Range& range) const {
    return {renderer, d.addDays(offset), kind, range.x1, range.x2};
  }
};

WeekPage Ruled(int kind, int offset = 0) { return {kWeeklyRuled, kind, offset}; }
WeekPage MemoPage(int mode, int offset = 0) { return {kWeeklyMemo, mode, offset}; }
WeekPage TimeAxis(int kind, int offset = 0) { return {kWeeklyTimeAxis, kind, offset}; }

void DrawWeeklyPage(SchedulePrintSource& source, const PlannedPage& page) {
  switch (page.renderer) {
    case kWeeklyRuled: DrawWeekRuledPage(source, page.item, page.date, page.x1, page.x2); break;
    case kWeeklyMemo: DrawDayRowsOrMemoPage(source, page.item, page.date, page.x1, page.x2); break;
    case kWeeklyTimeAxis: DrawWeekTimeAxisPage(source, page.item, page.date, page.x1, page.x2); break;
  }
}

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

// A message before a spread's page, answered before the page begins so that
// a declined one never leaves an empty page in the job: the first message
// only leaves its own page out; a later one ends the job.
SheetPrompt SpreadPagePrompt(int i, const QString& first, const QString& later) {
  return i == 1 ? SheetPrompt::Question(first, SheetPrompt::OnDecline::SkipSide)
                : SheetPrompt::Question(later, SheetPrompt::OnDecline::EndJob);
}

// Fronts and backs in turn, one week a page.
void PlanWeeksAlternating(SheetPlan& plan, QDate d, int pages, const Ranges& r, const WeekPage& page) {
  for (int i = 1; i <= pages; ++i) {
    const bool front = i % 2 == 1;
    const SheetPrompt prompt =
        front ? (i > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{}) : SheetPrompt::PaperSet(1);
    plan.sides.push_back(PlanSide(prompt, {page.at(d, front ? r.front : r.back)}));
    d = d.addDays(7);
  }
}

// One page a sheet on one side; promptSide -1 asks nothing between sheets.
void PlanWeeksOneSide(SheetPlan& plan, QDate d, int sheets, const Range& at, const WeekPage& page,
                      int promptSide = -1) {
  for (int i = 1; i <= sheets; ++i) {
    const SheetPrompt prompt = i > 1 && promptSide >= 0 ? SheetPrompt::PaperSet(int16_t(promptSide)) : SheetPrompt{};
    plan.sides.push_back(PlanSide(prompt, {page.at(d, at)}));
    d = d.addDays(7);
  }
}

// Two organiser pages on each side of an A4 sheet.
struct TwoASide {
  WeekPage frontLeft, frontRight, backLeft, backRight;
  int step;
  bool outlineOff;
};

void PlanWeeksTwoASide(SheetPlan& plan, QDate d, int sheets, const Ranges& r, const TwoASide& l) {
  const int16_t outline = l.outlineOff ? 0 : 1;
  for (int i = 1; i <= sheets; ++i) {
    PlannedSide front = PlanSide(i > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                   {l.frontLeft.at(d, r.back), l.frontRight.at(d, r.rightHalf)}, outline);
    front.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(
        PlanSide(SheetPrompt::PaperSet(1), {l.backLeft.at(d, r.back), l.backRight.at(d, r.rightHalf)}, outline));
    d = d.addDays(l.step);
  }
}

// A spread whose left page goes on the back of one leaf and whose right page
// on the front of the next, each announced.
void PlanSpreadsAnnounced(SheetPlan& plan, QDate d, int pages, const Ranges& r, const WeekPage& left,
                          const WeekPage& right, const QString& rightMessage) {
  for (int i = 1; i <= pages; ++i) {
    if (i % 2 == 1) {
      plan.sides.push_back(PlanSide(SpreadPagePrompt(i, kFirstLeft, kNextLeft), {left.at(d, r.back)}));
    } else {
      plan.sides.push_back(PlanSide(SpreadPagePrompt(i, rightMessage, rightMessage), {right.at(d, r.front)}));
      d = d.addDays(7);
    }
  }
}

// Both pages of each spread on the same side of the paper, each announced; a
// declined message ends the job.
void PlanSpreadsOneSide(SheetPlan& plan, QDate d, int pages, const Range& at, const WeekPage& left,
                        const WeekPage& right) {
  for (int i = 1; i <= pages; ++i) {
    const bool leftPage = i % 2 == 1;
    const SheetPrompt prompt =
        SheetPrompt::Question(leftPage ? kShortLeft : kShortRight, SheetPrompt::OnDecline::EndJob);
    plan.sides.push_back(PlanSide(prompt, {(leftPage ? left : right).at(d, at)}));
    if (!leftPage) d = d.addDays(7);
  }
}

// Three weeks side by side on each side, 2 mm apart; the back's group is
// set from the right so that it ends PageLeft short of the usable width.
void PlanThreeWeeks(SheetPlan& plan, QDate d, int sheets, const Ranges& r) {
  const double pl = r.pageLeft, pw = r.pageWidth, w = r.w;
  const double x0 = RoundHalfEven(r.scaleWidth - (3 * w + pl + 4));
  const Range fronts[3] = {{pl, pw}, {pw + 2, 2 * pw - pl + 2}, {2 * pw - pl + 4, 3 * pw - 2 * pl + 4}};
  const Range backs[3] = {{x0, x0 + w}, {x0 + w + 2, x0 + 2 * w + 2}, {x0 + 2 * w + 4, x0 + 3 * w + 4}};
  const WeekPage week = Ruled(0);
  for (int i = 1; i <= sheets; ++i) {
    for (const Range* side : {fronts, backs}) {
      SheetPrompt prompt;
      if (side == backs) prompt = SheetPrompt::PaperSet(1);
      else if (i > 1) prompt = SheetPrompt::PaperSet(0);
      PlannedSide planned = PlanSide(prompt, {}, 0);
      for (int k = 0; k < 3; ++k) {
        planned.pages.push_back(week.at(d, side[k]));
        d = d.addDays(7);
      }
      plan.sides.push_back(std::move(planned));
    }
  }
}

// Every front first, then the stack turned once and every back; the order is
// told first (and the turn asked even for no sheets).
void PlanWeeksFrontsThenBacks(SheetPlan& plan, QDate d, int sheets, const Ranges& r) {
  plan.opening = SheetPrompt::Question(kFrontsThenBacks, SheetPrompt::OnDecline::EndJob);
  plan.opening.icon = platform::MsgIcon::None;
  const WeekPage week = Ruled(0);
  for (int i = 0; i < sheets; ++i) plan.sides.push_back(PlanSide({}, {week.at(d.addDays(14 * i), r.front)}));
  if (sheets < 1) {
    PlannedSide turn = PlanSide(SheetPrompt::PaperSet(1), {});
    turn.askOnly = true;
    plan.sides.push_back(std::move(turn));
  }
  for (int i = 0; i < sheets; ++i)
    plan.sides.push_back(PlanSide(i == 0 ? SheetPrompt::PaperSet(1) : SheetPrompt{},
                                    {week.at(d.addDays(7 + 14 * i), r.back)}));
}

// Two weeks side by side on one side of the sheet.
void PlanTwoWeeksBeside(SheetPlan& plan, QDate d, int sheets, const Ranges& r) {
  const WeekPage week = Ruled(0);
  for (int i = 1; i <= sheets; ++i) {
    plan.sides.push_back(PlanSide({}, {week.at(d, r.back), week.at(d.addDays(7), r.beside)}));
    d = d.addDays(14);
  }
}

// The memo page of a week on a front, and on the sheet's back the week page
// of the following week, which faces the next sheet's memo page in the
// binder. Between the two pages of a sheet the user turns it over; before a
// later sheet a new one goes in.
void PlanMemoWeeks(SheetPlan& plan, QDate d, int sheets, const Ranges& r) {
  for (int i = 1; i <= sheets; ++i) {
    plan.sides.push_back(
        PlanSide(i > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{}, {MemoPage(0).at(d, r.front)}));
    d = d.addDays(7);
    plan.sides.push_back(PlanSide(SheetPrompt::PaperSet(1), {Ruled(6).at(d, r.back)}));
  }
}

// A whole 見開 spread on one side, the right page beside the left one.
void PlanSpreadsBeside(SheetPlan& plan, QDate d, int sheets, const Ranges& r) {
  for (int i = 1; i <= sheets; ++i) {
    plan.sides.push_back(PlanSide(i > 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{},
                                    {TimeAxis(1).at(d, r.front), TimeAxis(2, 4).at(d, r.beside)}, 0));
    d = d.addDays(7);
  }
}

// The 見開土日狭 spread the other way round: the right page on a front, then
// the next week's left page on its back. Declining the first message leaves
// that page out and keeps the week, so the left page still follows it: the
// later pages then move back the week the right page would have shown.
void PlanSpreadsRightFirst(SheetPlan& plan, QDate d, int pages, const Ranges& r) {
  for (int i = 1; i <= pages; ++i) {
    if (i % 2 == 1) {
      const SheetPrompt prompt = i == 1 ? SheetPrompt::Question(kFirstRight, SheetPrompt::OnDecline::SkipSide, 7)
                                        : SheetPrompt::Question(kNextRight, SheetPrompt::OnDecline::EndJob);
      plan.sides.push_back(PlanSide(prompt, {TimeAxis(8, 4).at(d, r.front)}));
      d = d.addDays(7);
    } else {
      plan.sides.push_back(
          PlanSide(SheetPrompt::Question(kNextLeft, SheetPrompt::OnDecline::EndJob), {TimeAxis(7).at(d, r.back)}));
    }
  }
}

// What a design lays out across one side when it sets pages side by side
// (see the layouts above), and the binder marks of its two-a-side sheets;
// no width for one page a side.
struct WeeklySide {
  double widthMm = 0;
  int16_t binderMarks = kNoBinderMarks;
};
WeeklySide WeeklySideLayout(int code) {
  const double pl = PaperSettings.PageLeft, pw = PaperSettings.PageWidth;
  switch (code) {
    case DesignCodeOf(kDesignWeekRuled, 2): case DesignCodeOf(kDesignWeekRuledMemo, 2):
    case DesignCodeOf(kDesignWeekRuledMemo, 3): case DesignCodeOf(kDesignWeekRuledWeekendRow, 2):
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 2): case DesignCodeOf(kDesignWeekRuledSpread, 2):
    case DesignCodeOf(kDesignWeekHours, 2): case DesignCodeOf(kDesignWeekHoursMargin, 2):
    case DesignCodeOf(kDesignWeekHoursThreeColumns, 2):
      return {FacingPagesWidthMm(), kFacingPages};                         // back and right half
    case DesignCodeOf(kDesignWeekRuled, 5): return {3 * pw - 2 * pl + 4};  // three weeks, 2 mm apart
    case DesignCodeOf(kDesignWeekRuled, 7):
    case DesignCodeOf(kDesignWeekHours, 3): return {TwoPagesAcrossWidthMm(0)};  // a page beside the first
    default: return {};
  }
}

// The width and marks go first: the PDF printer's paper follows them and
// the right half is measured on that paper.
void StateWeeklySide(int code) {
  const WeeklySide side = WeeklySideLayout(code);
  if (side.widthMm > 0) SetLaidOutSideWidthMm(side.widthMm, side.binderMarks);
}

bool IsWeeklyCode(int code) {
  switch (code) {
    case DesignCodeOf(kDesignWeekRuled, 1): case DesignCodeOf(kDesignWeekRuled, 2):
    case DesignCodeOf(kDesignWeekRuled, 3): case DesignCodeOf(kDesignWeekRuled, 4):
    case DesignCodeOf(kDesignWeekRuled, 5): case DesignCodeOf(kDesignWeekRuled, 6):
    case DesignCodeOf(kDesignWeekRuled, 7): case DesignCodeOf(kDesignWeekRuledMemo, 1):
    case DesignCodeOf(kDesignWeekRuledMemo, 2): case DesignCodeOf(kDesignWeekRuledMemo, 3):
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 1): case DesignCodeOf(kDesignWeekRuledWeekendRow, 2):
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 3): case DesignCodeOf(kDesignWeekRuledWeekendRow, 4):
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 1): case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 2):
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 3): case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 4):
    case DesignCodeOf(kDesignWeekRuledSpread, 1): case DesignCodeOf(kDesignWeekRuledSpread, 2):
    case DesignCodeOf(kDesignWeekRuledSpread, 3): case DesignCodeOf(kDesignWeekRuledSpread, 4):
    case DesignCodeOf(kDesignWeekHours, 1): case DesignCodeOf(kDesignWeekHours, 2):
    case DesignCodeOf(kDesignWeekHours, 3): case DesignCodeOf(kDesignWeekHoursMargin, 1):
    case DesignCodeOf(kDesignWeekHoursMargin, 2):
    case DesignCodeOf(kDesignWeekHoursThreeColumns, 1): case DesignCodeOf(kDesignWeekHoursThreeColumns, 2):
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 1): case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 2):
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 3): case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 4):
      return true;
    default: return false;
  }
}

SheetPlan PlanWeeklyDesignOn(int code, int n, int twoN, QDate d, const Ranges& r) {
  SheetPlan plan;
  switch (code) {
    case DesignCodeOf(kDesignWeekRuled, 1): PlanWeeksAlternating(plan, d, twoN, r, Ruled(0)); break;
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 1): PlanWeeksAlternating(plan, d, twoN, r, Ruled(5)); break;
    case DesignCodeOf(kDesignWeekRuled, 3): PlanWeeksOneSide(plan, d, n, r.front, Ruled(0)); break;
    case DesignCodeOf(kDesignWeekRuled, 4): PlanWeeksOneSide(plan, d, n, r.back, Ruled(0)); break;
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 3): PlanWeeksOneSide(plan, d, n, r.front, Ruled(5)); break;
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 4): PlanWeeksOneSide(plan, d, n, r.back, Ruled(5)); break;
    case DesignCodeOf(kDesignWeekRuled, 2):
      PlanWeeksTwoASide(plan, d, n, r, {Ruled(0, 21), Ruled(0), Ruled(0, 7), Ruled(0, 14), 28, true}); break;
    case DesignCodeOf(kDesignWeekRuledMemo, 2):
      PlanWeeksTwoASide(plan, d, n, r, {Ruled(6), MemoPage(0), Ruled(6, 7), MemoPage(0, -7), 14, true}); break;
    case DesignCodeOf(kDesignWeekRuledMemo, 3):
      PlanWeeksTwoASide(plan, d, n, r, {MemoPage(6), Ruled(0), MemoPage(6, 7), Ruled(0, 7), 14, true}); break;
    case DesignCodeOf(kDesignWeekRuledWeekendRow, 2):
      PlanWeeksTwoASide(plan, d, n, r, {Ruled(5, 21), Ruled(5), Ruled(5, 7), Ruled(5, 14), 28, true}); break;
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 2):
      PlanWeeksTwoASide(plan, d, n, r, {Ruled(3, 7), Ruled(4, -4), Ruled(3), Ruled(4, 3), 14, false}); break;
    case DesignCodeOf(kDesignWeekRuledSpread, 2):
      PlanWeeksTwoASide(plan, d, n, r, {Ruled(1, 7), Ruled(2, -3), Ruled(1), Ruled(2, 4), 14, false}); break;
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 1):
      PlanSpreadsAnnounced(plan, d, twoN, r, Ruled(3), Ruled(4, 3), kNextRight); break;
    case DesignCodeOf(kDesignWeekRuledSpread, 1):
      PlanSpreadsAnnounced(plan, d, twoN, r, Ruled(1), Ruled(2, 4), kShortRight); break;
    case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 3): case DesignCodeOf(kDesignWeekRuledSpreadWeekendRow, 4):
    case DesignCodeOf(kDesignWeekRuledSpread, 3): case DesignCodeOf(kDesignWeekRuledSpread, 4): {
      const bool design15 = DesignOfCode(code) == kDesignWeekRuledSpreadWeekendRow;
      const Range& at = LayoutOfCode(code) == 3 ? r.front : r.back;
      PlanSpreadsOneSide(plan, d, twoN, at, Ruled(design15 ? 3 : 1), Ruled(design15 ? 4 : 2, design15 ? 3 : 4));
      break;
    }
    case DesignCodeOf(kDesignWeekRuled, 5): PlanThreeWeeks(plan, d, n, r); break;
    case DesignCodeOf(kDesignWeekRuled, 6): PlanWeeksFrontsThenBacks(plan, d, n, r); break;
    case DesignCodeOf(kDesignWeekRuled, 7): PlanTwoWeeksBeside(plan, d, n, r); break;
    case DesignCodeOf(kDesignWeekRuledMemo, 1): PlanMemoWeeks(plan, d, n, r); break;
    case DesignCodeOf(kDesignWeekHours, 1): case DesignCodeOf(kDesignWeekHoursMargin, 1): {
      const int left = (DesignOfCode(code) - kDesignWeekHours) * 2 + 1;
      PlanSpreadsAnnounced(plan, d, twoN, r, TimeAxis(left), TimeAxis(left + 1, 4), kShortRight);
      break;
    }
    case DesignCodeOf(kDesignWeekHours, 2): case DesignCodeOf(kDesignWeekHoursMargin, 2): {
      const int left = (DesignOfCode(code) - kDesignWeekHours) * 2 + 1;
      PlanWeeksTwoASide(plan, d, n, r,
                    {TimeAxis(left, 7), TimeAxis(left + 1, -3), TimeAxis(left), TimeAxis(left + 1, 4), 14, false});
      break;
    }
    case DesignCodeOf(kDesignWeekHours, 3): PlanSpreadsBeside(plan, d, n, r); break;
    case DesignCodeOf(kDesignWeekHoursThreeColumns, 1):
      PlanSpreadsAnnounced(plan, d, twoN, r, TimeAxis(5), TimeAxis(6, 3), kNextRight); break;
    case DesignCodeOf(kDesignWeekHoursThreeColumns, 2):
      PlanWeeksTwoASide(plan, d, n, r, {TimeAxis(5, 7), TimeAxis(6, -4), TimeAxis(5), TimeAxis(6, 3), 14, false});
      break;
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 1):
      PlanSpreadsAnnounced(plan, d, twoN, r, TimeAxis(7), TimeAxis(8, 4), kNextRight); break;
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 2): PlanSpreadsRightFirst(plan, d, twoN, r); break;
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 3):
      PlanWeeksOneSide(plan, d, n, r.front, TimeAxis(8, 4), 0); break;
    case DesignCodeOf(kDesignWeekHoursNarrowWeekend, 4): PlanWeeksOneSide(plan, d, n, r.back, TimeAxis(7), 0); break;
  }
  return plan;
}

}  // namespace

int PrintWeeklyDesigns(SchedulePrintSource& source, int16_t& designCode, QDate& startDay) {
  const int code = designCode;
  if (!IsWeeklyCode(code)) return 0;
  StateWeeklySide(code);
  const Ranges r;
  const QString count = source.PrintControls().Txt_maisu;
  const SheetPlan plan = PlanWeeklyDesignOn(code, PagesOfSheetCount(count, 1), PagesOfSheetCount(count, 2), startDay, r);
  RunSheetPlan(plan, [&source](const PlannedPage& page) { DrawWeeklyPage(source, page); });
  return 1;
}

SheetPlan PlanWeeklyDesign(int16_t designCode, int n, int twoN, QDate startDay) {
  StateWeeklySide(designCode);
  return PlanWeeklyDesignOn(designCode, n, twoN, startDay, Ranges());
}
