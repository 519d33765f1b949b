#pragma once
// Bitmaps on the page: a small picture inline in text, and pictures stretched
// onto a surface in device pixels.
#include <QImage>
#include <cstdint>

#include "PrintSurface.h"

// Twips to the millimetre as the pages have always been laid out (1440 / 25.4
// rounded): positions stored in twips depend on it.
inline constexpr double kTwipsPerMm = 56.7;

// Millimetres as device pixels of the active surface, at 56.7 twips to the
// millimetre and the surface's twips per pixel (the screen's while
// previewing, the printer's otherwise); not rounded.
double DevicePixelsX(double mm);
double DevicePixelsY(double mm);

// Stretches the source rectangle of the picture (all of it when the source is
// empty) onto the destination rectangle in device pixels, each destination
// value taken to the nearest whole pixel. A negative width and height run
// the rectangle back from (x, y) and turn the picture by 180 degrees (one
// alone mirrors it on that axis). Smooth and Nearest scaling hand the target
// the picture at the rectangle's pixel size (see PrintSurface::imageDevice).
// Nothing when the picture or the rectangle is empty.
void StretchPicture(PrintSurface& target, double x, double y, double width, double height,
                    const QImage& picture, const QRect& source = {},
                    PictureScaling scaling = PictureScaling::Device);

// Draws the picture 0.9 em square, 0.1 em right of and below the current
// position, and moves the current x on by one full-width character of the
// current font; the current y stays. The second argument is not used.
void PrintPictureBox(const QImage& picture, double unused = 0);

// Paints the source rectangle of the picture into the rectangle (x, y, width,
// height) given in printer pixels, always on the printer, also while
// previewing. Returns 0. The first and the last two arguments are not used.
int32_t PrinterPaintPicture(double unused, double x, double y, double width, double height,
                            const QImage& picture, int16_t sourceX, int16_t sourceY,
                            int16_t sourceWidth, int16_t sourceHeight, double unused2 = 0,
                            double unused3 = 0);
