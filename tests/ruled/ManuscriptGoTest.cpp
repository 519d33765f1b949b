// Manuscript paper and go boards on the bible size (page 8 to 88, body 9 to 156).
#include "RuledTest.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/GoBoard.h"
#include "ruled_photo/ManuscriptPaper.h"

namespace {

class ManuscriptGoTest : public RuledTest {};

TEST_F(ManuscriptGoTest, GuideLineOfTheTwoHundredSheet) {
  const double ya = 9 + 14.7, yb = 9 + 9 * 14.7;
  const struct {
    const char* guide;
    double guideY;  // 0 = no guide line
  } cases[] = {{"12", ya + (yb - ya) * 12 / 20}, {"20", yb}, {"0", 0}, {"", 0}, {"21", 0}, {"abc", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.guide);
    printer().clearOps();
    options.txt_genko_meyasu = QString::fromLatin1(c.guide);
    DrawManuscriptPaper(options, 8, 88);
    const auto guides = lines(2);
    if (c.guideY == 0) {
      EXPECT_TRUE(guides.empty());
    } else {
      ASSERT_EQ(guides.size(), 1u);
      EXPECT_NEAR(guides[0].y1, c.guideY, 1e-3);
    }
    EXPECT_EQ(dottedLines().size(), c.guideY == 0 ? 32u : 31u);  // 21 across, 11 down
  }
}

TEST_F(ManuscriptGoTest, HundredGridAndHorizontalWriting) {
  options.Opt_genko_type = 1;
  DrawManuscriptPaper(options, 8, 88);
  std::vector<RecordedOp> grid;
  for (const RecordedOp& l : lines(1))
    if (l.y1 != 156 || l.y2 != 156) grid.push_back(l);
  ASSERT_EQ(grid.size(), 22u);
  EXPECT_NEAR(grid[0].y1, 9 + 14.7, 1e-3);
  EXPECT_NEAR(grid[10].y1, 9 + 7 * 14.7, 1e-3);
  EXPECT_NEAR(grid[11].y2, 9 + 7 * 14.7, 1e-3);

  printer().clearOps();
  options.Opt_genko_type = 0;
  DrawManuscriptPaper(options, 8, 88);
  std::vector<double> rowRules, rubyRules;
  for (const RecordedOp& l : lines(1))
    if (l.y1 == l.y2 && l.y1 != 156) rowRules.push_back(l.y1);
  for (const Dotted& d : dottedLines())
    if (d.y1 == d.y2) rubyRules.push_back(d.y1);
  ASSERT_EQ(rowRules.size(), 10u);
  ASSERT_EQ(rubyRules.size(), 10u);
  for (int r = 0; r < 10; ++r) {
    EXPECT_NEAR(rowRules[r], 9 + 14.7 * r, 1e-3);
    EXPECT_NEAR(rubyRules[r], 9 + 14.7 * r + 3, 1e-3);
  }
}

TEST_F(ManuscriptGoTest, NineteenLineBoard) {
  DrawGoBoard(options, 8, 88);
  std::vector<RecordedOp> rows, columns;
  for (const RecordedOp& l : lines(1)) {
    if (l.y1 == 156 && l.y2 == 156) continue;
    (l.y1 == l.y2 ? rows : columns).push_back(l);
  }
  ASSERT_EQ(rows.size(), 19u);
  ASSERT_EQ(columns.size(), 19u);
  EXPECT_NEAR(rows.front().y1, 16.737, 1e-3);
  EXPECT_NEAR(rows.back().y1, 92.526, 1e-3);
  EXPECT_NEAR(rows[1].y1 - rows[0].y1, 4.2105, 1e-3);
  EXPECT_NEAR(columns.front().x1, 12.211, 1e-3);
  EXPECT_NEAR(columns.back().x1, 83.789, 1e-3);
  EXPECT_NEAR(columns[1].x1 - columns[0].x1, 3.9766, 1e-3);

  const QStringList texts = printer().texts();
  EXPECT_EQ(texts.count(QStringLiteral("01")), 2);
  EXPECT_EQ(texts.count(QStringLiteral("19")), 2);
  EXPECT_EQ(texts.count(QStringLiteral("S")), 2);
  EXPECT_FALSE(texts.contains(QStringLiteral("T")));

  const auto stars = ops(RecordedOp::Circle);
  ASSERT_EQ(stars.size(), 9u);
  for (const RecordedOp& c : stars) {
    EXPECT_EQ(c.fillStyle, 0);  // discs on paper
    EXPECT_DOUBLE_EQ(c.x2, 0.5);
  }
  EXPECT_NEAR(stars[0].x1, columns[3].x1, 1e-4);
  EXPECT_NEAR(stars[0].y1, rows[3].y1, 1e-4);
  EXPECT_NEAR(stars[8].x1, columns[15].x1, 1e-4);
  EXPECT_EQ(printer().fillStyle(), 1);  // transparent again afterwards

  const auto frame = ops(RecordedOp::Box);
  ASSERT_FALSE(frame.empty());
  EXPECT_EQ(frame.back().drawWidth, 2);
}

TEST_F(ManuscriptGoTest, StarPointsAreSymmetricAndOutlinesInThePreview) {
  EXPECT_EQ(GoStarPointLines(19), (std::vector<int>{3, 9, 15}));
  EXPECT_EQ(GoStarPointLines(13), (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(GoStarPointLines(9), (std::vector<int>{2, 4, 6}));

  options.Opt_igo_masume = 2;
  CurrentPrintJob().previewMode = 1;
  DrawGoBoard(options, 8, 88);
  CurrentPrintJob().previewMode = 0;
  const auto circles = preview().opsOf(RecordedOp::Circle);
  ASSERT_EQ(circles.size(), 9u);
  for (const RecordedOp& c : circles) EXPECT_EQ(c.fillStyle, 1);
  const QStringList texts = preview().texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("09")));
  EXPECT_TRUE(texts.contains(QStringLiteral("I")));
  EXPECT_FALSE(texts.contains(QStringLiteral("10")));
}

}  // namespace
