// The weekly time-axis page: entries on their hour rows, the hour labels of
// each range, headings, household rows, the memo area and odd sizes.
#include <QImage>
#include <algorithm>
#include <set>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/SchedulePrintButton.h"
#include "schedule_print/WeekTimeAxisPage.h"

namespace {


class WeekTimeAxisPageTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    PaperSettings.LineType = 0;
    source.controls.Chk_naiyou = 1;
  }
  void draw(int kind, const QDate& day = kMonday, double x1 = 8, double x2 = 88) {
    freshPage();
    DrawWeekTimeAxisPage(source, kind, day, x1, x2);
  }
  float labelSize() const { return PaperSettings.DataFontSize / 2 + 0.5f; }
  // Hour labels, trimmed, in drawing order.
  QStringList labels() {
    QStringList out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.fontSize == labelSize() && !op.text.trimmed().isEmpty()) out << op.text.trimmed();
    return out;
  }
  // The y of each solid horizontal line starting at x.
  std::vector<double> solidRowsAt(double x) {
    std::vector<double> out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
      if (op.y1 == op.y2 && std::abs(op.x1 - x) < 1e-6) out.push_back(op.y1);
    return out;
  }
  std::optional<RecordedOp> text(const QString& t) { return FindText(printer().ops(), t); }
};

TEST_F(WeekTimeAxisPageTest, EntriesStandOnTheRowOfTheirHour) {
  source.lines = {QStringLiteral("2009/03/03 予定 買物"), QStringLiteral("2009/03/03 時刻 10:45 会議"),
                  QStringLiteral("2009/03/03 時刻 10:50 打合せ"), QStringLiteral("2009/03/03 時刻 05:30 早朝"),
                  QStringLiteral("2009/03/03 予定 掃除")};
  source.options.OptHorizontalRules = 1;
  source.options.HourRangeIndex = 1;
  draw(1);
  // Column 1 is the second quarter: its lines start 0.5 mm inside it.
  const double left = 8 + 20 + 0.5;
  const std::vector<double> solid = solidRowsAt(left);
  ASSERT_GE(solid.size(), 2u);
  const double scaleTop = solid[0];  // the 6 o'clock row
  const TimeAxisRows rows = TimeAxisRowsOf(1, 0, scaleTop, PaperSettings.FootHeight);
  EXPECT_NEAR(solid[1], rows.y(8), 1e-4);

  const auto meeting = text(QStringLiteral("会"));
  ASSERT_TRUE(meeting);
  EXPECT_NEAR(meeting->x1, left, 1e-4);
  EXPECT_NEAR(meeting->y1, rows.y(10), 1e-4);
  EXPECT_FALSE(text(QStringLiteral("1")) && text(QStringLiteral(":")));  // the time is not printed
  const auto second = text(QStringLiteral("打"));
  ASSERT_TRUE(second);
  EXPECT_GT(second->y1, meeting->y1 + 1);
  EXPECT_LT(second->y1, rows.y(11) + 1);
  EXPECT_FALSE(text(QStringLiteral("早")));  // 5 o'clock has no row
  const auto shop = text(QStringLiteral("買")), clean = text(QStringLiteral("掃"));
  ASSERT_TRUE(shop && clean);
  EXPECT_NEAR(shop->y1, scaleTop + 1, 1e-4);
  EXPECT_GT(clean->y1, shop->y1);

  // Without 予定内容 nothing of the entries prints.
  source.controls.Chk_naiyou = 0;
  draw(1);
  EXPECT_FALSE(text(QStringLiteral("会")));
  EXPECT_FALSE(text(QStringLiteral("買")));
}

TEST_F(WeekTimeAxisPageTest, HourLabelsByRange) {
  const auto numbers = [](int from, int to) {
    QStringList out;
    for (int h = from; h <= to; ++h) out << QString::number(h);
    return out;
  };
  struct Case {
    int16_t index, memo;
    QStringList labels;
  } cases[] = {
      {0, 0, {}},
      {1, 0, numbers(8, 19)},
      {4, 0, numbers(6, 23) + numbers(0, 5)},
      {5, 0, numbers(6, 23)},
      {6, 0, numbers(2, 24)},
      {6, 1, numbers(2, 29)},
      {4, 1, numbers(6, 23) + numbers(0, 5)},
      {7, 0, numbers(8, 19)},
  };
  for (const Case& c : cases) {
    source.options.HourRangeIndex = c.index;
    source.options.OptMemo = c.memo;
    draw(3);
    EXPECT_EQ(labels(), c.labels) << c.index << " memo " << c.memo;
  }
  // Only the first column of a page carries them.
  source.options.HourRangeIndex = 1;
  source.options.OptMemo = 0;
  draw(2);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.fontSize == labelSize()) { EXPECT_LT(op.x1, 8 + 20); }
}

TEST_F(WeekTimeAxisPageTest, HourLabelsKeepTheDataColourAfterARedEntry) {
  source.options.OptColourPrint = 1;
  source.options.HourRangeIndex = 1;
  source.lines = {QStringLiteral("2009/03/02 赤　 誕生日")};
  draw(1);
  const auto red = text(QStringLiteral("誕"));
  ASSERT_TRUE(red);
  const auto label = FindText(printer().ops(), QStringLiteral("8"));
  ASSERT_TRUE(label);
  EXPECT_NE(label->color, red->color);
  source.lines.clear();
  draw(1);
  EXPECT_EQ(FindText(printer().ops(), QStringLiteral("8"))->color, label->color);
}

TEST_F(WeekTimeAxisPageTest, HeadingsTitlesAndMonthPrefixes) {
  // A right page whose first day + 6 lies in the next month: all three days
  // carry their month.
  draw(2, QDate(2009, 1, 28));
  EXPECT_EQ(printer().texts().count(QStringLiteral("01/")), 3);
  draw(1, kMonday);
  EXPECT_EQ(printer().texts().count(QStringLiteral("03/")), 0);

  // Titles on the left pages of 17, 18 and 19 only.
  for (int kind = 1; kind <= 8; ++kind) {
    draw(kind);
    bool titled = false;
    for (const QString& t : printer().texts()) titled |= t.contains(QStringLiteral("平成21年3月"));
    EXPECT_EQ(titled, kind == 1 || kind == 3 || kind == 5) << kind;
  }
  source.options.OptWeekNumber = 1;
  draw(1, QDate(2016, 12, 26));
  bool weekZero = false;
  for (const QString& t : printer().texts()) weekZero |= t.contains(QStringLiteral("(2017/0週)"));
  EXPECT_TRUE(weekZero);
}

TEST_F(WeekTimeAxisPageTest, HouseholdRowsOnlyOnTheFirstDesign) {
  source.options.OptHouseholdRows = 1;
  struct Case {
    int kind;
    bool rows, labelled;
  } cases[] = {{1, true, false}, {2, true, true}, {3, false, false}, {7, false, false}};
  for (const Case& c : cases) {
    draw(c.kind);
    EXPECT_EQ(bool(text(QStringLiteral("交通費"))), c.labelled) << c.kind;
    // The household rows run across the whole page width.
    int across = 0;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
      across += op.x1 == 8 && op.x2 == 88 && op.y1 > PaperSettings.DataHeight + 1 && op.y1 < PaperSettings.FootHeight;
    EXPECT_EQ(across > 0, c.rows) << c.kind;
  }
  // A small font makes low rows: never more than twenty.
  PaperSettings.DataFontSize = 1;
  draw(1);
  std::set<double> rowYs;
  const double bottom = PaperSettings.DataHeight + (PaperSettings.FootHeight - PaperSettings.DataHeight) * 4.0 / 5 - 2;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
    if (op.x1 == 8 && op.x2 == 88 && op.y1 >= bottom - 1e-3 && op.y1 < PaperSettings.FootHeight) rowYs.insert(op.y1);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Point))
    if (op.y1 >= bottom - 1e-3 && op.y1 < PaperSettings.FootHeight) rowYs.insert(op.y1);
  EXPECT_EQ(rowYs.size(), 20u);
}

TEST_F(WeekTimeAxisPageTest, StackedDaysCarryNoTimedEntries) {
  source.lines = {QStringLiteral("2009/03/05 時刻 10:00 会議"), QStringLiteral("2009/03/05 予定 買物"),
                  QStringLiteral("2009/03/03 時刻 10:00 打合")};
  source.options.HourRangeIndex = 1;
  for (const int16_t mini : {int16_t(0), int16_t(1)}) {
    source.options.OptMiniCalendar = mini;
    draw(6);
    EXPECT_FALSE(text(QStringLiteral("会"))) << mini;
    EXPECT_TRUE(text(QStringLiteral("買"))) << mini;
    EXPECT_TRUE(text(QStringLiteral("打"))) << mini;
  }
}

TEST_F(WeekTimeAxisPageTest, MemoAreaStopsAtAHundredAndOneRules) {
  PaperSettings.FootHeight = PaperSettings.DataHeight + 600;
  draw(8);
  const double m = 8 + 20 + 32 + 1;
  double lowest = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Point))
    if (op.x1 > m + 1) lowest = std::max(lowest, op.y1);
  EXPECT_NEAR(lowest, PaperSettings.DataHeight + 5 + 4 * 100, 1e-4);
}

TEST_F(WeekTimeAxisPageTest, BrokenTimesAndTinyPagesDrawWithoutHarm) {
  source.lines = {QStringLiteral("2009/03/02 時刻 : 壊"), QStringLiteral("2009/03/02 時刻 ab:cd 壊"),
                  QStringLiteral("2009/03/02 時刻 99:30 壊"),
                  QStringLiteral("2009/03/02 予定 ") + QString(500, u'長')};
  source.options.HourRangeIndex = 4;
  for (int kind = 1; kind <= 8; ++kind) draw(kind);
  // Times with no row print nowhere; a text without a time is listed.
  draw(1);
  EXPECT_EQ(printer().texts().count(QStringLiteral("壊")), 1);
  // A heading deeper than its column leaves the column without hour rows.
  PaperSettings.FootHeight = PaperSettings.DataHeight + 4;
  for (int kind = 1; kind <= 8; ++kind) {
    draw(kind);
    EXPECT_TRUE(labels().isEmpty()) << kind;
  }
}

TEST_F(WeekTimeAxisPageTest, SpreadThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler tools missing";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-week-173"));
  source.lines = {QStringLiteral("2009/03/03 時刻 10:45 会議")};
  source.choose(17, 2, QDate(2009, 3, 2));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto words = PdfWords(pdf);
  const double margin = 3;
  const PdfWord title = FindWord(words, QStringLiteral("平成21年3月"));
  ASSERT_EQ(title.page, 1);
  EXPECT_GE(title.xMinMm, 8 + margin - 0.5);
  EXPECT_LE(FindWord(words, QStringLiteral("(2009)")).xMaxMm, 88 + margin + 0.5);
  PdfWord month;
  for (const PdfWord& w : words)
    if (w.text == QStringLiteral("3") && w.xMinMm > 140) month = w;
  ASSERT_EQ(month.page, 1);
  EXPECT_GE(month.xMinMm, 151.5 - 0.5);
  EXPECT_LE(month.xMaxMm, 170.5 + 0.5);
  const PdfWord meeting = FindWord(words, QStringLiteral("会議"));
  ASSERT_EQ(meeting.page, 1);
  EXPECT_NEAR(meeting.xMinMm, 31.5, 0.5);

  // The rows' lines in the second column below the header, away from the text: the entry
  // lies between the 10 and the 11 o'clock lines.
  const int dpi = 150;
  const QImage page = RenderPdfPage(pdf, 1, dpi);
  ASSERT_FALSE(page.isNull());
  const auto px = [dpi](double mm) { return int(mm * dpi / 25.4); };
  std::vector<double> lineYs;
  for (int y = px(PaperSettings.DataHeight + margin + 1); y < px(PaperSettings.FootHeight + margin); ++y) {
    int dark = 0, all = 0;
    for (int x = px(40 + margin); x < px(46 + margin); ++x, ++all) dark += qGray(page.pixel(x, y)) < 160;
    if (dark * 4 >= all && (lineYs.empty() || y * 25.4 / dpi - lineYs.back() > 1)) lineYs.push_back(y * 25.4 / dpi);
  }
  const double middle = (meeting.yMinMm + meeting.yMaxMm) / 2;

  const auto below = std::upper_bound(lineYs.begin(), lineYs.end(), middle);
  ASSERT_TRUE(below != lineYs.begin() && below != lineYs.end());
  // Rows from 6 o'clock: the 10 o'clock line is the fifth of the column.
  EXPECT_EQ(below - lineYs.begin(), 5);
}

}  // namespace
