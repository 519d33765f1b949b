// The drawing routines act on the printer or on the preview picture as
// the print job previews or not, with the font name and bold state shared in printer mode.
#include "PrintTestSupport.h"
#include "core/print/ColorTagOutput.h"
#include "core/print/FontMapping.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"

namespace {

class SurfaceDispatchTest : public PrintTest {};

TEST_F(SurfaceDispatchTest, PrinterOnlySettersIgnoredWhilePreviewing) {
  printer().setScaleMode(kScalePixels);
  CurrentPrintJob().previewMode = 1;
  SetPrinterScaleMode(kScaleMillimetres);
  SetPrinterOrientation(kLandscape);
  EXPECT_EQ(printer().scaleMode(), kScalePixels);
  EXPECT_EQ(printer().orientationSetCount(), 0);
  EXPECT_EQ(preview().orientation(), kLandscape) << "the preview follows a landscape job";
  CurrentPrintJob().previewMode = 0;
  SetPrinterScaleMode(kScaleMillimetres);
  SetPrinterOrientation(kLandscape);
  EXPECT_EQ(printer().scaleMode(), kScaleMillimetres);
  EXPECT_EQ(printer().orientation(), kLandscape);
}

TEST_F(SurfaceDispatchTest, StateGoesToTheActiveSurfaceOnly) {
  SetCurrentX(12.5);
  SetCurrentY(30);
  SetFontSize(11);
  SetDrawStyle(2);
  SetDrawWidth(3.4);
  SetForeColor(0xFF8000);
  EXPECT_FLOAT_EQ(printer().currentX(), 12.5f);
  EXPECT_FLOAT_EQ(printer().currentY(), 30);
  EXPECT_FLOAT_EQ(printer().fontSize(), 11);
  EXPECT_EQ(printer().drawStyle(), 2);
  EXPECT_EQ(printer().drawWidth(), 3);
  EXPECT_EQ(GetForeColor(), 0xFF8000);
  EXPECT_FLOAT_EQ(preview().currentX(), 0);
  EXPECT_NE(preview().fontSize(), 11.0f);
  EXPECT_EQ(preview().foreColor(), 0u);

  CurrentPrintJob().previewMode = 1;
  SetFontSize(14);
  SetForeColor(4);
  EXPECT_FLOAT_EQ(preview().fontSize(), 14);
  EXPECT_FLOAT_EQ(GetFontSize(), 14);
  EXPECT_EQ(GetForeColor(), ColorByIndex(4));
  EXPECT_FLOAT_EQ(printer().fontSize(), 11);
}

TEST_F(SurfaceDispatchTest, FontNameAndBoldFollowThePrinterOntoThePreview) {
  SetFontName(QStringLiteral("ＭＳ 明朝"));
  SetFontBold(-1);
  SetFontSize(11);
  EXPECT_EQ(printer().fontName(), QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(preview().fontName(), QStringLiteral("ＭＳ 明朝"));
  EXPECT_TRUE(printer().fontBold());
  EXPECT_TRUE(preview().fontBold());
  EXPECT_NE(preview().fontSize(), 11.0f);

  CurrentPrintJob().previewMode = 1;
  SetFontName(QStringLiteral("ＭＳ Ｐゴシック"));
  SetFontBold(0);
  EXPECT_EQ(preview().fontName(), QStringLiteral("ＭＳ Ｐゴシック"));
  EXPECT_FALSE(preview().fontBold());
  EXPECT_EQ(printer().fontName(), QStringLiteral("ＭＳ 明朝"));
  EXPECT_TRUE(printer().fontBold());
}

TEST_F(SurfaceDispatchTest, RefusedFontNameLeavesThePreviewWithGothic) {
  struct Case {
    int16_t mode;
    bool printerRefuses;
    bool previewRefuses;
  } cases[] = {{0, true, false}, {0, false, true}, {1, false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode * 10 + c.printerRefuses);
    RecordingSurface printer, preview;
    InstallPrinterSurface(&printer);
    InstallPreviewSurface(&preview);
    CurrentPrintJob().previewMode = 0;
    SetFontName(QStringLiteral("ＭＳ 明朝"));
    if (c.printerRefuses) printer.refuseFontName(QStringLiteral("IPAGothic"));
    if (c.previewRefuses) preview.refuseFontName(QStringLiteral("IPAGothic"));
    CurrentPrintJob().previewMode = c.mode;
    SetFontName(QStringLiteral("IPAGothic"));
    EXPECT_EQ(preview.fontName(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(printer.fontName(), c.printerRefuses || c.mode == 1 ? QStringLiteral("ＭＳ 明朝")
                                                                  : QStringLiteral("IPAGothic"));
  }
  InstallPrinterSurface(&this->printer());
  InstallPreviewSurface(&this->preview());
  // A name no installed font covers is refused by the real surfaces too.
  EXPECT_FALSE(IsUsableFontName(QStringLiteral("No Such Face 123")));
  EXPECT_FALSE(IsUsableFontName(QString()));
}

TEST_F(SurfaceDispatchTest, ScaleWidthLeavesHalfAMillimetreAndAddsTheAdjustment) {
  printer().setSize(200, 287);
  PaperSettings.WidthAdjust = 0;
  EXPECT_FLOAT_EQ(GetScaleWidth(), 199.5f);
  PaperSettings.WidthAdjust = 2;
  EXPECT_FLOAT_EQ(GetScaleWidth(), 201.5f);
  PaperSettings.WidthAdjust = -1.5f;
  EXPECT_FLOAT_EQ(GetScaleWidth(), 198.0f);
  EXPECT_FLOAT_EQ(GetScaleHeight(), 287);
  SetPrinterOrientation(kLandscape);
  PaperSettings.WidthAdjust = 0;
  EXPECT_FLOAT_EQ(GetScaleWidth(), 286.5f);
  CurrentPrintJob().previewMode = 1;
  EXPECT_NEAR(GetScaleWidth(), 201.3 - 0.5, 1e-4);
}

TEST_F(SurfaceDispatchTest, TwipsPerPixelOfTheScreenOrThePrinter) {
  EXPECT_FLOAT_EQ(GetTwipsPerPixelX(), 2.4f);  // 600 dpi
  EXPECT_FLOAT_EQ(GetTwipsPerPixelY(), 2.4f);
  CurrentPrintJob().previewMode = 1;
  EXPECT_FLOAT_EQ(GetTwipsPerPixelX(), 15.0f);  // 96 dpi
}

TEST_F(SurfaceDispatchTest, TextWidthMeasures) {
  EXPECT_FLOAT_EQ(MeasureTextWidth(QString()), 0);
  CurrentPrintJob().previewMode = 1;
  EXPECT_FLOAT_EQ(MeasureTextWidth(QString()), 0);
  EXPECT_NEAR(HalfCharWidthMm(9), 1.587, 0.0005);
  EXPECT_NEAR(HalfCharWidthMm(12), 2.116, 0.0005);
  SetFontSize(10);
  EXPECT_NEAR(MeasureTextWidth(QStringLiteral("aあ")), 3 * 10 / 5.67, 1e-4);
}

TEST_F(SurfaceDispatchTest, CircleAndPointDrawOnTheActiveSurfaceInTableColours) {
  SetDrawWidth(2);
  DrawCircle(50, 60, 5, 4);
  PlotPoint(1, 2, 0x123456);
  CurrentPrintJob().previewMode = 1;
  PlotPoint(3, 4, 0);
  const auto circles = printer().opsOf(RecordedOp::Circle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_DOUBLE_EQ(circles[0].x1, 50);
  EXPECT_DOUBLE_EQ(circles[0].x2, 5);
  EXPECT_EQ(circles[0].color, uint32_t(ColorByIndex(4)));
  EXPECT_EQ(circles[0].drawWidth, 2);
  ASSERT_EQ(printer().opsOf(RecordedOp::Point).size(), 1u);
  EXPECT_EQ(printer().opsOf(RecordedOp::Point)[0].color, 0x123456u);
  ASSERT_EQ(preview().opsOf(RecordedOp::Point).size(), 1u);
  EXPECT_DOUBLE_EQ(preview().opsOf(RecordedOp::Point)[0].y1, 4);
}

TEST_F(SurfaceDispatchTest, PixelScaleConvertsPositionsAndShapes) {
  SetCurrentX(25.4);
  SetPrinterScaleMode(kScalePixels);
  EXPECT_NEAR(GetCurrentX(), 600, 1e-3);
  EXPECT_NEAR(GetScaleWidth(), 200 / 25.4 * 600 - 0.5, 0.01);
  printer().line(600, 0, 1200, 600, 0);
  SetPrinterScaleMode(kScaleMillimetres);
  EXPECT_NEAR(GetCurrentX(), 50.8, 1e-4);
  const RecordedOp line = printer().opsOf(RecordedOp::Line).at(0);
  EXPECT_NEAR(line.x1, 25.4, 1e-5);
  EXPECT_NEAR(line.y2, 25.4, 1e-5);
}

TEST_F(SurfaceDispatchTest, PrintMovesThePosition) {
  SetFontSize(10);
  SetCurrentX(20);
  SetCurrentY(30);
  printer().print(QStringLiteral("ab"), false);
  EXPECT_NEAR(GetCurrentX(), 20 + 2 * 10 / 5.67, 1e-4);
  EXPECT_FLOAT_EQ(GetCurrentY(), 30);
  printer().print(QStringLiteral("c"), true);
  EXPECT_FLOAT_EQ(GetCurrentX(), 0);
  EXPECT_NEAR(GetCurrentY(), 30 + 10 * 25.4 / 72, 1e-4);
  const auto texts = printer().opsOf(RecordedOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_DOUBLE_EQ(texts[0].x1, 20);
  EXPECT_DOUBLE_EQ(texts[0].y1, 30);
  EXPECT_FALSE(texts[0].newLine);
  EXPECT_EQ(texts[1].text, QStringLiteral("c"));
}

TEST(FontMappingTest, DataNamesMapToInstalledFaces) {
  const struct {
    const char* name;
    const char* family;
  } cases[] = {
      {"ＭＳ ゴシック", "IPAGothic"},     {"ＭＳ 明朝", "IPAMincho"},
      {"ＭＳ Ｐゴシック", "IPAPGothic"},  {"ＭＳ Ｐ明朝", "IPAPMincho"},
      {"@ＭＳ 明朝", "IPAMincho"},        {"@ＭＳ Ｐゴシック", "IPAPGothic"},
      {"MS Gothic", "IPAGothic"},         {"Times New Roman", "Liberation Serif"},
      {"Arial", "Liberation Sans"},       {"Courier New", "Liberation Mono"},
      {"HGP創英角ゴシックUB", "IPAPGothic"}, {"IPAMincho", "IPAMincho"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MapFontFamily(QString::fromUtf8(c.name)), QString::fromUtf8(c.family)) << c.name;
}

// The tag's colour lands on the active surface itself; no caller can lose it.
TEST_F(SurfaceDispatchTest, ApplyColorTagSetsTheForeColourOfTheActiveSurface) {
  constexpr int32_t kBefore = 0x123456;
  struct { const char* what; const char16_t* in; const char16_t* out; int32_t color; } rows[] = {
      {"red", u"@[RED]Word", u"Word", 4},
      {"blue looked for before green", u"a@[GREEN]b@[BRUE]c", u"a@[GREEN]bc", 1},
      {"lower case ignored", u"@[red]x", u"@[red]x", kBefore},
      {"black twice loses one", u"@[BLACK]x@[BLACK]", u"x@[BLACK]", 0},
      {"yellow in the middle", u"予定@[YELLOW]表", u"予定表", 6},
      {"plain blue spelling is no tag", u"@[BLUE]x", u"@[BLUE]x", kBefore},
      {"no tag", u"plain", u"plain", kBefore},
  };
  for (int16_t mode : {0, 1}) {
    CurrentPrintJob().previewMode = mode;
    for (const auto& r : rows) {
      SetForeColor(kBefore);
      QString text = QString::fromUtf16(r.in);
      ApplyColorTag(text);
      EXPECT_EQ(text, QString::fromUtf16(r.out)) << r.what;
      EXPECT_EQ(GetForeColor(), int32_t(ColorByIndex(r.color))) << r.what << " in mode " << mode;
      EXPECT_TRUE((mode ? preview() : printer()).ops().empty()) << "nothing printed";
    }
  }
}

}  // namespace
