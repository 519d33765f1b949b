// The header band with its title and the footer rule with its text.
#include "FurnitureTest.h"
#include "core/print/PageFooter.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

namespace {

constexpr uint32_t kShade = 0x00EEEEEE;

class PageHeaderTest : public FurnitureTest {
 protected:
  void SetUp() override {
    FurnitureTest::SetUp();
    PaperSettings.HeadLineColor = int32_t(Rgb(255, 0, 0));
    PaperSettings.HeadColor = 1;      // blue
    PaperSettings.ShadeColor = int32_t(kShade);
  }
  RecordedOp onlyText() {
    const auto texts = ops(RecordedOp::Text);
    EXPECT_EQ(texts.size(), 1u);
    return texts.empty() ? RecordedOp{} : texts[0];
  }
};

TEST_F(PageHeaderTest, UnderlinedTitleStartsWithABlankAtTheHeadHeight) {
  PaperSettings.TitleStyle = 1;
  DrawPageHeader(QStringLiteral("ABCDEF"), 8, 88);
  const auto lines = ops(RecordedOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].drawWidth, 3);
  EXPECT_EQ(lines[0].color, Rgb(255, 0, 0));
  EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2),
            std::make_tuple(8.0, 9.0, 88.0, 9.0));
  const RecordedOp title = onlyText();
  EXPECT_EQ(title.text, QStringLiteral(" ABCDEF"));
  EXPECT_EQ(title.x1, 8);
  EXPECT_EQ(title.y1, 4);
  EXPECT_EQ(title.fontSize, 12);
  EXPECT_EQ(title.fontName, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(title.color, Rgb(0, 0, 255));
  EXPECT_EQ(CurrentPrintJob().pageUsed, 1);
}

TEST_F(PageHeaderTest, DecorationOfEveryTitleStyle) {
  struct Case { int16_t style; HeaderDecoration decoration; int width; bool centred; };
  const Case cases[] = {
      {0, HeaderDecoration::None, 0, false},   {1, HeaderDecoration::Rule, 3, false},
      {2, HeaderDecoration::Rule, 2, false},   {3, HeaderDecoration::Box, 1, false},
      {4, HeaderDecoration::Shade, 1, false},  {5, HeaderDecoration::None, 0, true},
      {6, HeaderDecoration::Rule, 3, true},    {7, HeaderDecoration::Rule, 2, true},
      {8, HeaderDecoration::Box, 1, true},     {9, HeaderDecoration::Shade, 1, true},
      {10, HeaderDecoration::Rule, 10, false}, {11, HeaderDecoration::None, 0, false},
      {-1, HeaderDecoration::None, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    printer().clearOps();
    PaperSettings.TitleStyle = c.style;
    DrawPageHeader(QStringLiteral("ABCDEF"), 8, 88);
    const auto lines = ops(RecordedOp::Line);
    const auto boxes = ops(RecordedOp::Box);
    const auto fills = ops(RecordedOp::FilledBox);
    EXPECT_EQ(lines.size(), c.decoration == HeaderDecoration::Rule ? 1u : 0u);
    EXPECT_EQ(boxes.size(), c.decoration == HeaderDecoration::Box ? 1u : 0u);
    EXPECT_EQ(fills.size(), c.decoration == HeaderDecoration::Shade ? 1u : 0u);
    if (!lines.empty()) {
      EXPECT_EQ(lines[0].drawWidth, c.width);
    }
    for (const auto& box : boxes) {
      EXPECT_EQ(std::make_tuple(box.x1, box.y1, box.x2, box.y2), std::make_tuple(8.0, 3.5, 88.0, 8.5));
      EXPECT_EQ(box.drawWidth, 1);
      EXPECT_EQ(box.color, Rgb(255, 0, 0));
    }
    for (const auto& fill : fills) {
      EXPECT_EQ(std::make_tuple(fill.x1, fill.y1, fill.x2, fill.y2), std::make_tuple(8.0, 3.5, 88.0, 8.5));
      EXPECT_EQ(fill.color, kShade);
    }
    const RecordedOp title = onlyText();
    EXPECT_EQ(title.text, c.centred ? QStringLiteral("ABCDEF") : QStringLiteral(" ABCDEF"));
    EXPECT_NEAR(title.x1, c.centred ? 41.65 : 8, 0.005);
  }
}

TEST_F(PageHeaderTest, BoxOfTheRainbowColourIsTwoPixelsWide) {
  PaperSettings.TitleStyle = 3;
  PaperSettings.HeadLineColor = 19;
  DrawPageHeader(QString(), 8, 88);
  ASSERT_EQ(ops(RecordedOp::Box).size(), 1u);
  EXPECT_EQ(ops(RecordedOp::Box)[0].drawWidth, 2);
}

TEST_F(PageHeaderTest, GradientRuleOfTheGradientStyle) {
  PaperSettings.TitleStyle = 10;
  PaperSettings.HeadLineColor = 1;
  DrawPageHeader(QStringLiteral("T"), 8, 88);
  const auto strokes = ops(RecordedOp::Line);
  ASSERT_GT(strokes.size(), 100u);
  EXPECT_EQ(strokes.front().color, Rgb(0, 0, 255));
  EXPECT_EQ(strokes.front().y1, 9);
}

TEST_F(PageHeaderTest, LongTitlesShrinkByAtMostFourPoints) {
  struct Case { int bytes; float size; };
  const Case cases[] = {{6, 12}, {36, 12}, {37, 11}, {40, 11}, {41, 10}, {44, 10}, {45, 8}, {120, 8}};
  PaperSettings.TitleStyle = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(HeaderTitleFontSize(12, c.bytes, 80), c.size);
    printer().clearOps();
    DrawPageHeader(QString(c.bytes, u'x'), 8, 88);
    EXPECT_EQ(onlyText().fontSize, c.size);
  }
}

TEST_F(PageHeaderTest, FullWidthCharactersCountTwoBytes) {
  PaperSettings.TitleStyle = 1;
  DrawPageHeader(QString(18, QChar(0x3042)), 8, 88);  // 36 bytes
  EXPECT_EQ(onlyText().fontSize, 12);
  printer().clearOps();
  DrawPageHeader(QString(19, QChar(0x3042)), 8, 88);  // 38 bytes
  EXPECT_EQ(onlyText().fontSize, 11);
}

TEST_F(PageHeaderTest, CentredTitleIsPlacedByTheConfiguredSize) {
  PaperSettings.TitleStyle = 5;
  DrawPageHeader(QString(45, u'x'), 8, 88);
  const RecordedOp title = onlyText();
  EXPECT_NEAR(title.x1, 0.38, 0.005);
  EXPECT_EQ(title.fontSize, 8);
  EXPECT_EQ(title.text.size(), 45);
}

class PageFooterTest : public PageHeaderTest {};

TEST_F(PageFooterTest, RuleAndSmallTextHangingFromIt) {
  PaperSettings.TitleStyle = 1;
  SetCurrentY(40);
  DrawPageFooter(QStringLiteral("2024/05/01"), 8, 88);
  const auto lines = ops(RecordedOp::Line);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(std::make_tuple(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2),
            std::make_tuple(8.0, 156.0, 88.0, 156.0));
  EXPECT_EQ(lines[0].drawWidth, 3);
  EXPECT_EQ(lines[0].color, Rgb(255, 0, 0));
  const RecordedOp text = onlyText();
  EXPECT_EQ(text.text, QStringLiteral("2024/05/01"));
  EXPECT_EQ(std::make_pair(text.x1, text.y1), std::make_pair(8.0, 156.0));
  EXPECT_FLOAT_EQ(text.fontSize, 6.3f);
  EXPECT_EQ(text.fontName, QStringLiteral("ＭＳ ゴシック"));
  EXPECT_EQ(text.color, Rgb(0, 0, 255));
}

TEST_F(PageFooterTest, RuleWeightFollowsTheTitleStyle) {
  struct Case { int16_t style; int width; };
  const Case cases[] = {{1, 3}, {2, 2}, {3, 3}, {4, 2}, {5, 3}, {6, 3},
                        {7, 2}, {8, 3}, {9, 2}, {10, 10}, {12, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    printer().clearOps();
    PaperSettings.TitleStyle = c.style;
    DrawPageFooter(QString(), 8, 88);
    const auto lines = ops(RecordedOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].drawWidth, c.width);
    EXPECT_TRUE(ops(RecordedOp::Text).empty());  // an empty text: the rule only
  }
}

TEST_F(PageFooterTest, StyleZeroHasNoFooterAtAll) {
  PaperSettings.TitleStyle = 0;
  DrawPageFooter(QStringLiteral("p.1"), 8, 88);
  EXPECT_TRUE(printer().ops().empty());
  EXPECT_EQ(GetFontSize(), 9);  // untouched
}

TEST_F(PageFooterTest, ShiftedFooterLineCarriesItsText) {
  WriteIniValue(QString(), QStringLiteral("FOOT_DOWN"), QStringLiteral("4"));
  LoadPaperSettings(0);
  PaperSettings.TitleStyle = 1;
  DrawPageFooter(QStringLiteral("p.1"), 8, 88);
  EXPECT_EQ(ops(RecordedOp::Line)[0].y1, 160);
  EXPECT_EQ(onlyText().y1, 160);
}

}  // namespace
