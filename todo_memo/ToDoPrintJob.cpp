#include "ToDoPrintJob.h"

#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

constexpr int kTwoSidedLimit = 100;
constexpr int kOneSidedLimit = 1000;

struct Span {
  double a, b;
};

Span Front() { return {double(PaperSettings.PageLeft), double(PaperSettings.PageWidth)}; }
Span Back() { return {0, double(PaperSettings.PageWidth - PaperSettings.PageLeft)}; }

PlannedPage ToDoPageAt(int page, double x1, double x2, DataEnd onEnd = DataEnd::EndsJob) {
  PlannedPage planned{0, QDate(), page, x1, x2};
  planned.onDataEnd = onEnd;
  return planned;
}

PlannedSide ToDoSide(SheetPrompt prompt, std::vector<PlannedPage> pages, int16_t outline = 0) {
  PlannedSide side;
  side.prompt = std::move(prompt);
  side.previewOutline = outline;
  side.pages = std::move(pages);
  return side;
}

// The job's last prompt, asked when the list still goes on after its last
// sheet.
void AskAfterLastToDoSheet(SheetPlan& plan, int16_t paperSide) {
  PlannedSide last = ToDoSide(SheetPrompt::PaperSet(paperSide), {});
  last.askOnly = true;
  plan.sides.push_back(std::move(last));
}

// One page to a sheet side; the side of each page and the prompt after it.
SheetPlan PlanToDoPageAtATime(int limit, bool frontFirst, bool alternate) {
  SheetPlan plan;
  SheetPrompt before;
  for (int p = 1; p <= limit; ++p) {
    const bool front = alternate ? ((p % 2 == 1) == frontFirst) : frontFirst;
    const Span s = front ? Front() : Back();
    plan.sides.push_back(ToDoSide(before, {ToDoPageAt(p, s.a, s.b)}, 1));
    before = SheetPrompt::PaperSet(!alternate ? 2 : (p % 2 == 1 ? 1 : 0));
  }
  AskAfterLastToDoSheet(plan, before.paperSide);
  return plan;
}

// Four pages to an A4 sheet printed on both sides: p and p + 3 on the
// front, p + 1 and p + 2 on the back, so the folded sheet reads in order.
// The list ending on p + 3 still lets the back follow.
SheetPlan PlanToDoFourToASheet(double r1, double r2) {
  SheetPlan plan;
  for (int p = 1; p <= kTwoSidedLimit; p += 4) {
    PlannedSide front = ToDoSide(p != 1 ? SheetPrompt::PaperSet(0) : SheetPrompt{},
                                 {ToDoPageAt(p, r1, r2), ToDoPageAt(p + 3, Back().a, Back().b, DataEnd::EndsAfterNextSide)});
    front.binderMarks = kFacingPages;
    plan.sides.push_back(std::move(front));
    plan.sides.push_back(
        ToDoSide(SheetPrompt::PaperSet(1), {ToDoPageAt(p + 1, Back().a, Back().b), ToDoPageAt(p + 2, r1, r2)}));
  }
  return plan;
}

// Two pages side by side on the front of a sheet folded in two; the left
// page's end does not stop the sheet.
SheetPlan PlanToDoFoldedSheets() {
  const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
  SheetPlan plan;
  for (int p = 1; p <= kTwoSidedLimit; p += 2) {
    PlannedSide side = ToDoSide(p != 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{},
                                {ToDoPageAt(p, l, w, DataEnd::Ignored), ToDoPageAt(p + 1, w + 2, 2 * w - l + 2)});
    side.binderMarks = kSideBySidePages;
    plan.sides.push_back(std::move(side));
  }
  AskAfterLastToDoSheet(plan, 2);
  return plan;
}

// Four pages side by side on each four-fold sheet; only the last page's end
// stops the job.
SheetPlan PlanToDoFourFold() {
  SheetPlan plan;
  for (int p = 1; p <= kOneSidedLimit; p += 4) {
    PlannedSide side = ToDoSide(p != 1 ? SheetPrompt::PaperSet(2) : SheetPrompt{}, {});
    for (int k = 1; k <= 4; ++k)
      side.pages.push_back(ToDoPageAt(p + k - 1, PaperSettings.SheetPageX[k], PaperSettings.SheetPageY[k],
                                      k == 4 ? DataEnd::EndsJob : DataEnd::Ignored));
    plan.sides.push_back(std::move(side));
  }
  AskAfterLastToDoSheet(plan, 2);
  return plan;
}

}  // namespace

SheetPlan PlanToDoPrintJob(int32_t code) {
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  if (code == 4) SetLaidOutSideWidthMm(FacingPagesWidthMm());
  if (code == 5) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  const double r1 = RoundHalfEven(GetScaleWidth() - PaperSettings.PageWidth + PaperSettings.PageLeft - 0.4);
  const double r2 = RoundHalfEven(GetScaleWidth() - 0.4);
  switch (code) {
    case 0: return PlanToDoPageAtATime(kTwoSidedLimit, true, true);
    case 1: return PlanToDoPageAtATime(kTwoSidedLimit, false, true);
    case 2: return PlanToDoPageAtATime(kOneSidedLimit, true, false);
    case 3: return PlanToDoPageAtATime(kOneSidedLimit, false, false);
    case 4: return PlanToDoFourToASheet(r1, r2);
    case 5: return PlanToDoFoldedSheets();
    case 10006: return PlanToDoFourFold();
    default: return {};
  }
}

int32_t ToDoPrintCode(int16_t superOrganiserMode, int sideMode) { return superOrganiserMode * 10000 + sideMode; }

void RunToDoPrintJob(const ToDoPageOptions& options, int sideMode, const QString& sideModeText) {
  SetPrinterScaleMode(6);
  const SheetPlan plan = PlanToDoPrintJob(ToDoPrintCode(PaperSettings.SuperOrganiserMode, sideMode));
  if (plan.sides.empty()) {
    platform::ShowMessage(QStringLiteral("「") + sideModeText + QStringLiteral("」は未対応です"),
                          platform::MsgButtons::Ok);
  } else {
    RunSheetPlan(plan, DataPageDrawer([&options](const PlannedPage& page) {
                   return DrawToDoPage(options, page.item, page.x1, page.x2);
                 }));
  }
  EndPrintDocument();
}
