#include "PreviewImageSurface.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "PreviewLayout.h"

namespace {
double ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchX() : 96.0;
}
double ScreenDevicePixelRatio() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? std::max(1.0, screen->devicePixelRatio()) : 1.0;
}
}  // namespace

PreviewImageSurface::PreviewImageSurface(double dpi, double devicePixelRatio)
    : dpi_(dpi > 0 ? dpi : ScreenDpi()),
      devicePixelRatio_(devicePixelRatio > 0 ? devicePixelRatio : ScreenDevicePixelRatio()) {
  // An upright A4 picture until a job clears it: no printer is asked before.
  shapeImage(preview::PictureSizeMm(QSizeF(210, 297)));
}

// A new image only when the shape changes: the picture is cleared for every
// page, and most jobs keep one paper throughout.
void PreviewImageSurface::shapeImage(QSizeF mm) {
  if (!image_.isNull() && mm == pictureMm_) return;
  if (painter_.isActive()) painter_.end();
  pictureMm_ = mm;
  const double devicePixelsPerInch = dpi_ * devicePixelRatio_;
  const int width = int(std::lround(mm.width() / 25.4 * devicePixelsPerInch));
  const int height = int(std::lround(mm.height() / 25.4 * devicePixelsPerInch));
  image_ = QImage(width, height, QImage::Format_RGB32);
  // A painter on the image then works in logical pixels and scales itself.
  image_.setDevicePixelRatio(devicePixelRatio_);
  // Fonts are sized in points on the image, so the image must know its
  // logical dpi.
  image_.setDotsPerMeterX(int(std::lround(dpi_ / 0.0254)));
  image_.setDotsPerMeterY(int(std::lround(dpi_ / 0.0254)));
  image_.fill(Qt::white);
}

PreviewImageSurface::~PreviewImageSurface() {
  if (painter_.isActive()) painter_.end();
}

const QImage& PreviewImageSurface::image() {
  if (painter_.isActive()) painter_.end();
  return image_;
}

void PreviewImageSurface::clear() {
  if (painter_.isActive()) painter_.end();
  shapeImage(preview::JobPictureSizeMm(orientation_));
  image_.fill(Qt::white);
  state_.CurrentX = 0;
  state_.CurrentY = 0;
}

double PreviewImageSurface::scaleWidthMm() const { return preview::JobPictureSizeMm(orientation_).width(); }
double PreviewImageSurface::scaleHeightMm() const { return preview::JobPictureSizeMm(orientation_).height(); }

float PreviewImageSurface::twipsPerPixelX() const { return float(1440.0 / dpi_); }
float PreviewImageSurface::twipsPerPixelY() const { return float(1440.0 / dpi_); }

QPainter* PreviewImageSurface::painter() {
  if (!painter_.isActive()) {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
  }
  return &painter_;
}

PrintSurface::OpenResult PreviewImageSurface::openDocument() {
  clear();
  return OpenResult::Opened;
}

void PreviewImageSurface::startNextPage() { clear(); }
void PreviewImageSurface::closeDocument() {}

PreviewImageSurface& PreviewImage() {
  static PreviewImageSurface* surface = new PreviewImageSurface();
  return *surface;
}
