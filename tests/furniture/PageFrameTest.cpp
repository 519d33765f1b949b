// The backing sheet patterns under a page.
#include <QRectF>

#include "FurnitureTest.h"
#include "core/print/PageFrame.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr int32_t kBacking = 0x00CCEEFF;

class PageFrameTest : public FurnitureTest {
 protected:
  void SetUp() override {
    FurnitureTest::SetUp();
    PaperSettings.BackingSheetColor = kBacking;
  }
  std::vector<QRectF> fills() {
    std::vector<QRectF> found;
    for (const RecordedOp& op : ops(RecordedOp::FilledBox)) {
      EXPECT_EQ(op.color, uint32_t(kBacking));
      found.push_back(QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)));
    }
    return found;
  }
};

void ExpectRect(const QRectF& r, double x1, double y1, double x2, double y2) {
  EXPECT_NEAR(r.left(), x1, 0.005);
  EXPECT_NEAR(r.top(), y1, 0.005);
  EXPECT_NEAR(r.right(), x2, 0.005);
  EXPECT_NEAR(r.bottom(), y2, 0.005);
}

TEST_F(PageFrameTest, NoPatternForStyleZeroAndUnknownStyles) {
  for (int16_t style : {0, 5, 9, -1}) {
    PaperSettings.BackingSheetStyle = style;
    DrawPageFrame(8, 88);
  }
  EXPECT_TRUE(printer().ops().empty());
}

// The solid fill stops at the footer with a printer margin; the frame's bars
// lie round the body.
TEST_F(PageFrameTest, SolidFillAndFrameBarsOfTheBody) {
  struct Case { int16_t style; std::vector<Segment> rects; };
  const Case cases[] = {
      {1, {{8, 0, 88, 156}}},
      {3, {{8, 9, 15, 156}, {81, 9, 88, 156}, {8, 9, 88, 16}, {8, 149, 88, 156}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    printer().clearOps();
    PaperSettings.BackingSheetStyle = c.style;
    DrawPageFrame(8, 88);
    const auto boxes = fills();
    ASSERT_EQ(boxes.size(), c.rects.size());
    for (size_t i = 0; i < boxes.size(); ++i)
      ExpectRect(boxes[i], c.rects[i].x1, c.rects[i].y1, c.rects[i].x2, c.rects[i].y2);
  }
}

TEST_F(PageFrameTest, SolidFillWithoutMarginBleedsByWhereThePageLies) {
  PaperSettings.BackingSheetStyle = 1;
  PaperSettings.PrintMargin = 0;
  PaperSettings.PageHeight = 167;
  struct Case { double left, right, x1, x2; };
  const Case cases[] = {{0, 80, -8, 91}, {8, 88, 0, 91}, {20, 100, 9, 100}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.left);
    printer().clearOps();
    DrawPageFrame(c.left, c.right);
    const auto boxes = fills();
    ASSERT_EQ(boxes.size(), 1u);
    ExpectRect(boxes[0], c.x1, 0, c.x2, 167);
  }
}

TEST_F(PageFrameTest, LatticeAlternatesEqualBandsAndGaps) {
  PaperSettings.BackingSheetStyle = 2;
  DrawPageFrame(8, 88);
  const auto boxes = fills();
  ASSERT_EQ(boxes.size(), 9u + 17u);
  const double s = 80.0 / 17;
  for (int i = 0; i < 9; ++i) ExpectRect(boxes[i], 8 + 2 * i * s, 0, 8 + (2 * i + 1) * s, 167);
  EXPECT_NEAR(boxes[1].left(), 17.41, 0.005);
  EXPECT_NEAR(boxes[8].left(), 83.29, 0.005);
  const double t = 167.0 / 33;
  for (int i = 0; i < 17; ++i) ExpectRect(boxes[9 + i], 8, 2 * i * t, 88, (2 * i + 1) * t);
  EXPECT_NEAR(boxes[10].top(), 10.12, 0.005);
  EXPECT_NEAR(boxes[25].top(), 161.94, 0.005);
}

TEST_F(PageFrameTest, LatticeOnANarrowPageIsOneBand) {
  PaperSettings.BackingSheetStyle = 2;
  DrawPageFrame(8, 15);
  const auto boxes = fills();
  ASSERT_FALSE(boxes.empty());
  ExpectRect(boxes[0], 8, 0, 15, 167);
  EXPECT_NEAR(boxes[1].height(), 167.0 / 33, 0.001);  // the horizontal bands follow
}

TEST_F(PageFrameTest, LatticeOfNoWidthOrHeightDrawsNoBandsThere) {
  PaperSettings.BackingSheetStyle = 2;
  DrawPageFrame(40, 40);  // no vertical band: the step would be 0
  EXPECT_EQ(fills().size(), 17u);
  printer().clearOps();
  PaperSettings.PageHeight = 0;
  DrawPageFrame(50, 20);  // reversed edges and no height: nothing at all
  EXPECT_TRUE(fills().empty());
}

TEST_F(PageFrameTest, OnePointStyleDrawsTheDecorationPicture) {
  WriteBitmap(homeFile(QStringLiteral("pic/a.bmp")), 200, 100);
  PaperSettings.BackingSheetStyle = 4;
  DrawPageFrame(8, 88);
  const auto images = ops(RecordedOp::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_NEAR(images[0].x1, 8, 0.05);
  EXPECT_NEAR(images[0].y1, 116, 0.05);
  EXPECT_TRUE(fills().empty());
}

}  // namespace
