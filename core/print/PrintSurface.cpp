#include "PrintSurface.h"

#include "FontMapping.h"
#include "JobPaper.h"

namespace {
constexpr double kExactTwipsPerMm = 1440.0 / 25.4;
}

PrintSurface::~PrintSurface() = default;

bool PrintSurface::setFontName(const QString& name) {
  if (!IsUsableFontName(name)) return false;
  state_.FontName = name;
  return true;
}

void PrintSurface::setScaleMode(int16_t mode) {
  if (mode == state_.ScaleMode) return;
  const double x = toMmX(state_.CurrentX);
  const double y = toMmY(state_.CurrentY);
  state_.ScaleMode = mode;
  state_.CurrentX = float(fromMmX(x));
  state_.CurrentY = float(fromMmY(y));
}

double PrintSurface::pixelsPerMmX() const { return kExactTwipsPerMm / twipsPerPixelX(); }
double PrintSurface::pixelsPerMmY() const { return kExactTwipsPerMm / twipsPerPixelY(); }

double PrintSurface::toMmX(double v) const {
  return state_.ScaleMode == kScalePixels ? v / pixelsPerMmX() : v;
}
double PrintSurface::toMmY(double v) const {
  return state_.ScaleMode == kScalePixels ? v / pixelsPerMmY() : v;
}
double PrintSurface::fromMmX(double mm) const {
  return state_.ScaleMode == kScalePixels ? mm * pixelsPerMmX() : mm;
}
double PrintSurface::fromMmY(double mm) const {
  return state_.ScaleMode == kScalePixels ? mm * pixelsPerMmY() : mm;
}

float PrintSurface::scaleWidth() const { return float(fromMmX(scaleWidthMm())); }
float PrintSurface::scaleHeight() const { return float(fromMmY(scaleHeightMm())); }

void PrintSurface::line(float x1, float y1, float x2, float y2, uint32_t rgb) {
  if (jobUsable() && state_.DrawStyle != kDrawInvisible)
    drawLineMm({toMmX(x1), toMmY(y1)}, {toMmX(x2), toMmY(y2)}, rgb);
  state_.CurrentX = x2;
  state_.CurrentY = y2;
}

void PrintSurface::box(float x1, float y1, float x2, float y2, uint32_t rgb, bool filled) {
  if (jobUsable() && (filled || state_.DrawStyle != kDrawInvisible)) {
    const QRectF r(QPointF(toMmX(x1), toMmY(y1)), QPointF(toMmX(x2), toMmY(y2)));
    drawBoxMm(r.normalized(), rgb, filled);
  }
  state_.CurrentX = x2;
  state_.CurrentY = y2;
}

void PrintSurface::circle(float x, float y, float radius, uint32_t rgb) {
  if (jobUsable() && state_.DrawStyle != kDrawInvisible)
    drawCircleMm({toMmX(x), toMmY(y)}, toMmX(radius), rgb);
  state_.CurrentX = x;
  state_.CurrentY = y;
}

void PrintSurface::point(float x, float y, uint32_t rgb) {
  if (jobUsable()) drawPointMm({toMmX(x), toMmY(y)}, rgb);
  state_.CurrentX = x;
  state_.CurrentY = y;
}

void PrintSurface::print(const QString& text, bool newLine) {
  const QPointF at(toMmX(state_.CurrentX), toMmY(state_.CurrentY));
  if (jobUsable() && !text.isEmpty()) drawTextMm(at, text);
  if (newLine) {
    state_.CurrentX = 0;
    state_.CurrentY = float(fromMmY(at.y() + textHeightMm()));
  } else {
    state_.CurrentX = float(fromMmX(at.x() + textWidthMm(text)));
  }
}

void PrintSurface::rotatedText(QPointF devicePx, const QString& text, const RotatedFontSpec& face) {
  if (jobUsable() && !text.isEmpty()) drawRotatedTextPx(devicePx, text, face);
}

void PrintSurface::imageDevice(const QRectF& destPx, const QImage& image, const QRect& source,
                               PictureScaling scaling) {
  if (!jobUsable() || image.isNull()) return;
  PictureDraw draw;
  draw.destPx = destPx.normalized();
  draw.source = source.isEmpty() ? image.rect() : source;
  draw.scaling = scaling;
  draw.mirroredX = destPx.width() < 0;
  draw.mirroredY = destPx.height() < 0;
  drawImagePx(image, draw);
}

void PrintSurface::beginPage() {
  if (!jobUsable()) return;
  if (!documentOpen_) {
    jobState_ = openDocument();
    if (!jobUsable()) return;
    documentOpen_ = true;
  } else {
    startNextPage();
  }
  state_.CurrentX = 0;
  state_.CurrentY = 0;
}

void PrintSurface::endDocument() {
  if (!documentOpen_) return;
  documentOpen_ = false;
  closeDocument();
}

void PrintSurface::endJob() {
  endDocument();
  closeJob();
  jobState_ = OpenResult::Opened;
}

void PrintSurface::cancelJob() {
  endDocument();
  jobState_ = OpenResult::Cancelled;
}

void PrintSurface::setOrientation(int16_t orientation) {
  if (orientation == kPortrait || orientation == kLandscape) orientation_ = orientation;
}

QPointF PrintSurface::pageOriginOnPaperMm() const { return DefaultPageOriginMm(); }
