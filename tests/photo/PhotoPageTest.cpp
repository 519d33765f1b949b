// The photo fitted, scaled and placed on a bible page, and its texts.
#include "PhotoTest.h"

#include <QSet>

#include "core/print/PrintSurface.h"
#include "core/print/SheetPlan.h"
#include "core/text/Numbers.h"
#include "core/settings/PaperSettings.h"

namespace {

class PhotoPageTest : public PhotoTest {
 protected:
  RecordedOp picture() {
    const auto images = ops(RecordedOp::Image);
    EXPECT_EQ(images.size(), 1u);
    return images.empty() ? RecordedOp{} : images[0];
  }
  // The first text that begins the given content (wrapped text may come
  // character by character).
  const RecordedOp* text(const QString& content) {
    texts_ = ops(RecordedOp::Text);
    for (const RecordedOp& t : texts_)
      if (!t.text.trimmed().isEmpty() && t.text.startsWith(content.left(1))) return &t;
    return nullptr;
  }
  std::vector<RecordedOp> texts_;
};

constexpr double kPixel = 25.4 / 600;  // positions are whole printer pixels

TEST_F(PhotoPageTest, FittedHalfSizeInTheCentreWithTheTextAtTheBodyTop) {
  options.picture = TwoColours(200, 100);
  options.scale = 5;  // 50 %
  options.anchor = 4; // 中央
  options.title = QStringLiteral("旅の写真");
  options.text = QStringLiteral("海辺にて");
  DrawPhotoPage(options, 8, 88);
  const RecordedOp p = picture();
  EXPECT_NEAR(p.x1, 28, kPixel);
  EXPECT_NEAR(p.x2, 68, kPixel);
  EXPECT_NEAR(p.y1, 72.5, kPixel);
  EXPECT_NEAR(p.y2, 92.5, kPixel);
  EXPECT_EQ(p.imageSize, QSize(200, 100));
  EXPECT_EQ(p.scaling, PictureScaling::Smooth);
  EXPECT_FALSE(p.mirroredX || p.mirroredY);
  const RecordedOp* t = text(QStringLiteral("海辺にて"));
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(t->x1, 8, 0.01);
  EXPECT_NEAR(t->y1, 11, 0.01);
  EXPECT_TRUE(printer().texts().join(QString()).contains(QStringLiteral("旅の写真")));
}

TEST_F(PhotoPageTest, FitModesGiveTheirSizes) {
  // Body 80 × 147 mm; picture 200 × 100 at 左上.
  const struct {
    int fit;
    double w, h;
  } cases[] = {{0, 80, 40}, {1, 80, 40}, {2, 294, 147}, {3, 80, 147}};
  options.picture = TwoColours(200, 100);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fit);
    printer().clearOps();
    options.fit = c.fit;
    DrawPhotoPage(options, 8, 88);
    const RecordedOp p = picture();
    EXPECT_NEAR(p.x1, 8, kPixel);
    EXPECT_NEAR(p.y1, 9, kPixel);
    EXPECT_NEAR(p.x2 - p.x1, c.w, 2 * kPixel);
    EXPECT_NEAR(p.y2 - p.y1, c.h, 2 * kPixel);
  }
}

TEST_F(PhotoPageTest, FullPageIgnoresScaleAndAnchorAndPrintsNoText) {
  options.picture = TwoColours(200, 100);
  options.fit = 4;
  options.scale = 5;
  options.anchor = 3;
  options.title = QStringLiteral("題");
  options.text = QStringLiteral("説明");
  DrawPhotoPage(options, 8, 88);
  const PaperSettingsData& s = PaperSettings;
  const RecordedOp p = picture();
  EXPECT_NEAR(p.x1, 8, kPixel);
  EXPECT_NEAR(p.x2, 88, kPixel);
  EXPECT_NEAR(p.y1, s.PrintMargin, kPixel);
  EXPECT_NEAR(p.y2 - p.y1, s.PageHeight - 2 * s.PrintMargin, 2 * kPixel);
  EXPECT_EQ(text(QStringLiteral("題")), nullptr);
  EXPECT_EQ(text(QStringLiteral("説明")), nullptr);
}

TEST_F(PhotoPageTest, TextBesideATallPictureAndBelowAWideOne) {
  options.text = QStringLiteral("説明");
  // Tall: 40 × 147, room beside (40) and none below.
  options.picture = TwoColours(100, 367);
  DrawPhotoPage(options, 8, 88);
  const RecordedOp tall = picture();
  const RecordedOp* t = text(QStringLiteral("説明"));
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(t->x1, tall.x2 + 2, 2 * kPixel);
  EXPECT_NEAR(t->y1, 11, 0.01);

  printer().clearOps();
  options.picture = TwoColours(200, 100);  // 80 × 40: no room beside
  DrawPhotoPage(options, 8, 88);
  const RecordedOp wide = picture();
  t = text(QStringLiteral("説明"));
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(t->x1, 8, 0.01);
  EXPECT_NEAR(t->y1, wide.y2 + 2, 2 * kPixel);
}

TEST_F(PhotoPageTest, BlackAndWhiteKeepsHardEdgesOnThePrinterAndThePreview) {
  options.picture = TwoColours(200, 100);
  const struct {
    int16_t previewMode;
    bool monochrome;
    PictureScaling scaling;
  } cases[] = {{0, false, PictureScaling::Smooth}, {0, true, PictureScaling::Nearest},
               {1, false, PictureScaling::Smooth}, {1, true, PictureScaling::Nearest}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.previewMode << "/" << c.monochrome);
    printer().clearOps();
    preview().clearOps();
    CurrentPrintJob().previewMode = c.previewMode;
    options.monochrome = c.monochrome;
    DrawPhotoPage(options, 8, 88);
    RecordingSurface& drawn = c.previewMode ? preview() : printer();
    RecordingSurface& other = c.previewMode ? printer() : preview();
    const auto images = drawn.opsOf(RecordedOp::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].scaling, c.scaling);
    EXPECT_TRUE(other.opsOf(RecordedOp::Image).empty());
  }
  CurrentPrintJob().previewMode = 0;
}

TEST_F(PhotoPageTest, NoPictureDrawsOnlyTheTexts) {
  options.text = QStringLiteral("写真なし");
  for (int fit : {0, 1, 2}) {
    printer().clearOps();
    options.fit = fit;
    DrawPhotoPage(options, 8, 88);
    EXPECT_TRUE(ops(RecordedOp::Image).empty());
    EXPECT_NE(text(QStringLiteral("写真なし")), nullptr);
  }
}

TEST_F(PhotoPageTest, TitleStyleIsPlainUnlessTitleRuleAndIsRestored) {
  PaperSettings.TitleStyle = 3;
  options.title = QStringLiteral("題");
  DrawPhotoPage(options, 8, 88);
  const size_t plain = printer().ops().size();
  EXPECT_EQ(PaperSettings.TitleStyle, 3);
  printer().clearOps();
  PaperSettings.TitleStyle = 0;
  DrawPhotoPage(options, 8, 88);
  EXPECT_EQ(printer().ops().size(), plain);
}

TEST_F(PhotoPageTest, SidesPlaceThePageOnTheSheet) {
  options.picture = TwoColours(200, 100);
  SetPrinterScaleMode(kScaleMillimetres);
  const double S = GetScaleWidth();
  const struct {
    int side;
    double left;
    bool binderMarks;
  } cases[] = {{0, 8, false}, {1, 0, false}, {2, 8, false}, {4, 0, true}, {5, RoundHalfEven(S - 80), false}};
  // The binder marks' cut lines are the sheet's only dotted lines.
  const auto dotted = [this] {
    int n = 0;
    for (const RecordedOp& line : ops(RecordedOp::Line)) n += line.drawStyle == kDrawDotted;
    return n;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.side);
    printer().clearOps();
    options.side = c.side;
    PrintPhotoPages(options);
    EXPECT_NEAR(picture().x1, c.left, kPixel);
    EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc end-job")) << printer().protocol().toStdString();
    EXPECT_EQ(dotted() > 0, c.binderMarks);
  }
}

TEST_F(PhotoPageTest, SideOutsideTheListPlansNoPage) {
  EXPECT_EQ(PlanPhotoPages(6), SheetPlan{});
  EXPECT_EQ(PlanPhotoPages(-1), SheetPlan{});
  options.side = 6;
  PrintPhotoPages(options);
  EXPECT_TRUE(ops(RecordedOp::Image).empty());
}

TEST_F(PhotoPageTest, FoldedPageTurnsThePictureAcrossTheSpan) {
  options.picture = TwoColours(200, 100);
  options.side = 3;
  options.title = QStringLiteral("題");
  options.text = QStringLiteral("一行目\r\n二行目");  // no final line break
  PrintPhotoPages(options);
  const PaperSettingsData& s = PaperSettings;
  const double b = s.PageHeight - 2 * s.PrintMargin;
  const RecordedOp p = picture();
  EXPECT_NEAR(p.x1, 0, kPixel);
  EXPECT_NEAR(p.x2, b, kPixel);
  EXPECT_NEAR(p.y1, s.DataHeight + 5, kPixel);
  EXPECT_NEAR(p.y2 - p.y1, b / 2, 2 * kPixel);
  EXPECT_TRUE(p.mirroredX && p.mirroredY);  // turned by 180 degrees
  EXPECT_EQ(p.scaling, PictureScaling::Smooth);
  const RecordedOp* title = text(QStringLiteral(" 題"));
  ASSERT_NE(title, nullptr);
  const double titleY = title->y1;
  EXPECT_NE(text(QStringLiteral("一行目")), nullptr);
  EXPECT_NE(text(QStringLiteral("二行目")), nullptr);

  // Under the title a rule four pixels wide across the span, and the fold
  // dotted from the sheet's top to its bottom.
  bool rule = false, fold = false;
  const double foldX = s.PageHeight - s.PrintMargin;
  for (const RecordedOp& line : ops(RecordedOp::Line)) {
    if (line.drawWidth == 4 && line.drawStyle == kDrawSolid && line.y1 == line.y2 && line.y1 > titleY) {
      rule = true;
      EXPECT_NEAR(line.x1, 0, 0.01);
      EXPECT_NEAR(line.x2, b, 0.01);
    }
    if (line.drawStyle == kDrawDotted) {
      fold = true;
      EXPECT_NEAR(line.x1, foldX, 0.01);
      EXPECT_NEAR(line.x2, foldX, 0.01);
      EXPECT_NEAR(line.y1, 0, 0.01);
      EXPECT_NEAR(line.y2, GetScaleHeight(), 0.4);  // to the last whole dot
    }
  }
  EXPECT_TRUE(rule);
  EXPECT_TRUE(fold);
}

}  // namespace
