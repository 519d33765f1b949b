#include "PaintedSurface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QVector>
#include <algorithm>
#include <cmath>

#include "FontMapping.h"

namespace {

QColor ToQColor(uint32_t rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }

// Dash patterns in device pixels, as the original platform draws its
// one-pixel styled pens (Qt counts patterns in pen widths).
QVector<qreal> DashPattern(int16_t style) {
  switch (style) {
    case kDrawDash: return {18, 6};
    case kDrawDot: return {3, 3};
    case kDrawDashDot: return {9, 6, 3, 6};
    case kDrawDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

}  // namespace

QPointF PaintedSurface::toDevice(QPointF mm) const {
  return {mm.x() * pixelsPerMmX(), mm.y() * pixelsPerMmY()};
}

QFont PaintedSurface::currentFont() {
  QPaintDevice* device = metricsDevice();
  const int dpi = device ? device->logicalDpiY() : 0;
  if (cachedName_ != state_.FontName || cachedSize_ != state_.FontSize ||
      cachedBold_ != state_.FontBold || cachedDpi_ != dpi) {
    const QFont font = MakeSurfaceFont(state_.FontName, state_.FontSize, state_.FontBold);
    cachedFont_ = device ? QFont(font, device) : font;
    cachedName_ = state_.FontName;
    cachedSize_ = state_.FontSize;
    cachedBold_ = state_.FontBold;
    cachedDpi_ = dpi;
  }
  return cachedFont_;
}

QPen PaintedSurface::pen(uint32_t rgb) const {
  const int width = std::max<int>(1, state_.DrawWidth);
  QPen pen(ToQColor(rgb), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap,
           Qt::RoundJoin);
  // Styled pens exist only one pixel wide; wider lines are solid.
  const QVector<qreal> dashes = DashPattern(state_.DrawStyle);
  if (width == 1 && !dashes.isEmpty()) pen.setDashPattern(dashes);
  return pen;
}

void PaintedSurface::drawLineMm(QPointF a, QPointF b, uint32_t rgb) {
  QPainter* p = painter();
  if (!p) return;
  p->setPen(pen(rgb));
  p->drawLine(toDevice(a), toDevice(b));
}

void PaintedSurface::drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) {
  QPainter* p = painter();
  if (!p) return;
  QRectF r(toDevice(box.topLeft()), toDevice(box.bottomRight()));
  if (filled) {
    // The border belongs to the filled area, so even a zero-sized box shows.
    r.adjust(-0.5, -0.5, 0.5, 0.5);
    p->fillRect(r, ToQColor(rgb));
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
  p->setBrush(Qt::NoBrush);
  p->drawEllipse(toDevice(centre), radius * pixelsPerMmX(), radius * pixelsPerMmY());
}

void PaintedSurface::drawPointMm(QPointF at, uint32_t rgb) {
  QPainter* p = painter();
  if (!p) return;
  const int width = std::max<int>(1, state_.DrawWidth);
  const QPointF c = toDevice(at);
  if (width == 1) {
    p->fillRect(QRectF(std::floor(c.x()), std::floor(c.y()), 1, 1), ToQColor(rgb));
    return;
  }
  p->setPen(Qt::NoPen);
  p->setBrush(ToQColor(rgb));
  p->drawEllipse(c, width / 2.0, width / 2.0);
}

void PaintedSurface::drawTextMm(QPointF topLeft, const QString& text) {
  QPainter* p = painter();
  if (!p) return;
  const QFont font = currentFont();
  p->setFont(font);
  p->setPen(ToQColor(state_.ForeColor));
  const QPointF at = toDevice(topLeft);
  p->drawText(QPointF(at.x(), at.y() + QFontMetricsF(font, metricsDevice()).ascent()), text);
}

void PaintedSurface::drawRotatedTextPx(QPointF devicePx, const QString& text,
                                       const RotatedFontSpec& spec) {
  QPainter* p = painter();
  if (!p) return;
  QPaintDevice* device = metricsDevice();
  const double height = std::abs(spec.heightPx);
  if (height <= 0) return;
  QFont font = MakeSurfaceFont(spec.faceName, height * 72.0 / device->logicalDpiY(), false);
  font = QFont(font, device);
  // The width is the average character width; a half-width glyph of these
  // faces is half the height wide.
  if (spec.widthPx > 0) font.setStretch(std::clamp(int(std::lround(200.0 * spec.widthPx / height)), 1, 4000));
  p->save();
  p->translate(devicePx);
  p->rotate(-spec.escapement / 10.0);
  p->setFont(font);
  p->setPen(ToQColor(state_.ForeColor));
  p->drawText(QPointF(0, QFontMetricsF(font, device).ascent()), text);
  p->restore();
}

void PaintedSurface::drawImagePx(const QRectF& destPx, const QImage& image, const QRect& source) {
  QPainter* p = painter();
  if (!p) return;
  p->drawImage(destPx, image, source);
}

double PaintedSurface::textWidthMm(const QString& text) {
  if (text.isEmpty()) return 0;
  return QFontMetricsF(currentFont(), metricsDevice()).horizontalAdvance(text) / pixelsPerMmX();
}

double PaintedSurface::textHeightMm() {
  return QFontMetricsF(currentFont(), metricsDevice()).height() / pixelsPerMmY();
}

float PaintedSurface::textWidth(const QString& text) {
  if (!metricsDevice()) return -1;
  return float(fromMmX(textWidthMm(text)));
}

float PaintedSurface::textHeight() { return float(fromMmY(textHeightMm())); }
