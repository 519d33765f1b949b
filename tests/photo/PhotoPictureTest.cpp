// Loading a camera's picture, turning it and stretching it to the page body.
#include <gtest/gtest.h>

#include <QBuffer>

#include "PhotoTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/PictureLoader.h"

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

// A JPEG of the size, left half red and right half blue, whose EXIF block
// says "shown turned right by 90 degrees" (orientation 6), as a camera held
// upright writes it.
QByteArray JpegTurnedRight(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  for (int y = 0; y < height; ++y)
    for (int x = width / 2; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "JPEG", 95));
  static const unsigned char exif[] = {
      0xFF, 0xE1, 0x00, 0x22, 'E',  'x',  'i',  'f',  0x00, 0x00, 'M',  'M',
      0x00, 0x2A, 0x00, 0x00, 0x00, 0x08, 0x00, 0x01, 0x01, 0x12, 0x00, 0x03,
      0x00, 0x00, 0x00, 0x01, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
  };
  jpeg.insert(2, QByteArray(reinterpret_cast<const char*>(exif), sizeof exif));
  return jpeg;
}

class PhotoLoadTest : public RingpadTest {};

TEST_F(PhotoLoadTest, JpegIsTurnedAsItsExifOrientationSays) {
  const QString path = homeFile(QStringLiteral("camera.jpg"));
  WriteBytes(path, JpegTurnedRight(32, 16));
  const QImage picture = LoadPicture(path);
  ASSERT_EQ(picture.size(), QSize(16, 32));
  // Turned right, the left (red) half comes to the top; turned left it would
  // lie at the bottom.
  const QRgb top = picture.pixel(8, 4), bottom = picture.pixel(8, 27);
  EXPECT_GT(qRed(top), 200);
  EXPECT_LT(qBlue(top), 60);
  EXPECT_GT(qBlue(bottom), 200);
  EXPECT_LT(qRed(bottom), 60);
}

// A camera's 48-megapixel photo needs 192 MB as an image: over the image
// reader's own default limit, within the program's bound of 100 Mpx.
TEST_F(PhotoLoadTest, AFortyEightMegapixelPhotoLoads) {
  const QString path = homeFile(QStringLiteral("camera48.jpg"));
  {
    QImage photo(8000, 6000, QImage::Format_RGB32);
    photo.fill(qRgb(40, 90, 160));
    ASSERT_TRUE(photo.save(path, "JPEG", 80));
  }
  QString refusal = QStringLiteral("unset");
  const QImage picture = LoadPicture(path, &refusal);
  EXPECT_EQ(picture.size(), QSize(8000, 6000));
  EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
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
