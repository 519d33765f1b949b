// Lattice, project, risk, shop-list and shogi pages on the bible size
// (page 8 to 88, body 9 to 156).
#include "RuledTest.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "ruled_photo/LatticeSheet.h"
#include "ruled_photo/ProjectRiskSheets.h"
#include "ruled_photo/ShopListShogi.h"

namespace {

class FormSheetsTest : public RuledTest {
 protected:
  const RecordedOp* text(const QString& t) {
    for (const RecordedOp& op : printer().ops())
      if (op.kind == RecordedOp::Text && op.text == t) {
        found_ = op;
        return &found_;
      }
    return nullptr;
  }
  RecordedOp found_;
};

TEST_F(FormSheetsTest, LatticeLayouts) {
  options.cmb_kosi = 0;
  options.chk_kosi = 0;
  options.txt_kosi = QStringLiteral("主題");
  DrawLatticeSheet(options, 8, 88);
  std::vector<RecordedOp> dividers;
  for (const RecordedOp& l : lines(1))
    if (l.y1 == 9 && l.y2 == 156) dividers.push_back(l);
  ASSERT_EQ(dividers.size(), 1u);
  EXPECT_EQ(dividers[0].x1, 48);
  ASSERT_NE(text(QStringLiteral("主")), nullptr);
  EXPECT_EQ(found_.x1, 9);
  EXPECT_EQ(found_.y1, 16);
  EXPECT_EQ(text(QStringLiteral("質問:")), nullptr);
  EXPECT_EQ(ops(RecordedOp::Box).back().drawWidth, 2);

  printer().clearOps();
  options.cmb_kosi = 3;
  options.chk_kosi = 1;
  DrawLatticeSheet(options, 8, 88);
  ASSERT_NE(text(QStringLiteral("メリット:")), nullptr);
  EXPECT_EQ(found_.x1, 9);
  EXPECT_EQ(found_.y1, 10);
  ASSERT_NE(text(QStringLiteral("デメリット:")), nullptr);
  EXPECT_NEAR(found_.y1, 83.5, 1e-4);

  printer().clearOps();
  options.cmb_kosi = 4;
  options.txt_kosi = QString(200, u'案');
  DrawLatticeSheet(options, 8, 88);
  const QStringList texts = printer().texts();
  for (const char* label : {"分解:", "上位:", "組合せ:", "原因/過去/根本:", "結果/未来/発展:", "類似:", "下位:", "反対:"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(label))) << label;
  double lowest = 0, rightmost = 0;
  for (const RecordedOp& t : ops(RecordedOp::Text))
    if (t.text == QStringLiteral("案")) lowest = std::max(lowest, t.y1), rightmost = std::max(rightmost, t.x1);
  EXPECT_GT(lowest, 9 + 2 * 147.0 / 3);  // runs on below the centre field
  EXPECT_LT(rightmost, 8 + 160.0 / 3);

  printer().clearOps();
  options.cmb_kosi = -1;
  DrawLatticeSheet(options, 8, 88);
  EXPECT_EQ(text(QStringLiteral("案")), nullptr);
  EXPECT_EQ(ops(RecordedOp::Box).size(), 1u);
}

TEST_F(FormSheetsTest, ProjectSheetFields) {
  options.Chk_pro_nouki = options.Chk_pro_mony = options.chk_pro_kokyaku = 0;
  DrawProjectSheet(options, 8, 88);
  const QStringList texts = printer().texts();
  for (const char* label : {"CODE:", "登録日:", "概要:", "主要メンバー:", "備考:"})
    EXPECT_TRUE(texts.contains(QString::fromUtf8(label))) << label;
  for (const char* label : {"納期:               ～", "予算:", "費用:", "顧客:"})
    EXPECT_FALSE(texts.contains(QString::fromUtf8(label))) << label;
  std::vector<double> remarks;
  for (const Dotted& d : dottedLines())
    if (d.y1 == d.y2) remarks.push_back(d.y1);
  ASSERT_GE(remarks.size(), 2u);
  EXPECT_NEAR(remarks[0], 151, 1e-4);
  EXPECT_NEAR(remarks[0] - remarks[1], 5, 1e-4);

  printer().clearOps();
  options.Chk_pro_cost = 1;
  options.Chk_pro_caver = 1;
  DrawProjectSheet(options, 8, 88);
  std::vector<Dotted> verticals;
  for (const Dotted& d : dottedLines())
    if (d.x1 == d.x2) verticals.push_back(d);
  ASSERT_FALSE(verticals.empty());
  EXPECT_NEAR(verticals[0].x1, 8 + 80.0 * 2 / 3, 1e-3);  // the 費用 divider
  EXPECT_NEAR(verticals[1].x1, 94, 1e-4);                 // the cover grid
  EXPECT_NEAR(verticals.back().x1, 94 + 72, 1e-3);
}

TEST_F(FormSheetsTest, RiskSheetRules) {
  // A 5 mm pitch. The two heading lines end with the heavy rule at 19.35 mm,
  // leaving 156 - 19.35 - 2 = 134.65 mm: 26 lines, stretched to 5.1788 mm.
  // Rules 1 to 25 follow from 25.53 mm; the 12th is solid, with "対策:" below
  // it; the 25th lies exactly on the last allowed height (149.82 mm), which
  // the single-precision running sum passes, so 23 dotted rules remain, the
  // last at 144.64 mm.
  options.txt_risk_yokokei = QStringLiteral("5");
  DrawRiskSheet(options, 8, 88);
  std::vector<double> heavy;
  for (const RecordedOp& l : lines(3))
    if (l.y1 > 9 && l.y1 < 156) heavy.push_back(l.y1);
  ASSERT_EQ(heavy.size(), 1u);
  EXPECT_NEAR(heavy[0], 19.35, 1e-3);
  std::vector<double> rules;
  for (const Dotted& d : dottedLines())
    if (d.y1 == d.y2 && d.x2 - d.x1 > 50) rules.push_back(d.y1);
  ASSERT_EQ(rules.size(), 23u);
  EXPECT_NEAR(rules.front(), 25.529, 1e-3);
  EXPECT_NEAR(rules[10], 77.317, 1e-3);  // the 11th rule; the 12th is the solid one
  EXPECT_NEAR(rules[11], 87.675, 1e-3);  // the 13th
  EXPECT_NEAR(rules.back(), 144.642, 1e-3);
  ASSERT_NE(text(QStringLiteral("対策:")), nullptr);
  EXPECT_NEAR(found_.y1, 83.496, 1e-3);
  EXPECT_TRUE(printer().texts().join(QString()).contains(QStringLiteral("リスク名：")));

  // A pitch taller than the space or below zero rules nothing; 40 mm gives 3
  // lines, whose 2 rules are dotted (no "対策:" with fewer than 4 lines); a
  // pitch of almost nothing is held to 1000 lines: 999 rules, one of them
  // solid.
  const struct {
    const char* pitch;
    size_t dotted;
    bool countermeasure;
  } cases[] = {{"200", 0, false}, {"-4", 0, false}, {"40", 2, false}, {"0.00001", 998, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pitch);
    printer().clearOps();
    options.txt_risk_yokokei = QString::fromLatin1(c.pitch);
    DrawRiskSheet(options, 8, 88);
    EXPECT_NE(text(QStringLiteral("分析:")), nullptr);
    EXPECT_EQ(text(QStringLiteral("対策:")) != nullptr, c.countermeasure);
    size_t dotted = 0;
    for (const Dotted& d : dottedLines()) dotted += d.y1 == d.y2 && d.x2 - d.x1 > 50;
    EXPECT_EQ(dotted, c.dotted);
  }
}

TEST_F(FormSheetsTest, ShopListBlocks) {
  const struct {
    int32_t asked;
    std::vector<double> tops;
  } cases[] = {{3, {9, 58, 107}}, {0, {9, 58, 107}}, {7, {9, 58, 107}}, {99999, {9, 58, 107}}, {2, {9, 82.5}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.asked);
    printer().clearOps();
    int32_t shops = c.asked;
    DrawShopList(options, shops, 8, 88);
    std::vector<double> tops;
    for (const RecordedOp& l : lines(1))
      if (l.x1 == 8 && l.x2 == 88 && l.y1 == l.y2 && l.y1 < 156) tops.push_back(l.y1);
    ASSERT_EQ(tops.size(), c.tops.size());
    for (size_t i = 0; i < tops.size(); ++i) EXPECT_NEAR(tops[i], c.tops[i], 1e-3);
    EXPECT_EQ(printer().texts().count(QStringLiteral("店名:")), int(c.tops.size()));
  }
  printer().clearOps();
  int32_t three = 3;
  DrawShopList(options, three, 8, 88);
  std::vector<Dotted> across;
  for (const Dotted& d : dottedLines())
    if (d.y1 == d.y2 && d.y1 < 58) across.push_back(d);
  ASSERT_EQ(across.size(), 12u);  // 11 rows of 4 mm
  EXPECT_NEAR(across[0].y1, 11, 1e-4);
  EXPECT_NEAR(across[0].x1, 88 - 40, 1e-4);
}

TEST_F(FormSheetsTest, ShogiBoard) {
  options.txt_syougi_biko = QStringLiteral("先手\r\n後手");
  DrawShogiBoard(options, 8, 88);
  const auto outline = ops(RecordedOp::Box).back();
  EXPECT_NEAR(outline.x1, 16, 1e-4);
  EXPECT_NEAR(outline.x2, 80, 1e-4);
  EXPECT_NEAR(outline.y1, 23.7, 1e-3);
  EXPECT_NEAR(outline.y2, 95.7, 1e-3);
  EXPECT_EQ(outline.drawWidth, 4);
  ASSERT_NE(text(QStringLiteral("一")), nullptr);
  EXPECT_NEAR(found_.y1, 26.7, 1e-3);
  ASSERT_NE(text(QStringLiteral(" 9")), nullptr);
  EXPECT_NEAR(found_.x1, 16 + 64.0 / 40, 1e-3);
  EXPECT_NE(text(QStringLiteral("▲")), nullptr);
  EXPECT_NE(text(QStringLiteral("▽")), nullptr);
  ASSERT_NE(text(QStringLiteral("先")), nullptr);
  const double firstLine = found_.y1;
  EXPECT_EQ(found_.x1, 8);
  ASSERT_NE(text(QStringLiteral("後")), nullptr);
  EXPECT_EQ(found_.x1, 8);
  EXPECT_GT(found_.y1, firstLine);
}

}  // namespace
