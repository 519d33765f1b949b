#include "PaintedSurface.h"

#include <QPaintDevice>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "FontMapping.h"

namespace {

constexpr size_t kFontsKept = 16;
constexpr qreal kDotDash = 0.01;   // in pen widths
constexpr double kDotEndMm = 0.002;

QColor ToQColor(uint32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

// Dash patterns in device pixels for the one-pixel styled pens, so that a
// dash keeps its length on every device (Qt counts patterns in pen widths).
QVector<qreal> DashPattern(int16_t style) {
  switch (style) {
    case kDrawDash: return {18, 6};
    case kDrawDot: return {3, 3};
    case kDrawDashDot: return {9, 6, 3, 6};
    case kDrawDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

// A rectangle filled without an outline, as QPainter::fillRect fills it.
// Dotted lines are thousands of one-pixel fills a page: fillRect saves and
// restores the painter's whole state for each, and the PDF writer wrote that
// state out again each time; only what changed is set here.
void FillRectOn(QPainter& p, const QRectF& r, const QColor& colour) {
  if (p.pen().style() != Qt::NoPen) p.setPen(Qt::NoPen);
  if (p.brush().style() != Qt::SolidPattern || p.brush().color() != colour) p.setBrush(colour);
  p.drawRect(r);
}

// Text is filled with the pen's colour and nothing else of the pen. Pages
// go from rules to text and back all the time, and every pen change wrote
// the whole stroke state into the PDF page again; a rule's pen of the same
// colour serves the text as well.
void SetTextColour(QPainter& p, const QColor& colour) {
  const QPen& pen = p.pen();
  if (pen.style() == Qt::NoPen || pen.brush().style() != Qt::SolidPattern || pen.color() != colour) p.setPen(colour);
}

// The part of the picture as the device gets it: brought to `size` device
// pixels with the draw's scaling (Device keeps its own size) and mirrored as
// the draw says. Null when the size is empty.
QImage PictureForDevice(const QImage& image, const PictureDraw& draw, QSize size) {
  QImage part = draw.source == image.rect() ? image : image.copy(draw.source);
  if (draw.scaling != PictureScaling::Device) {
    if (size.isEmpty()) return {};
    // Scaled before mirroring, so that only the small picture is copied.
    if (part.size() != size)
      part = part.scaled(size, Qt::IgnoreAspectRatio,
                         draw.scaling == PictureScaling::Smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
  }
  if (draw.mirroredX || draw.mirroredY) part = std::move(part).mirrored(draw.mirroredX, draw.mirroredY);
  return part;
}

}  // namespace

QPointF PaintedSurface::toDevice(QPointF mm) const {
  return {mm.x() * pixelsPerMmX(), mm.y() * pixelsPerMmY()};
}

const SurfaceFont& PaintedSurface::currentFont() {
  return fontFor(state_.FontName, state_.FontSize, state_.FontBold);
}

const SurfaceFont& PaintedSurface::fontFor(const QString& name, float points, bool bold) {
  QPaintDevice* device = metricsDevice();
  const FontKey key{name, points, bold, device ? device->logicalDpiY() : 0, pixelsPerMmY()};
  if (!fonts_.empty() && fonts_.back().first == key) return fonts_.back().second;
  auto found = std::find_if(fonts_.begin(), fonts_.end(), [&](const auto& f) { return f.first == key; });
  if (found != fonts_.end()) {
    std::rotate(found, found + 1, fonts_.end());
  } else {
    if (fonts_.size() == kFontsKept) fonts_.erase(fonts_.begin());
    const QFont font = MakeSurfaceFont(key.name, key.size, key.bold);
    fonts_.emplace_back(key, SurfaceFont(device ? QFont(font, device) : font, key.pixelsPerMm));
  }
  return fonts_.back().second;
}

QPen PaintedSurface::PenFor(uint32_t rgb, int16_t drawWidth, int16_t drawStyle, double dotSizePx, double dotPitchPx) {
  const int width = std::max<int>(1, drawWidth);
  if (drawStyle == kDrawDotted) return DottedPen(rgb, width, dotSizePx, dotPitchPx);
  QPen pen(ToQColor(rgb), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap,
           Qt::RoundJoin);
  // Styled pens exist only one pixel wide; wider lines are solid.
  const QVector<qreal> dashes = DashPattern(drawStyle);
  if (width == 1 && !dashes.isEmpty()) pen.setDashPattern(dashes);
  return pen;
}

// Each dot is a dash of almost no length whose caps make its shape, so the
// printer and the PDF get one stroked line with a dash array instead of a
// path per dot.
QPen PaintedSurface::DottedPen(uint32_t rgb, int width, double dotSizePx, double dotPitchPx) {
  // A filled dot as wide as a small ring puts about as much ink on the
  // paper as the ring drawn with a one-pixel pen.
  const double sizePx = std::max<double>(dotSizePx, width);
  const double pitch = dotPitchPx / sizePx;  // in pen widths
  QPen pen(ToQColor(rgb), sizePx, Qt::CustomDashLine, sizePx > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
  pen.setDashPattern({kDotDash, std::max(pitch - kDotDash, kDotDash)});
  return pen;
}

QPen PaintedSurface::pen(uint32_t rgb) const {
  return PenFor(rgb, state_.DrawWidth, state_.DrawStyle, state_.DotSizeMm * pixelsPerMmX(),
                state_.DotPitchMm * pixelsPerMmX());
}

void PaintedSurface::drawLineMm(QPointF a, QPointF b, uint32_t rgb) {
  QPainter* p = painter();
  if (!p) return;
  if (state_.DrawStyle == kDrawDotted) {
    // A hair past the last dot, so that it is not lost to rounding at the
    // line's end.
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length > 0) b += d * (kDotEndMm / length);
  }
  p->setPen(pen(rgb));
  p->drawLine(toDevice(a) + origin_, toDevice(b) + origin_);
}

void PaintedSurface::drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) {
  QPainter* p = painter();
  if (!p) return;
  QRectF r(toDevice(box.topLeft()) + origin_, toDevice(box.bottomRight()) + origin_);
  if (filled) {
    // The border belongs to the filled area, so even a zero-sized box shows.
    r.adjust(-0.5, -0.5, 0.5, 0.5);
    FillRectOn(*p, r, ToQColor(rgb));
    return;
  }
  if (state_.DrawStyle == kDrawInsideSolid) {
    const double half = std::max<int>(1, state_.DrawWidth) / 2.0;
    r.adjust(half, half, -half, -half);
  }
  p->setPen(pen(rgb));
  p->setBrush(Qt::NoBrush);
  p->drawRect(r);
}

void PaintedSurface::drawCircleMm(QPointF centre, double radius, uint32_t rgb) {
  QPainter* p = painter();
  if (!p) return;
  p->setPen(pen(rgb));
  if (state_.FillStyle == 0)
    p->setBrush(ToQColor(state_.FillColor));
  else
    p->setBrush(Qt::NoBrush);
  p->drawEllipse(toDevice(centre) + origin_, radius * pixelsPerMmX(), radius * pixelsPerMmY());
}

void PaintedSurface::drawPointMm(QPointF at, uint32_t rgb) {
  QPainter* p = painter();
  if (!p) return;
  const int width = std::max<int>(1, state_.DrawWidth);
  const QPointF c = toDevice(at);
  if (width == 1) {
    FillRectOn(*p, QRectF(std::floor(c.x()), std::floor(c.y()), 1, 1).translated(origin_), ToQColor(rgb));
    return;
  }
  p->setPen(Qt::NoPen);
  p->setBrush(ToQColor(rgb));
  p->drawEllipse(c + origin_, width / 2.0, width / 2.0);
}

void PaintedSurface::drawTextMm(QPointF topLeft, const QString& text) {
  QPainter* p = painter();
  if (!p) return;
  SetTextColour(*p, ToQColor(state_.ForeColor));
  currentFont().draw(*p, toDevice(topLeft) + origin_, text);
}

void PaintedSurface::drawRotatedTextPx(QPointF devicePx, const QString& text,
                                       const RotatedFontSpec& face) {
  QPainter* p = painter();
  if (!p) return;
  const double height = std::abs(face.heightPx);
  if (height <= 0) return;
  // Drawn as horizontal text is, at the exact size, so a turned text is as
  // long on the preview as on paper. A height of device pixels is
  // 20 / twipsPerPixel pixels to the point.
  const SurfaceFont& font = fontFor(face.faceName, float(height * twipsPerPixelY() / 20), false);
  p->save();
  p->translate(devicePx + origin_);
  p->rotate(-face.escapement / 10.0);
  // The width is the average character width; a half-width glyph of these
  // faces is half the height wide.
  if (face.widthPx > 0) p->scale(2 * face.widthPx / height, 1);
  p->setPen(ToQColor(state_.ForeColor));
  font.draw(*p, QPointF(0, 0), text);
  p->restore();
}

void PaintedSurface::drawImagePx(const QImage& image, const PictureDraw& draw) {
  QPainter* p = painter();
  if (!p) return;
  const QRectF dest = draw.destPx.translated(origin_);
  if (draw.scaling == PictureScaling::Device && !draw.mirroredX && !draw.mirroredY) {
    p->drawImage(dest, image, draw.source);
    return;
  }
  // The preview of a HiDPI screen holds more pixels than it draws in.
  const qreal ratio = p->device() ? p->device()->devicePixelRatio() : 1.0;
  const QImage part = PictureForDevice(
      image, draw, QSize(int(std::lround(dest.width() * ratio)), int(std::lround(dest.height() * ratio))));
  if (!part.isNull()) p->drawImage(dest, part);
}

double PaintedSurface::textWidthMm(const QString& text) {
  if (text.isEmpty()) return 0;
  return currentFont().horizontalAdvance(text) / pixelsPerMmX();
}

double PaintedSurface::textHeightMm() {
  return currentFont().height() / pixelsPerMmY();
}

float PaintedSurface::textWidth(const QString& text) {
  if (!metricsDevice()) return -1;
  return float(fromMmX(textWidthMm(text)));
}

float PaintedSurface::textHeight() { return float(fromMmY(textHeightMm())); }
