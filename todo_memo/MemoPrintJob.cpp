#include "MemoPrintJob.h"

#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

constexpr int kPageLimit = 1000;

struct Span {
  double left, right;
};

Span Front() { return {double(PaperSettings.PageLeft), double(PaperSettings.PageWidth)}; }
Span Back() { return {0, double(PaperSettings.PageWidth - PaperSettings.PageLeft)}; }

bool Print(const MemoPageOptions& o, int page, Span at) { return DrawMemoPage(o, page, at.left, at.right); }

// One page a sheet side. sideOf tells front or back by page, promptOf the
// paper prompt after it.
template <typename SideOf, typename PromptOf>
void PageAtATime(const MemoPageOptions& o, int first, int step, SideOf sideOf, PromptOf promptOf) {
  for (int p = first; p <= kPageLimit; p += step) {
    BeginPage();
    const bool done = Print(o, p, sideOf(p) ? Front() : Back());
    FinishOutput();
    if (done || !ConfirmPaperSet(promptOf(p))) return;
  }
}

void FourToADoubleSidedSheet(const MemoPageOptions& o, int start, Span rightEdge) {
  for (int p = start; p <= kPageLimit; p += 4) {
    if (p != 1 && !ConfirmPaperSet(0)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    const bool doneP = Print(o, p, rightEdge);
    bool doneP3 = false;
    if (!doneP) doneP3 = Print(o, p + 3, Back());
    DrawBinderMarks(0);
    FinishOutput();
    if (doneP || !ConfirmPaperSet(1)) return;
    BeginPage();
    PreviewOutlineKind = 0;
    const bool doneP1 = Print(o, p + 1, Back());
    bool doneP2 = false;
    if (!doneP1) doneP2 = Print(o, p + 2, rightEdge);
    FinishOutput();
    if (doneP1 || doneP2 || doneP3) return;
  }
}

// Several pages on one sheet; every page is drawn even after the body ended.
template <typename Place>
void PagesPerSheet(int perSheet, Place place) {
  for (int p = 1; p <= kPageLimit; p += perSheet) {
    BeginPage();
    PreviewOutlineKind = 0;
    const bool done = place(p);
    FinishOutput();
    if (done || !ConfirmPaperSet(2)) return;
  }
}

}  // namespace

int32_t MemoPrintCode(int16_t superOrganiserMode, int layout) { return superOrganiserMode * 10000 + layout; }

void RunMemoPrintJob(const MemoPageOptions& o, int layout, const QString& layoutText, int startPage) {
  SetPrinterScaleMode(6);
  SetCurrentY(0);
  const int32_t code = MemoPrintCode(PaperSettings.SuperOrganiserMode, layout);
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right edge is measured on that paper.
  if (code == 2) SetLaidOutSideWidthMm(FacingPagesWidthMm());
  if (code == 7) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(0));
  if (code == 8) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  const double s = GetScaleWidth();
  const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
  const Span rightEdge2{RoundHalfEven(s - w + l), RoundHalfEven(s)};
  const Span rightEdge7{RoundHalfEven(s) - (w - l), RoundHalfEven(s)};
  const Span secondFold{w + 2, 2 * w - l + 2};
  auto odd = [](int p) { return p % 2 == 1; };
  switch (code) {
    case 0: PageAtATime(o, startPage, 1, odd, [&](int p) -> int16_t { return odd(p) ? 1 : 0; }); break;
    case 1: PageAtATime(o, startPage, 1, [&](int p) { return !odd(p); }, [&](int p) -> int16_t { return odd(p) ? 0 : 1; }); break;
    case 2: FourToADoubleSidedSheet(o, startPage, rightEdge2); break;
    case 3: PageAtATime(o, startPage, 2, [](int) { return true; }, [](int) -> int16_t { return 2; }); break;
    case 4: PageAtATime(o, 2, 2, [](int) { return false; }, [](int) -> int16_t { return 2; }); break;
    case 5: PageAtATime(o, startPage, 1, [](int) { return true; }, [](int) -> int16_t { return 2; }); break;
    case 6: PageAtATime(o, startPage, 1, [](int) { return false; }, [](int) -> int16_t { return 2; }); break;
    case 7:
      PagesPerSheet(2, [&](int p) {
        Print(o, p, Front());
        const bool done = Print(o, p + 1, rightEdge7);
        DrawBinderMarks(4);
        return done;
      });
      break;
    case 8:
      PagesPerSheet(2, [&](int p) {
        Print(o, p, Front());
        const bool done = Print(o, p + 1, secondFold);
        DrawBinderMarks(5);
        return done;
      });
      break;
    case 10009:
      PagesPerSheet(4, [&](int p) {
        bool done = false;
        for (int i = 1; i <= 4; ++i)
          done = Print(o, p + i - 1, {double(PaperSettings.SheetPageX[i]), double(PaperSettings.SheetPageY[i])});
        return done;
      });
      break;
    default:
      platform::ShowMessage(QStringLiteral("「") + layoutText + QStringLiteral("」は未対応です"), platform::MsgButtons::Ok);
      break;
  }
  EndPrintDocument();
}
