#include "OnePointPage.h"

#include <algorithm>
#include <cmath>

#include "RuledPaperOptions.h"
#include "core/print/PageFrame.h"
#include "core/print/Pictures.h"
#include "core/print/PrintSurface.h"
#include "core/print/TextOutput.h"
#include "core/settings/PaperSettings.h"
#include "core/text/Numbers.h"

namespace {

// The picture's pixel count rounded down to tens and enlarged four times, so
// that its printed size follows the printer's resolution, as users know it.
double DestinationPixels(int pixels) { return std::floor(pixels / 10.0) * 10 * 4; }

// Top corners sit this far below the top of the printable area.
constexpr double kTopMm = 2;

}  // namespace

void DrawImagePage(const RuledPaperOptions& o, double left, double right) {
  const PaperSettingsData& p = PaperSettings;
  DrawPageFrame(left, right);
  SetCurrentY(p.DataHeight);
  PrintTextNewLine(QStringLiteral("　"));

  const QImage& picture = o.Picture1;
  if (picture.isNull()) return;
  double dw = DestinationPixels(picture.width());
  double dh = DestinationPixels(picture.height());
  if (!(dw > 0) || !(dh > 0)) return;
  // A picture larger than the page's body is shrunk, its proportions kept,
  // to fit between the page's edges and from the top corner's height down to
  // the footer line, so that no corner puts it off the sheet.
  const double roomW = DevicePixelsX(right) - DevicePixelsX(left);
  const double roomH = DevicePixelsY(p.FootHeight) - DevicePixelsY(kTopMm);
  const double fit = std::min({1.0, roomW / dw, roomH / dh});
  if (fit < 1) {
    dw = std::floor(dw * fit);
    dh = std::floor(dh * fit);
    if (!(dw > 0) || !(dh > 0)) return;
  }
  dw = ToInt16(dw);
  dh = ToInt16(dh);
  const int corner = o.cmb_image_iti;
  const bool atLeft = corner == 0 || corner == 2;
  const bool atTop = corner == 0 || corner == 1;
  const double x = ToInt16(atLeft ? DevicePixelsX(left) : DevicePixelsX(right) - dw);
  const double y = ToInt16(atTop ? DevicePixelsY(kTopMm) : DevicePixelsY(p.FootHeight) - dh);
  StretchPicture(ActiveSurface(), x, y, dw, dh, picture);
}
