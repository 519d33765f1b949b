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


}  // namespace

SheetPlan PlanToDoPrintJob(int32_t code) {
  // The width two pages take across a side, and their marks, go first: the
  // PDF printer's paper follows them and the right half is measured on that
  // paper.
  if (code == 4) SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
  if (code == 5) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  const double r1 = RoundHalfEven(GetScaleWidth() - PaperSettings.PageWidth + PaperSettings.PageLeft - 0.4);
  const double r2 = RoundHalfEven(GetScaleWidth() - 0.4);
  const auto front = [](int) { return FrontPageSpan(); };
  const auto back = [](int) { return BackPageSpan(); };
  // Fronts and backs in turn: after an odd page the back is asked for.
  const auto turned = [](int p) -> int16_t { return p % 2 == 1 ? 1 : 0; };
  const auto frontsOnly = [](int) -> int16_t { return 2; };
  switch (code) {
    case 0: return PlanListPageASide(1, 1, kTwoSidedLimit, [](int p) { return p % 2 == 1 ? FrontPageSpan() : BackPageSpan(); }, turned);
    case 1: return PlanListPageASide(1, 1, kTwoSidedLimit, [](int p) { return p % 2 == 1 ? BackPageSpan() : FrontPageSpan(); }, turned);
    case 2: return PlanListPageASide(1, 1, kOneSidedLimit, front, frontsOnly);
    case 3: return PlanListPageASide(1, 1, kOneSidedLimit, back, frontsOnly);
    case 4: return PlanListFourToADoubleSidedSheet(1, kTwoSidedLimit, {r1, r2}, BackPageSpan());
    case 5:
      return PlanListPagesPerSheet(2, kTwoSidedLimit,
                                   [](int k) { return k == 1 ? FrontPageSpan() : FoldedSecondPageSpan(); },
                                   kSideBySidePages);
    case 10006:
      return PlanListPagesPerSheet(4, kOneSidedLimit, FourFoldPageSpan, kNoBinderMarks);
    default: return {};
  }
}

int32_t ToDoPrintCode(int16_t superOrganiserMode, int sideMode) { return superOrganiserMode * 10000 + sideMode; }

void RunToDoPrintJob(const ToDoPageOptions& options, int sideMode, const QString& sideModeText) {
  SetPrinterScaleMode(kScaleMillimetres);
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
