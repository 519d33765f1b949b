// The day page: its hour scale by the hour-range list, timed entries on
// their rows, the right column's check list and other entries, the week
// number, and the day layouts of the daily driver.
#include <algorithm>
#include <set>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/DayPage.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

class DayPageTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    source.controls.Chk_naiyou = 1;
    source.options.HourRangeIndex = 1;
  }
  std::vector<RecordedOp> draw(const QDate& day, double x1 = 8, double x2 = 88) {
    printer().clearOps();
    DrawDayPage(source, 0, day, x1, x2);
    return printer().ops();
  }
  // Hour labels in order.
  static QStringList HourLabels(const std::vector<RecordedOp>& ops) {
    QStringList out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.size() == 3 && op.text.endsWith(u':') && op.text[0].isDigit())
        out << op.text.left(2);
    return out;
  }
  // The texts printed on one line (same y within 0.01 mm), joined.
  static QString LineAt(const std::vector<RecordedOp>& ops, double y, double fromX = -1) {
    QString out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && std::abs(op.y1 - y) < 0.01 && op.x1 >= fromX) out += op.text;
    return out;
  }
  static QString AllText(const std::vector<RecordedOp>& ops) { return TextsOf(ops).join(QString()); }
};

TEST_F(DayPageTest, HourScaleByTheList) {
  struct Case {
    int index;
    QStringList labels;
  } cases[] = {
      {5, [] { QStringList l; for (int h = 5; h <= 23; ++h) l << QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')); return l; }()},
      {4, [] { QStringList l; for (int i = 0; i < 24; ++i) l << QStringLiteral("%1").arg((8 + i) % 24, 2, 10, QLatin1Char('0')); return l; }()},
      {1, [] { QStringList l; for (int h = 8; h <= 19; ++h) l << QStringLiteral("%1").arg(h, 2, 10, QLatin1Char('0')); return l; }()},
      {0, {}},
  };
  source.lines = {QStringLiteral("2009/03/10 時刻 10:00 会議")};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    source.options.HourRangeIndex = int16_t(c.index);
    const auto ops = draw(QDate(2009, 3, 10));
    EXPECT_EQ(HourLabels(ops), c.labels);
    EXPECT_EQ(AllText(ops).contains(QStringLiteral("会議")), c.index != 0);
  }
  // Index 5: 19 labelled rows and two unlabelled ones below them; every row
  // but the first opens with a dotted separator from the page's left edge.
  source.options.HourRangeIndex = 5;
  const auto ops = draw(QDate(2009, 3, 10));
  const auto last = FindText(ops, QStringLiteral("23:"));
  ASSERT_TRUE(last);
  std::set<double> separators;
  for (const RecordedOp& op : ops)
    if ((op.kind == RecordedOp::Point || op.kind == RecordedOp::Circle) && std::abs(op.x1 - 8) < 0.01 &&
        op.y1 > PaperSettings.DataHeight)
      separators.insert(std::round(op.y1 * 1000) / 1000);
  EXPECT_EQ(separators.size(), 20u);
  int below = 0;
  for (double y : separators) below += y > last->y1 && y < PaperSettings.FootHeight - 3;
  EXPECT_EQ(below, 2);
}

TEST_F(DayPageTest, TimedEntriesStandOnTheirHourRow) {
  source.lines = {QStringLiteral("2009/03/10 時刻 10:00 会議"), QStringLiteral("2009/03/10 時刻 10:30 打合せ")};
  const auto ops = draw(QDate(2009, 3, 10));
  const auto ten = FindText(ops, QStringLiteral("10:"));
  ASSERT_TRUE(ten);
  EXPECT_EQ(LineAt(ops, ten->y1, ten->x1 + 0.1), QStringLiteral("会議"));
  const auto eleven = FindText(ops, QStringLiteral("11:"));
  // The second entry of the hour on the next line, above the 11: row.
  QString next;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text && op.y1 > ten->y1 + 0.01 && op.y1 < eleven->y1 - 0.01 && op.x1 < 44) next += op.text;
  EXPECT_EQ(next, QStringLiteral("30 打合せ"));
}

TEST_F(DayPageTest, RightColumnOnlyFromSixtyTwoMillimetres) {
  source.lines = {QStringLiteral("2009/03/10 予定 □電話"), QStringLiteral("2009/03/10 予定 買い物")};
  for (double width : {62.0, 61.9}) {
    SCOPED_TRACE(width);
    const auto ops = draw(QDate(2009, 3, 10), 8, 8 + width);
    const bool wide = width >= 62;
    EXPECT_EQ(AllText(ops).contains(QStringLiteral("□電話")), wide);
    EXPECT_EQ(AllText(ops).contains(QStringLiteral("買い物")), wide);
    EXPECT_EQ(bool(FindText(ops, QStringLiteral("2009/3"))), wide);
    EXPECT_EQ(HourLabels(ops).size(), 12);
  }
}

TEST_F(DayPageTest, EmptyDayFillsTheCheckList) {
  source.options.OptMiniCalendar = 0;
  const auto ops = draw(QDate(2009, 3, 10));
  const double split = PaperSettings.DataHeight + (PaperSettings.FootHeight - PaperSettings.DataHeight) * 2.0 / 5;
  int boxes = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text && op.text == QStringLiteral("□")) {
      ++boxes;
      EXPECT_LT(op.y1, split + 1.5);
    }
  EXPECT_GT(boxes, 3);
  // Ruled rows go on below the separator.
  int rulesBelow = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Line && op.y1 == op.y2 && op.y1 > split + 2 && op.x1 > 50) ++rulesBelow;
  EXPECT_GT(rulesBelow, 5);
}

TEST_F(DayPageTest, CheckListTableColumns) {
  struct Case {
    const char* entry;
    const char* title;
  } cases[] = {{"■B:買い物", "買い物"}, {"□ 電話", "電話"}, {"□電話", "電話"}, {"□A", ""}, {"□A:", ""},
               {"■Z:x", "x"},       {"□", ""},           {"■", ""},       {"□A:メモ\t詳細", "メモ"}};
  for (const Case& c : cases) EXPECT_EQ(CheckListTitle(QString::fromUtf8(c.entry)), QString::fromUtf8(c.title)) << c.entry;

  source.options.RuleFlags[0] = 1;
  source.lines = {QStringLiteral("2009/03/10 予定 ■B:買い物"), QStringLiteral("2009/03/10 予定 □電話")};
  const auto ops = draw(QDate(2009, 3, 10));
  const double xs = 8 + 80.0 * 4 / 7;
  const auto done = FindText(ops, QStringLiteral("済"));
  ASSERT_TRUE(done);
  EXPECT_NEAR(done->x1, xs + 1, 1e-3);
  EXPECT_EQ(LineAt(ops, done->y1, xs + 5.5).left(1), QStringLiteral("B"));
  EXPECT_TRUE(LineAt(ops, done->y1, xs + 10.5).contains(QStringLiteral("買い物")));
  EXPECT_TRUE(AllText(ops).contains(QStringLiteral("電話")));
}

TEST_F(DayPageTest, SundayWeekNumberFollowsColour) {
  source.options.OptWeekNumber = 1;
  source.options.OptColourPrint = 0;
  EXPECT_TRUE(AllText(draw(QDate(2009, 3, 8))).contains(QStringLiteral("(10週)")));
  source.options.OptColourPrint = 1;
  EXPECT_TRUE(AllText(draw(QDate(2009, 3, 8))).contains(QStringLiteral("(11週)")));
}

TEST_F(DayPageTest, HostileEntries) {
  // Two hundred check-list entries: the upper part fills with the first of
  // them, and the lower part spends its passes skipping the rest, so the
  // 100-pass cap ends the column before any of its ruled rows.
  QStringList lines;
  for (int i = 0; i < 200; ++i) lines << QStringLiteral("2009/03/10 予定 □項目%1").arg(i);
  lines << QStringLiteral("2009/03/10 時刻 ") << QStringLiteral("2009/03/10 予定 □A:\t");
  source.lines = lines;
  source.options.RuleFlags[0] = 1;
  source.options.OptMiniCalendar = 0;
  const auto ops = draw(QDate(2009, 3, 10));
  EXPECT_TRUE(AllText(ops).contains(QStringLiteral("項目0")));
  const double xs = 8 + 80.0 * 4 / 7;
  const double split = PaperSettings.DataHeight + (PaperSettings.FootHeight - PaperSettings.DataHeight) * 2.0 / 5;
  std::vector<double> rules;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Line && op.y1 == op.y2 && std::abs(op.x1 - xs) < 1e-3 && std::abs(op.x2 - 87) < 1e-3)
      rules.push_back(op.y1);
  ASSERT_GE(rules.size(), 3u);
  std::sort(rules.begin(), rules.end());
  const double pitch = rules[1] - rules[0];
  EXPECT_GE(rules.back(), split);
  EXPECT_LT(rules.back(), split + pitch + 1.01) << "no ruled row of the lower part";
  EXPECT_LT(rules.back(), PaperSettings.FootHeight - 3 - 2 * pitch);

  // Without the flood the lower part rules its rows down to the limit.
  source.lines = {QStringLiteral("2009/03/10 予定 □電話")};
  freshPage();
  double lowest = 0;
  for (const RecordedOp& op : draw(QDate(2009, 3, 10)))
    if (op.kind == RecordedOp::Line && op.y1 == op.y2 && std::abs(op.x1 - xs) < 1e-3) lowest = std::max(lowest, op.y1);
  EXPECT_GT(lowest, PaperSettings.FootHeight - 3 - 2 * pitch);
}

class DayDriverTest : public DayPageTest {
 protected:
  int run(int16_t code, const QDate& day, const QString& sheets) {
    return runDesign(PrintDailyDesigns, code, day, sheets);
  }
  static QStringList DayNumbers(const std::vector<std::vector<RecordedOp>>& pages) {
    QStringList out;
    for (const auto& page : pages)
      for (const RecordedOp& op : page)
        if (op.kind == RecordedOp::Text && op.fontSize == 24) out << op.text.trimmed();
    return out;
  }
};

TEST_F(DayDriverTest, LayoutsAndTheirOrder) {
  run(214, QDate(2009, 3, 10), QStringLiteral("2"));
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("page"), QStringLiteral("prompt(1)"),
                                        QStringLiteral("page"), QStringLiteral("page")}));
  EXPECT_EQ(DayNumbers(Pages(printer())), (QStringList{QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("11"),
                                                       QStringLiteral("13")}));
  printer().clearOps();
  run(213, QDate(2009, 3, 10), QStringLiteral("1"));
  EXPECT_EQ(DayNumbers(Pages(printer())), (QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"),
                                                       QStringLiteral("9")}));
  printer().clearOps();
  answerMessage(platform::MsgResult::Cancel);
  EXPECT_EQ(run(213, QDate(2009, 3, 10), QStringLiteral("2")), 1);
  EXPECT_EQ(Pages(printer()).size(), 1u);
  printer().clearOps();
  run(212, QDate(2009, 3, 31), QStringLiteral("2"));
  EXPECT_EQ(DayNumbers(Pages(printer())), (QStringList{QStringLiteral("31"), QStringLiteral("1")}));
  EXPECT_EQ(run(251, QDate(2009, 3, 10), QStringLiteral("1")), 0);  // not a daily design
}

TEST_F(DayDriverTest, ThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-day-211"));
  source.lines = {QStringLiteral("2009/03/10 時刻 10:00 会議")};
  source.choose(21, 0, QDate(2009, 3, 10), QStringLiteral("2"));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  const auto words = PdfWords(pdf);
  const PdfWord ten = FindWord(words, QStringLiteral("10"));
  ASSERT_EQ(ten.page, 1);
  EXPECT_NEAR(ten.xMinMm, 11, 1);
  EXPECT_NEAR(ten.yMinMm, 5, 1);
  // A word's box is as tall as its font's size: 24 pt, against the weekday's
  // DefaultFontSize beside it.
  EXPECT_NEAR(ten.yMaxMm - ten.yMinMm, 24 * 25.4 / 72, 1);
  const PdfWord weekday = FindWord(words, QStringLiteral("火"));
  ASSERT_EQ(weekday.page, 1);
  EXPECT_NEAR((ten.yMaxMm - ten.yMinMm) / (weekday.yMaxMm - weekday.yMinMm), 24.0 / PaperSettings.DefaultFontSize, 0.15);
  const auto onPage = [&](int page, auto match) {
    for (const PdfWord& w : words)
      if (w.page == page && match(w)) return true;
    return false;
  };
  // The weekday beside the number, on the number's line.
  EXPECT_TRUE(onPage(1, [&](const PdfWord& w) { return w.text == QStringLiteral("火") && w.yMaxMm < ten.yMaxMm + 1; }));
  for (int hour = 8; hour <= 19; ++hour) {
    const QString label = QStringLiteral("%1:").arg(hour, 2, 10, QLatin1Char('0'));
    EXPECT_TRUE(onPage(1, [&](const PdfWord& w) { return w.text.startsWith(label); })) << hour;
  }
  // The entry follows its hour label on the same line.
  EXPECT_TRUE(onPage(1, [](const PdfWord& w) { return w.text == QStringLiteral("10:会議"); }));
  EXPECT_TRUE(onPage(2, [](const PdfWord& w) { return w.text == QStringLiteral("11"); }));
}

}  // namespace
