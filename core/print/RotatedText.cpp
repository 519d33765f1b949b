#include "RotatedText.h"

#include <cmath>

#include "Pictures.h"
#include "PrintJob.h"
#include "PrintSurface.h"
#include "core/text/Numbers.h"

RotatedTextRecordData RotatedTextRecord;

namespace {
constexpr int kShiftJisCharSet = 128;
constexpr int kQuarterTurnAnticlockwise = 900;
}  // namespace

void DrawTurnedText(float x, float y, const QString& text, int escapement) {
  PrintSurface& surface = ActiveSurface();
  const QPointF at(RoundHalfEven(DevicePixelsX(x)), RoundHalfEven(DevicePixelsY(y)));

  RotatedTextRecordData& r = RotatedTextRecord;
  r.text = text;
  r.charSet = kShiftJisCharSet;
  r.escapement = escapement;
  r.faceName = GetFontName();
  const double heightPx = -20.0 * GetFontSize() / GetTwipsPerPixelY();
  r.height = int(RoundHalfEven(heightPx));
  r.width = int(RoundHalfEven(r.height * 0.5));

  // The logical font counts whole pixels, a few per cent off on the preview;
  // the text is drawn at the size itself, as horizontal text is, so that it
  // runs as long on the screen as on paper.
  RotatedFontSpec face;
  face.faceName = r.faceName;
  face.heightPx = heightPx;
  face.widthPx = std::abs(heightPx) / 2;
  face.escapement = r.escapement;
  surface.rotatedText(at, text, face);
  r.lastResult = surface.jobUsable() && !text.isEmpty();
  CurrentPrintJob().pageUsed = 1;
}

void DrawRotatedText(float x, float y, const QString& text) {
  DrawTurnedText(x, y, text, kQuarterTurnAnticlockwise);
}

void PrintRotatedTextAtCursor(const QString& text) { DrawRotatedText(GetCurrentX(), GetCurrentY(), text); }

void PrintRotatedText(const QString& text) { PrintRotatedTextAtCursor(text); }
