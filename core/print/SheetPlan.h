#pragma once
// A print job laid out before it is drawn: the sheet sides in order, what the
// user is asked before each, and which organiser pages lie where on it. The
// drivers only work out the plan from the design and the count; RunSheetPlan
// is the one place that opens pages, asks the paper prompts, draws the binder
// marks and hands each finished side on, so every job follows the same order.
#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "SurfaceState.h"
#include "core/platform/MessageBox.h"

// What the user is asked before a side begins.
struct SheetPrompt {
  enum class Kind : int8_t {
    None,      // nothing: the side simply follows
    PaperSet,  // the paper prompt of a side (ConfirmPaperSet)
    Message,   // a message of the job's own
  };
  // What declining a message means.
  enum class OnDecline : int8_t {
    EndJob,    // no further side is drawn
    SkipSide,  // this side is left out and the job goes on
  };
  Kind kind = Kind::None;
  int16_t paperSide = 0;  // PaperSet: 0 new sheet's front, 1 the back, 2 next single sheet
  QString text;           // Message
  platform::MsgButtons buttons = platform::MsgButtons::Ok;
  platform::MsgIcon icon = platform::MsgIcon::None;
  OnDecline onDecline = OnDecline::EndJob;
  // SkipSide: the days the left-out side stood for. The later pages then
  // show what they would have, had the side never been planned: their dates
  // move back by as many days (a spread whose first page the user declines
  // starts its weeks there instead).
  int16_t skippedDays = 0;

  static SheetPrompt PaperSet(int16_t side);
  static SheetPrompt Question(const QString& text, OnDecline onDecline, int16_t skippedDays = 0);
  // A notice with only an OK button: it never stops the job.
  static SheetPrompt Notice(const QString& text, platform::MsgIcon icon = platform::MsgIcon::None);

  bool operator==(const SheetPrompt&) const = default;
};

// What a page of a data-driven job (to-do list, memo, table) means when its
// renderer reports that the data ended on it.
enum class DataEnd : int8_t {
  Ignored,          // nothing: the later pages are drawn (blank) all the same
  EndsJob,          // the side's later pages are left out; the job ends with the side
  EndsWithSide,     // the side's later pages are drawn all the same; the job ends with the side
  EndsAfterNextSide,  // the job ends after the next side (whose pages come before it)
};

// One organiser page on a side: which of the job's renderers draws it, the
// date or item it shows and its left and right x on the sheet (mm).
struct PlannedPage {
  int16_t renderer = 0;
  QDate date;
  int item = 0;
  double x1 = 0, x2 = 0;
  // The page ends at the right edge of the sheet as it lies when the job
  // starts (x2 is then measured by the runner, after the sheet is turned).
  bool toSheetEdge = false;
  DataEnd onDataEnd = DataEnd::Ignored;

  bool operator==(const PlannedPage&) const = default;
};

// Value of binderMarks for a side without them.
constexpr int16_t kNoBinderMarks = -1;

struct PlannedSide {
  SheetPrompt prompt;
  int16_t binderMarks = kNoBinderMarks;  // a BinderLayout drawn after the pages
  int16_t previewOutline = 1;            // the job's previewOutlineKind on the side
  std::vector<PlannedPage> pages;
  // Only the prompt is asked; no page follows (a job of no sheets that
  // still asks to turn the paper before its backs).
  bool askOnly = false;
  // False: the side's output is not handed on when it is drawn (a run of
  // sides finished together by the last one).
  bool finishes = true;

  bool operator==(const PlannedSide&) const = default;
};

// A side of the given prompt, pages and preview guide (1: the one-page guide,
// 0: none, for sides of several pages).
PlannedSide PlanSide(SheetPrompt prompt, std::vector<PlannedPage> pages, int16_t previewOutline = 1);

struct SheetPlan {
  // A word to the user before anything is printed (while the sheet still
  // lies as the job found it), then the orientation the sheet is turned to:
  // 0 leaves it, else a SheetOrientation.
  SheetPrompt opening;
  int16_t orientation = 0;
  std::vector<PlannedSide> sides;

  bool operator==(const SheetPlan&) const = default;
};

// Draws one planned page.
using PlannedPageDrawer = std::function<void(const PlannedPage&)>;
// Draws one planned page of a data-driven job; true when the data ended on it.
using DataPageDrawer = std::function<bool(const PlannedPage&)>;

// Runs the plan (nothing at all when it has no side): the opening word and
// the turn of the sheet, then for each side its prompt (before the page begins), the page,
// its organiser pages, its binder marks and the finished output. Returns
// false when the user stopped the job at a prompt.
bool RunSheetPlan(const SheetPlan& plan, const PlannedPageDrawer& draw);
// How a data-driven job ended.
enum class SheetPlanOutcome : int8_t {
  Declined,   // the user stopped it at a prompt
  DataEnded,  // a page said the data ended (see DataEnd)
  PlanDone,   // every side was drawn and the data still goes on
};
// The same for a data-driven job, which also ends where its pages say.
SheetPlanOutcome RunSheetPlan(const SheetPlan& plan, const DataPageDrawer& draw);
// Told once after a data-driven job whose plan ran out with its data still
// going on (PlanDone): the limit of pages or sheets a job prints, and the
// last item printed, in the job's own words.
QString PageLimitMessage(int limit, const QString& lastPrinted);

// The layouts the list jobs (to-do, memo) share. Page numbers are the plan's
// items, a page's renderer 0; every page but those said otherwise ends the
// job when the list ends on it, and a list that goes on past the last sheet
// is still asked for the next one.
struct PageSpan {
  double x1 = 0, x2 = 0;
};
// Page number page of a list job (renderer 0) at a range.
PlannedPage ListPage(int page, PageSpan at, DataEnd onEnd = DataEnd::EndsJob);
// An organiser page of the current size at the left edge: on a front (the
// binding margin PageLeft at the left) and on a back (no margin).
PageSpan FrontPageSpan();
PageSpan BackPageSpan();
// The second page on the front of a sheet folded in two, 2 mm past the first.
PageSpan FoldedSecondPageSpan();
// Page k (1 to 4) of a four-fold sheet.
PageSpan FourFoldPageSpan(int k);
// One page a side, from page first in steps up to limit: at gives each
// page's range, paperSideAfter the paper prompt after it.
SheetPlan PlanListPageASide(int first, int step, int limit, const std::function<PageSpan(int page)>& at,
                            const std::function<int16_t(int page)>& paperSideAfter);
// Four pages to an A4 sheet printed on both sides: p on the right of the
// front beside p + 3, p + 1 on the back beside p + 2, so the folded sheet
// reads in order; the list ending on p + 3 still lets the back follow.
// Sheets after the one of page 1 are asked for.
SheetPlan PlanListFourToADoubleSidedSheet(int first, int limit, PageSpan right, PageSpan left);
// perSheet pages on the front of each sheet, placed by at(page, k) for k 1
// to perSheet; only the last page's end stops the job.
SheetPlan PlanListPagesPerSheet(int perSheet, int limit, const std::function<PageSpan(int k)>& at,
                                int16_t binderMarks);

// pageCount numbered pages (items 1 on), one to each sheet's front, with the
// given paper prompt between them.
SheetPlan PlanNumberedFronts(int pageCount, int16_t paperSideBetween);
