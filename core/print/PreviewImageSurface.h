#pragma once
// The preview picture: an A4-proportioned image at screen resolution with one
// unit per millimetre, which the preview window shows. On a HiDPI screen the
// image holds device pixels (QImage::devicePixelRatio) while everything is
// drawn and measured in logical pixels, so one-pixel dots and small footers
// stay crisp and the millimetre geometry does not change.
#include <QImage>

#include "PaintedSurface.h"

class PreviewImageSurface : public PaintedSurface {
 public:
  // Width of the page picture in millimetres; its height keeps the A4
  // portrait proportion.
  static constexpr double kWidthMm = 201.3;
  static double heightMm() { return kWidthMm * 297.0 / 210.0; }

  // dpi 0 = the screen's logical resolution; devicePixelRatio 0 = the
  // screen's.
  explicit PreviewImageSurface(double dpi = 0, double devicePixelRatio = 0);
  ~PreviewImageSurface() override;

  const QImage& image();  // finishes pending painting first
  // Clears the picture to white (Cls); the current position becomes (0, 0).
  void clear();

  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;

 protected:
  double scaleWidthMm() const override { return kWidthMm; }
  double scaleHeightMm() const override { return heightMm(); }
  QPainter* painter() override;
  QPaintDevice* metricsDevice() override { return &image_; }
  OpenResult openDocument() override;
  void startNextPage() override;
  void closeDocument() override;

 private:
  double dpi_;
  double devicePixelRatio_;
  QImage image_;
  QPainter painter_;
};

// The one preview picture of the run (the preview window draws it); unlike
// PreviewPicture() it is never replaced by a test surface.
PreviewImageSurface& PreviewImage();
