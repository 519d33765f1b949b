// The companion memo pages: day bands with entries or a mini calendar, the
// check-list page, the page ruled in thirds and the blank memo page.
#include <algorithm>
#include <map>

#include "SchedulePrintKit.h"
#include "core/print/PageHeader.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/DayRowsPage.h"

namespace {


class DayRowsPageTest : public SchedulePrintTest {
 protected:
  std::vector<RecordedOp> drawPage(int mode, const QDate& day = QDate(2009, 3, 1)) {
    printer().clearOps();
    BeginPage();
    DrawDayRowsOrMemoPage(source, mode, day, kX1, kX2);
    FinishOutput();
    return Pages(printer()).back();
  }
  // Everything between the body's top and foot, header and footer left out.
  static std::vector<RecordedOp> BodyOps(const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> body;
    for (const RecordedOp& op : ops)
      if (op.y1 >= PaperSettings.DataHeight - 0.01 && op.y1 < PaperSettings.FootHeight - 0.01 &&
          op.kind != RecordedOp::NewPage)
        body.push_back(op);
    return body;
  }
  // The page header's rule lies on the body's top edge.
  size_t headerOpsInBody() {
    printer().clearOps();
    BeginPage();
    DrawPageHeader(QString(), kX1, kX2);
    FinishOutput();
    return BodyOps(Pages(printer()).back()).size();
  }
  static std::vector<double> SolidRuleYs(const std::vector<RecordedOp>& ops, int width) {
    std::vector<double> ys;
    for (const RecordedOp& op : BodyOps(ops))
      if (op.kind == RecordedOp::Line && op.y1 == op.y2 && op.x1 == kX1 && op.x2 == kX2 && op.drawWidth == width)
        ys.push_back(op.y1);
    return ys;
  }
};

TEST_F(DayRowsPageTest, CheckListPageOnTheA5Body) {
  PaperSettings.DataHeight = 17;
  PaperSettings.FootHeight = 186;
  const auto ops = drawPage(2);
  double lastBox = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text && op.text == QStringLiteral("□")) lastBox = op.y1;
  // The two solid rules: below the last box line and below the last plain line.
  const auto solid = SolidRuleYs(ops, 1);
  ASSERT_EQ(solid.size(), 2u);
  const double pitch = solid[0] - lastBox + 1;
  EXPECT_LE(lastBox - 1, 101.5);
  EXPECT_GT(solid[0], 101.5);
  EXPECT_LE(solid[1] - pitch, 156);
  EXPECT_GT(solid[1], 156);
}

TEST_F(DayRowsPageTest, TimedEntriesNumberedUpToNineteen) {
  const double mid = kX1 + (kX2 - kX1) / 2;
  source.options.OptMemoEntries = 1;
  // Entries 20 and 21 (and any after them, up to 30) are printed without a
  // number, from the column's start; none is lost, the band overflows.
  for (int count : {21, 30}) {
    SCOPED_TRACE(count);
    QStringList lines;
    for (int i = 0; i < count; ++i)
      lines << QStringLiteral("2009/03/10 時刻 %1:00 件%2").arg(i % 24, 2, 10, QChar(u'0')).arg(i);
    source.lines = lines;
    freshPage();
    const auto ops = drawPage(0, QDate(2009, 3, 9));
    // The lines of the right half (one an entry), each from 1 mm right of
    // the centre: the number first, or the entry itself.
    std::map<double, std::vector<std::pair<double, QString>>> byLine;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.x1 > mid && op.y1 > PaperSettings.DataHeight && !op.text.trimmed().isEmpty())
        byLine[op.y1].emplace_back(op.x1, op.text);
    QStringList lineTexts;
    for (auto& [y, pieces] : byLine) {
      std::sort(pieces.begin(), pieces.end());
      EXPECT_NEAR(pieces.front().first, mid + 1, 1e-3) << y;
      QString text;
      for (const auto& piece : pieces) text += piece.second;
      lineTexts << text;
    }
    QStringList expected;
    for (int i = 0; i < count; ++i)
      expected << (i < 19 ? QString(QStringLiteral("①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲")[i]) : QString()) +
                      QStringLiteral("%1:00件%2").arg(i % 24, 2, 10, QChar(u'0')).arg(i);  // blanks left out
    EXPECT_EQ(lineTexts, expected);
    const double bandHeight = (double(PaperSettings.FootHeight) - PaperSettings.DataHeight) / 7;
    if (count == 30) { EXPECT_GT(byLine.rbegin()->first, PaperSettings.DataHeight + 2 * bandHeight); }
  }
  // The centre rule runs down the page as dots.
  const auto ops = drawPage(0, QDate(2009, 3, 9));
  int centreDots = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Point && std::abs(op.x1 - mid) < 1e-3) ++centreDots;
  EXPECT_GT(centreDots, 20);
}

TEST_F(DayRowsPageTest, BandsAndBlankPages) {
  source.options.OptMiniCalendar = 0;
  auto ops = drawPage(4);
  const auto bands = SolidRuleYs(ops, 2);
  ASSERT_EQ(bands.size(), 7u);
  const double h = (double(PaperSettings.FootHeight) - PaperSettings.DataHeight) / 7;
  for (int b = 0; b < 7; ++b) EXPECT_NEAR(bands[b], PaperSettings.DataHeight + h * b, 1e-3);
  EXPECT_EQ(BodyOps(ops).size(), 7 + headerOpsInBody()) << "nothing but the band rules";

  source.options.OptMiniCalendar = 1;
  ops = drawPage(4, QDate(2009, 3, 17));
  bool calendarInCorner = false;
  for (const RecordedOp& op : BodyOps(ops))
    if (op.kind == RecordedOp::Text && op.text.trimmed() == QStringLiteral("31") && op.x1 >= kX2 - 20 &&
        op.y1 > PaperSettings.DataHeight + 6 * h)
      calendarInCorner = true;
  EXPECT_TRUE(calendarInCorner);

  for (int mode : {1, 5, 6}) {
    SCOPED_TRACE(mode);
    EXPECT_EQ(BodyOps(drawPage(mode)).size(), headerOpsInBody());
  }
}

TEST_F(DayRowsPageTest, ThirdsPage) {
  const auto ops = drawPage(3);
  const double pitch = 2 * HalfCharWidthMm(PaperSettings.DefaultFontSize) + 1;
  const int third = int(std::nearbyint((double(PaperSettings.FootHeight) - PaperSettings.DataHeight) / pitch / 3));
  const auto thick = SolidRuleYs(ops, 2);
  ASSERT_EQ(thick.size(), 2u);
  const double lineHeight = PaperSettings.DefaultFontSize * 25.4 / 72 + 1;
  EXPECT_NEAR(thick[0], PaperSettings.DataHeight + (third - 1) * lineHeight, 1e-2);
  EXPECT_NEAR(thick[1], PaperSettings.DataHeight + (2 * third - 1) * lineHeight, 1e-2);
}

}  // namespace
