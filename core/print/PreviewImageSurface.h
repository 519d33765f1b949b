#pragma once
// The preview picture: an image of the job's paper at screen resolution with
// one unit per millimetre, which the preview window shows. On a HiDPI screen the
// image holds device pixels (QImage::devicePixelRatio) while everything is
// drawn and measured in logical pixels, so one-pixel dots and small footers
// stay crisp and the millimetre geometry does not change.
#include <QImage>
#include <QSizeF>

#include "PaintedSurface.h"

class PreviewImageSurface : public PaintedSurface {
 public:
  // dpi 0 = the screen's logical resolution; devicePixelRatio 0 = the
  // screen's.
  explicit PreviewImageSurface(double dpi = 0, double devicePixelRatio = 0);
  ~PreviewImageSurface() override;

  const QImage& image();  // finishes pending painting first
  // Clears the picture to white (Cls); the current position becomes (0, 0).
  // The picture takes the shape of the job's paper as it lies now.
  void clear();
  // The picture's size in millimetres as it is now: the scale follows a new
  // orientation or paper at once (a job measures its sheet before its first
  // page), the picture itself from the next page on, as on the printer.
  QSizeF pictureSizeMm() const { return pictureMm_; }

  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;

 protected:
  double scaleWidthMm() const override;
  double scaleHeightMm() const override;
  QPainter* painter() override;
  QPaintDevice* metricsDevice() override { return &image_; }
  OpenResult openDocument() override;
  void startNextPage() override;
  void closeDocument() override;

 private:
  void shapeImage(QSizeF mm);

  double dpi_;
  double devicePixelRatio_;
  QSizeF pictureMm_;
  QImage image_;
  QPainter painter_;
};

// The one preview picture of the run (the preview window draws it); unlike
// PreviewPicture() it is never replaced by a test surface.
PreviewImageSurface& PreviewImage();
