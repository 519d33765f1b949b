// Two-month pages and the four spreads: their bands and columns, and the
// driver's spread and year layouts with their messages and page order.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/MonthGridGeometry.h"
#include "schedule_print/MonthGridPage.h"
#include "schedule_print/SchedulePrintButton.h"

namespace {

constexpr double kW = 80;

class SpreadPagesTest : public SchedulePrintTest {
 protected:
  std::vector<RecordedOp> drawPage(int gridMode, const QDate& month) {
    printer().clearOps();
    BeginPage();
    DrawMonthGridPage(source, gridMode, month, kX1, kX2);
    FinishOutput();
    return Pages(printer()).back();
  }
  int runDriver(int16_t code, const QString& sheets, QDate start) {
    source.controls.Txt_maisu = sheets;
    SetPrinterScaleMode(kScaleMillimetres);
    const int result = PrintYearMonthDesigns(source, code, start);
    EndPrintDocument();
    return result;
  }
  static std::vector<RecordedOp> Lines(const std::vector<RecordedOp>& ops) {
    std::vector<RecordedOp> out;
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Line) out.push_back(op);
    return out;
  }
  // Outer page frames on a side: style-2 boxes down to FootHeight.
  static std::vector<std::pair<double, double>> Frames(const std::vector<RecordedOp>& page) {
    std::vector<std::pair<double, double>> out;
    for (const RecordedOp& op : page)
      if (op.kind == RecordedOp::Box && std::abs(op.y2 - PaperSettings.FootHeight) < 1e-6) out.emplace_back(op.x1, op.x2);
    return out;
  }
  static bool HasTextIn(const std::vector<RecordedOp>& ops, const QString& text, double from, double to) {
    for (const RecordedOp& op : ops)
      if (op.kind == RecordedOp::Text && op.text.trimmed() == text && op.x1 >= from && op.x1 < to) return true;
    return false;
  }
};

TEST_F(SpreadPagesTest, StackedMonthsCountTheirOwnRows) {
  source.options.OptHideSixthWeek = 1;
  source.options.OptSundayStart = 0;
  const auto bands = MonthGridBands(21, QDate(2009, 3, 1), kX1, kX2, source.options);
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_EQ(bands[0].weekRows, 6);
  EXPECT_EQ(bands[1].weekRows, 5);
  EXPECT_EQ(bands[1].month, QDate(2009, 4, 1));
  const auto ops = drawPage(21, QDate(2009, 3, 1));
  EXPECT_TRUE(FindText(ops, QStringLiteral("平成21年3月 (2009)")));
  EXPECT_TRUE(FindText(ops, QStringLiteral("平成21年4月 (2009)")));
  // The memo table of a two-month page has no room: it collapses to a line.
  source.options.OptMemo = 1;
  const auto memo = drawPage(21, QDate(2009, 3, 1));
  EXPECT_FALSE(FindText(memo, QStringLiteral("A")));
  EXPECT_NEAR(bands[1].bottom, PaperSettings.FootHeight, 1e-9);
}

TEST_F(SpreadPagesTest, ColumnTablesOfTheWeekendSpreads) {
  const auto six = GridColumns(6);
  EXPECT_FALSE(six[3].shown);
  EXPECT_DOUBLE_EQ(six[4].width, 1.0 / 4);
  EXPECT_DOUBLE_EQ(six[5].left, 1.0 / 4);
  EXPECT_DOUBLE_EQ(six[6].left, 5.0 / 8);
  EXPECT_DOUBLE_EQ(six[6].width, 3.0 / 8);
  const auto eight = GridColumns(8);
  EXPECT_DOUBLE_EQ(eight[4].left, 1.0 / 3);
  EXPECT_DOUBLE_EQ(eight[5].left, 2.0 / 3);
  EXPECT_DOUBLE_EQ(eight[6].left, 5.0 / 6);
  EXPECT_DOUBLE_EQ(eight[6].width, 1.0 / 6);

  const auto ops = drawPage(8, QDate(2009, 3, 1));
  const GridBand band = MonthGridBands(8, QDate(2009, 3, 1), kX1, kX2, source.options).front();
  const double gridTop = band.top + GridHeaderHeight(HalfCharWidthMm(PaperSettings.DefaultFontSize));
  const double rowH = (band.bottom - gridTop) / band.weekRows;
  bool sundayLine = false, saturdayLine = false;
  for (const RecordedOp& l : Lines(ops)) {
    if (std::abs(l.x1 - l.x2) > 1e-3 || std::abs(l.y1 - band.top) > 1e-3) continue;
    if (std::abs(l.x1 - (kX1 + 5 * kW / 6)) < 1e-3) {
      sundayLine = true;
      EXPECT_NEAR(l.y2, band.bottom - rowH, 1e-3);
    }
    if (std::abs(l.x1 - (kX1 + 2 * kW / 3)) < 1e-3) {
      saturdayLine = true;
      EXPECT_NEAR(l.y2, band.bottom, 1e-3);
    }
  }
  EXPECT_TRUE(sundayLine && saturdayLine);
}

TEST_F(SpreadPagesTest, WeekendSpreadsStartOnMonday) {
  source.options.OptSundayStart = 1;
  for (int mode : {5, 6, 7, 8}) {
    SCOPED_TRACE(mode);
    const auto ops = drawPage(mode, QDate(2009, 3, 1));
    if (mode % 2 == 1) {
      // Monday 2 March opens the second row in the first column.
      const auto two = FindText(ops, QStringLiteral("  2 "));
      ASSERT_TRUE(two);
      EXPECT_NEAR(two->x1, kX1, 1e-6);
      EXPECT_FALSE(FindText(ops, QStringLiteral("  1 "))) << "Sunday 1 March lies on the right page";
    } else {
      // Sunday 1 March ends the first row in the last column, Sunday 8 March
      // the second; Monday 2 March lies on the left page. (The mini
      // calendars' numbers carry no padding.)
      const auto exact = [&](const QString& text) {
        for (const RecordedOp& op : ops)
          if (op.kind == RecordedOp::Text && op.text == text) return std::optional<RecordedOp>(op);
        return std::optional<RecordedOp>();
      };
      const auto one = exact(QStringLiteral("  1 "));
      const auto eight = exact(QStringLiteral("  8 "));
      ASSERT_TRUE(one && eight);
      EXPECT_NEAR(one->x1, kX1 + GridColumns(mode)[6].left * kW, 1e-4);
      EXPECT_NEAR(eight->x1, one->x1, 1e-4);
      EXPECT_GT(eight->y1, one->y1);
      EXPECT_FALSE(exact(QStringLiteral("  2 ")));
    }
  }
}

TEST_F(SpreadPagesTest, MarginDayListHas31RowsAnd32Rules) {
  source.options.OptGridMargin = 1;
  const auto ops = drawPage(2, QDate(2009, 4, 1));
  const double mx = kX1 + 3 * kW / 4;
  int rules = 0;
  for (const RecordedOp& l : Lines(ops))
    if (std::abs(l.x1 - mx) < 1e-6 && std::abs(l.x2 - (mx + kW / 4)) < 1e-6 && l.y1 == l.y2) ++rules;
  EXPECT_EQ(rules, 32);
  const GridBand band = MonthGridBands(2, QDate(2009, 4, 1), kX1, kX2, source.options).front();
  int labels = 0;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text && std::abs(op.x1 - mx) < 1e-6 && op.y1 > band.top) ++labels;
  EXPECT_EQ(labels, 30);  // April: the last row stays empty
}

TEST_F(SpreadPagesTest, RightPageMemoLettersRunPastZ) {
  source.options.OptMemo = 1;
  source.options.MemoLineCount = 40;
  const auto ops = drawPage(2, QDate(2009, 3, 1));
  EXPECT_TRUE(FindText(ops, QString(QChar(u'A' + 40))));
  EXPECT_TRUE(FindText(ops, QString(QChar(u'A' + 79))));
}

TEST_F(SpreadPagesTest, PouchSheetPutsLastMonthsRightPageBesideTheLeftPage) {
  ASSERT_EQ(runDriver(63, QStringLiteral("1"), QDate(2009, 5, 1)), 1);
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{8, 88}, {93, 173}}));
  EXPECT_TRUE(HasTextIn(pages[0], QStringLiteral("平成21年5月 (2009)"), 93, 173));
  // April's right page carries March's and May's mini calendars.
  EXPECT_TRUE(HasTextIn(pages[0], QStringLiteral("2009/3"), 8, 88));
}

TEST_F(SpreadPagesTest, TwoSpreadsASheetPairNeighbouringMonths) {
  ASSERT_EQ(runDriver(62, QStringLiteral("1"), QDate(2009, 3, 1)), 1);
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page")}));
  const auto pages = Pages(printer());
  ASSERT_EQ(pages.size(), 2u);
  const double half = 200 - 0.5 - 80;
  EXPECT_TRUE(HasTextIn(pages[0], QStringLiteral("平成21年3月 (2009)"), 0, 80));
  EXPECT_TRUE(HasTextIn(pages[0], QStringLiteral("2009/4"), half, 200));  // March's right page
  EXPECT_TRUE(HasTextIn(pages[1], QStringLiteral("平成21年4月 (2009)"), 0, 80));
  EXPECT_TRUE(HasTextIn(pages[1], QStringLiteral("2009/1"), half, 200));  // February's right page
}

TEST_F(SpreadPagesTest, CancelOnTheFirstLeftPageLeavesItOut) {
  const QString first = QStringLiteral("3月の左ページを印刷します。\r\n\r\n用紙を裏面にセットして、\r\nＯＫを押してください。");
  for (int previewing : {0, 1}) {
    SCOPED_TRACE(previewing);
    CurrentPrintJob().previewMode = int16_t(previewing);
    printer().clearOps();
    preview().clearOps();
    answerMessage(platform::MsgResult::Cancel);
    const size_t shownBefore = shownMessages().size();
    const int previewsBefore = previewPagesShown();
    ASSERT_EQ(runDriver(61, QStringLiteral("1"), QDate(2009, 3, 1)), 1);
    ASSERT_EQ(shownMessages().size(), shownBefore + 2);
    EXPECT_EQ(shownMessages()[shownBefore].text, first);
    EXPECT_EQ(shownMessages()[shownBefore + 1].text, PaperSetMessage(0));
    const auto pages = Pages(previewing ? preview() : printer());
    ASSERT_EQ(pages.size(), 1u);
    // March's right page at the front range.
    EXPECT_EQ(Frames(pages[0]), (std::vector<std::pair<double, double>>{{8, 88}}));
    if (previewing) {
      EXPECT_EQ(previewPagesShown(), previewsBefore + 1);
    }
  }
  CurrentPrintJob().previewMode = 0;
}

TEST_F(SpreadPagesTest, LaterLeftPageMessagesShowAlwaysAndCancelEndsTheJob) {
  CurrentPrintJob().confirmPrompts = 0;  // the spread messages show all the same
  answerMessage(platform::MsgResult::Ok);
  answerMessage(platform::MsgResult::Cancel);
  runDriver(71, QStringLiteral("2"), QDate(2009, 3, 1));
  ASSERT_EQ(messageTexts().size(), 2);
  EXPECT_TRUE(messageTexts()[1].startsWith(QStringLiteral("4月の左ページを印刷します。\r\n\r\n表面の印刷が終了するのを")));
  EXPECT_EQ(Pages(printer()).size(), 2u);
  // Zero sheets: no page and no message.
  printer().clearOps();
  runDriver(81, QStringLiteral("0"), QDate(2009, 3, 1));
  EXPECT_TRUE(Pages(printer()).empty());
  EXPECT_EQ(messageTexts().size(), 2);
}

TEST_F(SpreadPagesTest, YearCalendarsFrontAndBack) {
  runDriver(1, QStringLiteral("1"), QDate(2009, 3, 1));
  EXPECT_EQ(jobSequence(), (QStringList{QStringLiteral("page"), QStringLiteral("prompt(1)"), QStringLiteral("page")}));
  const auto pages = Pages(printer());
  EXPECT_TRUE(HasTextIn(pages[0], QStringLiteral("平成21年(2009) 丑"), 8, 88));
  EXPECT_TRUE(HasTextIn(pages[1], QStringLiteral("平成22年(2010) 寅"), 0, 80));
  printer().clearOps();
  runDriver(4, QStringLiteral("1"), QDate(2009, 3, 1));
  const auto sheet = Pages(printer());
  ASSERT_EQ(sheet.size(), 2u);
  const double half = 200 - 0.5 - 80;
  EXPECT_TRUE(HasTextIn(sheet[0], QStringLiteral("平成24年(2012) 辰"), 0, 80));
  EXPECT_TRUE(HasTextIn(sheet[0], QStringLiteral("平成21年(2009) 丑"), half, 200));
  EXPECT_TRUE(HasTextIn(sheet[1], QStringLiteral("平成22年(2010) 寅"), 0, 80));
  EXPECT_TRUE(HasTextIn(sheet[1], QStringLiteral("平成23年(2011) 卯"), half, 200));
}

TEST_F(SpreadPagesTest, YearCalendarThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-year-calendar-1"));
  source.choose(0, 0, QDate(2009, 3, 1));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 2);
  const auto words = PdfWords(pdf);
  const PaperSettingsData& p = PaperSettings;
  const auto check = [&](int page, const QString& text, double from, double to) {
    for (const PdfWord& w : words)
      if (w.page == page && w.text == text) {
        EXPECT_GE(w.xMinMm, from) << text.toStdString();
        EXPECT_LE(w.xMaxMm, to) << text.toStdString();
        EXPECT_GE(w.yMinMm, p.HeadHeight + 3 - 1.5) << text.toStdString();
        EXPECT_LE(w.yMaxMm, p.DataHeight + 3 + 1.5) << text.toStdString();
        return;
      }
    ADD_FAILURE() << "no " << text.toStdString() << " on page " << page;
  };
  check(1, QStringLiteral("平成21年(2009)"), 11, 91);
  check(1, QStringLiteral("丑"), 11, 91);
  check(2, QStringLiteral("平成22年(2010)"), 3, 83);
  check(2, QStringLiteral("寅"), 3, 83);
}

}  // namespace

namespace {

// Sheets for a person to look at: a margin spread and a wide-weekend spread
// on A4 sides, and two months stacked.
TEST_F(SpreadPagesTest, SpreadsThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日"), QStringLiteral("2009/03/10 予定 歯医者 10:00")};
  source.options.OptGridMargin = 1;
  struct Case {
    const char* name;
    int design, layout, pages;
  } cases[] = {{"schedprint-spread-62", 6, 1, 2}, {"schedprint-spread-82", 8, 1, 2}, {"schedprint-two-months-113", 11, 2, 1}};
  for (const Case& c : cases) {
    const QString pdf = usePdfPrinter(QString::fromLatin1(c.name));
    source.choose(c.design, c.layout, QDate(2009, 3, 1));
    Cmd_print_Click(source);
    EXPECT_EQ(PdfPageCount(pdf), c.pages) << c.name;
  }
}

}  // namespace
