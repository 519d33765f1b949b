#include "PreviewLayout.h"

#include <cmath>

#include "JobPaper.h"
#include "PrinterInfo.h"
#include "SurfaceState.h"
#include "core/text/Numbers.h"

namespace preview {

namespace {
int Nearest(double v) { return int(RoundHalfEven(v)); }
}  // namespace

QSizeF PictureSizeMm(QSizeF paperMm) { return paperMm * (kPictureWidthMm / 210.0); }

QSizeF JobPictureSizeMm(int16_t orientation) {
  return PictureSizeMm(PaperForJob(CurrentPrinterName(), orientation).sizeMm());
}

ScrollSetup VerticalScroll(double contentMm, double viewportMm) {
  const double d = contentMm - viewportMm;
  return {Nearest(d), d > 0, Nearest(d / 2), Nearest(d / 4)};
}

ScrollSetup HorizontalScroll(double contentMm, double viewportMm) {
  const double e = contentMm - viewportMm;
  return {Nearest(e), e > 0, 20, 5};
}

OutlineGuide ComputeOutlineGuide(int kind, int flag, int pageWidth, int pageHeight,
                                 int printMargin, QSizeF lastSize) {
  OutlineGuide guide;
  guide.size = lastSize;
  switch (kind) {
    case 0:
      break;
    case 1:
      guide.size = QSizeF(pageWidth + printMargin, pageHeight);
      guide.visible = flag != 0;
      break;
    case 10:
      guide.size = QSizeF(100 - printMargin, 147 - printMargin);
      guide.marksVisible = true;
      guide.visible = true;
      break;
    default:
      guide.visible = flag != 0;
      break;
  }
  return guide;
}

}  // namespace preview
