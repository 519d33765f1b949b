#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double twipsPerPixel(bool horizontal) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  double dpi = kFallbackDpi;
  if (screen) dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
  if (!(dpi > 0)) dpi = kFallbackDpi;
  return kTwipsPerInch / dpi;
}

// A position read from a damaged settings file may be any number; keep the
// pixel value finite and far inside the int range.
int toPixels(double value) {
  if (!std::isfinite(value)) return 0;
  return static_cast<int>(std::lround(std::clamp(value, -1.0e6, 1.0e6)));
}
}  // namespace

double TwipsPerPixelX() { return twipsPerPixel(true); }
double TwipsPerPixelY() { return twipsPerPixel(false); }

int TwipsToPixelsX(double twips) { return toPixels(twips / TwipsPerPixelX()); }
int TwipsToPixelsY(double twips) { return toPixels(twips / TwipsPerPixelY()); }

double PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
double PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }
