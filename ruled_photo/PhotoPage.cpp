#include "PhotoPage.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "core/print/BinderMarks.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/JobPaper.h"
#include "core/print/PageFooter.h"
#include "core/print/PageFrame.h"
#include "core/print/PageHeader.h"
#include "core/print/Pictures.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

double MmX(double px) { return px * GetTwipsPerPixelX() / kTwipsPerMm; }
double MmY(double px) { return px * GetTwipsPerPixelY() / kTwipsPerMm; }

enum Anchor { TopLeft, TopRight, BottomLeft, BottomRight, Centre, TopCentre, CentreLeft };

// Negative extents turn the picture by 180 degrees. The surface gets it at
// its own pixel size, so a camera's full-size picture never travels into the
// printer or the PDF file; black and white keeps its hard edges.
void StretchPhoto(double x, double y, double width, double height, const PhotoPageOptions& o) {
  StretchPicture(ActiveSurface(), x, y, width, height, o.picture, {},
                 o.monochrome ? PictureScaling::Nearest : PictureScaling::Smooth);
}

}  // namespace

bool PhotoPrintsPictureOnly(const PhotoPageOptions& o) {
  return o.pictureOnly || o.fit == 3 || o.fit == 4;
}

QImage TurnPictureLeft(const QImage& picture) {
  if (picture.isNull()) return picture;
  return picture.transformed(QTransform().rotate(-90));
}

QSize StretchedBodySize(const QSize& picture) {
  const PaperSettingsData& p = PaperSettings;
  const double across = p.PageWidth - p.PageLeft;
  if (picture.isEmpty() || across <= 0) return picture;
  const double proportion = double(p.FootHeight - p.DataHeight) / across;
  int width = picture.width();
  int height = int(RoundHalfEven(proportion * width));
  if (height <= 0) return picture;
  const qint64 own = qint64(picture.width()) * picture.height();
  const qint64 stretched = qint64(width) * height;
  if (stretched > kMostStretchedPixels && stretched > own) {
    width = std::max(1, int(std::sqrt(double(std::max(own, kMostStretchedPixels)) / proportion)));
    height = std::max(1, int(RoundHalfEven(proportion * width)));
  }
  return {width, height};
}

QImage StretchPictureToBody(const QImage& picture) {
  if (picture.isNull()) return picture;
  const QSize size = StretchedBodySize(picture.size());
  if (size == picture.size()) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void DrawPhotoPage(const PhotoPageOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  const bool pictureOnly = PhotoPrintsPictureOnly(o);
  const double s = o.fit == 4 ? 1.0 : (o.scale >= 0 && o.scale < 10 ? (100 - 10 * o.scale) / 100.0 : 1.0);

  DrawPageFrame(left, right);
  PrintTextInline(QStringLiteral(" "));
  SetCurrentY(p.DataHeight);

  const double aw = DevicePixelsX(right - left);
  const double ah = DevicePixelsY(p.FootHeight - p.DataHeight);
  const double pw = o.picture.width();
  const double ph = o.picture.height();
  double w = 0, h = 0;
  // Without a picture there is nothing to fit (and no size to divide by).
  if (pw > 0 && ph > 0) {
    switch (o.fit) {
      case 0: {
        const double k = std::min(aw / pw, ah / ph);
        w = k * pw;
        h = k * ph;
        break;
      }
      case 1: w = aw; h = aw * ph / pw; break;
      case 2: w = ah * pw / ph; h = ah; break;
      case 3: w = aw; h = ah; break;
      case 4: w = aw; h = DevicePixelsY(p.PageHeight - 2 * p.PrintMargin); break;
      default: break;
    }
  }
  w *= s;
  h *= s;

  double x = DevicePixelsX(left), y = DevicePixelsY(p.DataHeight);
  const int anchor = o.anchor < 0 || o.anchor > CentreLeft ? TopLeft : o.anchor;
  if (o.fit == 4) {
    y = DevicePixelsY(p.PrintMargin);
  } else {
    const double rightX = DevicePixelsX(right) - w;
    const double bottomY = DevicePixelsY(p.FootHeight) - h;
    const double midX = DevicePixelsX(left) + (aw - w) / 2;
    const double midY = DevicePixelsY(p.DataHeight) + (ah - h) / 2;
    switch (anchor) {
      case TopRight: x = rightX; break;
      case BottomLeft: y = bottomY; break;
      case BottomRight: x = rightX; y = bottomY; break;
      case Centre: x = midX; y = midY; break;
      case TopCentre: x = midX; break;
      case CentreLeft: y = midY; break;
      default: break;
    }
  }
  StretchPhoto(x, y, w, h, o);

  if (pictureOnly) return;
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  const double wm = MmX(w), hm = MmY(h);
  const double fw = (right - left) - wm;
  const double fh = (p.FootHeight - p.DataHeight) - hm;
  double tx = left, ty = p.DataHeight + 2;
  if (fw < fh) {
    if (anchor == TopLeft || anchor == TopRight || anchor == TopCentre) ty = p.DataHeight + 2 + hm;
  } else if (anchor == TopLeft || anchor == BottomLeft || anchor == CentreLeft) {
    tx = left + wm + 2;
  }
  SetCurrentY(float(ty));
  SetCurrentX(float(tx));
  QString text = o.text;
  if (!text.endsWith(QStringLiteral("\r\n"))) text += QStringLiteral("\r\n");
  PrintWrappedText(text, float(right));

  const int16_t keptStyle = PaperSettings.TitleStyle;
  if (!o.titleRule) PaperSettings.TitleStyle = 0;
  DrawPageHeader(o.title, left, right);
  DrawPageFooter(QString(), left, right);
  PaperSettings.TitleStyle = keptStyle;
}

void DrawPhotoPageFolded(const PhotoPageOptions& o, double a, double b) {
  const PaperSettingsData& p = PaperSettings;
  SetPrinterScaleMode(kScaleMillimetres);
  PrintTextInline(QString());
  SetCurrentY(float(a + p.DataHeight + 5));
  const double pw = o.picture.width(), ph = o.picture.height();
  if (pw > 0 && ph > 0) {
    const double x1 = RoundHalfEven(DevicePixelsX(a));
    const double y1 = RoundHalfEven(DevicePixelsY(GetCurrentY()));
    const double x2 = RoundHalfEven(DevicePixelsX(b - a));
    const double y2 = RoundHalfEven(ph * (x2 - x1) / pw + y1);
    // Read from the other side of the fold, so the picture stands on its head.
    StretchPhoto(x2, y2, x1 - x2, y1 - y2, o);
  }
  if (PhotoPrintsPictureOnly(o)) return;

  SetFontName(p.HeadFontName);
  SetFontSize(p.HeadFontSize);
  SetForeColor(p.HeadColor);
  SetCurrentY(float(a + p.HeadHeight + 5));
  SetCurrentX(float(a));
  PrintTextNewLine(QStringLiteral(" ") + o.title);
  const double y = GetCurrentY();
  DrawStyledLine(4, a, y, b, y, p.LineColor);
  SetFontName(p.DataFontName);
  SetFontSize(p.DataFontSize);
  SetForeColor(p.DataColor);
  SetCurrentY(float(y + 5));
  QStringList lines = o.text.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (const QString& line : lines) {
    QCoreApplication::processEvents();
    SetCurrentX(p.PageLeft);
    PrintTextNewLine(line);
  }
  const double fold = p.PageHeight - p.PrintMargin;
  DrawStyledLine(-1, fold, 0, fold, GetScaleHeight(), p.LineColor);
}

namespace {

// The right edge of the page printed across a sheet folded in two: wider
// than one organiser page, so the job states it and the paper holds it.
double FoldedInTwoPageRightMm() { return 2.0 * PaperSettings.PageWidth - PaperSettings.PageLeft; }

}  // namespace

SheetPlan PlanPhotoPages(int side) {
  const PaperSettingsData& p = PaperSettings;
  const double across = p.PageWidth - p.PageLeft;
  PlannedPage page;
  switch (side) {
    case 0: page = {kPhotoPageAt, QDate(), 0, double(p.PageLeft), double(p.PageWidth)}; break;
    case 1: case 4: page = {kPhotoPageAt, QDate(), 0, 0, across}; break;
    case 2: page = {kPhotoPageAt, QDate(), 0, double(p.PageLeft), FoldedInTwoPageRightMm()}; break;
    case 3: page = {kPhotoPageFolded, QDate(), 0, 0, double(p.PageHeight - 2 * p.PrintMargin)}; break;
    case 5: page = {kPhotoPageAtSheetEdge, QDate(), 0, 0, 0, true}; break;
    default: return {};
  }
  SheetPlan plan;
  plan.sides.push_back(PlanSide(SheetPrompt{}, {page}));
  // The A4 left-edge page is cut from the sheet along the binder marks.
  if (side == 4) plan.sides.back().binderMarks = 0;
  return plan;
}

void PrintPhotoPages(const PhotoPageOptions& o) {
  SetPrinterScaleMode(kScaleMillimetres);
  const double across = PaperSettings.PageWidth - PaperSettings.PageLeft;
  if (o.side == 2) SetLaidOutSideWidthMm(FoldedInTwoPageRightMm());
  RunSheetPlan(PlanPhotoPages(o.side), [&o, across](const PlannedPage& page) {
    switch (page.renderer) {
      case kPhotoPageAt: DrawPhotoPage(o, page.x1, page.x2); break;
      case kPhotoPageFolded: DrawPhotoPageFolded(o, page.x1, page.x2); break;
      case kPhotoPageAtSheetEdge: DrawPhotoPage(o, RoundHalfEven(page.x2 - across), RoundHalfEven(page.x2)); break;
    }
  });
  EndPrintDocument();
}
