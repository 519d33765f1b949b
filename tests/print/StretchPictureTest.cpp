// Pictures stretched onto the painted surfaces: the scaling asked for, the
// turn of negative extents, and the pixels a printer gets.
#include <QFileInfo>
#include <QSet>
#include <optional>

#include "PrintTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/print/Pictures.h"
#include "core/print/PreviewImageSurface.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"

namespace {

class StretchPictureTest : public PrintTest {};

// Red, green / blue, white.
QImage FourCorners() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(0, 1, qRgb(0, 0, 255));
  image.setPixel(1, 1, qRgb(255, 255, 255));
  return image;
}

QSet<QRgb> ColoursIn(const QImage& image, const QRect& r) {
  QSet<QRgb> colours;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) colours.insert(image.pixel(x, y) | 0xff000000);
  return colours;
}

TEST_F(StretchPictureTest, NegativeExtentsMirrorAndBothTurnByHalfARound) {
  // The picture fills pixels 10..49 each way whichever way it runs.
  const struct {
    int width, height;
    QRgb topLeft, bottomRight;
  } cases[] = {
      {40, 40, qRgb(255, 0, 0), qRgb(255, 255, 255)},
      {-40, 40, qRgb(0, 255, 0), qRgb(0, 0, 255)},
      {40, -40, qRgb(0, 0, 255), qRgb(0, 255, 0)},
      {-40, -40, qRgb(255, 255, 255), qRgb(255, 0, 0)},
  };
  for (PictureScaling scaling : {PictureScaling::Nearest, PictureScaling::Smooth, PictureScaling::Device}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << int(scaling) << ": " << c.width << " x " << c.height);
      PreviewImageSurface surface(96, 1);
      StretchPicture(surface, c.width < 0 ? 50 : 10, c.height < 0 ? 50 : 10, c.width, c.height, FourCorners(), {},
                     scaling);
      const QImage& image = surface.image();
      EXPECT_EQ(image.pixel(11, 11) | 0xff000000, c.topLeft);
      EXPECT_EQ(image.pixel(48, 48) | 0xff000000, c.bottomRight);
      EXPECT_EQ(image.pixel(9, 9) | 0xff000000, qRgb(255, 255, 255)) << "outside stays white";
      EXPECT_EQ(image.pixel(50, 11) | 0xff000000, qRgb(255, 255, 255));
    }
  }
}

TEST_F(StretchPictureTest, NearestKeepsHardEdgesAndSmoothBlendsThem) {
  QImage checker(2, 2, QImage::Format_RGB32);
  checker.fill(Qt::white);
  checker.setPixel(0, 0, qRgb(0, 0, 0));
  checker.setPixel(1, 1, qRgb(0, 0, 0));
  // A HiDPI preview gets the picture at its own, doubled, pixels.
  for (double ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    PreviewImageSurface nearest(96, ratio), smooth(96, ratio);
    StretchPicture(nearest, 10, 10, 40, 40, checker, {}, PictureScaling::Nearest);
    StretchPicture(smooth, 10, 10, 40, 40, checker, {}, PictureScaling::Smooth);
    const QRect drawn(int(10 * ratio), int(10 * ratio), int(40 * ratio), int(40 * ratio));
    EXPECT_EQ(ColoursIn(nearest.image(), drawn).size(), 2);
    EXPECT_GT(ColoursIn(smooth.image(), drawn).size(), 10);
  }
}

// A camera's picture drawn small must not reach the PDF file at its own size.
TEST_F(StretchPictureTest, APrinterGetsThePictureAtTheRectanglesPixels) {
  useRealSurfaces();
  QImage noise(1500, 1000, QImage::Format_RGB32);
  quint32 seed = 12345;
  for (int y = 0; y < noise.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(noise.scanLine(y));
    for (int x = 0; x < noise.width(); ++x) line[x] = 0xff000000 | (seed = seed * 1664525u + 1013904223u) >> 8;
  }
  qint64 sizes[2] = {};
  const PictureScaling scalings[2] = {PictureScaling::Device, PictureScaling::Smooth};
  for (int i = 0; i < 2; ++i) {
    const QString pdf = home() + QStringLiteral("stretch-%1.pdf").arg(i);
    platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
    answerDialog({1, false, kPdfPrinterName});
    ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    SetPrinterScaleMode(kScaleMillimetres);
    BeginPage();
    // 10 × 6.7 mm: 236 × 157 printer pixels at 600 dpi.
    StretchPicture(ActiveSurface(), DevicePixelsX(20), DevicePixelsY(20), DevicePixelsX(10), DevicePixelsY(6.7),
                   noise, {}, scalings[i]);
    FinishOutput();
    EndPrintDocument();
    sizes[i] = QFileInfo(pdf).size();
  }
  platform::SetFileDialogHandler({});
  ASSERT_GT(sizes[0], 0);
  ASSERT_GT(sizes[1], 0);
  EXPECT_LT(sizes[1] * 10, sizes[0]) << sizes[1] << " bytes against " << sizes[0];
}

}  // namespace
