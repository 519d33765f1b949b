// The age table and the ruler on the bible size (page 8 to 88, body 9 to 156).
#include "RuledTest.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/AgeTableRuler.h"

namespace {

class AgeTableRulerTest : public RuledTest {
 protected:
  // The table's lines: each age's text with its marker joined on.
  QStringList tableLines() {
    QStringList out;
    for (const RecordedOp& t : ops(RecordedOp::Text)) {
      if (t.text.startsWith(u' ') && !out.isEmpty() && t.text.size() == 6)
        out.back() += t.text;
      else if (t.text.size() > 10 && t.text.at(0).isDigit())
        out << t.text;
    }
    return out;
  }
};

TEST_F(AgeTableRulerTest, AgeTableOf2009) {
  DrawAgeTable(options, 2009, 8, 88);
  const QStringList l = tableLines();
  ASSERT_EQ(l.size(), 100);
  EXPECT_EQ(l[0], QStringLiteral("00 平成21 2009 丑"));
  EXPECT_EQ(l[20], QStringLiteral("20 平成01 1989 巳 01/08"));
  EXPECT_EQ(l[50], QStringLiteral("50 昭和34 1959 亥"));
  EXPECT_EQ(l[83], QStringLiteral("83 昭和01 1926 寅 12/25"));
  EXPECT_EQ(l[97], QStringLiteral("97 大正01 1912 子 07/30"));
  EXPECT_EQ(l[98], QStringLiteral("98 明治44 1911 亥"));
  EXPECT_EQ(l[99], QStringLiteral("99 明治43 1910 戌"));
  EXPECT_TRUE(printer().texts().join(u'|').contains(QStringLiteral("年齢早見表 (2009年)")));
  const auto texts = ops(RecordedOp::Text);
  for (const RecordedOp& t : texts)
    if (t.text == l[0]) EXPECT_NEAR(t.y1, 9 + 147.0 / 102, 1e-3);
    else if (t.text == l[50]) { EXPECT_EQ(t.x1, 48); }
}

TEST_F(AgeTableRulerTest, TheCurrentEraHasItsFirstYear) {
  DrawAgeTable(options, 2026, 8, 88);
  const QStringList l = tableLines();
  ASSERT_EQ(l.size(), 100);
  EXPECT_EQ(l[7], QStringLiteral("07 令和01 2019 亥 05/01"));
  EXPECT_EQ(l[8], QStringLiteral("08 平成30 2018 戌"));
}

TEST_F(AgeTableRulerTest, RulerTicksWithTheCorrection) {
  const struct {
    const char* correction;
    double at100, at150;
  } cases[] = {{"0", 100, 150}, {"", 100, 150}, {"5", 100.5, 150.75}, {"-10", 99, 148.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.correction);
    printer().clearOps();
    options.Txt_monosasi = QString::fromLatin1(c.correction);
    DrawRulerPage(options, 8, 88);
    std::vector<RecordedOp> long_;
    int ticks = 0;
    for (const RecordedOp& l : lines(1)) {
      if (l.x1 != 88) continue;
      ++ticks;
      if (l.x2 == 79) long_.push_back(l);
    }
    EXPECT_EQ(ticks, 157);
    ASSERT_EQ(long_.size(), 16u);
    EXPECT_NEAR(long_[0].y1, 0, 1e-6);
    EXPECT_NEAR(long_[10].y1, c.at100, 1e-3);
    EXPECT_NEAR(long_[15].y1, c.at150, 1e-3);
    EXPECT_TRUE(printer().texts().contains(QStringLiteral("15")));
  }
  printer().clearOps();
  options.Txt_Title = QStringLiteral(" 物差し ");
  options.Txt_monosasi = QStringLiteral("1e9");
  DrawRulerPage(options, 8, 88);
  EXPECT_TRUE(printer().texts().contains(QStringLiteral(" 物差し ")));
  int ticks = 0;
  for (const RecordedOp& l : lines(1)) ticks += l.x1 == 88;
  EXPECT_EQ(ticks, 1);  // only the zero stays on the paper
  EXPECT_EQ(lines(4).size(), 2u);
}

}  // namespace
