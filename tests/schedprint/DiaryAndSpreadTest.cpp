// The day spread, the multi-year diary page and their layouts in the daily
// driver.
#include <QWidget>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/DaySpreadPage.h"
#include "schedule_print/FiveYearDiaryPage.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

class DiaryAndSpreadTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    source.options.OptPrintEntries = 1;
    source.options.DiaryYears = 5;
  }
  int runDriver(int16_t code, const QDate& day, const QString& sheets) {
    return runDesign(PrintDailyDesigns, code, day, sheets);
  }
  std::vector<RecordedOp> spread(int half, const QDate& day) {
    freshPage();
    DrawDayHeader(source, half, day, 8, 88);
    return printer().ops();
  }
  std::vector<RecordedOp> diary(int years, const QString& day) {
    freshPage();
    DrawFiveYearDiaryPage(source, years, day, 8, 88);
    return printer().ops();
  }
  // The hour labels of a spread page (" 0" … " 23") with the x of the first.
  static std::pair<QStringList, double> HourLabels(const std::vector<RecordedOp>& ops) {
    std::pair<QStringList, double> out{{}, -1};
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.startsWith(u' ') && op.text.size() <= 3 && op.text.trimmed().toInt() == op.text.trimmed().toDouble() && op.text.trimmed() != QString() && op.text.trimmed()[0].isDigit()) {
        if (out.first.isEmpty()) out.second = op.x1;
        out.first << op.text;
      }
    return out;
  }
  static QStringList Hours(int from, int to) {
    QStringList out;
    for (int h = from; h <= to; ++h) out << u' ' + QString::number(h);
    return out;
  }
  // The text that holds a piece, whole ("" when none).
  static QString TextWith(const std::vector<RecordedOp>& ops, const QString& piece) {
    for (const QString& t : TextsOf(ops))
      if (t.contains(piece)) return t;
    return {};
  }
  // Titles of diary pages (the text with 月 and 日) with their x.
  static std::vector<std::pair<QString, double>> DiaryTitles(const std::vector<RecordedOp>& ops) {
    std::vector<std::pair<QString, double>> out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.contains(u'月') && op.text.endsWith(u'日'))
        out.emplace_back(op.text.trimmed(), op.x1);
    return out;
  }
  // The year headings of diary bands ("2009 火 ") with their y.
  static std::vector<std::pair<QString, double>> BandHeadings(const std::vector<RecordedOp>& ops) {
    std::vector<std::pair<QString, double>> out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.size() >= 4 && op.text.left(4).toInt() > 1900)
        out.emplace_back(op.text, op.y1);
    return out;
  }
  // Full-width horizontal lines inside the body.
  static std::vector<RecordedOp> BodyRules(const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> out;
    const PaperSettingsData& p = PaperSettings;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Line && op.y1 == op.y2 && op.x1 == 8 && op.x2 == 88 && op.y1 > p.DataHeight + 0.01 &&
          op.y1 < p.FootHeight - 0.01)
        out.push_back(op);
    return out;
  }
};

TEST_F(DiaryAndSpreadTest, DaySpreadSheetsThroughTheDriver) {
  ASSERT_EQ(runDriver(221, QDate(2009, 3, 10), QStringLiteral("1")), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page"),
                                        QStringLiteral("prompt(0)"), QStringLiteral("page"), QStringLiteral("prompt(1)"),
                                        QStringLiteral("page")}));
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 4u);
  // The left page in the back range with the title and the morning hours.
  const QString title = TextWith(pages[0], QStringLiteral("平成21年3月10日"));
  EXPECT_TRUE(title.endsWith(QStringLiteral("平成21年3月10日  "))) << title.toStdString();
  EXPECT_EQ(HourLabels(pages[0]), std::make_pair(Hours(0, 11), 0.0));
  // The right page in the front range: no date, the afternoon hours.
  EXPECT_EQ(HourLabels(pages[1]), std::make_pair(Hours(12, 23), 8.0));
  EXPECT_EQ(TextWith(pages[1], QStringLiteral("平成")), QString());
  EXPECT_NE(TextWith(pages[2], QStringLiteral("平成21年3月11日")), QString());
  EXPECT_EQ(HourLabels(pages[3]).first, Hours(12, 23));
  // A declined turn leaves the first side alone.
  printer().clearOps();
  answerMessage(platform::MsgResult::Cancel);
  EXPECT_EQ(runDriver(221, QDate(2009, 3, 10), QStringLiteral("1")), 1);
  EXPECT_EQ(Pages(printer()).size(), 1u);
}

TEST_F(DiaryAndSpreadTest, DaySpreadTitle) {
  struct Case {
    const char* name;
    QDate day;
    int english, weekNumber, colour;
    QString label;
    QString expectedEnd;
  } cases[] = {
      // The blank after the date and the one before the (empty) annotations.
      {"plain", QDate(2009, 3, 10), 0, 0, 0, {}, QStringLiteral(" 平成21年3月10日  ")},
      {"label", QDate(2009, 3, 10), 0, 0, 0, QStringLiteral("誕生日"), QStringLiteral(" 平成21年3月10日   誕生日 ")},
      {"english", QDate(2009, 3, 10), 1, 0, 0, {}, QStringLiteral(" 2009/3/10  ")},
      {"sunday without colour", QDate(2009, 3, 8), 0, 1, 0, {}, QStringLiteral("8日  (10週) ")},
      {"sunday in colour", QDate(2009, 3, 8), 0, 1, 1, {}, QStringLiteral("8日  (11週) ")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    source.options.OptEnglish = int16_t(c.english);
    source.options.OptWeekNumber = int16_t(c.weekNumber);
    source.options.OptColourPrint = int16_t(c.colour);
    source.lines = c.label.isEmpty() ? QStringList{}
                                     : QStringList{QStringLiteral("2009/03/10 公休 ") + c.label};
    const auto ops = spread(1, c.day);
    const QString title = TextWith(ops, c.english ? QStringLiteral("2009/3/") : QStringLiteral("平成21年"));
    EXPECT_TRUE(title.endsWith(c.expectedEnd)) << title.toStdString();
    EXPECT_FALSE(title.contains(u'火') || title.contains(QStringLiteral("Tue")));
  }
  // Any other half: frame and footer, no hours, no title.
  const auto other = spread(0, QDate(2009, 3, 10));
  EXPECT_TRUE(HourLabels(other).first.isEmpty());
  EXPECT_EQ(TextWith(other, QStringLiteral("平成")), QString());
}

TEST_F(DiaryAndSpreadTest, DaySpreadRows) {
  printer().setDotsAsPoints(false);
  const PaperSettingsData& p = PaperSettings;
  const auto ops = spread(2, QDate(2009, 3, 10));
  const double body = p.FootHeight - p.DataHeight, band = body / 10, row = (body - 1 - band) / 12;
  std::vector<double> dotted, labelY;
  bool divider = false, bandRule = false;
  for (const RecordedOp& op : ops) {
    if (op.kind == RecordedOp::Line && op.drawStyle == kDrawDotted && op.y1 == op.y2) dotted.push_back(op.y1);
    if (op.kind == RecordedOp::Line && op.x1 == 48 && op.x2 == 48 && std::abs(op.y1 - p.DataHeight) < 1e-4 &&
        std::abs(op.y2 - (p.FootHeight - band)) < 1e-4)
      divider = true;
    if (op.kind == RecordedOp::Line && op.y1 == op.y2 && std::abs(op.y1 - (p.FootHeight - band)) < 1e-4) bandRule = true;
    if (op.kind == RecordedOp::Text && op.text == QStringLiteral(" 12")) labelY.push_back(op.y1);
  }
  // Eleven separators: none over the first row.
  ASSERT_EQ(dotted.size(), 11u);
  EXPECT_NEAR(dotted.front(), p.DataHeight + 1 + row, 1e-3);
  EXPECT_NEAR(dotted.back(), p.DataHeight + 1 + 11 * row, 1e-3);
  ASSERT_EQ(labelY.size(), 1u);
  EXPECT_NEAR(labelY[0], p.DataHeight + 1.5, 1e-3);
  EXPECT_TRUE(divider);
  EXPECT_TRUE(bandRule);
}

TEST_F(DiaryAndSpreadTest, DiaryBands) {
  const PaperSettingsData& p = PaperSettings;
  source.lines = {QStringLiteral("2010/03/10 予定 会議"), QStringLiteral("2010/03/10 公休 結婚記念日")};
  struct Case {
    int years, shading, hourScale;
    size_t rules, shaded, hatchTops;
  } cases[] = {
      {1, 0, 0, 0, 0, 0},
      {10, 0, 0, 9, 0, 0},
      {5, 1, 0, 0, 3, 0},
      {5, 0, 1, 4, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.years << " years, shading " << c.shading << ", scale " << c.hourScale);
    source.options.OptShading = int16_t(c.shading);
    source.options.OptHourScale = int16_t(c.hourScale);
    const auto ops = diary(c.years, QStringLiteral("2009/03/10"));
    const double band = (p.FootHeight - p.DataHeight - 1.0) / c.years;
    EXPECT_EQ(DiaryTitles(ops).front().first, QStringLiteral("3月10日"));
    const auto headings = BandHeadings(ops);
    ASSERT_EQ(headings.size(), size_t(c.years));
    for (int k = 1; k <= c.years; ++k) {
      EXPECT_TRUE(headings[k - 1].first.startsWith(QString::number(2008 + k))) << k;
      EXPECT_NEAR(headings[k - 1].second, p.DataHeight + (k - 1) * band + 0.5, 1e-3) << k;
    }
    EXPECT_EQ(BodyRules(ops).size(), c.rules);
    size_t shaded = 0, hatchTops = 0;
    for (const RecordedOp& op : ops) {
      if (op.kind == RecordedOp::FilledBox && op.x1 == 8 && op.x2 == 88 && op.y1 > p.DataHeight) {
        ++shaded;
        const int k = int(std::lround((op.y1 - 0.3 - p.DataHeight) / band)) + 1;
        EXPECT_EQ(k % 2, 1) << "band " << k << " shaded";
      }
      // The hatch's first stroke stands at the indent of each band's top.
      if (op.kind == RecordedOp::Line && op.x1 == 18 && op.x2 == 18) ++hatchTops;
    }
    EXPECT_EQ(shaded, c.shaded);
    EXPECT_EQ(hatchTops, c.hatchTops);
  }
  // The heading shows the year and weekday, then annotations and the label;
  // the entries follow from one millimetre in.
  const auto ops = diary(5, QStringLiteral("2009/03/10"));
  EXPECT_EQ(BandHeadings(ops)[1].first, QStringLiteral("2010 水 "));
  const auto label = FindText(ops, QStringLiteral("結婚記念日"));
  ASSERT_TRUE(label);
  EXPECT_NEAR(label->y1, BandHeadings(ops)[1].second, 1e-3);
  // Wrapped text is written a character at a time.
  const auto entry = FindText(ops, QStringLiteral("会"));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->x1, 9);
  EXPECT_GT(entry->y1, label->y1);
}

TEST_F(DiaryAndSpreadTest, DiaryOddDaysAndLongLists) {
  // 29 February exists only in the leap years among the bands.
  const auto leap = diary(10, QStringLiteral("2009/02/29"));
  EXPECT_EQ(DiaryTitles(leap).front().first, QStringLiteral("2月29日"));
  QStringList years;
  for (const auto& [text, y] : BandHeadings(leap)) years << text.left(4);
  EXPECT_EQ(years, (QStringList{QStringLiteral("2012"), QStringLiteral("2016")}));
  // A blank start year leaves the bands empty; no years 1, 2, 3 appear.
  const auto blank = diary(5, QStringLiteral("    /03/10"));
  EXPECT_EQ(DiaryTitles(blank).front().first, QStringLiteral("3月10日"));
  EXPECT_TRUE(BandHeadings(blank).empty());
  // No year count from the window: one band rather than a division by zero.
  EXPECT_EQ(BandHeadings(diary(0, QStringLiteral("2009/03/10"))).size(), 1u);
  // Three hundred entries run on below their band and the page ends.
  for (int i = 0; i < 300; ++i) source.lines << QStringLiteral("2009/03/10 予定 項目%1").arg(i);
  const auto full = diary(5, QStringLiteral("2009/03/10"));
  std::vector<double> entryYs;
  for (const RecordedOp& op : full)
    if (op.kind == RecordedOp::Text && op.text == QStringLiteral("項")) entryYs.push_back(op.y1);
  ASSERT_EQ(entryYs.size(), 300u);
  EXPECT_GT(entryYs.back(), PaperSettings.FootHeight);
  EXPECT_NEAR(BandHeadings(full)[1].second, PaperSettings.DataHeight + (PaperSettings.FootHeight - PaperSettings.DataHeight - 1.0) / 5 + 0.5, 1e-3);
}

TEST_F(DiaryAndSpreadTest, DiaryLayoutsOfTheDriver) {
  const double right = GetScaleWidth();  // right end of the right-half range
  const double w = PaperSettings.PageWidth - PaperSettings.PageLeft;
  struct Case {
    int16_t code;
    QDate start;
    QString sheets;
    QStringList titles;
    std::vector<double> xs;
    QStringList firstYears;
  } cases[] = {
      // Two to a side: the running 2000 day and the next, under the same year.
      {DesignCodeOf(kDesignFiveYearDiary, 4), QDate(2009, 2, 27), QStringLiteral("2"),
       {QStringLiteral("2月27日"), QStringLiteral("2月28日"), QStringLiteral("2月29日"), QStringLiteral("3月1日")},
       {8, right - w, 8, right - w},
       {QStringLiteral("2009"), QStringLiteral("2009"), QStringLiteral("2012"), QStringLiteral("2009")}},
      // Alternating sides: past 31 December under the same year.
      {DesignCodeOf(kDesignFiveYearDiary, 1), QDate(2009, 12, 31), QStringLiteral("1"), {QStringLiteral("12月31日"), QStringLiteral("1月1日")}, {8, 0},
       {QStringLiteral("2009"), QStringLiteral("2009")}},
      // Real calendar days, fronts only or backs only.
      {DesignCodeOf(kDesignFiveYearDiary, 2), QDate(2009, 2, 28), QStringLiteral("2"), {QStringLiteral("2月28日"), QStringLiteral("3月1日")}, {8, 8},
       {QStringLiteral("2009"), QStringLiteral("2009")}},
      {DesignCodeOf(kDesignFiveYearDiary, 3), QDate(2008, 12, 31), QStringLiteral("2"), {QStringLiteral("12月31日"), QStringLiteral("1月1日")}, {0, 0},
       {QStringLiteral("2008"), QStringLiteral("2009")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    printer().clearOps();
    ASSERT_EQ(runDriver(c.code, c.start, c.sheets), 1);
    QStringList titles, firstYears;
    std::vector<double> xs;
    for (const auto& page : Pages(printer())) {
      // Pages of one side are told apart by their titles' x.
      for (const auto& [title, x] : DiaryTitles(page)) {
        titles << title;
        xs.push_back(std::round(x * 100) / 100);
      }
    }
    EXPECT_EQ(titles, c.titles);
    ASSERT_EQ(xs.size(), c.xs.size());
    for (size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(xs[i], c.xs[i] + 1, 1.5) << i;  // title after its blank
    // The first filled band of each page, in page order.
    for (const auto& page : Pages(printer())) {
      const auto headings = BandHeadings(page);
      // The two pages of a side are split by x.
      std::vector<std::pair<QString, double>> left, rightPage;
      for (const RecordedOp& op : page)
        if (op.kind == RecordedOp::Text && op.text.size() >= 4 && op.text.left(4).toInt() > 1900)
          (op.x1 < right - w - 1 ? left : rightPage).emplace_back(op.text, op.y1);
      if (!left.empty()) firstYears << left.front().first.left(4);
      if (!rightPage.empty()) firstYears << rightPage.front().first.left(4);
    }
    EXPECT_EQ(firstYears, c.firstYears);
  }
}

TEST_F(DiaryAndSpreadTest, DiaryDateThatDoesNotExist) {
  // Through the print button, whose job disables the schedule window: the
  // message shows over the window enabled again, and nothing is printed.
  QWidget window;
  source.busyWindow = &window;
  std::vector<std::pair<QString, bool>> shown;
  platform::SetMessageHandler([&](const platform::MessageRequest& r) {
    shown.emplace_back(r.text, window.isEnabled());
    EXPECT_EQ(r.icon, platform::MsgIcon::Information);
    return platform::MsgResult::Ok;
  });
  for (int layout : {0, 3}) {  // codes 241 and 244
    SCOPED_TRACE(layout);
    shown.clear();
    source.choose(24, layout, QDate(2009, 2, 28), QStringLiteral("1"));
    source.controls.Cmb_Hi = QStringLiteral("30");
    Cmd_print_Click(source);
    EXPECT_TRUE(Pages(printer()).empty());
    EXPECT_EQ(shown, (std::vector<std::pair<QString, bool>>{{QStringLiteral("指定された日付が正しくありません"), true}}));
    EXPECT_TRUE(window.isEnabled());
  }
}

TEST_F(DiaryAndSpreadTest, ThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  source.lines = {QStringLiteral("2009/03/10 予定 会議"), QStringLiteral("2010/03/11 予定 面談")};
  const QString spreadPdf = usePdfPrinter(QStringLiteral("schedprint-day-spread-221"));
  source.choose(22, 0, QDate(2009, 3, 10), QStringLiteral("1"));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(spreadPdf), 4);
  const auto spreadWords = PdfWords(spreadPdf);
  EXPECT_EQ(FindWord(spreadWords, QStringLiteral("平成21年3月10日")).page, 1);
  EXPECT_EQ(FindWord(spreadWords, QStringLiteral("23")).page, 2);
  // Two diary pages side by side on one portrait side.
  const QString diaryPdf = usePdfPrinter(QStringLiteral("schedprint-diary-244"));
  source.choose(24, 3, QDate(2009, 3, 10), QStringLiteral("1"));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(diaryPdf), 1);
  const auto diaryWords = PdfWords(diaryPdf);
  const PdfWord left = FindWord(diaryWords, QStringLiteral("3月10日"));
  const PdfWord right = FindWord(diaryWords, QStringLiteral("3月11日"));
  EXPECT_LT(left.xMinMm, 20);
  EXPECT_GT(right.xMinMm, 100);
  EXPECT_GT(FindWord(diaryWords, QStringLiteral("面談")).xMinMm, 100);
}

}  // namespace
