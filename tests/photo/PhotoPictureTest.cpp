// Turning the picture, stretching it to the page body and scaling it for the
// device.
#include <gtest/gtest.h>

#include <QSet>

#include "PhotoTest.h"
#include "core/settings/PaperSettings.h"

namespace {

TEST(PhotoPictureTest, TurningLeftMapsEveryPixelAndFourTurnsGiveItBack) {
  QImage source(3, 2, QImage::Format_RGB32);
  const QRgb colours[6] = {0xff0000, 0x00ff00, 0x0000ff, 0xffff00, 0x00ffff, 0xff00ff};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) source.setPixel(x, y, 0xff000000 | colours[y * 3 + x]);
  const QImage turned = TurnPictureLeft(source);
  ASSERT_EQ(turned.size(), QSize(2, 3));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(turned.pixel(y, 2 - x), source.pixel(x, y)) << x << "," << y;
  QImage back = source;
  for (int i = 0; i < 4; ++i) back = TurnPictureLeft(back);
  EXPECT_EQ(back, source);
}

TEST(PhotoPictureTest, DeviceScalingKeepsHardEdgesForBlackAndWhiteAndTurnsOnNegativeExtents) {
  QImage source(4, 4, QImage::Format_RGB32);
  source.fill(Qt::white);
  for (int i = 0; i < 4; ++i) source.setPixel(i, i, qRgb(0, 0, 0));
  auto colours = [](const QImage& image) {
    QSet<QRgb> set;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y));
    return set;
  };
  EXPECT_EQ(colours(PhotoForDevice(source, 13, 13, true)).size(), 2);
  EXPECT_GT(colours(PhotoForDevice(source, 13, 13, false)).size(), 2);

  QImage corner(2, 2, QImage::Format_RGB32);
  corner.fill(Qt::white);
  corner.setPixel(0, 0, qRgb(255, 0, 0));
  const QImage turned = PhotoForDevice(corner, -2, -2, true);
  EXPECT_EQ(turned.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_TRUE(PhotoForDevice(QImage(), 5, 5, false).isNull());
  EXPECT_TRUE(PhotoForDevice(corner, 0, 5, false).isNull());
}

class PhotoStretchTest : public PhotoTest {};

TEST_F(PhotoStretchTest, StretchingToTheBodyChangesOnlyTheHeight) {
  // Bible body: 147 mm high, 80 mm across.
  const QImage stretched = StretchPictureToBody(TwoColours(200, 100));
  EXPECT_EQ(stretched.size(), QSize(200, 368));  // 147 / 80 × 200 = 367.5, to even
}

TEST_F(PhotoStretchTest, ALargePictureStretchedKeepsItsOwnNumberOfPixels) {
  // Bible body 147 / 80: stretching with the width kept gives width × 1.8375.
  struct Case {
    QSize picture;
    QSize expected;
  } const cases[] = {
      {{2900, 1000}, {2900, 5329}},   // 15.4 MP: width kept
      {{1000, 5000}, {1000, 1838}},   // shrinks: width kept
      {{3000, 400}, {2950, 5421}},    // would be 16.5 MP: 16 MP
      {{6000, 4000}, {3614, 6641}},   // a camera's 24 MP would be 66 MP: 24 MP
  };
  for (const Case& c : cases) {
    const QSize size = StretchedBodySize(c.picture);
    EXPECT_EQ(size, c.expected) << c.picture.width() << "x" << c.picture.height();
    EXPECT_NEAR(double(size.height()) / size.width(), 147.0 / 80, 0.001);
  }
}

}  // namespace
