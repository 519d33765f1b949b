#include "TablePrinting.h"

#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

// The one-page-per-sheet modes: the range of page i and the prompt after
// it; false for the other modes.
bool TableOnePagePlacement(int code, int i, double width, PageSpan& span, int16_t& side) {
  const bool odd = i % 2 == 1;
  const double left = PaperSettings.PageLeft;
  switch (code) {
    case 0: span = odd ? FrontPageSpan() : BackPageSpan(); side = odd ? 1 : 0; return true;
    case 1: span = odd ? BackPageSpan() : FrontPageSpan(); side = odd ? 0 : 1; return true;
    case 2: span = FrontPageSpan(); side = 2; return true;
    case 3: span = BackPageSpan(); side = 2; return true;
    case 5: span = {left, width - 1}; side = 0; return true;
    case 6:
      span = odd ? PageSpan{left, width - 1} : PageSpan{1, width - left};
      side = odd ? 1 : 0;
      return true;
    default: return false;
  }
}

}  // namespace

int TableSideCode(int16_t superOrganiserMode, int16_t side) { return superOrganiserMode * 10000 + side; }

QString TableUnsupportedSideMessage(const QString& templateName, const QString& side) {
  return QStringLiteral("「") + templateName + QStringLiteral("」の「") + side + QStringLiteral("」は未対応です。");
}

QString PageLimitMessage(const QString& lastPrinted) { return PageLimitMessage(kTableMaxPasses, lastPrinted); }

namespace {

}  // namespace

// No prompt is asked after the last pass allowed.
SheetPlan PlanTablePasses(int code) {
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  if (code == kTableSideA4Both) SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
  if (code == kTableSideFolded) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  const double width = GetScaleWidth();
  SheetPlan plan;
  PageSpan span;
  int16_t side = 0;
  if (TableOnePagePlacement(code, 1, width, span, side)) {
    SheetPrompt before;
    for (int i = 1; i <= kTableMaxPasses; ++i) {
      TableOnePagePlacement(code, i, width, span, side);
      plan.sides.push_back(PlanSide(before, {ListPage(i, span, DataEnd::EndsJob)}));
      before = SheetPrompt::PaperSet(side);
    }
    return plan;
  }
  if (code == kTableSideA4Both) {
    // Every page of a sheet is drawn; the lines ending on any ends the job
    // after the sheet's back.
    const PageSpan right{RoundHalfEven(width - PaperSettings.PageWidth + PaperSettings.PageLeft - 0.4),
                         RoundHalfEven(width - 0.4)};
    const PageSpan back = BackPageSpan();
    for (int s = 1; s <= kTableMaxPasses; ++s) {
      PlannedSide front = PlanSide(s > 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                    {ListPage(4 * s, back, DataEnd::EndsAfterNextSide),
                                     ListPage(4 * s - 3, right, DataEnd::EndsAfterNextSide)});
      front.binderMarks = kFacingPages;
      plan.sides.push_back(std::move(front));
      plan.sides.push_back(PlanSide(SheetPrompt::PaperSet(1), {ListPage(4 * s - 2, back, DataEnd::EndsWithSide),
                                                                ListPage(4 * s - 1, right, DataEnd::EndsWithSide)}));
    }
    return plan;
  }
  if (code == kTableSideFolded || code == kTableSideFourFold) {
    // Several pages on the front; only the last one's end counts.
    const int perSheet = code == kTableSideFolded ? 2 : 4;
    for (int i = 1; i + perSheet - 1 <= kTableMaxPasses || i == 1; i += perSheet) {
      PlannedSide sheet = PlanSide(i > 1 ? SheetPrompt::PaperSet(code == kTableSideFolded ? 0 : 2) : SheetPrompt{}, {}, 0);
      for (int k = 1; k <= perSheet; ++k) {
        const PageSpan at = code == kTableSideFolded ? (k == 1 ? FrontPageSpan() : FoldedSecondPageSpan())
                                                     : FourFoldPageSpan(k);
        sheet.pages.push_back(ListPage(i + k - 1, at, k == perSheet ? DataEnd::EndsJob : DataEnd::Ignored));
      }
      if (code == kTableSideFolded) sheet.binderMarks = kSideBySidePages;
      plan.sides.push_back(std::move(sheet));
    }
    return plan;
  }
  return plan;
}

bool PrintTablePages(int code, const TablePageRenderer& render, bool* stoppedAtLimit) {
  const SheetPlan plan = PlanTablePasses(code);
  const bool known = !plan.sides.empty();
  const SheetPlanOutcome outcome = RunSheetPlan(plan, DataPageDrawer([&render](const PlannedPage& page) {
                                                  return render(static_cast<int16_t>(page.item), page.x1, page.x2) == 1;
                                                }));
  if (stoppedAtLimit) *stoppedAtLimit = known && outcome == SheetPlanOutcome::PlanDone;
  return known;
}
