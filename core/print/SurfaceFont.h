#pragma once
// A font that a painted surface measures and draws at the exact size layout
// counts with.
//
// Qt's font engines round a font's size to whole device pixels. On the
// preview picture, with fewer than four pixels to the millimetre, that made
// text up to 6 % wider or narrower than on paper, so wrapped and fitted text
// broke at other characters than in print. The text is therefore shaped at
// a whole-pixel size the engine has, and its advances and outlines are scaled
// to the exact size. The faces are unhinted (MakeSurfaceFont), so their
// advances grow in proportion to the size and the scaled measure is the
// exact one.
//
// One em is two half-widths of the layout model (points / 5.67 mm, a point
// 0.0125 % short of 1/72 inch): the fixed-pitch faces then measure exactly
// what layout counts, Shift-JIS bytes times the half-width, so a text fitted
// to its room fills it and no more.
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <utility>
#include <vector>

class QPainter;

class SurfaceFont {
 public:
  SurfaceFont() = default;
  // deviceFont: sized in points and resolved for the device it draws on
  // (QFont(font, device)); pixelsPerMm: the device's pixels per millimetre.
  SurfaceFont(const QFont& deviceFont, double pixelsPerMm);

  // In device pixels at the exact size.
  double horizontalAdvance(const QString& text) const;
  // The line pitch: one em. Layouts size their rows in ems, and the faces
  // here reach a tenth of an em further (ascent + descent), which made lines
  // overrun their rows. Glyphs keep their baseline at the ascent below the
  // top, so a descender may reach into the next line's em box.
  double height() const { return pixelSize_; }
  // Draws the text with the top-left of its first character cell at a device
  // position, in the painter's pen colour.
  void draw(QPainter& painter, QPointF topLeft, const QString& text) const;

 private:
  QList<QGlyphRun> layOut(const QString& text) const;
  QList<QGlyphRun> layOutShaped(const QString& text) const;
  // The same for a text the main face has every character of, without the
  // shaper; empty when the text needs the shaper.
  QList<QGlyphRun> layOutInMainFace(const QString& text) const;
  // The main face's glyphs and advances (shaped size) of such a text; false
  // when the text needs the shaper.
  bool mainFaceGlyphs(const QString& text, QList<quint32>& glyphs, QList<QPointF>& advances) const;
  QRawFont exactSized(const QRawFont& engineSized) const;

  QFont font_;             // at the size the text is shaped at
  double pixelSize_ = 0;   // the exact size of one em, device pixels
  double scale_ = 1;       // exact size / shaped size
  double shapedAscent_ = 0;
  QRawFont mainFace_;      // the main face at the shaped size
  QRawFont mainExact_;     // and at the exact size
  // The faces a text has been drawn in (fallback faces included) and their
  // outlines at the exact size, kept so that their glyph caches live on.
  mutable std::vector<std::pair<QRawFont, QRawFont>> exactFaces_;
  // Texts drawn lately, laid out at the exact size: text is mostly printed a
  // character at a time, and the same characters keep coming back.
  mutable QHash<QString, QList<QGlyphRun>> laidOut_;
  // Widths of texts measured lately, shaped size: the current position
  // moves on by every character printed, and shaping each one again cost
  // as much as drawing it.
  mutable QHash<QString, double> advances_;
};
