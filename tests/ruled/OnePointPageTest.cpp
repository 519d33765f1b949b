// The one-point picture in the corners of a bible page, on the recording
// printer (600 dpi) and the preview picture (96 dpi).
#include "RuledTest.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/OnePointPage.h"

namespace {

class OnePointPageTest : public RuledTest {
 protected:
  void SetUp() override {
    RuledTest::SetUp();
    options.Picture1 = QImage(32, 32, QImage::Format_RGB32);
    options.Picture1.fill(Qt::red);
  }
};

TEST_F(OnePointPageTest, CornersOnThePrinter) {
  const double mm = 120 / (600 / 25.4);  // 120 printer pixels
  const struct {
    int corner;
    double x1, y1;
  } cases[] = {{3, 88 - mm, 156 - mm}, {2, 8, 156 - mm}, {1, 88 - mm, 2}, {0, 8, 2}, {-1, 88 - mm, 156 - mm}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.corner);
    printer().clearOps();
    options.cmb_image_iti = c.corner;
    DrawImagePage(options, 8, 88);
    const auto images = ops(RecordedOp::Image);
    ASSERT_EQ(images.size(), 1u);
    // whole device pixels
    EXPECT_NEAR(images[0].x1, c.x1, 0.05);
    EXPECT_NEAR(images[0].y1, c.y1, 0.05);
    EXPECT_NEAR(images[0].x2 - images[0].x1, mm, 0.05);
    EXPECT_NEAR(images[0].y2 - images[0].y1, mm, 0.05);
    EXPECT_EQ(printer().texts(), QStringList{QStringLiteral("　")});
  }
}

// A picture larger than the body is fitted into it, its proportions kept:
// between the page's edges and from 2 mm down to the footer line.
TEST_F(OnePointPageTest, LargePicturesFitTheirPlace) {
  const struct {
    QSize size;
    int corner;
    double width, height;  // mm on the page
  } cases[] = {{QSize(1000, 500), 3, 80, 40}, {QSize(1000, 500), 0, 80, 40}, {QSize(100, 2000), 1, 154 / 20.0, 154},
               {QSize(3000, 3000), 2, 80, 80}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size.width());
    printer().clearOps();
    options.Picture1 = QImage(c.size, QImage::Format_RGB32);
    options.cmb_image_iti = c.corner;
    DrawImagePage(options, 8, 88);
    const auto images = ops(RecordedOp::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_NEAR(images[0].x2 - images[0].x1, c.width, 0.1);
    EXPECT_NEAR(images[0].y2 - images[0].y1, c.height, 0.1);
    EXPECT_GE(images[0].x1, 8 - 0.05);
    EXPECT_LE(images[0].x2, 88 + 0.05);
    EXPECT_GE(images[0].y1, 2 - 0.05);
    EXPECT_LE(images[0].y2, 156 + 0.05);
  }
}

TEST_F(OnePointPageTest, SmallPicturesAndThePreview) {
  for (QSize size : {QSize(9, 9), QSize(1, 20000), QSize(20000, 5)}) {
    printer().clearOps();
    options.Picture1 = QImage(size, QImage::Format_RGB32);
    DrawImagePage(options, 8, 88);
    EXPECT_TRUE(ops(RecordedOp::Image).empty()) << size.width();
  }
  options.Picture1 = QImage(32, 32, QImage::Format_RGB32);
  CurrentPrintJob().previewMode = 1;
  DrawImagePage(options, 8, 88);
  CurrentPrintJob().previewMode = 0;
  const auto images = preview().opsOf(RecordedOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_NEAR(images[0].x2 - images[0].x1, 120 / (96 / 25.4), 0.3);
}

}  // namespace
