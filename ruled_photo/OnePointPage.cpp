#include "OnePointPage.h"

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
double DestinationPixels(int pixels) { return double(ToInt16(std::floor(pixels / 10.0) * 10 * 4)); }

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
  const double dw = DestinationPixels(picture.width());
  const double dh = DestinationPixels(picture.height());
  if (!(dw > 0) || !(dh > 0)) return;
  const int corner = o.cmb_image_iti;
  const bool atLeft = corner == 0 || corner == 2;
  const bool atTop = corner == 0 || corner == 1;
  const double x = ToInt16(atLeft ? DevicePixelsX(left) : DevicePixelsX(right) - dw);
  const double y = ToInt16(atTop ? DevicePixelsY(kTopMm) : DevicePixelsY(p.FootHeight) - dh);
  StretchPicture(ActiveSurface(), x, y, dw, dh, picture);
}
