// Ruled and staff paper on the bible size (page 8 to 88, body 9 to 156).
#include "RuledTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/RuledStaffPaper.h"

namespace {

class RuledStaffPaperTest : public RuledTest {
 protected:
  std::vector<Dotted> rules() {
    std::vector<Dotted> out;
    for (const Dotted& d : dottedLines())
      if (d.y1 == d.y2 && d.x1 == 8) out.push_back(d);
    return out;
  }
  std::vector<Dotted> verticalDots() {
    std::vector<Dotted> out;
    for (const Dotted& d : dottedLines())
      if (d.x1 == d.x2 && d.y1 == 9) out.push_back(d);
    return out;
  }
  std::vector<RecordedOp> glyphs() {
    std::vector<RecordedOp> out;
    for (const RecordedOp& t : ops(RecordedOp::Text))
      if (t.text == QStringLiteral(" □")) out.push_back(t);
    return out;
  }
  int footerRules() {
    int n = 0;
    for (const RecordedOp& l : ops(RecordedOp::Line)) n += l.y1 == 156 && l.y2 == 156;
    return n;
  }
};

TEST_F(RuledStaffPaperTest, HorizontalRulesEverySixAndAHalfMillimetres) {
  DrawRuledPaper(options, 5, 8, 88);
  const auto r = rules();
  ASSERT_EQ(r.size(), 22u);
  for (size_t k = 0; k < r.size(); ++k) EXPECT_NEAR(r[k].y1, 9 + 6.5 * k, 1e-4);
  EXPECT_TRUE(glyphs().empty());
  EXPECT_TRUE(verticalDots().empty());
}

TEST_F(RuledStaffPaperTest, ClassifierLinesAndGlyphs) {
  options.cmb_bunruisen[0] = 1;
  options.cmb_bunruisen[1] = 3;
  options.Chk_checkL = 1;
  DrawRuledPaper(options, 5, 8, 88);
  const auto v = verticalDots();
  ASSERT_EQ(v.size(), 4u);
  EXPECT_NEAR(v[0].x1, 24, 1e-4);  // one fifth of the width, not 6 mm in
  EXPECT_NEAR(v[1].x1, 8 + 80.0 * 2 / 3, 1e-3);
  EXPECT_NEAR(v[2].x1, 8 + 80.0 * 2 / 3 + 6, 1e-3);
  EXPECT_NEAR(v[3].x1, 8 + 80.0 * 2 / 3 + 12, 1e-3);
  const auto g = glyphs();
  ASSERT_EQ(g.size(), 22u);
  const double font = PaperSettings.DataFontSize;
  EXPECT_NEAR(g[0].x1, 24, 1e-4);
  EXPECT_NEAR(g[0].y1, 9 + (6.5 - 2 * font / 5.67) / 2, 1e-3);
  EXPECT_FLOAT_EQ(g[0].fontSize, font);

  printer().clearOps();
  options.cmb_bunruisen[0] = 3;
  DrawRuledPaper(options, 5, 8, 88);
  EXPECT_NEAR(glyphs()[0].x1, 26, 1e-4);  // on the last of 6, 12, 18 mm
}

TEST_F(RuledStaffPaperTest, VerticalRulesWithAPlainTitle) {
  PaperSettings.TitleStyle = 1;
  options.Txt_Title = QStringLiteral("  縦  ");
  options.cmb_bunruisen[0] = 2;
  options.Chk_checkL = 1;
  options.Chk_Tatekei = 1;
  DrawRuledPaper(options, 5, 8, 88);
  EXPECT_EQ(PaperSettings.TitleStyle, 1);
  EXPECT_EQ(printer().texts().value(0).trimmed(), QStringLiteral("縦"));
  EXPECT_TRUE(glyphs().empty());
  EXPECT_EQ(footerRules(), 0);
  std::vector<double> columns;
  for (const RecordedOp& p : ops(RecordedOp::Point))
    if (columns.empty() || columns.back() != p.x1) columns.push_back(p.x1);
  ASSERT_EQ(columns.size(), 13u);
  for (size_t k = 0; k < columns.size(); ++k) EXPECT_NEAR(columns[k], 8 + 6.5 * k, 1e-4);
  const auto dots = ops(RecordedOp::Point);
  EXPECT_NEAR(dots[1].y1 - dots[0].y1, 0.3, 1e-4);
}

TEST_F(RuledStaffPaperTest, AbsurdPitchesDrawNoRules) {
  for (int16_t index : {int16_t(-8), int16_t(-20)}) {
    printer().clearOps();
    DrawRuledPaper(options, index, 8, 88);
    EXPECT_TRUE(rules().empty()) << index;
  }
}

TEST_F(RuledStaffPaperTest, StavesAcrossAndAlong) {
  DrawStaffPaper(options, 8, 88);
  std::vector<double> ys;
  for (const RecordedOp& l : lines(1))
    if (l.x1 == 8 && l.x2 == 88 && l.y1 != 156) ys.push_back(l.y1);
  ASSERT_EQ(ys.size(), 35u);
  for (int staff = 0; staff < 7; ++staff)
    for (int line = 0; line < 5; ++line) EXPECT_NEAR(ys[5 * staff + line], 19 + 20 * staff + 2 * line, 1e-4);

  printer().clearOps();
  options.chk_5yoko = 1;
  DrawStaffPaper(options, 8, 88);
  std::vector<double> xs;
  for (const RecordedOp& l : lines(1))
    if (l.x1 == l.x2 && l.y1 == 14 && l.y2 == 151) xs.push_back(l.x1);
  ASSERT_EQ(xs.size(), 20u);
  EXPECT_NEAR(xs[0], 8 + 20.0 / 3, 1e-4);
  EXPECT_NEAR(xs[5], 8 + 20.0 / 3 + 20, 1e-4);
}

TEST_F(RuledStaffPaperTest, StaffSpacingsThatGiveNoStaves) {
  const struct {
    const char* spacing;
    bool blankPage;
  } cases[] = {{"0", true}, {"", true}, {"abc", true}, {"-5", false}, {"0.0001", false}, {"1e9", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.spacing);
    printer().clearOps();
    options.txt_5kankaku = QString::fromLatin1(c.spacing);
    DrawStaffPaper(options, 8, 88);
    int staffLines = 0;
    for (const RecordedOp& l : lines(1)) staffLines += l.y1 != 156;
    EXPECT_EQ(staffLines, 0);
    EXPECT_EQ(printer().ops().empty(), c.blankPage);
  }
}

}  // namespace
