// Rotated text, vertical writing and inline pictures on the recording
// surfaces (printer 600 dpi, preview 96 dpi).
#include "PrimitivesTest.h"
#include "core/print/Pictures.h"
#include "core/print/PrintJob.h"
#include "core/print/RotatedText.h"
#include "core/print/VerticalText.h"

namespace {

class VerticalAndRotatedTextTest : public PrimitivesTest {};

TEST_F(VerticalAndRotatedTextTest, RotatedTextUsesTheActiveSurfacesPixels) {
  struct Case {
    int16_t previewMode;
    double x, y;          // device pixels of (10, 20) mm at 56.7 twips per mm
    int height, width;    // the logical font of 9 points
  } cases[] = {
      {0, 236, 472, -75, -38},  // 2.4 twips per pixel; 472.5 and -37.5 round to even
      {1, 38, 76, -12, -6},     // 15 twips per pixel
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.previewMode);
    CurrentPrintJob().previewMode = c.previewMode;
    CurrentPrintJob().pageUsed = 0;
    SetFontName(QStringLiteral("ＭＳ 明朝"));
    SetFontSize(9);
    SetCurrentX(3);
    SetCurrentY(4);
    DrawRotatedText(10, 20, QStringLiteral("横書き"));
    EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
    EXPECT_FLOAT_EQ(GetCurrentX(), 3);
    EXPECT_FLOAT_EQ(GetCurrentY(), 4);
    const auto rotated = ops(RecordedOp::RotatedText);
    ASSERT_EQ(rotated.size(), 1u);
    const double pxPerMm = 1440 / 25.4 / GetTwipsPerPixelX();
    EXPECT_NEAR(rotated[0].x1 * pxPerMm, c.x, 1e-6);
    EXPECT_NEAR(rotated[0].y1 * pxPerMm, c.y, 1e-6);
    EXPECT_EQ(rotated[0].text, QStringLiteral("横書き"));
    EXPECT_EQ(rotated[0].rotated.faceName, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(rotated[0].rotated.escapement, 900);
    // Drawn at the exact size (9 points are whole pixels at both
    // resolutions), half the height wide rather than at the rounded width.
    EXPECT_NEAR(rotated[0].rotated.heightPx, c.height, 1e-4);
    EXPECT_NEAR(rotated[0].rotated.widthPx, -c.height / 2.0, 1e-4);
    EXPECT_EQ(RotatedTextRecord.height, c.height);
    EXPECT_EQ(RotatedTextRecord.width, c.width);
    EXPECT_EQ(RotatedTextRecord.charSet, 128);
    EXPECT_EQ(RotatedTextRecord.escapement, 900);
    EXPECT_EQ(RotatedTextRecord.text, QStringLiteral("横書き"));
    EXPECT_TRUE(RotatedTextRecord.lastResult);
  }
  EXPECT_EQ(printer().opsOf(RecordedOp::RotatedText).size(), 1u);
}

TEST_F(VerticalAndRotatedTextTest, RotatedTextAtTheCursor) {
  SetCurrentX(50);
  SetCurrentY(60);
  PrintRotatedTextAtCursor(QStringLiteral("A"));
  PrintRotatedText(QStringLiteral("B"));
  const auto rotated = ops(RecordedOp::RotatedText);
  ASSERT_EQ(rotated.size(), 2u);
  for (const RecordedOp& op : rotated) {
    EXPECT_NEAR(op.x1, 50, 0.05);
    EXPECT_NEAR(op.y1, 60, 0.05);
  }
}

TEST_F(VerticalAndRotatedTextTest, VerticalTextOfAnAddressLine) {
  SetFontSize(10);
  SetCurrentX(30.4f);  // the column starts at the whole millimetre
  SetCurrentY(10);
  PrintVerticalText(QStringLiteral("ﾏﾝｼｮﾝ(3F)"));
  const double line = 10 * 25.4 / 72;
  const double square = 2 * 10 / 5.67;
  struct Expected {
    RecordedOp::Kind kind;
    QString text;
    double y;  // top of the character's square
  } expected[] = {
      {RecordedOp::Text, QStringLiteral("マ"), 10},
      {RecordedOp::Text, QStringLiteral("ン"), 10 + line},
      {RecordedOp::Text, QStringLiteral("シ"), 10 + 2 * line},
      {RecordedOp::Text, QStringLiteral("ョ"), 10 + 3 * line},
      {RecordedOp::Text, QStringLiteral("ン"), 10 + 4 * line},
      {RecordedOp::RotatedText, QStringLiteral("（"), 10 + 5 * line},
      {RecordedOp::Text, QStringLiteral("３"), 10 + 5 * line + square},
      {RecordedOp::Text, QStringLiteral("F"), 10 + 6 * line + square},
      {RecordedOp::RotatedText, QStringLiteral("）"), 10 + 7 * line + square},
  };
  const auto& all = printer().ops();
  ASSERT_EQ(all.size(), std::size(expected));
  for (size_t i = 0; i < all.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(all[i].kind, expected[i].kind);
    EXPECT_EQ(all[i].text, expected[i].text);
    // Turned characters go through device pixels (56.7 twips per mm, rounded)
    // and are turned clockwise about the square's top-right corner.
    const bool turned = all[i].kind == RecordedOp::RotatedText;
    const double tolerance = turned ? 0.05 : 1e-4;
    EXPECT_NEAR(all[i].x1, turned ? 30 + square : 30, tolerance);
    EXPECT_NEAR(all[i].y1, expected[i].y, tolerance);
    if (turned) { EXPECT_EQ(all[i].rotated.escapement, 2700); }
  }
  EXPECT_FLOAT_EQ(GetCurrentX(), 30);
  EXPECT_NEAR(GetCurrentY(), 10 + 7 * line + 2 * square, 1e-4);
  EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
}

TEST_F(VerticalAndRotatedTextTest, VerticalFormsAndTurnedCharacters) {
  const QString half = QStringLiteral("()ｰ-09ｱﾝｧｯﾗﾛﾞA");
  const QString full = QStringLiteral("（）ー－０９アンァッﾗﾛﾞA");
  for (int i = 0; i < half.size(); ++i) EXPECT_EQ(VerticalFormOf(half.at(i)), full.at(i)) << i;
  const QString turned = QStringLiteral("()（）ー－［］〔〕｛｝〈〉《》「」『』【】＜＞≪≫\"‘’");
  EXPECT_EQ(turned.size(), 29);
  for (QChar c : turned) EXPECT_TRUE(TurnsInVerticalText(c)) << QString(c).toStdString();
  for (QChar c : QStringLiteral("あア３Fｰ'・")) EXPECT_FALSE(TurnsInVerticalText(c)) << QString(c).toStdString();

  SetFontSize(10);
  PrintVerticalText(QStringLiteral("ｶﾞ-「"));
  EXPECT_EQ(printer().texts(), QStringList({"カ", "ﾞ", "－", "「"}));
  EXPECT_EQ(printer().opsOf(RecordedOp::RotatedText).size(), 2u);
}

TEST_F(VerticalAndRotatedTextTest, PictureBoxSitsInsideOneFullWidthCell) {
  const QImage picture(32, 32, QImage::Format_RGB32);
  for (int16_t mode : {0, 1}) {
    SCOPED_TRACE(mode);
    CurrentPrintJob().previewMode = mode;
    SetFontSize(10);
    SetCurrentX(20);
    SetCurrentY(30);
    PrintPictureBox(picture);
    const auto images = ops(RecordedOp::Image);
    ASSERT_EQ(images.size(), 1u);
    const double em = 10 * 25.4 / 72;  // 3.53 mm
    const double pixel = 25.4 * GetTwipsPerPixelX() / 1440;
    EXPECT_NEAR(images[0].x1, 20 + 0.1 * em, pixel);
    EXPECT_NEAR(images[0].y1, 30 + 0.1 * em, pixel);
    EXPECT_NEAR(images[0].x2 - images[0].x1, 0.9 * em, pixel);
    EXPECT_NEAR(images[0].y2 - images[0].y1, 0.9 * em, pixel);
    EXPECT_EQ(images[0].imageSize, picture.size());
    EXPECT_NEAR(GetCurrentX(), 20 + 3.527, 1e-3);
    EXPECT_FLOAT_EQ(GetCurrentY(), 30);
    EXPECT_EQ(CurrentPrintJob().pageUsed, 0);
  }
}

TEST_F(VerticalAndRotatedTextTest, PrinterPaintPictureAlwaysPaintsOnThePrinterInPixels) {
  const QImage picture(200, 100, QImage::Format_RGB32);
  for (int16_t mode : {1, 0}) {
    SCOPED_TRACE(mode);
    CurrentPrintJob().previewMode = mode;
    printer().clearOps();
    SetPrinterScaleMode(kScaleMillimetres);
    SetCurrentX(7);
    EXPECT_EQ(PrinterPaintPicture(0, 1890, 2740.5, 1890, 945, picture, 0, 0, 200, 100), 0);
    const auto images = printer().opsOf(RecordedOp::Image);
    ASSERT_EQ(images.size(), 1u);
    const double pxPerMm = 600 / 25.4;
    EXPECT_NEAR(images[0].x1, 1890 / pxPerMm, 1e-4);
    EXPECT_NEAR(images[0].y1, 2740.5 / pxPerMm, 1e-4);
    EXPECT_NEAR(images[0].x2, 3780 / pxPerMm, 1e-4);
    EXPECT_NEAR(images[0].y2, 3685.5 / pxPerMm, 1e-4);
    EXPECT_TRUE(preview().ops().empty());
    EXPECT_EQ(printer().scaleMode(), kScaleMillimetres);
    EXPECT_FLOAT_EQ(GetCurrentX(), 7);
  }
  // An empty source rectangle paints nothing.
  printer().clearOps();
  PrinterPaintPicture(0, 0, 0, 10, 10, picture, 0, 0, 0, 100);
  EXPECT_TRUE(printer().ops().empty());
}

}  // namespace
