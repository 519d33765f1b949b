#include "MemoPrintJob.h"

#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

constexpr int kPageLimit = 1000;

}  // namespace

SheetPlan PlanMemoPrintJob(int32_t code, int startPage, double sheetWidth) {
  const double s = sheetWidth;
  const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
  const PageSpan rightEdge2{RoundHalfEven(s - w + l), RoundHalfEven(s)};
  const PageSpan rightEdge7{RoundHalfEven(s) - (w - l), RoundHalfEven(s)};
  const auto odd = [](int p) { return p % 2 == 1; };
  const auto front = [](int) { return FrontPageSpan(); };
  const auto back = [](int) { return BackPageSpan(); };
  const auto frontsOnly = [](int) -> int16_t { return 2; };
  switch (code) {
    case 0:
      return PlanListPageASide(startPage, 1, kPageLimit, [&](int p) { return odd(p) ? FrontPageSpan() : BackPageSpan(); },
                               [&](int p) -> int16_t { return odd(p) ? 1 : 0; });
    case 1:
      return PlanListPageASide(startPage, 1, kPageLimit, [&](int p) { return odd(p) ? BackPageSpan() : FrontPageSpan(); },
                               [&](int p) -> int16_t { return odd(p) ? 0 : 1; });
    case 2: return PlanListFourToADoubleSidedSheet(startPage, kPageLimit, rightEdge2, BackPageSpan());
    case 3: return PlanListPageASide(startPage, 2, kPageLimit, front, frontsOnly);
    case 4: return PlanListPageASide(2, 2, kPageLimit, back, frontsOnly);
    case 5: return PlanListPageASide(startPage, 1, kPageLimit, front, frontsOnly);
    case 6: return PlanListPageASide(startPage, 1, kPageLimit, back, frontsOnly);
    case 7:
      return PlanListPagesPerSheet(2, kPageLimit, [&](int k) { return k == 1 ? FrontPageSpan() : rightEdge7; },
                                   kLeftBoundPages);
    case 8:
      return PlanListPagesPerSheet(2, kPageLimit, [&](int k) { return k == 1 ? FrontPageSpan() : FoldedSecondPageSpan(); },
                                   kSideBySidePages);
    case 10009:
      return PlanListPagesPerSheet(4, kPageLimit, FourFoldPageSpan, kNoBinderMarks);
    default: return {};
  }
}

int32_t MemoPrintCode(int16_t superOrganiserMode, int layout) { return superOrganiserMode * 10000 + layout; }

void RunMemoPrintJob(const MemoPageOptions& o, int layout, const QString& layoutText, int startPage) {
  SetPrinterScaleMode(kScaleMillimetres);
  SetCurrentY(0);
  const int32_t code = MemoPrintCode(PaperSettings.SuperOrganiserMode, layout);
  // The width two pages take across a side, and their marks, go first: the
  // PDF printer's paper follows them and the right edge is measured on that
  // paper.
  if (code == 2) SetLaidOutSideWidthMm(FacingPagesWidthMm(), kFacingPages);
  if (code == 7) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0), kLeftBoundPages);
  if (code == 8) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2), kSideBySidePages);
  const double s = GetScaleWidth();
  const bool supported = (code >= 0 && code <= 8) || code == 10009;
  if (!supported) {
    platform::ShowMessage(QStringLiteral("「") + layoutText + QStringLiteral("」は未対応です"), platform::MsgButtons::Ok);
  } else {
    RunSheetPlan(PlanMemoPrintJob(code, startPage, s), DataPageDrawer([&o](const PlannedPage& page) {
                   return DrawMemoPage(o, page.item, page.x1, page.x2);
                 }));
  }
  EndPrintDocument();
}
