// The daily designs: the two-day page and the daily driver's page order.
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/TwoDayPage.h"

namespace {

class DailyPagesTest : public SchedulePrintTest {
 protected:
  int runDriver(int16_t code, const QDate& day, const QString& sheets) {
    return runDesign(PrintDailyDesigns, code, day, sheets);
  }
  // The dates ("mm月dd日") of each page with the page's frame side: the x of
  // the first date.
  static std::vector<std::pair<QStringList, double>> DatesByPage(const std::vector<std::vector<RecordedOp>>& pages) {
    std::vector<std::pair<QStringList, double>> out;
    for (const auto& page : pages) {
      std::pair<QStringList, double> entry{{}, -1};
      for (const RecordedOp& op : page)
        if (op.kind == RecordedOp::Text && op.text.contains(u'日') && op.text.contains(u'月') && op.fontBold) {
          if (entry.first.isEmpty()) entry.second = op.x1;
          entry.first << op.text;
        }
      out.push_back(entry);
    }
    return out;
  }
};

TEST_F(DailyPagesTest, TwoDaysAPageAlternating) {
  struct Case {
    QDate start;
    QStringList page1, page2;
  } cases[] = {
      {QDate(2009, 3, 2), {QStringLiteral("03月01日"), QStringLiteral("03月02日")},
       {QStringLiteral("03月03日"), QStringLiteral("03月04日")}},
      {QDate(2009, 3, 31), {QStringLiteral("03月31日"), QStringLiteral("04月01日")},
       {QStringLiteral("04月02日"), QStringLiteral("04月03日")}},
  };
  for (const Case& c : cases) {
    printer().clearOps();
    ASSERT_EQ(runDriver(231, c.start, QStringLiteral("1")), 1);
    const auto pages = DatesByPage(Pages(printer()));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].first, c.page1);
    EXPECT_EQ(pages[1].first, c.page2);
    EXPECT_NEAR(pages[0].second, 8 + 2, 1e-6);  // front range
    EXPECT_NEAR(pages[1].second, 0 + 2, 1e-6);  // back range
    if (c.start.day() == 2) {
      EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page")}));
    }
  }
}

TEST_F(DailyPagesTest, EveryOtherPairFrontsThenBacks) {
  ASSERT_EQ(runDriver(232, QDate(2009, 3, 10), QStringLiteral("2")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("page"), QStringLiteral("prompt(1)"),
                                        QStringLiteral("page"), QStringLiteral("page")}));
  const auto pages = DatesByPage(Pages(printer()));
  EXPECT_EQ(pages[0].first.first(), QStringLiteral("03月10日"));  // an even day stays first
  EXPECT_EQ(pages[1].first.first(), QStringLiteral("03月14日"));
  EXPECT_EQ(pages[2].first.first(), QStringLiteral("03月12日"));
  EXPECT_EQ(pages[3].first.first(), QStringLiteral("03月16日"));
  // A declined turn ends the job after the fronts.
  printer().clearOps();
  answerMessage(platform::MsgResult::Cancel);
  EXPECT_EQ(runDriver(232, QDate(2009, 3, 10), QStringLiteral("2")), 1);
  EXPECT_EQ(Pages(printer()).size(), 2u);
  // No sheets: still the one question to turn the paper.
  printer().clearOps();
  const size_t before = shownMessages().size();
  runDriver(232, QDate(2009, 3, 10), QStringLiteral("0"));
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_EQ(shownMessages().size(), before + 1);
}

TEST_F(DailyPagesTest, TwoDayPageRowsAndEntries) {
  const double half = (PaperSettings.FootHeight - PaperSettings.HeadHeight) / 2.0;
  EXPECT_EQ(TwoDayPageRows(half), 12);
  // Two hundred entries: the half prints what fits, and the next day's half
  // keeps its own entries.
  QStringList lines;
  for (int i = 1; i <= 200; ++i) lines << QStringLiteral("2009/03/10 予定 予定%1").arg(i);
  lines << QStringLiteral("2009/03/10 祝日 テスト") << QStringLiteral("2009/03/11 予定 翌日の予定");
  source.lines = lines;
  source.controls.Chk_naiyou = 1;
  source.controls.Chk_yokokei = 1;
  source.controls.Chk_amikake = 0;
  DrawTwoDayPage(source, 0, QDate(2009, 3, 10), 8, 88);
  QStringList texts = printer().texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("予定12")));
  EXPECT_FALSE(texts.contains(QStringLiteral("予定13")));
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) {
    if (op.text == QStringLiteral("予定12")) { EXPECT_LT(op.y1, PaperSettings.HeadHeight + half); }
    if (op.text == QStringLiteral("翌日の予定")) {
      EXPECT_NEAR(op.y1, PaperSettings.HeadHeight + half + 15 + 1, 1e-3);  // the second half's first row
    }
  }
  EXPECT_TRUE(texts.contains(QStringLiteral("翌日の予定")));
  int dotted = 0, heavy = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Point)) dotted += op.y1 > 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Line)) heavy += op.drawWidth == 6;
  EXPECT_GT(dotted, 0);
  EXPECT_EQ(heavy, 4);  // two strip lines per half without shading

  printer().clearOps();
  source.controls.Chk_naiyou = 0;
  DrawTwoDayPage(source, 0, QDate(2009, 3, 10), 8, 88);
  texts = printer().texts();
  EXPECT_FALSE(texts.contains(QStringLiteral("予定1")));
  EXPECT_TRUE(texts.join(QString()).contains(QStringLiteral("テスト")));  // the label still shows
}

}  // namespace
