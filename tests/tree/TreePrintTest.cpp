// Tree pages on the recording surface at the bible size.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <map>

#include "TreeTest.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/text/JapaneseText.h"

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
      {"C", "c1"},             // B has no children: no page of its own
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

namespace {
struct Segment {
  double x1, y1, x2, y2;
};
struct TextPlace {
  QString text;
  double x, y, right;  // start point and right limit
};

// The body's ops of a one-page print: lines and texts between the header
// and the footer.
std::vector<RecordedOp> BodyOps(const std::vector<RecordedOp>& ops, RecordedOp::Kind kind) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops)
    if (op.kind == kind && op.y1 > PaperSettings.DataHeight && op.y1 < PaperSettings.FootHeight &&
        op.y2 < PaperSettings.FootHeight)
      out.push_back(op);
  return out;
}
}  // namespace

// One root box of each layout at the bible size (box 8..48 mm across, row top
// y0 11, cell 4, 9-point data font): the outline, the dividers and where
// each text starts and may reach.
TEST_F(TreeTest, EachBoxLayoutDrawsItsDividersAndTexts) {
  PaperSettings.DataFontSize = 9;
  const QString f1 = QStringLiteral("甲甲甲甲甲甲甲甲"), f2 = QStringLiteral("乙乙乙乙乙乙乙乙乙乙"), f3 = QStringLiteral("丙丙丙丙丙丙丙丙丙丙");
  const double third = (13 - 2) / 3.0;  // layouts 6 and 7: H 13
  const struct {
    int layout;
    double bottom;  // y0 + H - C/4
    std::vector<Segment> dividers;
    std::vector<TextPlace> texts;
  } cases[] = {
      {0, 17, {}, {{f1, 9, 13, 47.5}}},
      {1, 17, {}, {{f1 + " " + f2, 9, 13, 47.5}}},
      {2, 20, {}, {{f1, 9, 13, 47.5}}},
      {3, 20, {{8, 16, 48, 16}}, {{f1, 9, 13, 47.5}, {f2, 9, 16.5, 47.5}}},
      {4, 20, {{8, 16, 48, 16}, {28, 16, 28, 20}}, {{f1, 9, 13, 47.5}, {f2, 9, 16.5, 27.5}, {f3, 29, 16.5, 47.5}}},
      {5, 20, {{8, 16, 48, 16}, {28, 12, 28, 16}}, {{f1, 9, 13, 27.5}, {f2, 29, 13, 47.5}, {f3, 9, 16.5, 47.5}}},
      {6, 23, {}, {{f1, 9, 13, 47.5}}},
      {7, 23, {{8, 12 + third, 48, 12 + third}, {8, 12 + 2 * third, 48, 12 + 2 * third}},
       {{f1, 9, 12.5, 47.5}, {f2, 9, 12 + third + 0.5, 47.5}, {f3, 9, 12 + 2 * third + 0.5, 47.5}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.layout);
    printer().clearOps();
    setItems({f1 + "," + f2 + "," + f3}, c.layout);
    print();
    const auto boxes = boxesByPage();
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_EQ(boxes[0].size(), 1u);
    EXPECT_DOUBLE_EQ(boxes[0][0].x1, 8);
    EXPECT_DOUBLE_EQ(boxes[0][0].y1, 12);
    EXPECT_DOUBLE_EQ(boxes[0][0].x2, 48);
    EXPECT_NEAR(boxes[0][0].y2, c.bottom, 1e-6);

    const auto lines = BodyOps(printer().ops(), RecordedOp::Line);
    ASSERT_EQ(lines.size(), c.dividers.size());
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_NEAR(lines[i].x1, c.dividers[i].x1, 1e-4) << i;
      EXPECT_NEAR(lines[i].y1, c.dividers[i].y1, 1e-4) << i;
      EXPECT_NEAR(lines[i].x2, c.dividers[i].x2, 1e-4) << i;
      EXPECT_NEAR(lines[i].y2, c.dividers[i].y2, 1e-4) << i;
    }

    // Each text's characters: the first at the start point, none past the
    // right limit (the fitting routines squeeze what does not fit).
    std::vector<RecordedOp> chars = BodyOps(printer().ops(), RecordedOp::Text);
    for (const TextPlace& place : c.texts) {
      SCOPED_TRACE(place.text.toStdString());
      QString seen;
      double right = 0;
      const RecordedOp* first = nullptr;
      for (const RecordedOp& op : chars) {
        if (std::abs(op.y1 - place.y) > 1e-4 || op.x1 < place.x - 1e-4 || op.x1 >= place.right) continue;
        if (!first) first = &op;
        seen += op.text;
        right = std::max(right, op.x1 + HalfCharWidthMm(op.fontSize) * AnsiByteLen(op.text));
      }
      ASSERT_NE(first, nullptr);
      EXPECT_NEAR(first->x1, place.x, 1e-4);
      EXPECT_EQ(seen, place.text);
      EXPECT_LE(right, place.right + 1e-3);
    }
    // Only the texts of the layout: fields it has no room for are dropped.
    QString all;
    for (const RecordedOp& op : chars) all += op.text;
    QString expected;
    for (const TextPlace& place : c.texts) expected += place.text;
    EXPECT_EQ(all.size(), expected.size());
  }
}

// The three-row box wraps its one text onto further lines at the data size;
// the others squeeze a text of two lines onto one.
TEST_F(TreeTest, ThreeRowBoxWrapsItsTextAndThinLinesNarrowTheOutline) {
  PaperSettings.DataFontSize = 9;
  const QString text(20, QChar(u'木'));  // 63.5 mm at 9 points: two lines of 38.5 mm
  for (int layout : {6, 0}) {
    SCOPED_TRACE(layout);
    printer().clearOps();
    setItems({text}, layout);
    print();
    std::map<double, std::vector<RecordedOp>> rows;  // by line top
    for (const RecordedOp& op : BodyOps(printer().ops(), RecordedOp::Text)) rows[op.y1].push_back(op);
    if (layout == 6) {
      ASSERT_EQ(rows.size(), 2u);
      EXPECT_NEAR(rows.begin()->first, 13, 1e-6);
      for (const auto& [top, ops] : rows) {
        EXPECT_NEAR(ops.front().x1, 9, 1e-6) << top;
        EXPECT_FLOAT_EQ(ops.front().fontSize, 9);
        EXPECT_LE(ops.back().x1 + HalfCharWidthMm(9) * 2, 47.5 + 1e-3);
      }
      EXPECT_EQ(rows.begin()->second.size() + rows.rbegin()->second.size(), 20u);
    } else {
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_EQ(rows.begin()->second.size(), 20u);
      EXPECT_LT(rows.begin()->second.front().fontSize, 9);
    }
  }

  // LineWidth: the outline two pixels wide, one with 線細め.
  for (const bool thin : {false, true}) {
    printer().clearOps();
    setItems({"root"});
    window_->chk_lineHosome->setChecked(thin);
    print();
    const auto boxes = boxesByPage();
    ASSERT_EQ(boxes.size(), 1u);
    ASSERT_EQ(boxes[0].size(), 1u);
    EXPECT_EQ(boxes[0][0].drawWidth, thin ? 1 : 2) << thin;
  }
}

TEST_F(TreeTest, FullWidthBlanksAreTextInBoxesAndTitle) {
  setItems({QStringLiteral("　山田,x")});
  window_->Txt_Title->setText(QStringLiteral("　連絡網 "));
  print();
  const auto runs = textRuns();
  const auto has = [&runs](const QString& text) {
    return std::any_of(runs.begin(), runs.end(), [&text](const RecordedOp& op) { return op.text == text; });
  };
  EXPECT_TRUE(has(QStringLiteral("　山田"))) << "the item's leading full-width blank is printed";
  EXPECT_TRUE(std::any_of(runs.begin(), runs.end(), [](const RecordedOp& op) {
    return op.text.endsWith(QStringLiteral("　連絡網"));
  })) << "only the half-width blank is trimmed from the title";
  EXPECT_EQ(boxesByPage().at(0).size(), 1u);  // one item at level 0, not indented
}

// Twenty levels on a page 80 mm wide: boxes from level 7 on keep the last
// indent that fits, and every page holds rows.
TEST_F(TreeTest, DeepTreesStayOnThePage) {
  PaperSettings.DataFontSize = 9;
  QStringList lines;
  for (int level = 0; level < 20; ++level) lines << QString(level, QLatin1Char(' ')) + QStringLiteral("L%1").arg(level);
  setItems(lines);
  print();
  const auto pages = boxesByPage();
  ASSERT_EQ(pages.size(), 2u);
  for (const auto& boxes : pages) EXPECT_FALSE(boxes.empty()) << "no page holds only its title";
  double deepest = 0;
  for (const auto& boxes : pages)
    for (const RecordedOp& box : boxes) {
      EXPECT_LE(box.x2, PaperSettings.PageWidth + 1e-9);
      deepest = std::max(deepest, box.x1);
    }
  EXPECT_DOUBLE_EQ(deepest, 8 + 6 * 6);  // (80 - 40) / 6 indents fit
  for (const RecordedOp& line : printer().opsOf(RecordedOp::Line))
    EXPECT_LE(std::max(line.x1, line.x2), PaperSettings.PageWidth + 1e-9);
  EXPECT_EQ(pages[1].size(), 1u);
}
