#pragma once
// The drawing shared by the surfaces that paint with a QPainter (the printer
// and the preview picture): millimetres are converted to device pixels here,
// and fonts are sized on the device, never by scaling the painter.
#include <QFont>
#include <QPainter>
#include <utility>
#include <vector>

#include "PrintSurface.h"
#include "SurfaceFont.h"

class PaintedSurface : public PrintSurface {
 public:
  float textWidth(const QString& text) override;
  float textHeight() override;
  // The pen of a line or outline in device pixels: a dashed or dotted pen is
  // always one pixel wide, so that a styled rule looks the same at every
  // line width the settings give. The dot size and pitch count only for the
  // dotted style.
  static QPen PenFor(uint32_t rgb, int16_t drawWidth, int16_t drawStyle, double dotSizePx = 0,
                     double dotPitchPx = 0);

 protected:
  // The painter while a page can be drawn on, else nullptr (drawing is then
  // skipped, e.g. for a job whose printer could not be opened).
  virtual QPainter* painter() = 0;
  // The device the fonts are measured on.
  virtual QPaintDevice* metricsDevice() = 0;

  void drawLineMm(QPointF a, QPointF b, uint32_t rgb) override;
  void drawBoxMm(const QRectF& box, uint32_t rgb, bool filled) override;
  void drawCircleMm(QPointF centre, double radius, uint32_t rgb) override;
  void drawPointMm(QPointF at, uint32_t rgb) override;
  void drawTextMm(QPointF topLeft, const QString& text) override;
  void drawRotatedTextPx(QPointF devicePx, const QString& text, const RotatedFontSpec& face) override;
  void drawImagePx(const QImage& image, const PictureDraw& draw) override;
  double textWidthMm(const QString& text) override;
  double textHeightMm() override;

  QPointF toDevice(QPointF mm) const;
  // Where the printable area's top-left lies on the device, in device pixels.
  // It is added to every position drawn rather than set as the painter's
  // transform: under a transform the PDF writer wraps each filled dot in a
  // matrix of its own, and dotted lines made pages half as large again.
  QPointF deviceOrigin() const { return origin_; }
  void setDeviceOrigin(QPointF origin) { origin_ = origin; }
  // The font of the drawing state, sized for the metrics device.
  const SurfaceFont& currentFont();
  // A font by face name as the data gives it, sized for the metrics device.
  const SurfaceFont& fontFor(const QString& name, float points, bool bold);

 private:
  QPen pen(uint32_t rgb) const;
  static QPen DottedPen(uint32_t rgb, int width, double dotSizePx, double dotPitchPx);
  // The fonts used lately, the current one last: pages switch between a few
  // fonts and sizes all the time, and each keeps its glyphs rendered.
  struct FontKey {
    QString name;
    float size;
    bool bold;
    int dpi;
    double pixelsPerMm;
    bool operator==(const FontKey&) const = default;
  };
  std::vector<std::pair<FontKey, SurfaceFont>> fonts_;
  QPointF origin_;
};
