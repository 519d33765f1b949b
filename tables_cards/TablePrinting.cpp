#include "TablePrinting.h"

#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

struct Strip {
  double left, right;
};

Strip Front() { return {double(PaperSettings.PageLeft), double(PaperSettings.PageWidth)}; }
Strip Back() { return {0, double(PaperSettings.PageWidth - PaperSettings.PageLeft)}; }

// The one-page-per-sheet modes: the strip of page i and the prompt after it.
bool OnePagePlacement(int code, int i, Strip& strip, int16_t& side) {
  const bool odd = i % 2 == 1;
  const double width = GetScaleWidth();
  switch (code) {
    case 0: strip = odd ? Front() : Back(); side = odd ? 1 : 0; return true;
    case 1: strip = odd ? Back() : Front(); side = odd ? 0 : 1; return true;
    case 2: strip = Front(); side = 2; return true;
    case 3: strip = Back(); side = 2; return true;
    case 5: strip = {double(PaperSettings.PageLeft), width - 1}; side = 0; return true;
    case 6:
      strip = odd ? Strip{double(PaperSettings.PageLeft), width - 1} : Strip{1, width - PaperSettings.PageLeft};
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

QString PageLimitMessage(const QString& lastPrinted) {
  return QStringLiteral("印刷できるのは%1ページ（枚）までのため、印刷をそこで終えました。\r\n最後に印刷したのは%2です。")
      .arg(kTableMaxPasses)
      .arg(lastPrinted);
}

namespace {

// The passes of a side code. more is set where a pass leaves lines to
// print and cleared by a declined prompt, so it ends true only for a job
// cut by the pass limit; no prompt is asked after the last pass allowed.
bool RunTablePasses(int code, const TablePageRenderer& render, bool& more) {
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  if (code == kTableSideA4Both) SetLaidOutSideWidthMm(FacingPagesWidthMm());
  if (code == kTableSideFolded) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  Strip strip{};
  int16_t side = 0;
  if (OnePagePlacement(code, 1, strip, side)) {
    for (int i = 1; i <= kTableMaxPasses; ++i) {
      OnePagePlacement(code, i, strip, side);
      BeginPage();
      const int16_t end = render(static_cast<int16_t>(i), strip.left, strip.right);
      FinishOutput();
      more = end != 1;
      if (end == 1 || i == kTableMaxPasses) break;
      if (!ConfirmPaperSet(side)) {
        more = false;
        break;
      }
    }
    return true;
  }
  if (code == kTableSideA4Both) {
    const double width = GetScaleWidth();
    const double rightLeft = RoundHalfEven(width - PaperSettings.PageWidth + PaperSettings.PageLeft - 0.4);
    const double rightRight = RoundHalfEven(width - 0.4);
    const Strip back = Back();
    for (int s = 1; s <= kTableMaxPasses; ++s) {
      if (s > 1 && !ConfirmPaperSet(0)) {
        more = false;
        break;
      }
      BeginPage();
      int16_t end = render(static_cast<int16_t>(4 * s), back.left, back.right);
      end |= render(static_cast<int16_t>(4 * s - 3), rightLeft, rightRight);
      DrawBinderMarks(0);
      FinishOutput();
      if (!ConfirmPaperSet(1)) {
        more = false;
        break;
      }
      BeginPage();
      end |= render(static_cast<int16_t>(4 * s - 2), back.left, back.right);
      end |= render(static_cast<int16_t>(4 * s - 1), rightLeft, rightRight);
      FinishOutput();
      more = end != 1;
      if (end == 1) break;
    }
    return true;
  }
  if (code == kTableSideFolded) {
    const double w = PaperSettings.PageWidth, l = PaperSettings.PageLeft;
    for (int i = 1; i <= kTableMaxPasses; i += 2) {
      BeginPage();
      PreviewOutlineKind = 0;
      render(static_cast<int16_t>(i), l, w);
      const int16_t end = render(static_cast<int16_t>(i + 1), w + 2, 2 * w - l + 2);
      DrawBinderMarks(5);
      FinishOutput();
      more = end != 1;
      if (end == 1 || i + 2 > kTableMaxPasses) break;
      if (!ConfirmPaperSet(0)) {
        more = false;
        break;
      }
    }
    return true;
  }
  if (code == kTableSideFourFold) {
    for (int i = 1; i <= kTableMaxPasses; i += 4) {
      BeginPage();
      PreviewOutlineKind = 0;
      int16_t end = 0;
      for (int k = 1; k <= 4; ++k)
        end = render(static_cast<int16_t>(i + k - 1), PaperSettings.SheetPageX[k], PaperSettings.SheetPageY[k]);
      FinishOutput();
      more = end != 1;
      if (end == 1 || i + 4 > kTableMaxPasses) break;
      if (!ConfirmPaperSet(2)) {
        more = false;
        break;
      }
    }
    return true;
  }
  return false;
}

}  // namespace

bool PrintTablePages(int code, const TablePageRenderer& render, bool* stoppedAtLimit) {
  bool more = false;
  const bool known = RunTablePasses(code, render, more);
  if (stoppedAtLimit) *stoppedAtLimit = more;
  return known;
}
