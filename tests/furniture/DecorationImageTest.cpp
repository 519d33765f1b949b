// The one-point decoration pictures of the folder "pic".
#include <QDir>

#include "FurnitureTest.h"
#include "core/print/DecorationImage.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

class DecorationImageTest : public FurnitureTest {
 protected:
  QString pic(const char* name) { return homeFile(QStringLiteral("pic/")) + QLatin1String(name); }
  // Widths in pixels of the pictures drawn so far, in order.
  std::vector<int> drawnWidths() {
    std::vector<int> widths;
    for (const RecordedOp& op : ops(RecordedOp::Image)) widths.push_back(op.imageSize.width());
    return widths;
  }
  void drawPages(int count) {
    for (int i = 0; i < count; ++i) DrawDecorationImage(8, 88);
  }
};

TEST_F(DecorationImageTest, CyclesFromTheLastFileOfTheListingDownwards) {
  WriteBitmap(pic("A.BMP"), 30, 10);
  WriteBitmap(pic("b.bmp"), 40, 10);
  WriteBitmap(pic("C.Bmp"), 50, 10);
  drawPages(4);
  EXPECT_EQ(drawnWidths(), (std::vector<int>{50, 40, 30, 50}));  // C, B, A, C
}

TEST_F(DecorationImageTest, ListsBitmapsByNameWithoutRegardToCase) {
  WriteBitmap(pic("b.BMP"), 8, 8);
  WriteBitmap(pic("A.bmp"), 8, 8);
  WriteBitmap(pic("a.BMP"), 8, 8);
  WriteBitmap(pic("C.png"), 8, 8);
  QDir().mkpath(pic("folder.bmp"));
  EXPECT_EQ(DecorationImageFiles(), (QStringList{"A.bmp", "a.BMP", "b.BMP"}));
}

TEST_F(DecorationImageTest, PlacementStandsOnTheFooterLine) {
  struct Case { int sw, sh; double x, y, w, h; };
  const Case cases[] = {
      {200, 100, 8, 116, 80, 40},  // wide: the page width
      {100, 200, 68, 116, 20, 40},  // tall: a quarter at the right edge
      {100, 100, 68, 136, 20, 20},  // square: like a tall one
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sw * 1000 + c.sh);
    const QRectF r = DecorationPlacement(8, 88, 156, c.sw, c.sh);
    EXPECT_NEAR(r.x(), c.x, 1e-9);
    EXPECT_NEAR(r.y(), c.y, 1e-9);
    EXPECT_NEAR(r.width(), c.w, 1e-9);
    EXPECT_NEAR(r.height(), c.h, 1e-9);
  }
}

TEST_F(DecorationImageTest, PrinterAndPreviewGetThePictureInTheirPixels) {
  WriteBitmap(pic("tall.bmp"), 100, 200);
  DrawDecorationImage(8, 88);
  auto printed = ops(RecordedOp::Image);
  ASSERT_EQ(printed.size(), 1u);
  // 56.7 twips to the millimetre, so a hair more than the millimetres asked.
  EXPECT_NEAR(printed[0].x1, 68, 0.02);
  EXPECT_NEAR(printed[0].y1, 116, 0.05);
  EXPECT_NEAR(printed[0].x2, 88, 0.02);
  EXPECT_NEAR(printed[0].y2, 156, 0.05);
  EXPECT_EQ(printed[0].imageSize, QSize(100, 200));

  CurrentPrintJob().previewMode = 1;
  DrawDecorationImage(8, 88);
  const auto previewed = preview().opsOf(RecordedOp::Image);
  ASSERT_EQ(previewed.size(), 1u);
  // Whole screen pixels on the preview picture.
  const double pxPerMm = preview().pixelsPerMmX();
  EXPECT_DOUBLE_EQ(previewed[0].x1 * pxPerMm, std::round(previewed[0].x1 * pxPerMm));
  EXPECT_NEAR(previewed[0].x1, 68, 0.2);
  EXPECT_NEAR(previewed[0].y2, 156, 0.3);
  EXPECT_EQ(ops(RecordedOp::Image).size(), 1u);  // nothing more on the printer
}

TEST_F(DecorationImageTest, MissingOrEmptyFolderDrawsNothing) {
  drawPages(3);
  QDir().mkpath(pic(""));
  drawPages(3);
  EXPECT_TRUE(printer().ops().empty());
  // A bitmap added later is found on the next page.
  WriteBitmap(pic("late.bmp"), 20, 10);
  drawPages(1);
  EXPECT_EQ(drawnWidths(), std::vector<int>{20});
}

TEST_F(DecorationImageTest, FilesThatAreNoPicturesAreSkippedAndTheCycleGoesOn) {
  WriteBitmap(pic("a.bmp"), 30, 10);
  WriteBytes(pic("b.bmp"), "this is no bitmap");
  WriteBytes(pic("c.bmp"), QByteArray());
  WriteBitmap(pic("d.bmp"), 50, 10);
  QByteArray truncated = ReadBytes(pic("d.bmp")).left(40);
  WriteBytes(pic("e.bmp"), truncated);
  drawPages(6);  // e, d, c, b, a, e
  EXPECT_EQ(drawnWidths(), (std::vector<int>{50, 30}));
}

TEST_F(DecorationImageTest, FilesRemovedBetweenPagesDoNotStopTheCycle) {
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp", "d.bmp"}) WriteBitmap(pic(name), 20, 10);
  WriteBitmap(pic("d.bmp"), 40, 10);
  drawPages(1);  // d, counter 4
  ASSERT_EQ(DecorationCounter(), 4);
  QFile::remove(pic("a.bmp"));
  QFile::remove(pic("b.bmp"));
  QFile::remove(pic("c.bmp"));
  drawPages(1);  // position 3 is gone: nothing on this page
  EXPECT_EQ(drawnWidths(), std::vector<int>{40});
  drawPages(2);  // and the cycle starts again at the last file
  EXPECT_EQ(drawnWidths(), (std::vector<int>{40, 40, 40}));
}

TEST_F(DecorationImageTest, AReversedPageDrawsNothing) {
  WriteBitmap(pic("a.bmp"), 20, 10);
  DrawDecorationImage(88, 8);
  EXPECT_TRUE(printer().ops().empty());
}

}  // namespace
