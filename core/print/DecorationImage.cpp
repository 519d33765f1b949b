#include "DecorationImage.h"

#include <QImageReader>
#include <algorithm>
#include <limits>

#include "Pictures.h"
#include "PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/PathHelpers.h"

namespace {

// Relative on purpose: after start-up the current folder is the program folder.
const QString kDecorationFolder = QStringLiteral("pic/");
const QString kDecorationPattern = QStringLiteral("*.BMP");

int16_t decorationCounter = 0;

bool NameLess(const QString& a, const QString& b) {
  const int byCase = QString::compare(a, b, Qt::CaseInsensitive);
  return byCase != 0 ? byCase < 0 : a < b;
}

// Moves the cycle one bitmap on (towards the first of the listing, then round
// to the last) and gives the position to draw, 0 when there is none.
int16_t NextDecorationPosition(qsizetype fileCount) {
  --decorationCounter;
  if (decorationCounter < 1)
    decorationCounter = int16_t(std::min<qsizetype>(fileCount, std::numeric_limits<int16_t>::max()));
  if (decorationCounter > fileCount) {
    // Files went away since the cycle counted them: skip this page and let the
    // next one start again at the last file.
    decorationCounter = 0;
  }
  return decorationCounter;
}

QImage LoadDecoration(const QString& name) {
  QImageReader reader(kDecorationFolder + name);
  reader.setDecideFormatFromContent(true);
  return reader.read();
}

}  // namespace

QStringList DecorationImageFiles() {
  QStringList names = MatchingFiles(kDecorationFolder + kDecorationPattern);
  std::sort(names.begin(), names.end(), NameLess);
  return names;
}

QRectF DecorationPlacement(double left, double right, double footHeight, int pixelWidth, int pixelHeight) {
  const bool wide = pixelHeight < pixelWidth;
  const double width = wide ? right - left : (right - left) / 4;
  const double x = wide ? left : right - width;
  const double height = width * pixelHeight / pixelWidth;
  return QRectF(x, footHeight - height, width, height);
}

int16_t DecorationCounter() { return decorationCounter; }
void ResetDecorationCounter() { decorationCounter = 0; }

void DrawDecorationImage(float left, float right) {
  const QStringList files = DecorationImageFiles();
  const int16_t position = NextDecorationPosition(files.size());
  if (position < 1) return;

  const QImage picture = LoadDecoration(files.at(position - 1));
  if (picture.isNull()) return;
  const int sw = picture.width();
  const int sh = picture.height();
  // The printer's picture painter takes 16-bit source sizes.
  if (sw > std::numeric_limits<int16_t>::max() || sh > std::numeric_limits<int16_t>::max()) return;

  const QRectF mm = DecorationPlacement(left, right, PaperSettings.FootHeight, sw, sh);
  if (!(mm.width() > 0) || !(mm.height() > 0)) return;
  const double x = DevicePixelsX(mm.x());
  const double w = DevicePixelsX(mm.width());
  const double y = DevicePixelsY(mm.y());
  const double h = DevicePixelsY(mm.height());
  if (Previewing()) {
    StretchPicture(PreviewPicture(), x, y, w, h, picture);
  } else {
    PrinterPaintPicture(0, x, y, w, h, picture, 0, 0, int16_t(sw), int16_t(sh));
  }
}
