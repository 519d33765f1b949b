#include "ToDoPrintJob.h"

#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
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

// One page to a sheet side; the side of each page and the prompt after it.
void PageAtATime(const ToDoPageOptions& o, int limit, bool frontFirst, bool alternate) {
  for (int p = 1; p <= limit; ++p) {
    const bool front = alternate ? ((p % 2 == 1) == frontFirst) : frontFirst;
    BeginPage();
    const Span s = front ? Front() : Back();
    const bool end = DrawToDoPage(o, p, s.a, s.b);
    FinishOutput();
    if (end) return;
    const int16_t side = !alternate ? 2 : (p % 2 == 1 ? 1 : 0);
    if (!ConfirmPaperSet(side)) return;
  }
}

// Four pages to an A4 sheet printed on both sides: p and p + 3 on the
// front, p + 1 and p + 2 on the back, so the folded sheet reads in order.
void FourToADoubleSidedSheet(const ToDoPageOptions& o, double r1, double r2) {
  for (int p = 1; p <= kTwoSidedLimit; p += 4) {
    if (p != 1 && !ConfirmPaperSet(0)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    const bool endP = DrawToDoPage(o, p, r1, r2);
    bool endP3 = false;
    if (!endP) endP3 = DrawToDoPage(o, p + 3, Back().a, Back().b);
    DrawBinderMarks(0);
    FinishOutput();
    if (endP || !ConfirmPaperSet(1)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    const bool endP1 = DrawToDoPage(o, p + 1, Back().a, Back().b);
    bool endP2 = false;
    if (!endP1) endP2 = DrawToDoPage(o, p + 2, r1, r2);
    FinishOutput();
    if (endP1 || endP2 || endP3) return;
  }
}

// Two pages side by side on the front of a sheet folded in two; the left
// page's end does not stop the sheet.
void TwoToAFoldedSheet(const ToDoPageOptions& o) {
  const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
  for (int p = 1; p <= kTwoSidedLimit; p += 2) {
    BeginPage();
    PreviewOutlineKind = 0;
    DrawToDoPage(o, p, l, w);
    const bool end = DrawToDoPage(o, p + 1, w + 2, 2 * w - l + 2);
    DrawBinderMarks(5);
    FinishOutput();
    if (end || !ConfirmPaperSet(2)) return;
  }
}

void FourFold(const ToDoPageOptions& o) {
  for (int p = 1; p <= kOneSidedLimit; p += 4) {
    BeginPage();
    PreviewOutlineKind = 0;
    bool end = false;
    for (int k = 1; k <= 4; ++k)
      end = DrawToDoPage(o, p + k - 1, PaperSettings.SheetPageX[k], PaperSettings.SheetPageY[k]);
    FinishOutput();
    if (end || !ConfirmPaperSet(2)) return;
  }
}

}  // namespace

int32_t ToDoPrintCode(int16_t superOrganiserMode, int sideMode) { return superOrganiserMode * 10000 + sideMode; }

void RunToDoPrintJob(const ToDoPageOptions& options, int sideMode, const QString& sideModeText) {
  SetPrinterScaleMode(6);
  const int32_t code = ToDoPrintCode(PaperSettings.SuperOrganiserMode, sideMode);
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  if (code == 4) SetLaidOutSideWidthMm(FacingPagesWidthMm());
  if (code == 5) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  const double r1 = RoundHalfEven(GetScaleWidth() - PaperSettings.PageWidth + PaperSettings.PageLeft - 0.4);
  const double r2 = RoundHalfEven(GetScaleWidth() - 0.4);
  switch (code) {
    case 0: PageAtATime(options, kTwoSidedLimit, true, true); break;
    case 1: PageAtATime(options, kTwoSidedLimit, false, true); break;
    case 2: PageAtATime(options, kOneSidedLimit, true, false); break;
    case 3: PageAtATime(options, kOneSidedLimit, false, false); break;
    case 4: FourToADoubleSidedSheet(options, r1, r2); break;
    case 5: TwoToAFoldedSheet(options); break;
    case 10006: FourFold(options); break;
    default:
      platform::ShowMessage(QStringLiteral("「") + sideModeText + QStringLiteral("」は未対応です"),
                            platform::MsgButtons::Ok);
      break;
  }
  EndPrintDocument();
}
