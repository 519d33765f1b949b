// Line styles, boxes and fills on the recording surface.
#include <array>
#include <cmath>
#include <vector>

#include "PrimitivesTest.h"
#include "core/print/DrawStyledLine.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"

namespace {

class DrawStyledLineTest : public PrimitivesTest {};

constexpr double kLineTolMm = 1e-4;

void ExpectLine(const RecordedOp& op, double x1, double y1, double x2, double y2) {
  EXPECT_EQ(op.kind, RecordedOp::Line);
  EXPECT_NEAR(op.x1, x1, kLineTolMm);
  EXPECT_NEAR(op.y1, y1, kLineTolMm);
  EXPECT_NEAR(op.x2, x2, kLineTolMm);
  EXPECT_NEAR(op.y2, y2, kLineTolMm);
}

TEST_F(DrawStyledLineTest, PlainStylesDrawOneLineInTheirWidth) {
  struct Case {
    double style;
    int16_t lineType;
    int32_t colour;
    int16_t width;
  } cases[] = {
      {1, 0, 0, 1}, {1, 1, 0, 2}, {1, 0, 19, 2}, {1, 2, 4, 1}, {3, 1, 4, 3},
      {9, 0, 2, 9}, {10, 0, 8, 10}, {10, 0, 0, 10}, {10, 0, 7, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << c.style << " type " << c.lineType << " colour " << c.colour);
    printer().clearOps();
    PaperSettings.LineType = c.lineType;
    SetDrawStyle(3);
    DrawStyledLine(c.style, 10, 20, 60, 25, c.colour);
    const auto lines = ops(RecordedOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    ExpectLine(lines[0], 10, 20, 60, 25);
    EXPECT_EQ(lines[0].drawWidth, c.width);
    EXPECT_EQ(lines[0].drawStyle, 0);
    EXPECT_EQ(lines[0].color, uint32_t(CurrentLineColor));
    if (c.colour != 19) { EXPECT_EQ(CurrentLineColor, ColorByIndex(c.colour)); }
    EXPECT_EQ(printer().drawWidth(), c.width);
    EXPECT_FLOAT_EQ(GetCurrentX(), 60);
    EXPECT_FLOAT_EQ(GetCurrentY(), 25);
  }
}

TEST_F(DrawStyledLineTest, ColourMinusOneKeepsTheLastLineColour) {
  DrawStyledLine(1, 0, 0, 10, 0, 4);
  DrawStyledLine(2, 0, 5, 10, 5, -1);
  DrawStyledLine(10, 0, 9, 10, 9, -1);  // not a gradient colour: a wide line
  const auto lines = ops(RecordedOp::Line);
  ASSERT_EQ(lines.size(), 3u);
  for (const RecordedOp& op : lines) EXPECT_EQ(op.color, Rgb(255, 0, 0));
  EXPECT_EQ(lines[2].drawWidth, 10);
  EXPECT_EQ(CurrentLineColor, int32_t(Rgb(255, 0, 0)));
}

TEST_F(DrawStyledLineTest, UnlistedStylesDrawNothingButResetTheState) {
  for (double style : {0.0, 11.0, 0.5, 9.5, -2.0, -11.0, -99.0, -103.0}) {
    SCOPED_TRACE(style);
    printer().clearOps();
    SetDrawStyle(4);
    SetDrawWidth(6);
    CurrentLineColor = 0;
    DrawStyledLine(style, 1, 1, 50, 1, 5);
    EXPECT_TRUE(printer().ops().empty());
    EXPECT_EQ(printer().drawStyle(), 0);
    EXPECT_EQ(printer().drawWidth(), 1);
    EXPECT_EQ(CurrentLineColor, int32_t(Rgb(255, 0, 255)));
  }
}

TEST_F(DrawStyledLineTest, HorizontalGradientRunsFromFullColourToPaleTint) {
  DrawStyledLine(10, 0, 0, 100, 0, 4);
  const auto strokes = ops(RecordedOp::Line);
  ASSERT_EQ(strokes.size(), 251u);  // x = 0, 0.4, ..., 100
  for (size_t i = 0; i < strokes.size(); ++i) {
    SCOPED_TRACE(i);
    const double x = 0.4 * double(i);
    ExpectLine(strokes[i], x, 0, x + 0.4, 0);
    const int f = std::min(200, int(4 * i / 5));  // the integer part of 2x
    EXPECT_EQ(strokes[i].color, Rgb(255, f, f));
    EXPECT_EQ(strokes[i].drawWidth, 2);
  }
  EXPECT_EQ(strokes.front().color, Rgb(255, 0, 0));
  EXPECT_EQ(strokes.back().color, Rgb(255, 200, 200));
  EXPECT_EQ(CurrentLineColor, int32_t(Rgb(255, 0, 0)));
}

TEST_F(DrawStyledLineTest, VerticalGradientUsesShortHorizontalStrokes) {
  DrawStyledLine(10, 5, 10, 5, 30, 1);
  const auto strokes = ops(RecordedOp::Line);
  ASSERT_EQ(strokes.size(), 51u);
  ExpectLine(strokes[0], 5, 10, 5.4, 10);
  ExpectLine(strokes[50], 5, 30, 5.4, 30);
  EXPECT_EQ(strokes[0].color, Rgb(0, 0, 255));
  EXPECT_EQ(strokes[1].color, Rgb(4, 4, 255));  // 0.4 mm of a 0.1 mm level step
  EXPECT_EQ(strokes[50].color, Rgb(200, 200, 255));
}

TEST_F(DrawStyledLineTest, GradientColoursOfEveryIndex) {
  EXPECT_EQ(GradientStepColor(1, 7), int32_t(Rgb(7, 7, 255)));
  EXPECT_EQ(GradientStepColor(2, 7), int32_t(Rgb(7, 255, 7)));
  EXPECT_EQ(GradientStepColor(3, 7), int32_t(Rgb(7, 255, 255)));
  EXPECT_EQ(GradientStepColor(4, 7), int32_t(Rgb(255, 7, 7)));
  EXPECT_EQ(GradientStepColor(5, 7), int32_t(Rgb(255, 7, 255)));
  EXPECT_EQ(GradientStepColor(6, 7), int32_t(Rgb(255, 255, 7)));
}

TEST_F(DrawStyledLineTest, PatternsWithoutRoomOrBackwardsDrawNothing) {
  struct Case {
    const char* what;
    double style, x1, y1, x2, y2;
  } cases[] = {
      {"zero-length gradient", 10, 20, 20, 20, 20},
      {"backward gradient", 10, 50, 0, 10, 0},
      {"upward vertical gradient", 10, 5, 30, 5, 10},
      {"backward dots", -1, 50, 0, 10, 0},
      {"upward dots", -1, 5, 30, 5, 10},
      {"hatch narrower than 10 mm", -10, 0, 0, 5, 10},
      {"hatch of exactly 10 mm", -10, 0, 0, 10, 10},
      {"hatch with a vanishing step", -10, 0, 0, 10.05, 10},
      {"backward hatch", -10, 100, 0, 0, 10},
      {"gradient of absurd length", 10, 0, 0, 1e12, 0},
      {"dots to NaN", -1, 0, 0, std::nan(""), 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    printer().clearOps();
    DrawStyledLine(c.style, c.x1, c.y1, c.x2, c.y2, 4);
    EXPECT_TRUE(printer().ops().empty());
  }
}

TEST_F(DrawStyledLineTest, DotsAreOneDottedLineOfPointsOrSmallCirclesByLineType) {
  struct Case {
    int16_t lineType;
    int16_t previewMode;
    int32_t colour;
    double spacing;
    double size;  // 0: points as wide as the pen
    int16_t width;
    double y2;    // the last dot
  } cases[] = {
      {0, 0, 0, 0.4, 0, 1, 20},
      {1, 0, 0, 0.4, 0, 2, 20},
      {0, 0, 19, 0.4, 0, 2, 20},
      {2, 0, 0, 1.0, 0.2, 1, 20},
      {3, 0, 0, 1.0, 0.2, 1, 20},
      {2, 1, 0, 1.0, 0.4, 1, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.lineType << " preview " << c.previewMode);
    CurrentPrintJob().previewMode = c.previewMode;
    active().clearOps();
    PaperSettings.LineType = c.lineType;
    DrawStyledLine(-1, 10, 10, 10, 20.2, c.colour);
    ASSERT_EQ(active().ops().size(), 1u);
    const RecordedOp& line = active().ops()[0];
    EXPECT_EQ(line.kind, RecordedOp::Line);
    ExpectLine(line, 10, 10, 10, c.y2);
    EXPECT_EQ(line.drawStyle, kDrawDotted);
    EXPECT_NEAR(line.dotPitch, c.spacing, kLineTolMm);
    EXPECT_NEAR(line.dotSize, c.size, kLineTolMm);
    EXPECT_EQ(line.drawWidth, c.width);
    EXPECT_EQ(line.color, uint32_t(CurrentLineColor));
    EXPECT_EQ(active().drawStyle(), kDrawSolid);
  }
}

TEST_F(DrawStyledLineTest, HorizontalDotsStayOnTheFirstY) {
  DrawStyledLine(-1, 0, 5, 2.3, 99, 4);
  ASSERT_EQ(printer().ops().size(), 1u);
  ExpectLine(printer().ops()[0], 0, 5, 2, 5);  // to the last dot, 2 mm
  EXPECT_EQ(printer().ops()[0].color, Rgb(255, 0, 0));
}

TEST_F(DrawStyledLineTest, HatchOfOneHundredMillimetresHasTwelveStrokes) {
  DrawStyledLine(-10, 20, 10, 120, 30, 0);
  const auto strokes = ops(RecordedOp::Line);
  ASSERT_EQ(strokes.size(), 12u);
  for (size_t i = 0; i < strokes.size(); ++i) {
    ExpectLine(strokes[i], 20 + 9.0 * double(i), 10, 20 + 9.0 * double(i), 30.4);
    EXPECT_EQ(strokes[i].drawWidth, 1);
  }
}

TEST_F(DrawStyledLineTest, ArrowLinesOrderTheirPointsAndDrawTheirHeads) {
  struct Case {
    double style, x1, y1, x2, y2;
    std::vector<std::array<double, 4>> lines;
  } cases[] = {
      {-100, 50, 10, 10, 10,
       {{10, 10, 50, 10}, {10, 10, 11, 9}, {10, 10, 11, 11}, {50, 10, 49, 9}, {50, 10, 49, 11}}},
      {-101, 50, 10, 10, 10, {{10, 10, 50, 10}, {10, 10, 11, 9}, {10, 10, 11, 11}}},
      {-102, 10, 10, 50, 10, {{10, 10, 50, 10}, {50, 10, 49, 9}, {50, 10, 49, 11}}},
      {-100, 5, 30, 5, 10,
       {{5, 10, 5, 30}, {5, 10, 4, 11}, {5, 10, 6, 11}, {5, 30, 4, 29}, {5, 30, 6, 29}}},
      {-101, 5, 10, 5, 30, {{5, 10, 5, 30}, {5, 10, 4, 11}, {5, 10, 6, 11}}},
      {-102, 5, 10, 5, 30, {{5, 10, 5, 30}, {5, 30, 4, 29}, {5, 30, 6, 29}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.style << " " << c.x1 << "," << c.y1);
    printer().clearOps();
    DrawStyledLine(c.style, c.x1, c.y1, c.x2, c.y2, 2);
    const auto lines = ops(RecordedOp::Line);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      ExpectLine(lines[i], c.lines[i][0], c.lines[i][1], c.lines[i][2], c.lines[i][3]);
      EXPECT_EQ(lines[i].color, Rgb(0, 255, 0));
      EXPECT_EQ(lines[i].drawWidth, 1);
    }
  }
}

TEST_F(DrawStyledLineTest, BoxSetsTheLineColourAndWidthFromItsStyle) {
  SetDrawStyle(2);
  DrawBox(3, 10, 20, 40, 50, 4);
  auto boxes = ops(RecordedOp::Box);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NEAR(boxes[0].x1, 10, kLineTolMm);
  EXPECT_NEAR(boxes[0].y2, 50, kLineTolMm);
  EXPECT_EQ(boxes[0].drawWidth, 3);
  EXPECT_EQ(boxes[0].drawStyle, 2);  // the draw style is not reset
  EXPECT_EQ(boxes[0].color, Rgb(255, 0, 0));
  EXPECT_FLOAT_EQ(GetCurrentX(), 40);
  EXPECT_FLOAT_EQ(GetCurrentY(), 50);

  DrawBox(20, 0, 0, 5, 5, -1);  // unlisted style: width and colour stay
  DrawBox(1, 0, 0, 5, 5, 19);   // thin rainbow boxes are two pixels wide
  DrawBox(1, 0, 0, 5, 5, 1);
  boxes = ops(RecordedOp::Box);
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[1].drawWidth, 3);
  EXPECT_EQ(boxes[1].color, Rgb(255, 0, 0));
  EXPECT_EQ(boxes[2].drawWidth, 2);
  EXPECT_EQ(boxes[3].drawWidth, 1);
  EXPECT_EQ(boxes[3].color, Rgb(0, 0, 255));
}

TEST_F(DrawStyledLineTest, FillLeavesTheLineColourAlone) {
  DrawStyledLine(1, 0, 0, 1, 0, 1);
  SetDrawStyle(5);
  SetDrawWidth(7);
  FillBox(99, 8, 0, 88, 156, 0xCCEEFF);
  const auto fills = ops(RecordedOp::FilledBox);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_NEAR(fills[0].x1, 8, kLineTolMm);
  EXPECT_NEAR(fills[0].y1, 0, kLineTolMm);
  EXPECT_NEAR(fills[0].x2, 88, kLineTolMm);
  EXPECT_NEAR(fills[0].y2, 156, kLineTolMm);
  EXPECT_EQ(fills[0].color, 0xCCEEFFu);
  EXPECT_EQ(printer().drawStyle(), 0);
  EXPECT_EQ(printer().drawWidth(), 1);
  EXPECT_EQ(CurrentLineColor, int32_t(Rgb(0, 0, 255)));
}

}  // namespace
