// Graph, dot and number-place pages on the bible size.
#include "RuledTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/GridPaper.h"

namespace {

class GridPaperTest : public RuledTest {
 protected:
  // Solid horizontal and vertical lines inside the body, without the footer rule.
  std::vector<RecordedOp> horizontals() {
    std::vector<RecordedOp> out;
    for (const RecordedOp& l : lines(1))
      if (l.y1 == l.y2 && l.x1 == 8 && l.x2 == 88) out.push_back(l);
    return out;
  }
  std::vector<RecordedOp> verticals() {
    std::vector<RecordedOp> out;
    for (const RecordedOp& l : lines(1))
      if (l.x1 == l.x2 && l.y1 == 9 && l.y2 == 156) out.push_back(l);
    return out;
  }
};

TEST_F(GridPaperTest, GraphPaperFittedToTheWidth) {
  DrawGridPaper(options, QStringLiteral("H"), 3, 0, 1, 8, 88);
  const auto h = horizontals();
  ASSERT_EQ(h.size(), 48u);
  EXPECT_NEAR(h[1].y1 - h[0].y1, 80.0 / 26, 1e-4);
  EXPECT_NEAR(h[0].y1, 9, 1e-6);
  const auto v = verticals();
  ASSERT_GE(v.size(), 27u);
  EXPECT_NEAR(v[0].x1, 8, 1e-6);
  EXPECT_NEAR(v[1].x1, 8 + 80.0 / 26, 1e-4);
  EXPECT_NEAR(v.back().x1, 88, 1e-6);  // the closing line
  EXPECT_TRUE(dottedLines().empty());
}

TEST_F(GridPaperTest, HalfLinesStopWhereLessThanHalfACellRemains) {
  DrawGridPaper(options, QStringLiteral("H"), 3, 1, 1, 8, 88);
  double lastHorizontal = 0, lastVertical = 0;
  for (const Dotted& d : dottedLines()) {
    if (d.y1 == d.y2) lastHorizontal = std::max(lastHorizontal, d.y1);
    if (d.x1 == d.x2) lastVertical = std::max(lastVertical, d.x1);
  }
  EXPECT_NEAR(lastHorizontal, 9 + 47 * 80.0 / 26 + 40.0 / 26, 1e-3);  // 155.15
  EXPECT_LT(lastVertical, 88 - 40.0 / 26 + 1e-3);                      // none right of the last column
}

TEST_F(GridPaperTest, CellSizesAndDots) {
  DrawGridPaper(options, QStringLiteral("H"), 15, 0, 0, 8, 88);
  const auto h = horizontals();
  ASSERT_GE(h.size(), 2u);
  EXPECT_NEAR(h[1].y1 - h[0].y1, 15, 1e-5);

  printer().clearOps();
  DrawGridPaper(options, QStringLiteral("D"), 10, 1, 0, 8, 88);
  EXPECT_TRUE(verticals().empty());
  const auto dots = ops(RecordedOp::Point);
  ASSERT_EQ(dots.size(), 15u * 9u);  // rows 0..140, columns 0..80, no half dots
  EXPECT_EQ(dots.front().drawWidth, 4);
}

TEST_F(GridPaperTest, NarrowerThanOneCellDrawsOnlyTheClosingLine) {
  DrawGridPaper(options, QStringLiteral("H"), 15, 1, 1, 8, 18);
  EXPECT_TRUE(horizontals().empty());
  const auto closing = lines(1);
  ASSERT_FALSE(closing.empty());
  EXPECT_TRUE(std::any_of(closing.begin(), closing.end(),
                          [](const RecordedOp& l) { return l.x1 == 18 && l.x2 == 18 && l.y1 == 9; }));
}

TEST_F(GridPaperTest, DateFieldOnlyWhenShownAndTicked) {
  auto dateBoxes = [&] {
    int n = 0;
    for (const QString& t : printer().texts()) n += t == QStringLiteral("    -   -    ");
    return n;
  };
  const struct {
    bool shown;
    int16_t ticked;
    int boxes;
  } cases[] = {{false, 1, 0}, {true, 0, 0}, {true, 1, 1}};
  for (const auto& c : cases) {
    printer().clearOps();
    options.chk_hizuke_visible = c.shown;
    options.chk_hizuke = c.ticked;
    DrawGridPaper(options, QStringLiteral("H"), 3, 0, 1, 8, 88);
    EXPECT_EQ(dateBoxes(), c.boxes) << c.shown << c.ticked;
  }
}

TEST_F(GridPaperTest, NumberPlaceGrid) {
  options.txt_keisen_honsu = QStringLiteral("4");
  options.txt_keisen_futoji = QStringLiteral("2");
  options.Txt_keisen_yohaku = QStringLiteral("5");
  DrawGridPaper(options, QStringLiteral("H2"), 3, 1, 1, 8, 88);
  std::vector<RecordedOp> grid;
  for (const RecordedOp& l : ops(RecordedOp::Line))
    if (l.x1 >= 13 && l.x2 <= 83 && l.y1 >= 14) grid.push_back(l);
  ASSERT_EQ(grid.size(), 10u);  // 5 lines each way, vertical then horizontal
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(grid[2 * i].x1, 13 + 17.5 * i, 1e-4);
    EXPECT_EQ(grid[2 * i].drawWidth, i % 2 == 0 ? 3 : 1);
    EXPECT_NEAR(grid[2 * i + 1].y1, 14 + 17.5 * i, 1e-4);
  }
  const auto frame = ops(RecordedOp::Box);
  ASSERT_FALSE(frame.empty());
  EXPECT_EQ(frame.back().drawWidth, 3);
  EXPECT_TRUE(dottedLines().empty());  // half lines do nothing here
}

TEST_F(GridPaperTest, NumberPlaceCorrectsItsBoxes) {
  const struct {
    const char* cells;
    const char* bold;
    const char* margin;
    const char* cellsAfter;
    const char* boldAfter;
    const char* marginAfter;
  } cases[] = {
      {"abc", "0", "-5", "1", "0", "0"},
      {"0", "abc", "8", "1", "0", "8"},
      {"1e9", "3", "8", "128", "3", "8"},      // cells of half a millimetre at least
      {"9", "3", "1e9", "4", "3", "39"},       // a grid of 1 mm at least
      {"99999999999999999999999999999999999999", "3", "0.0001", "160", "3", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cells);
    printer().clearOps();
    options.txt_keisen_honsu = QString::fromLatin1(c.cells);
    options.txt_keisen_futoji = QString::fromLatin1(c.bold);
    options.Txt_keisen_yohaku = QString::fromLatin1(c.margin);
    DrawGridPaper(options, QStringLiteral("H2"), 3, 0, 1, 8, 88);
    EXPECT_EQ(options.txt_keisen_honsu, QString::fromLatin1(c.cellsAfter));
    EXPECT_EQ(options.txt_keisen_futoji, QString::fromLatin1(c.boldAfter));
    EXPECT_EQ(options.Txt_keisen_yohaku, QString::fromLatin1(c.marginAfter));
    EXPECT_LT(printer().ops().size(), 100000u);
  }
  // "0" bold: inner lines thin, the frame still heavy.
  printer().clearOps();
  options.txt_keisen_honsu = QStringLiteral("9");
  options.txt_keisen_futoji = QStringLiteral("0");
  options.Txt_keisen_yohaku = QStringLiteral("8");
  DrawGridPaper(options, QStringLiteral("H2"), 3, 0, 1, 8, 88);
  for (const RecordedOp& l : ops(RecordedOp::Line))
    if (l.y1 >= 17 && l.y2 <= 89) { EXPECT_EQ(l.drawWidth, 1); }
  EXPECT_EQ(ops(RecordedOp::Box).back().drawWidth, 3);
}

TEST_F(GridPaperTest, SquareGridRunsPastTheFooterOnAWidePage) {
  loadSize(22);  // はがき横: body shorter than the page is wide
  const double left = PaperSettings.PageLeft, right = PaperSettings.PageWidth;
  options.Txt_keisen_yohaku = QStringLiteral("0");
  DrawGridPaper(options, QStringLiteral("H2"), 3, 0, 1, left, right);
  const auto frame = ops(RecordedOp::Box).back();
  EXPECT_NEAR(frame.y2 - frame.y1, right - left, 1e-3);
  EXPECT_GT(frame.y2, PaperSettings.FootHeight);
}

}  // namespace
