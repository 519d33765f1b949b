// Tree pages on the recording surface at the bible size.
#include <QCheckBox>
#include <QListWidget>

#include "TreeTest.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {
QStringList Lines(int n, int level = 0) {
  QStringList lines;
  for (int i = 1; i <= n; ++i) lines << QString(level, QLatin1Char(' ')) + QStringLiteral("item%1").arg(i);
  return lines;
}

// Vertical connector lines at x, as (y1, y2) pairs.
std::vector<std::pair<double, double>> VerticalsAt(const std::vector<RecordedOp>& lines, double x) {
  std::vector<std::pair<double, double>> out;
  for (const RecordedOp& op : lines)
    if (std::abs(op.x1 - x) < 1e-6 && std::abs(op.x2 - x) < 1e-6) out.push_back({op.y1, op.y2});
  return out;
}
}  // namespace

TEST_F(TreeTest, ContinuousChartFillsPagesOfNineteenRows) {
  PaperSettings.DataFontSize = 9;
  QStringList lines = Lines(20, 1);
  lines.prepend(QStringLiteral("root"));
  lines.removeLast();
  setItems(lines);
  print();
  const auto pages = boxesByPage();
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_EQ(pages[0].size(), 19u);
  EXPECT_EQ(pages[1].size(), 1u);
  const RecordedOp& first = pages[0][0];
  EXPECT_DOUBLE_EQ(first.x1, 8);
  EXPECT_DOUBLE_EQ(first.y1, 12);
  EXPECT_DOUBLE_EQ(first.x2, 48);
  EXPECT_DOUBLE_EQ(first.y2, 17);
  EXPECT_DOUBLE_EQ(pages[0][1].x1, 8 + 6);   // indented by its level
  EXPECT_DOUBLE_EQ(pages[0][1].y1, 12 + 7);  // one pitch lower
  // The first text starts inside the first box.
  const auto texts = textRuns();
  const auto root = std::find_if(texts.begin(), texts.end(), [](const RecordedOp& t) { return t.text == "root"; });
  ASSERT_NE(root, texts.end());
  EXPECT_DOUBLE_EQ(root->x1, 9);
  EXPECT_DOUBLE_EQ(root->y1, 13);
}

TEST_F(TreeTest, EmptyChartPrintsOnePageWithoutRows) {
  setItems({});
  window_->SetRemarkText(QStringLiteral("備考だけ"));
  print();
  const auto pages = boxesByPage();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].empty());
  const auto runs = textRuns();
  EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [](const RecordedOp& op) { return op.text == QStringLiteral("備考だけ"); }));
}

TEST_F(TreeTest, LastChildGetsAnElbowOthersATee) {
  setItems({"root", " a", "  a1", " b", "  b1", "  b2"});
  print();
  const auto lines = printer().opsOf(RecordedOp::Line);
  // Level 1 hangs at x 8 + 6 - 3 = 11: a is a tee (goes on to b), b an elbow.
  // Rows: root y0 11, a 18, a1 25, b 32, b1 39, b2 46; pitch 7.
  const auto level1 = VerticalsAt(lines, 11);
  // a's tee, a1's continuation of the level-1 column, b's elbow.
  ASSERT_EQ(level1.size(), 3u);
  EXPECT_DOUBLE_EQ(level1[0].first, 18 - 1);
  EXPECT_DOUBLE_EQ(level1[0].second, 18 + 7);
  EXPECT_DOUBLE_EQ(level1[1].second, 25 + 7);
  EXPECT_DOUBLE_EQ(level1[2].second, 32 + 3.5);
  const auto level2 = VerticalsAt(lines, 17);
  ASSERT_EQ(level2.size(), 3u);
  EXPECT_DOUBLE_EQ(level2[0].second, 25 + 3.5);  // a1 alone: elbow
  EXPECT_DOUBLE_EQ(level2[1].second, 39 + 7);    // b1: tee
  EXPECT_DOUBLE_EQ(level2[2].second, 46 + 3.5);  // b2: elbow
}

TEST_F(TreeTest, TopLevelPagesRepeatParentsAndDrawNoLevelOneColumn) {
  // Three rows per page: a body of 8 + 22 mm at a pitch of 7.17 mm.
  PaperSettings.DataFontSize = 9;
  PaperSettings.FootHeight = int16_t(PaperSettings.DataHeight + 8 + 22);
  setItems({"root", "  early", " A", "  a1", "  a2", "   a2x", " B", " C", "  c1"}, 0, 1);
  print();
  QList<QStringList> pageTexts;
  QList<std::vector<RecordedOp>> pageLines;
  for (const RecordedOp& op : textRuns()) {
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) {
      pageTexts.append(QStringList());
      pageLines.append(std::vector<RecordedOp>());
    }
    if (op.kind == RecordedOp::Text && op.y1 > PaperSettings.DataHeight && op.y1 < PaperSettings.FootHeight)
      pageTexts.last() << op.text;
    if (op.kind == RecordedOp::Line) pageLines.last().push_back(op);
  }
  const QList<QStringList> expected = {
      {"root", "A", "B"},      // overview
      {"early", "C"},          // the early level-2 line on the last overview page
      {"A", "a1", "a2"},       // A's page starts with A repeated
      {"a2", "a2x"},           // a break between a2 and its child repeats a2
      {},                      // B has no children
      {"C", "c1"},
  };
  ASSERT_EQ(pageTexts.size(), expected.size());
  for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(pageTexts[i], expected[i]) << i;
  // The detail pages draw nothing in the level-1 column (x 8 + 6 - 3): the
  // repeated parent has no connector and no continuation runs there.
  for (int i = 2; i < pageLines.size(); ++i) EXPECT_TRUE(VerticalsAt(pageLines[i], 11).empty()) << i;
  // The repeated level-2 parent keeps its connector (column x 17, an elbow).
  const auto a2 = VerticalsAt(pageLines[3], 17);
  ASSERT_EQ(a2.size(), 1u);
  EXPECT_NEAR(a2[0].second, 9 + 2 + 3.5, 1e-9);
}

TEST_F(TreeTest, FirstTextInLevelColourOnlyWhenAskedAndClampedPastTwenty) {
  QStringList lines;
  for (int level = 0; level <= 22; ++level)
    lines << QString(level, QLatin1Char(' ')) + QStringLiteral("L%1,second,third").arg(level);
  setItems(lines, 3);
  window_->LevelColours[1] = QStringLiteral("FF8800");
  window_->LevelColours[20] = QStringLiteral("123456");
  window_->LevelColours[5] = QStringLiteral("zz");
  window_->chk_kaisoColor->setChecked(true);
  print();
  QHash<QString, uint32_t> colours;
  for (const RecordedOp& op : textRuns())
    if (op.kind == RecordedOp::Text) colours.insert(op.text, op.color);
  EXPECT_EQ(colours.value("L0"), 0x0000FFu);
  EXPECT_EQ(colours.value("L1"), 0xFF8800u);
  EXPECT_EQ(colours.value("L5"), 0u);  // no hexadecimal digits: black
  EXPECT_EQ(colours.value("L21"), 0x123456u);
  EXPECT_EQ(colours.value("L22"), 0x123456u);
  EXPECT_EQ(colours.value("second"), uint32_t(PaperSettings.DataColor));

  printer().clearOps();
  window_->chk_kaisoColor->setChecked(false);
  print();
  for (const RecordedOp& op : textRuns())
    if (op.kind == RecordedOp::Text && op.text == "L0") { EXPECT_EQ(op.color, uint32_t(PaperSettings.DataColor)); }
}

TEST_F(TreeTest, RefusesWhatItCannotPrint) {
  setItems(Lines(3));
  window_->Cmb_men->setCurrentIndex(1);
  print();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(messages().texts()[0],
            QStringLiteral("「緊急連絡網サンプル」の「裏」はまだ出来ていません。要望があれば作ります"));
  EXPECT_TRUE(boxesByPage().empty() || boxesByPage()[0].empty());

  messages().clear();
  printer().clearOps();
  window_->Cmb_men->setCurrentIndex(0);
  PaperSettings.FootHeight = PaperSettings.DataHeight + 12;
  print();
  EXPECT_EQ(messages().texts(), QStringList({QStringLiteral("用紙が小さすぎて印刷できません")}));
  EXPECT_TRUE(printer().ops().empty());
}

TEST_F(TreeTest, PagesAskForPaperOnTheSameSideAndStopWhenCancelled) {
  // In preview: a PDF file has no paper to load and is never asked about.
  setItems(Lines(40));
  int shown = 0;
  SetPreviewPageHandler([&shown](const QImage&) { ++shown; });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{2, true, std::nullopt}; });
  messages().answer(platform::MsgResult::Ok);
  messages().answer(platform::MsgResult::Cancel);
  print();
  SetPreviewPageHandler({});
  EXPECT_EQ(messages().texts(), QStringList({PaperSetMessage(1), PaperSetMessage(1)}));
  EXPECT_EQ(shown, 2);
}
