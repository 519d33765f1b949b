#include "SurfaceFont.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

namespace {
// Millimetres per point as layout counts them: two half-widths of
// HalfCharWidthMm per em.
constexpr double kMmPerPoint = 2 / 5.67;
constexpr qsizetype kTextsKept = 512;
constexpr double kLeastEnginePixels = 16;
}  // namespace

SurfaceFont::SurfaceFont(const QFont& deviceFont, double pixelsPerMm) : font_(deviceFont) {
  pixelSize_ = font_.pointSizeF() * kMmPerPoint * pixelsPerMm;
  double engineSize = QRawFont::fromFont(font_).pixelSize();
  // Small sizes are shaped larger: the engine keeps advances in 64ths of a
  // pixel, and under half a pixel it has no size at all (a long text fitted
  // into a narrow cell of the preview).
  for (int i = 0; engineSize < kLeastEnginePixels && i < 3; ++i) {
    font_.setPointSizeF(font_.pointSizeF() * 8);
    engineSize = QRawFont::fromFont(font_).pixelSize();
  }
  if (engineSize > 0) scale_ = pixelSize_ / engineSize;
  shapedAscent_ = QFontMetricsF(font_).ascent();
  mainFace_ = QRawFont::fromFont(font_);
}

double SurfaceFont::horizontalAdvance(const QString& text) const {
  auto found = advances_.constFind(text);
  if (found == advances_.constEnd()) {
    if (advances_.size() >= kTextsKept) advances_.clear();
    QList<quint32> glyphs;
    QList<QPointF> advances;
    double width = 0;
    if (mainFaceGlyphs(text, glyphs, advances))
      for (const QPointF& advance : advances) width += advance.x();
    else
      width = QFontMetricsF(font_).horizontalAdvance(text);
    found = advances_.insert(text, width);
  }
  return *found * scale_;
}

QRawFont SurfaceFont::exactSized(const QRawFont& engineSized) const {
  for (const auto& [face, exact] : exactFaces_)
    if (face == engineSized) return exact;
  QRawFont exact = engineSized;
  exact.setPixelSize(pixelSize_);
  exactFaces_.emplace_back(engineSized, exact);
  return exact;
}

QList<QGlyphRun> SurfaceFont::layOut(const QString& text) const {
  QList<QGlyphRun> runs = layOutInMainFace(text);
  return runs.isEmpty() ? layOutShaped(text) : runs;
}

QList<QGlyphRun> SurfaceFont::layOutShaped(const QString& text) const {
  QTextLayout layout(text, font_);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  // Every face of the line stands on the main face's baseline, as it is
  // measured (a fallback face may reach higher).
  const double baselineShift = shapedAscent_ - line.ascent();
  QList<QGlyphRun> runs = layout.glyphRuns();
  for (QGlyphRun& run : runs) {
    QList<QPointF> positions = run.positions();
    for (QPointF& p : positions) p = QPointF(p.x(), p.y() + baselineShift) * scale_;
    run.setPositions(positions);
    run.setRawFont(exactSized(run.rawFont()));
  }
  return runs;
}

// Shaping a text costs far more than drawing it, and a page of names and
// numbers is mostly texts never seen before. The faces text is set in have
// no substitutions or positioning that apply to it with kerning off, so a
// text whose every character the main face has is laid out from the face's
// own glyphs and advances, exactly where the shaper puts them. Characters
// that may combine, control characters and surrogate pairs, and any text
// needing a fallback face, still go through the shaper.
bool SurfaceFont::mainFaceGlyphs(const QString& text, QList<quint32>& glyphs, QList<QPointF>& advances) const {
  if (!mainFace_.isValid() || text.isEmpty()) return false;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u >= 0xD800 || c.isMark()) return false;
  }
  glyphs = mainFace_.glyphIndexesForString(text);
  if (glyphs.size() != text.size() || glyphs.contains(0u)) return false;
  advances = mainFace_.advancesForGlyphIndexes(glyphs);
  return true;
}

QList<QGlyphRun> SurfaceFont::layOutInMainFace(const QString& text) const {
  QList<quint32> glyphs;
  QList<QPointF> advances;
  if (!mainFaceGlyphs(text, glyphs, advances)) return {};
  QList<QPointF> positions;
  positions.reserve(glyphs.size());
  double x = 0;
  for (const QPointF& advance : advances) {
    positions.append(QPointF(x, shapedAscent_) * scale_);
    x += advance.x();
  }
  // Printed text moves the current position on by its width next.
  if (advances_.size() >= kTextsKept) advances_.clear();
  advances_.insert(text, x);
  QGlyphRun run;
  run.setRawFont(exactSized(mainFace_));
  run.setGlyphIndexes(glyphs);
  run.setPositions(positions);
  return {run};
}

void SurfaceFont::draw(QPainter& painter, QPointF topLeft, const QString& text) const {
  auto found = laidOut_.constFind(text);
  if (found == laidOut_.constEnd()) {
    if (laidOut_.size() >= kTextsKept) laidOut_.clear();
    found = laidOut_.insert(text, layOut(text));
  }
  for (const QGlyphRun& run : *found) painter.drawGlyphRun(topLeft, run);
}
