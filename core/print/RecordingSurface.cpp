#include "RecordingSurface.h"

#include <cmath>

#include "core/platform/Codec.h"

RecordingSurface::RecordingSurface(double widthMm, double heightMm, double dpi)
    : widthMm_(widthMm), heightMm_(heightMm), twipsPerPixel_(float(1440.0 / dpi)) {}

std::vector<RecordedOp> RecordingSurface::opsOf(RecordedOp::Kind kind) const {
  std::vector<RecordedOp> found;
  for (const RecordedOp& op : ops_)
    if (op.kind == kind) found.push_back(op);
  return found;
}

QStringList RecordingSurface::texts() const {
  QStringList found;
  for (const RecordedOp& op : ops_)
    if (op.kind == RecordedOp::Text || op.kind == RecordedOp::RotatedText) found << op.text;
  return found;
}

QString RecordingSurface::protocol() const {
  QStringList events;
  for (const RecordedOp& op : ops_) {
    switch (op.kind) {
      case RecordedOp::BeginDocument: events << QStringLiteral("begin-doc"); break;
      case RecordedOp::NewPage: events << QStringLiteral("new-page"); break;
      case RecordedOp::EndDocument: events << QStringLiteral("end-doc"); break;
      case RecordedOp::EndJob: events << QStringLiteral("end-job"); break;
      default: break;
    }
  }
  return events.join(u' ');
}

bool RecordingSurface::setFontName(const QString& name) {
  if (refused_.contains(name)) return false;
  return PrintSurface::setFontName(name);
}

float RecordingSurface::textWidth(const QString& text) { return float(fromMmX(textWidthMm(text))); }
float RecordingSurface::textHeight() { return float(fromMmY(textHeightMm())); }

void RecordingSurface::setOrientation(int16_t orientation) {
  ++orientationSets_;
  PrintSurface::setOrientation(orientation);
}

double RecordingSurface::scaleWidthMm() const { return orientation_ == kLandscape ? heightMm_ : widthMm_; }
double RecordingSurface::scaleHeightMm() const { return orientation_ == kLandscape ? widthMm_ : heightMm_; }

RecordedOp RecordingSurface::make(RecordedOp::Kind kind, double x1, double y1, double x2, double y2,
                                  uint32_t rgb) const {
  RecordedOp op;
  op.kind = kind;
  op.x1 = x1;
  op.y1 = y1;
  op.x2 = x2;
  op.y2 = y2;
  op.color = rgb;
  op.fontName = state_.FontName;
  op.fontSize = state_.FontSize;
  op.fontBold = state_.FontBold;
  op.drawStyle = state_.DrawStyle;
  op.drawWidth = state_.DrawWidth;
  op.dotPitch = state_.DotPitchMm;
  op.dotSize = state_.DotSizeMm;
  op.fillStyle = state_.FillStyle;
  op.fillColor = state_.FillColor;
  return op;
}

void RecordingSurface::add(RecordedOp::Kind kind) { ops_.push_back(make(kind, 0, 0, 0, 0, 0)); }

void RecordingSurface::drawLineMm(QPointF a, QPointF b, uint32_t rgb) {
  if (dotsAsPoints_ && state_.DrawStyle == kDrawDotted && state_.DotPitchMm > 0) {
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    const long dots = std::lround(length / state_.DotPitchMm) + 1;
    for (long i = 0; i < dots; ++i) {
      const QPointF at = length > 0 ? a + d * (double(i) * state_.DotPitchMm / length) : a;
      const bool circle = state_.DotSizeMm > 0;
      RecordedOp op = make(circle ? RecordedOp::Circle : RecordedOp::Point, at.x(), at.y(),
                           circle ? state_.DotSizeMm / 2.0 : 0, 0, rgb);
      op.drawStyle = kDrawSolid;
      ops_.push_back(op);
    }
    return;
  }
  ops_.push_back(make(RecordedOp::Line, a.x(), a.y(), b.x(), b.y(), rgb));
}

void RecordingSurface::drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) {
  ops_.push_back(make(filled ? RecordedOp::FilledBox : RecordedOp::Box, box.left(), box.top(),
                      box.right(), box.bottom(), rgb));
}

void RecordingSurface::drawCircleMm(QPointF centre, double radius, uint32_t rgb) {
  ops_.push_back(make(RecordedOp::Circle, centre.x(), centre.y(), radius, 0, rgb));
}

void RecordingSurface::drawPointMm(QPointF at, uint32_t rgb) {
  ops_.push_back(make(RecordedOp::Point, at.x(), at.y(), 0, 0, rgb));
}

void RecordingSurface::drawTextMm(QPointF topLeft, const QString& text) {
  RecordedOp op = make(RecordedOp::Text, topLeft.x(), topLeft.y(), 0, 0, state_.ForeColor);
  op.text = text;
  ops_.push_back(op);
}

void RecordingSurface::drawRotatedTextPx(QPointF devicePx, const QString& text,
                                         const RotatedFontSpec& face) {
  RecordedOp op = make(RecordedOp::RotatedText, devicePx.x() / pixelsPerMmX(),
                       devicePx.y() / pixelsPerMmY(), 0, 0, state_.ForeColor);
  op.text = text;
  op.rotated = face;
  ops_.push_back(op);
}

void RecordingSurface::drawImagePx(const QImage& image, const PictureDraw& draw) {
  const QRectF& d = draw.destPx;
  RecordedOp op = make(RecordedOp::Image, d.left() / pixelsPerMmX(), d.top() / pixelsPerMmY(),
                       d.right() / pixelsPerMmX(), d.bottom() / pixelsPerMmY(), 0);
  op.imageSize = image.size();
  op.scaling = draw.scaling;
  op.mirroredX = draw.mirroredX;
  op.mirroredY = draw.mirroredY;
  ops_.push_back(op);
}

// The layout model: Shift-JIS bytes times the half-width of the font size.
double RecordingSurface::textWidthMm(const QString& text) {
  return platform::SjisByteLength(text) * double(state_.FontSize) / 5.67;
}

double RecordingSurface::textHeightMm() { return double(state_.FontSize) * 25.4 / 72.0; }

PrintSurface::OpenResult RecordingSurface::openDocument() {
  if (unusable_) {
    failureText_ = QStringLiteral("プリンターが使用できません。");
    return OpenResult::Failed;
  }
  add(RecordedOp::BeginDocument);
  return OpenResult::Opened;
}

void RecordingSurface::startNextPage() { add(RecordedOp::NewPage); }
void RecordingSurface::closeDocument() { add(RecordedOp::EndDocument); }
void RecordingSurface::closeJob() { add(RecordedOp::EndJob); }
