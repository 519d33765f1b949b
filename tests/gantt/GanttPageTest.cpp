// The drawn Gantt page on the recording surface, bible size: title block,
// month axis, frame, bars in every style, colours, clamping and remarks.
#include <QCheckBox>
#include <optional>

#include "GanttTestSupport.h"
#include "core/text/ColorTable.h"

namespace {
constexpr double kTol = 0.01;
// Rotated text lands on whole device pixels of the 600 dpi recorder.
constexpr double kTextTol = 0.03;

// The span of a rectangle along the time axis, smaller end first.
std::pair<double, double> Span(const RecordedOp& op) { return {std::min(op.y1, op.y2), std::max(op.y1, op.y2)}; }

std::vector<RecordedOp> OfKind(const std::vector<RecordedOp>& ops, RecordedOp::Kind kind) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.kind == kind) out.push_back(op);
  return out;
}

const RecordedOp* TextOp(const std::vector<RecordedOp>& ops, const QString& text) {
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::RotatedText && op.text == text) return &op;
  return nullptr;
}

QStringList Texts(const std::vector<RecordedOp>& ops) {
  QStringList out;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::RotatedText) out << op.text;
  return out;
}

// The rectangles (boxes and fills) whose long side lies between y1 and y2.
std::vector<RecordedOp> Rects(const std::vector<RecordedOp>& ops, double x1, double x2) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if ((op.kind == RecordedOp::Box || op.kind == RecordedOp::FilledBox) && std::abs(op.x1 - x1) < kTol &&
        std::abs(op.x2 - x2) < kTol)
      out.push_back(op);
  return out;
}
}  // namespace

class GanttPageTest : public GanttTest {
 protected:
  void SetUp() override {
    GanttTest::SetUp();
    SetGanttPageDrawer({});
    Open();
  }
  std::vector<RecordedOp> PrintOnePage() {
    w().Cmd_print_Click();
    const auto pages = PrintedPages();
    EXPECT_EQ(pages.size(), 1u);
    return pages.empty() ? std::vector<RecordedOp>{} : pages[0];
  }
  void Sample(int index) {
    w().Cmb_title->setCurrentIndex(index);
    emit w().Cmb_title->activated(index);
  }
};

TEST_F(GanttPageTest, ProgressSampleGeometryAxisAndBars) {
  Sample(3);
  const auto ops = PrintOnePage();
  EXPECT_EQ(w().PeriodStart, QDate(2002, 3, 1));
  EXPECT_EQ(w().PeriodEnd, QDate(2002, 4, 30));

  const RecordedOp* title = TextOp(ops, QStringLiteral("進捗の％で塗るケース"));
  ASSERT_NE(title, nullptr);
  EXPECT_NEAR(title->x1, 8, kTextTol);
  EXPECT_NEAR(title->y1, 156, kTextTol);
  for (const auto& [label, x, y] : {std::tuple{"03", 13.533, 84.616}, std::tuple{"04", 13.533, 30.450}}) {
    const RecordedOp* op = TextOp(ops, QString::fromLatin1(label));
    ASSERT_NE(op, nullptr) << label;
    EXPECT_NEAR(op->x1, x, kTextTol) << label;
    EXPECT_NEAR(op->y1, y, kTextTol) << label;
  }
  std::optional<RecordedOp> frame;
  for (const RecordedOp& op : OfKind(ops, RecordedOp::Box))
    if (std::abs(op.x1 - 13.233) < kTol && std::abs(op.x2 - 88) < kTol && std::abs(op.y2 - 156) < kTol) frame = op;
  ASSERT_TRUE(frame.has_value());
  EXPECT_NEAR(frame->y1, 4, kTol);

  // Bar 1: plan outline and the half-done shade; bar 2 in the second row.
  const auto bar1 = Rects(ops, 19.818, 22.990);
  ASSERT_EQ(bar1.size(), 3u);  // outline, shade fill, shade outline
  EXPECT_EQ(bar1[0].kind, RecordedOp::Box);
  EXPECT_NEAR(Span(bar1[0]).first, 94.572, kTol);
  EXPECT_NEAR(Span(bar1[0]).second, 110.556, kTol);
  EXPECT_EQ(bar1[1].kind, RecordedOp::FilledBox);
  EXPECT_NEAR(Span(bar1[1]).first, 102.564, kTol);
  EXPECT_NEAR(Span(bar1[1]).second, 110.556, kTol);
  const auto bar2 = Rects(ops, 26.161, 29.332);
  ASSERT_EQ(bar2.size(), 3u);
  EXPECT_NEAR(Span(bar2[0]).first, 21.759, kTol);
  EXPECT_NEAR(Span(bar2[0]).second, 37.743, kTol);
  EXPECT_NEAR(Span(bar2[1]).first, 32.948, kTol);
  for (const char* t : {"項目", "担当", "計画表作成", "山田", "分析"}) EXPECT_NE(TextOp(ops, QString::fromUtf8(t)), nullptr) << t;
  EXPECT_EQ(TextOp(ops, QStringLiteral("備考")), nullptr);

  // Without 実績線表示 the bars are outlines only.
  w().chk_jisseki->setChecked(false);
  const auto plain = PrintedPages();
  const size_t before = plain.size();
  w().Cmd_print_Click();
  const auto after = PrintedPages();
  ASSERT_EQ(after.size(), before + 1);
  EXPECT_EQ(Rects(after.back(), 19.818, 22.990).size(), 1u);
  EXPECT_TRUE(OfKind(after.back(), RecordedOp::FilledBox).empty());
}

namespace {
// The shapes inside the first task row (row rules and the frame excluded),
// one text per shape with positions to 0.1 mm, in drawing order.
QStringList FirstRowShapes(const std::vector<RecordedOp>& ops, double xH, double P) {
  QStringList out;
  for (const RecordedOp& op : ops) {
    const char* kind = op.kind == RecordedOp::Box ? "box" : op.kind == RecordedOp::FilledBox ? "fill"
                       : op.kind == RecordedOp::Line ? "line" : nullptr;
    if (!kind) continue;
    const double lo = std::min(op.x1, op.x2), hi = std::max(op.x1, op.x2);
    if (lo <= xH + 0.01 || hi >= xH + P - 0.01) continue;
    if (op.kind == RecordedOp::Line)
      out << QStringLiteral("%1 %2,%3 %4,%5").arg(QLatin1String(kind)).arg(op.x1, 0, 'f', 1).arg(op.y1, 0, 'f', 1)
                 .arg(op.x2, 0, 'f', 1).arg(op.y2, 0, 'f', 1);
    else
      out << QStringLiteral("%1 %2-%3 %4-%5").arg(QLatin1String(kind)).arg(lo, 0, 'f', 1).arg(hi, 0, 'f', 1)
                 .arg(Span(op).first, 0, 'f', 1).arg(Span(op).second, 0, 'f', 1);
  }
  return out;
}
const QString kDatedHeader = QStringLiteral("項目,予定開始,予定終了,,担当,,タイプ,実績開始,実績終了\r\n");
}  // namespace

TEST_F(GanttPageTest, BarStylesWithPlanAndActualDates) {
  // March 2002, D = 30: y(1st) 110.6, y(6th) 92.8, y(11th) 75.0, y(21st) 39.5.
  w().txt_data->setPlainText(kDatedHeader + QStringLiteral("a,2002/03/01,2002/03/11,,,,,2002/03/06,2002/03/21\r\n"));
  const struct { int box; bool jisseki; double P; QStringList shapes; } cases[] = {
      {0, true, 6.3425,
       {"box 19.8-23.0 75.0-110.6", "fill 19.8-23.0 110.6-110.6", "box 19.8-23.0 110.6-110.6",
        "fill 19.8-23.0 39.5-92.8", "box 19.8-23.0 39.5-92.8"}},
      {0, false, 6.3425, {"box 19.8-23.0 75.0-110.6"}},
      {1, true, 6.3425,
       {"line 19.8,110.6 19.8,75.0", "line 19.8,110.6 23.0,92.8", "line 23.0,92.8 23.0,39.5",
        "line 19.8,75.0 23.0,39.5"}},
      {1, false, 6.3425, {"line 19.8,110.6 19.8,75.0"}},
      {2, true, 6.3425, {"box 19.8-21.4 75.0-110.6", "fill 22.2-23.0 39.5-92.8", "box 22.2-23.0 39.5-92.8"}},
      {3, true, 9.9667, {"line 20.7,110.6 20.7,75.0", "line 20.7,110.6 21.7,109.6", "line 20.7,75.0 21.7,76.0"}},
  };
  for (const auto& c : cases) {
    w().cmb_box->setCurrentIndex(c.box);
    w().chk_jisseki->setChecked(c.jisseki);
    const size_t before = PrintedPages().size();
    w().Cmd_print_Click();
    const auto pages = PrintedPages();
    ASSERT_EQ(pages.size(), before + 1);
    EXPECT_EQ(FirstRowShapes(pages.back(), 18.233, c.P), c.shapes) << c.box << " " << c.jisseki;
  }
}

TEST_F(GanttPageTest, AutomaticAndTypeColours) {
  QString data = kDatedHeader + QStringLiteral("task,2002/03/01,2002/03/05\r\n");
  for (int i = 1; i <= 9; ++i) data += QStringLiteral("+s%1,2002/03/%2,2002/03/20\r\n").arg(i).arg(i + 1, 2, 10, QLatin1Char('0'));
  data += QStringLiteral("red,2002/03/01,2002/03/05,,,,赤\r\nnot red,2002/03/01,2002/03/05,,,,赤 \r\n");
  w().txt_data->setPlainText(data);
  w().chk_autocolor->setChecked(true);
  w().chk_jisseki->setChecked(false);
  const auto ops = PrintOnePage();
  std::vector<uint32_t> fills;
  for (const RecordedOp& op : OfKind(ops, RecordedOp::FilledBox)) fills.push_back(op.color);
  std::vector<uint32_t> expected;
  for (const auto& [r, g, b] : {std::tuple{0, 0, 255}, {0, 255, 0}, {0, 255, 255}, {255, 0, 0}, {255, 0, 255},
                                {255, 255, 0}, {100, 100, 100}, {255, 255, 255}, {255, 0, 0}})
    expected.push_back(static_cast<uint32_t>(RgbValue(r, g, b)));
  // The task's own bar, the ninth same-row bar and "赤 " stay unfilled grey.
  EXPECT_EQ(fills, expected);
  EXPECT_EQ(OfKind(ops, RecordedOp::Box).size() - 1 /* frame */ - 3 /* thin rules */, 12u);
}

TEST_F(GanttPageTest, ClampingMarksAndProgressLimits) {
  w().cmb_start->setCurrentIndex(4);  // April
  w().cmb_span->setCurrentIndex(4);   // one month
  w().txt_data->setPlainText(QStringLiteral("項目,予定開始,予定終了,進捗\r\n"
                                            "+first,2002/04/05,2002/04/10\r\n"
                                            "early,2002/02/01,2002/02/10\r\n"
                                            "▽nodate,,2002/04/20\r\n"
                                            ",2002/04/15,2002/04/20\r\n"
                                            "half,2002/04/01,2002/04/11,50\r\n"
                                            "neg,2002/04/01,2002/04/11,-3\r\n"));
  const auto ops = PrintOnePage();
  // April, D = 29: y(1st) 110.6, y(5th) 95.9, y(10th) 77.5, y(11th) 73.8.
  const double P = 6.3425, Q = P / 4, xH = 18.233;
  QStringList rects;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::FilledBox || op.kind == RecordedOp::Box)
      if (op.x1 > xH - P && op.x2 < 88 - 0.5)
        rects << QStringLiteral("%1 %2 %3-%4").arg(op.kind == RecordedOp::Box ? "box" : "fill")
                     .arg(std::min(op.x1, op.x2), 0, 'f', 2).arg(Span(op).first, 0, 'f', 1).arg(Span(op).second, 0, 'f', 1);
  const QStringList expected = {
      // "+first" before any row: one pitch above the first row.
      QStringLiteral("box %1 77.5-95.9").arg(xH - P + Q, 0, 'f', 2),
      QStringLiteral("fill %1 95.9-95.9").arg(xH - P + Q, 0, 'f', 2),
      QStringLiteral("box %1 95.9-95.9").arg(xH - P + Q, 0, 'f', 2),
      // "early" clamped to the period's start: no length.
      QStringLiteral("box %1 110.6-110.6").arg(xH + Q, 0, 'f', 2),
      QStringLiteral("fill %1 110.6-110.6").arg(xH + Q, 0, 'f', 2),
      QStringLiteral("box %1 110.6-110.6").arg(xH + Q, 0, 'f', 2),
      // The nameless line in the same row; "▽nodate" drew nothing.
      QStringLiteral("box %1 40.7-59.1").arg(xH + Q, 0, 'f', 2),
      QStringLiteral("fill %1 59.1-59.1").arg(xH + Q, 0, 'f', 2),
      QStringLiteral("box %1 59.1-59.1").arg(xH + Q, 0, 'f', 2),
      // "50" shades the whole bar, "-3" none of it.
      QStringLiteral("box %1 73.8-110.6").arg(xH + P + Q, 0, 'f', 2),
      QStringLiteral("fill %1 73.8-110.6").arg(xH + P + Q, 0, 'f', 2),
      QStringLiteral("box %1 73.8-110.6").arg(xH + P + Q, 0, 'f', 2),
      QStringLiteral("box %1 73.8-110.6").arg(xH + 2 * P + Q, 0, 'f', 2),
      QStringLiteral("fill %1 110.6-110.6").arg(xH + 2 * P + Q, 0, 'f', 2),
      QStringLiteral("box %1 110.6-110.6").arg(xH + 2 * P + Q, 0, 'f', 2),
  };
  EXPECT_EQ(rects, expected);
  const QStringList texts = Texts(ops);
  EXPECT_FALSE(texts.contains(QStringLiteral("▽nodate")));
  EXPECT_TRUE(texts.contains(QStringLiteral("first")));
  EXPECT_FALSE(texts.contains(QString()));
}

TEST_F(GanttPageTest, SignOffBlockAuthorLineRemarksAndLongPeriods) {
  w().txt_data->setPlainText(kDatedHeader + QStringLiteral("a,2000/01/01,2008/05/31\r\n"));
  w().txt_name->setText(QStringLiteral(" 山田 "));
  w().txt_makedate->setText(QStringLiteral("abc"));
  w().chk_sign->setChecked(true);
  auto ops = PrintOnePage();
  const RecordedOp* author = TextOp(ops, QStringLiteral("山田"));
  ASSERT_NE(author, nullptr);
  EXPECT_NEAR(author->x1, 8 + 3.1746 + 0.3, kTextTol);
  EXPECT_NEAR(author->y1, 4 + 3 * 3.1746 - 0.2, kTextTol);
  for (const char* label : {"作成", "点検", "検査", "承認"}) EXPECT_NE(TextOp(ops, QString::fromUtf8(label)), nullptr);
  EXPECT_EQ(TextOp(ops, QStringLiteral("abc")), nullptr);
  int months = 0;
  for (const QString& t : Texts(ops))
    if (t.size() == 2 && t[0].isDigit() && t[1].isDigit()) ++months;
  EXPECT_EQ(months, 100);  // 101 months in the period

  w().chk_sign->setChecked(false);
  w().txt_makedate->setText(QStringLiteral("2002/02/03"));
  w().txt_biko->setPlainText(QStringLiteral("one\ntwo"));
  w().chk_biko->setChecked(true);
  w().Cmd_print_Click();
  ops = PrintedPages().back();
  const RecordedOp* name = TextOp(ops, QStringLiteral(" 山田 "));
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->y1, 4 + 1.5873 * (2 * 4 + 12), kTextTol);
  EXPECT_NE(TextOp(ops, QStringLiteral("2002/02/03")), nullptr);
  EXPECT_NE(TextOp(ops, QStringLiteral("備考")), nullptr);
  // Two remark lines from the bottom of the rows, no page number.
  const RecordedOp* one = TextOp(ops, QStringLiteral("one"));
  const RecordedOp* two = TextOp(ops, QStringLiteral("two"));
  ASSERT_TRUE(one && two);
  EXPECT_NEAR(one->x1, 88 - 2 * 3.1746 + 0.2, kTextTol);
  EXPECT_NEAR(two->x1, 88 - 3.1746 + 0.2, kTextTol);
  EXPECT_FALSE(Texts(ops).contains(QStringLiteral("1")));
}

TEST_F(GanttPageTest, RowTextsMarksAndRules) {
  Sample(2);
  w().chk_syuryouyotei->setChecked(true);
  w().chk_biko->setChecked(true);
  w().Cmd_print_Click();
  const auto pages = PrintedPages();
  ASSERT_EQ(pages.size(), 2u);  // 20 rows at 11 a page
  const auto& ops = pages[0];
  const float size = PaperSettings.DataFontSize;
  const struct { const char* text; float size; } texts[] = {
      {"▽役員レビュー", size * 2 / 3}, {" 基本設計", size}, {"山田", size}, {"遅れ気味", size},
      {"１つめ", size / 2},           {"01", size * 3 / 4},
  };
  for (const auto& t : texts) {
    const RecordedOp* op = TextOp(ops, QString::fromUtf8(t.text));
    ASSERT_NE(op, nullptr) << t.text;
    EXPECT_NEAR(op->fontSize, t.size, 0.01) << t.text;
  }
  // The remarks column: its heading and texts at yR - 0.5; hidden lines
  // and the column after the remarks are not printed.
  const double yR = 4 + 10 * 3.1746;
  EXPECT_NEAR(TextOp(ops, QStringLiteral("遅れ気味"))->y1, yR - 0.5, kTextTol);
  EXPECT_NE(TextOp(ops, QStringLiteral("備考")), nullptr);
  EXPECT_EQ(TextOp(ops, QStringLiteral("  *目的")), nullptr);
  EXPECT_EQ(TextOp(ops, QStringLiteral("要注意")), nullptr);

  // The month rules are dotted, from the heading band's top to the rows' end.
  const auto points = OfKind(ops, RecordedOp::Point);
  ASSERT_FALSE(points.empty());
  double minX = 1e9, maxX = 0;
  for (const RecordedOp& p : points) minX = std::min(minX, p.x1), maxX = std::max(maxX, p.x1);
  EXPECT_NEAR(minX, 8 + w().TitleBlockHeight, 0.1);
  EXPECT_GT(maxX, 87.5);
}

TEST_F(GanttPageTest, HostileChartsDrawWhatTheRulesGive) {
  QString wide = QStringLiteral("wide,1900/01/01,2999/12/31,1e9");
  for (int i = 0; i < 300; ++i) wide += QStringLiteral(",x");
  w().txt_data->setPlainText(QStringLiteral("項目,予定開始,予定終了,進捗\n") + wide +
                             QStringLiteral("\nneg,2002/01/01,2002/02/01,-3\nbad,9999/99/99,2002/13/01,abc\n"));
  w().txt_biko->setPlainText(QString(10000, QChar(u'長')) + QStringLiteral("\n") +
                             QStringLiteral("r\n").repeated(10000));
  const auto ops = PrintOnePage();
  EXPECT_EQ(w().PeriodStart, QDate(1900, 1, 1));
  EXPECT_EQ(w().RemarkLineCount, 5);
  int months = 0, remarks = 0;
  for (const QString& t : Texts(ops)) {
    if (t.size() == 2 && t[0].isDigit() && t[1].isDigit()) ++months;
    if (t == QStringLiteral("r") || t.size() == 10000) ++remarks;
  }
  EXPECT_EQ(months, 100);
  EXPECT_EQ(remarks, 5);
  // "1e9" shades no further than the bar's end.
  for (const RecordedOp& op : OfKind(ops, RecordedOp::FilledBox)) {
    EXPECT_GE(std::min(op.y1, op.y2), 4 - kTol);
    EXPECT_LE(std::max(op.y1, op.y2), 156 + kTol);
  }
}
