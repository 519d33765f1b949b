// The weekly ruled page: its hour scale, headings, marks of the memo design,
// the corner calendar and the rules of the page, and the week title.
#include <cmath>
#include <set>

#include "SchedulePrintKit.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/WeekRuledPage.h"
#include "schedule_print/WeekTitle.h"

namespace {


class WeekRuledPageTest : public SchedulePrintTest {
 protected:
  void draw(int kind, const QDate& day = kMonday, double x1 = 8, double x2 = 88) {
    freshPage();
    DrawWeekRuledPage(source, kind, day, x1, x2);
  }
  // Hour labels (the 5 pt texts) above y, trimmed, in drawing order.
  QStringList labelsAbove(double y) {
    QStringList out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      if (op.fontSize == 5 && op.y1 < y) out << op.text.trimmed();
    return out;
  }
  // Ticks: short vertical solid lines hanging from a band top above y.
  std::vector<RecordedOp> ticksAbove(double y) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Line))
      if (op.x1 == op.x2 && op.y2 - op.y1 <= 1 + 1e-9 && op.y1 < y) out.push_back(op);
    return out;
  }
  double bodyHeight() const { return double(PaperSettings.FootHeight) - PaperSettings.DataHeight; }
};

QStringList Numbers(int from, int to) {
  QStringList out;
  for (int h = from; h <= to; ++h) out << QString::number(h);
  return out;
}

TEST_F(WeekRuledPageTest, HourScaleByRangeAndKind) {
  QStringList dotted = Numbers(8, 19);
  for (int h = 9; h <= 18; ++h)
    if (h != 12) dotted[h - 8] = QStringLiteral(".");
  QStringList threeColumns;
  for (int j = 0; j < 3; ++j)
    for (int c = 0; c < 3; ++c) threeColumns << QString::number(6 * c + j);
  struct Case {
    const char* name;
    int kind;
    int16_t hourIndex;
    int16_t dottedScale;
    bool superOrganiser;
    QStringList firstBandLabels;
    int firstBandTicks;
  } cases[] = {
      {"no numbers: ticks over 9-19", 0, 0, 0, false, {}, 11},
      {"8-7 runs into the night", 0, 4, 0, false, Numbers(8, 23) + Numbers(0, 7), 24},
      {"dotted 8-19", 0, 1, 1, false, dotted, 12},
      {"three columns, three lines a band", 0, 7, 0, true, threeColumns, 0},
      {"three columns, six lines a band", 0, 7, 0, false, {}, 0},
      {"right page of the 土日 spread: none", 4, 1, 0, false, {}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadPaperSettings(c.superOrganiser ? 15 : 0);
    source.options.HourRangeIndex = c.hourIndex;
    source.options.OptDottedScale = c.dottedScale;
    source.options.OptHourScale = 1;
    draw(c.kind, kMonday, 0, 72);
    const double bandHeight = bodyHeight() / (c.kind == 4 ? 3 : 7);
    const double firstBottom = PaperSettings.DataHeight + bandHeight;
    const QStringList labels = labelsAbove(firstBottom);
    if (c.hourIndex == 7 && !c.superOrganiser) {
      EXPECT_EQ(labels.size(), 18);  // 0-5, 6-11, 12-17
      EXPECT_TRUE(labels.contains(QStringLiteral("17")));
    } else {
      EXPECT_EQ(labels, c.firstBandLabels);
    }
    const auto ticks = ticksAbove(firstBottom);
    EXPECT_EQ(int(ticks.size()), c.firstBandTicks);
    int longTicks = 0;
    for (const RecordedOp& t : ticks) longTicks += t.y2 - t.y1 > 0.75;
    EXPECT_EQ(longTicks, c.firstBandTicks ? 2 : 0);  // at 12 and 18
    if (c.kind == 4) { EXPECT_TRUE(labelsAbove(PaperSettings.FootHeight).isEmpty()); }
  }
  // On a narrow band the steps are 2 mm or less: the positions run on to the
  // band's edge, so the hour after the range's end gets its tick and label.
  for (const int16_t hourIndex : {int16_t(6), int16_t(4)}) {
    SCOPED_TRACE(hourIndex);
    source.options.HourRangeIndex = hourIndex;
    source.options.OptDottedScale = 0;
    draw(0, kMonday, 0, 40);
    const double firstBottom = PaperSettings.DataHeight + bodyHeight() / 7;
    const QStringList labels = labelsAbove(firstBottom);
    const QStringList hours = hourIndex == 6 ? Numbers(0, 23) : Numbers(8, 23) + Numbers(0, 7);
    ASSERT_GT(labels.size(), hours.size());
    EXPECT_EQ(labels.mid(0, hours.size()), hours);
    EXPECT_EQ(labels.at(hours.size()), hourIndex == 6 ? QStringLiteral("0") : QStringLiteral("8"));
    for (const RecordedOp& t : ticksAbove(firstBottom)) EXPECT_LE(t.x1, 40 + 1e-9);
  }
  // Saturday and Sunday share the sixth row of kind 5 without a scale.
  LoadPaperSettings(0);
  source.options.HourRangeIndex = 1;
  source.options.OptDottedScale = 0;
  draw(5);
  const double sixthRow = PaperSettings.DataHeight + 5 * bodyHeight() / 6;
  EXPECT_EQ(labelsAbove(PaperSettings.FootHeight).size(), 5 * 12u);
  EXPECT_EQ(labelsAbove(sixthRow).size(), 5 * 12u);
}

TEST_F(WeekRuledPageTest, HeadingsOfEachStyle) {
  // A week over a month end: the days of the month before the seventh day's
  // carry the month.
  const QDate monday(2009, 3, 30);
  source.options.DesignStyleText = QStringLiteral("ｼﾝﾌﾟﾙﾃﾞｻﾞｲﾝ");
  draw(0, monday);
  QStringList prefixes;
  for (const QString& t : printer().texts())
    if (t.endsWith(u'/')) prefixes << t;
  EXPECT_EQ(prefixes, (QStringList{QStringLiteral("3/"), QStringLiteral("3/")}));
  // On a right page the reference day lies beyond the page.
  draw(2, QDate(2009, 1, 28));
  prefixes.clear();
  for (const QString& t : printer().texts())
    if (t.endsWith(u'/')) prefixes << t;
  EXPECT_EQ(prefixes.size(), 3);

  source.lines = {QStringLiteral("2009/03/02 予定 会議")};
  source.options.DesignStyleText = QStringLiteral("縦並び");
  draw(0);
  const auto number = FindText(printer().ops(), QStringLiteral("2"));
  ASSERT_TRUE(number);
  EXPECT_EQ(number->fontName, QStringLiteral("Times New Roman"));
  EXPECT_FLOAT_EQ(number->fontSize, 2 * PaperSettings.DefaultFontSize);
  // Entries start at the band top beside a vertical heading...
  double entryY = -1;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == QStringLiteral("会")) entryY = op.y1;
  EXPECT_NEAR(entryY, PaperSettings.DataHeight + 1, 1e-3);
  // ...and below a horizontal one, which the box style frames.
  source.options.DesignStyleText = QStringLiteral("ボックス");
  source.options.OptMiniCalendar = 1;
  draw(0);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == QStringLiteral("会")) entryY = op.y1;
  EXPECT_GT(entryY, PaperSettings.DataHeight + 1 + 2);
  const auto boxes = printer().opsOf(RecordedOp::Box);
  ASSERT_EQ(boxes.size(), 7u);
  EXPECT_NEAR(boxes[0].x2, 88, 1e-6);
  EXPECT_NEAR(boxes[6].x2, 88 - 80.0 / 3, 1e-4);  // room for the corner calendar
}

TEST_F(WeekRuledPageTest, MemoDesignMarksTimedEntriesOnTheScale) {
  QStringList lines;
  lines << QStringLiteral("2009/03/02 時刻 07:00 早朝");  // counted, outside the range
  for (int i = 2; i <= 20; ++i) lines << QStringLiteral("2009/03/02 時刻 09:%1 予定").arg(i, 2, 10, QLatin1Char('0'));
  lines << QStringLiteral("2009/03/02 予定 メモ");
  lines << QStringLiteral("2009/03/03 時刻 ab:cd 壊れ") << QStringLiteral("2009/03/03 時刻 99:00 壊れ")
        << QStringLiteral("2009/03/03 時刻 1: 壊れ") << QStringLiteral("2009/03/03 時刻 10:00 十時");
  source.lines = lines;
  source.options.OptMemoEntries = 1;
  source.options.OptHourScale = 1;
  source.options.HourRangeIndex = 1;
  draw(6);
  QStringList marks;
  std::vector<RecordedOp> markOps;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text.size() == 1 && op.text[0] >= QChar(0x2460) && op.text[0] <= QChar(0x2473)) {
      marks << op.text;
      markOps.push_back(op);
    }
  QStringList want;
  for (int c = 2; c <= 19; ++c) want << QString(QChar(0x2460 + c - 1));
  want << QStringLiteral("④");  // the next day: only its real hour in range
  EXPECT_EQ(marks, want);
  EXPECT_FALSE(printer().texts().contains(QStringLiteral("予")));  // entries stay on the memo page
  // A mark is centred on its hour's tick.
  const auto ticks = ticksAbove(PaperSettings.DataHeight + 1);
  ASSERT_EQ(ticks.size(), 12u);
  const float size = PaperSettings.DataFontSize - 3;
  EXPECT_NEAR(markOps[0].x1 + HalfCharWidthMm(size), ticks[1].x1, 1e-3);

  // Without hour numbers there is nothing to mark.
  for (const int16_t index : {int16_t(0), int16_t(7)}) {
    source.options.HourRangeIndex = index;
    draw(6);
    for (const QString& t : printer().texts()) EXPECT_FALSE(t.contains(QStringLiteral("②"))) << index;
    EXPECT_FALSE(printer().texts().contains(QStringLiteral("予")));
  }
}

TEST_F(WeekRuledPageTest, CrowdedAndBrokenDaysDrawWithoutHarm) {
  QStringList lines;
  for (int i = 0; i < 60; ++i) lines << QStringLiteral("2009/03/02 予定 項目%1").arg(i);
  lines << QStringLiteral("2009/03/03 時刻 ab:cd 壊れ") << QStringLiteral("2009/03/03 時刻 1: 壊れ")
        << QStringLiteral("2009/03/04 祝日 ") + QString(500, u'祭');
  source.lines = lines;
  source.options.DesignStyleText = QStringLiteral("縦並び");
  const QDate day(2009, 3, 2);
  for (int kind = 0; kind <= 6; ++kind) draw(kind, day);
  // The crowded Monday runs on over the following bands.
  draw(0, day);
  double lastY = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
    if (op.text == QStringLiteral("5") && op.fontName == PaperSettings.DataFontName) lastY = std::max(lastY, double(op.y1));
  EXPECT_GT(lastY, PaperSettings.DataHeight + bodyHeight() / 7);
}

TEST_F(WeekRuledPageTest, CornerCalendarOnFrontsOrWhenAskedOnBacks) {
  const double w = PaperSettings.PageWidth - PaperSettings.PageLeft;
  const double sheet = GetScaleWidth();
  struct Case {
    const char* name;
    double x1, x2;
    int16_t mini, miniBack;
    bool drawn;
  } cases[] = {
      {"front", double(PaperSettings.PageLeft), double(PaperSettings.PageWidth), 1, 0, true},
      {"right half of an A4 side", sheet - w, sheet, 1, 0, true},
      {"back without 裏", 0, w, 1, 0, false},
      {"back with 裏", 0, w, 0, 1, true},
      {"front with only 裏", double(PaperSettings.PageLeft), double(PaperSettings.PageWidth), 0, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    source.options.OptMiniCalendar = c.mini;
    source.controls.chk_mini_ura = c.miniBack;
    draw(0, kMonday, c.x1, c.x2);
    // The calendar's 31 stands in the corner box.
    bool found = false;
    const double h = bodyHeight();
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
      found |= op.text.trimmed() == QStringLiteral("31") && op.x1 >= c.x2 - 0.8 * (c.x2 - c.x1) / 3 &&
               op.y1 >= PaperSettings.FootHeight - 0.8 * h / 7;
    EXPECT_EQ(found, c.drawn);
  }
}

TEST_F(WeekRuledPageTest, CheckColumnOnWholeMillimetres) {
  PaperSettings.LineType = 0;
  source.options.RuleFlags[1] = 1;
  // Two thirds of 78.75 mm is 52.5: the halves go to the even millimetre.
  draw(0, kMonday, 0, 78.75);
  std::set<double> xs;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Point))
    if (op.y1 > PaperSettings.DataHeight + 1 && std::abs(op.x1 - std::round(op.x1)) < 1e-9) xs.insert(op.x1);
  EXPECT_TRUE(xs.count(52));
  EXPECT_TRUE(xs.count(56));
  EXPECT_FALSE(xs.count(55));
  // Not on the other kinds.
  draw(1, kMonday, 0, 78.75);
  int onColumn = 0;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Point)) onColumn += op.x1 == 52 || op.x1 == 56;
  EXPECT_EQ(onColumn, 0);
}

TEST_F(WeekRuledPageTest, WeekTitles) {
  ScheduleOptions o;
  struct Case {
    QDate first;
    int16_t english, weekNumber, sundayStart, byWeekStart;
    const char* title;
  } cases[] = {
      {kMonday, 0, 0, 0, 0, "平成21年3月 (2009)"},
      {kMonday, 0, 1, 0, 0, "平成21年3月 (2009/10週)"},
      {kMonday, 1, 1, 0, 0, "2009/3 March (10)"},
      {kMonday, 1, 0, 0, 0, "2009/3 March"},
      {QDate(2009, 3, 30), 0, 0, 0, 0, "平成21年4月 (2009)"},
      {QDate(2009, 3, 30), 0, 0, 0, 1, "平成21年3月 (2009)"},
      {QDate(2016, 12, 26), 0, 1, 0, 0, "平成29年1月 (2017/0週)"},
      {QDate(2009, 3, 1), 0, 1, 1, 0, "平成21年3月 (2009/10週)"},
  };
  for (const Case& c : cases) {
    o.OptEnglish = c.english;
    o.OptWeekNumber = c.weekNumber;
    o.OptSundayStart = c.sundayStart;
    EXPECT_EQ(WeekTitleText(o, c.first, c.byWeekStart), QString::fromUtf8(c.title));
  }
}

}  // namespace
