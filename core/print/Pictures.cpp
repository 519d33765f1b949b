#include "Pictures.h"

#include "PrintSurface.h"
#include "core/text/Numbers.h"

double DevicePixelsX(double mm) { return mm * kTwipsPerMm / GetTwipsPerPixelX(); }
double DevicePixelsY(double mm) { return mm * kTwipsPerMm / GetTwipsPerPixelY(); }

void StretchPicture(PrintSurface& target, double x, double y, double width, double height,
                    const QImage& picture, const QRect& source, PictureScaling scaling) {
  if (picture.isNull()) return;
  const QRectF dest(RoundHalfEven(x), RoundHalfEven(y), RoundHalfEven(width), RoundHalfEven(height));
  if (dest.width() == 0 || dest.height() == 0) return;
  target.imageDevice(dest, picture, source, scaling);
}

void PrintPictureBox(const QImage& picture, double) {
  const float x = GetCurrentX();
  const float y = GetCurrentY();
  const float points = GetFontSize();
  const double emX = points * 1440.0 / 72.0 / GetTwipsPerPixelX();
  const double emY = points * 1440.0 / 72.0 / GetTwipsPerPixelY();
  StretchPicture(ActiveSurface(), DevicePixelsX(x) + 0.1 * emX, DevicePixelsY(y) + 0.1 * emY,
                 0.9 * emX, 0.9 * emY, picture);
  SetCurrentX(x + 2 * HalfCharWidthMm(points));
  SetCurrentY(y);
}

int32_t PrinterPaintPicture(double, double x, double y, double width, double height,
                            const QImage& picture, int16_t sourceX, int16_t sourceY,
                            int16_t sourceWidth, int16_t sourceHeight, double, double) {
  // The surface paints in device pixels whatever its scale mode, so the
  // printer's millimetre scale stays untouched.
  if (sourceWidth <= 0 || sourceHeight <= 0 || picture.isNull()) return 0;
  PrinterSurfaceTarget().imageDevice(QRectF(x, y, width, height), picture,
                                     QRect(sourceX, sourceY, sourceWidth, sourceHeight));
  return 0;
}
