// The four-up sheets of the four-fold sizes: which pages each code puts on a
// landscape sheet, in which order and for which dates.
#include <functional>

#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "schedule_print/DayPage.h"
#include "schedule_print/DayRowsPage.h"
#include "schedule_print/FiveYearDiaryPage.h"
#include "schedule_print/FourUpPages.h"
#include "schedule_print/MonthGridPage.h"
#include "schedule_print/MonthListPage.h"
#include "schedule_print/ScheduleDrivers.h"
#include "schedule_print/SchedulePrintButton.h"
#include "schedule_print/YearCalendar.h"
#include "core/dates/Calendar.h"

namespace {

constexpr int kChyoA4 = 15;
constexpr int kChyoA7 = 16;

// A text as it lands on the sheet.
struct Placed {
  QString text;
  double x, y;
  bool operator==(const Placed& o) const {
    return text == o.text && std::abs(x - o.x) < 1e-3 && std::abs(y - o.y) < 1e-3;
  }
};
std::ostream& operator<<(std::ostream& out, const Placed& p) {
  return out << '"' << p.text.toStdString() << "\" at " << p.x << ", " << p.y;
}

std::vector<Placed> PlacedTexts(const std::vector<RecordedOp>& ops) {
  std::vector<Placed> out;
  for (const RecordedOp& op : ops)
    if (op.kind == RecordedOp::Text) out.push_back({op.text, op.x1, op.y1});
  return out;
}

// Page k of a sheet drawn for a date.
using PageDraw = std::function<void(SchedulePrintSource&, const QDate&, double, double)>;

class FourUpSheetsTest : public SchedulePrintTest {
 protected:
  void SetUp() override {
    SchedulePrintTest::SetUp();
    LoadPaperSettings(kChyoA4);
    PaperSettings.PrintMargin = 3;
    source.options.OptPrintEntries = 1;
    source.options.DiaryYears = 3;
  }
  void TearDown() override {
    SetFourUpWeekRuledPage({});
    SchedulePrintTest::TearDown();
  }
  int run(int16_t code, const QDate& day, const QString& sheets) {
    source.choose(code / 10, code % 10 - 1, day, sheets);
    QDate start = PrintStartDay(source.controls, 0);
    SetPrinterScaleMode(kScaleMillimetres);
    const int result = PrintFourUpSheets(source, code, start);
    EndPrintDocument();
    return result;
  }
  // The texts of pages drawn one after another straight through their
  // renderers, each with its date, at the sheet's page k.
  std::vector<Placed> expected(const std::vector<std::pair<PageDraw, QDate>>& pages) {
    printer().clearOps();
    SetPrinterScaleMode(kScaleMillimetres);
    for (size_t i = 0; i < pages.size(); ++i) {
      const int k = int(i % 4) + 1;
      pages[i].first(source, pages[i].second, PaperSettings.SheetPageX[k], PaperSettings.SheetPageY[k]);
    }
    auto out = PlacedTexts(printer().ops());
    printer().clearOps();
    return out;
  }
  // The texts of each printed sheet, joined in sheet order.
  std::vector<Placed> printedSheets(size_t sheets) {
    const auto pages = Pages(printer());
    EXPECT_EQ(pages.size(), sheets);
    std::vector<Placed> out;
    for (const auto& page : pages) {
      const auto placed = PlacedTexts(page);
      out.insert(out.end(), placed.begin(), placed.end());
    }
    return out;
  }
};

PageDraw Year() {
  return [](SchedulePrintSource& s, const QDate& d, double x1, double x2) { DrawYearCalendar(s, d, x1, x2); };
}
PageDraw MonthList() {
  return [](SchedulePrintSource& s, const QDate& d, double x1, double x2) { DrawMonthListPage(s, 0, d, x1, x2); };
}
PageDraw Grid(int mode) {
  return [mode](SchedulePrintSource& s, const QDate& d, double x1, double x2) { DrawMonthGridPage(s, mode, d, x1, x2); };
}
PageDraw Day(int position) {
  return [position](SchedulePrintSource& s, const QDate& d, double x1, double x2) { DrawDayPage(s, position, d, x1, x2); };
}
PageDraw Memo(int mode) {
  return [mode](SchedulePrintSource& s, const QDate& d, double x1, double x2) { DrawDayRowsOrMemoPage(s, mode, d, x1, x2); };
}
PageDraw Diary() {
  return [](SchedulePrintSource& s, const QDate& d, double x1, double x2) {
    DrawFiveYearDiaryPage(s, 5, DateToText(d), x1, x2);
  };
}

TEST_F(FourUpSheetsTest, PagesAndDatesOfEachCode) {
  source.lines = {QStringLiteral("2009/04/01 予定 花見"), QStringLiteral("2010/01/01 予定 初詣")};
  const QDate mar1(2009, 3, 1), apr1(2009, 4, 1), may1(2009, 5, 1), jun1(2009, 6, 1);
  struct Case {
    int16_t code;
    QDate chosen;
    std::vector<std::pair<PageDraw, QDate>> pages;  // two sheets
  } cases[] = {
      {DesignCodeOf(kDesignYearCalendar, 1), QDate(2009, 3, 1),
       {{Year(), mar1}, {Year(), QDate(2010, 1, 1)}, {Year(), QDate(2011, 1, 1)}, {Year(), QDate(2012, 1, 1)},
        {Year(), QDate(2013, 1, 1)}, {Year(), QDate(2014, 1, 1)}, {Year(), QDate(2015, 1, 1)}, {Year(), QDate(2016, 1, 1)}}},
      {DesignCodeOf(kDesignMonthRuled, 1), QDate(2009, 3, 15),
       {{MonthList(), mar1}, {MonthList(), apr1}, {MonthList(), may1}, {MonthList(), jun1},
        {MonthList(), QDate(2009, 7, 1)}, {MonthList(), QDate(2009, 8, 1)}, {MonthList(), QDate(2009, 9, 1)},
        {MonthList(), QDate(2009, 10, 1)}}},
      {DesignCodeOf(kDesignMonthGrid, 1), QDate(2009, 11, 1),
       {{Grid(0), QDate(2009, 11, 1)}, {Grid(0), QDate(2009, 12, 1)}, {Grid(0), QDate(2010, 1, 1)},
        {Grid(0), QDate(2010, 2, 1)}, {Grid(0), QDate(2010, 3, 1)}, {Grid(0), QDate(2010, 4, 1)},
        {Grid(0), QDate(2010, 5, 1)}, {Grid(0), QDate(2010, 6, 1)}}},
      // The two halves of a month's spread, then of the next month.
      {DesignCodeOf(kDesignMonthGridLeftMargin, 1), QDate(2009, 3, 20),
       {{Grid(3), mar1}, {Grid(4), mar1}, {Grid(3), apr1}, {Grid(4), apr1}, {Grid(3), may1}, {Grid(4), may1},
        {Grid(3), jun1}, {Grid(4), jun1}}},
      {DesignCodeOf(kDesignMonthGridRightMargin, 1), QDate(2009, 3, 20), {{Grid(1), mar1}, {Grid(2), mar1}, {Grid(1), apr1}, {Grid(2), apr1},
                                {Grid(1), may1}, {Grid(2), may1}, {Grid(1), jun1}, {Grid(2), jun1}}},
      // From the chosen day, not the first of its month.
      {DesignCodeOf(kDesignDay, 1), QDate(2009, 3, 30),
       {{Day(0), QDate(2009, 3, 30)}, {Day(0), QDate(2009, 3, 31)}, {Day(0), apr1}, {Day(0), QDate(2009, 4, 2)},
        {Day(0), QDate(2009, 4, 3)}, {Day(0), QDate(2009, 4, 4)}, {Day(0), QDate(2009, 4, 5)},
        {Day(0), QDate(2009, 4, 6)}}},
      // Five year bands whatever the window's count; real calendar days.
      {DesignCodeOf(kDesignFiveYearDiary, 1), QDate(2009, 12, 31),
       {{Diary(), QDate(2009, 12, 31)}, {Diary(), QDate(2010, 1, 1)}, {Diary(), QDate(2010, 1, 2)},
        {Diary(), QDate(2010, 1, 3)}, {Diary(), QDate(2010, 1, 4)}, {Diary(), QDate(2010, 1, 5)},
        {Diary(), QDate(2010, 1, 6)}, {Diary(), QDate(2010, 1, 7)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const auto want = expected(c.pages);
    ASSERT_EQ(run(c.code, c.chosen, QStringLiteral("2")), 1);
    const auto got = printedSheets(2);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], want[i]) << i;
    printer().clearOps();
  }
}

TEST_F(FourUpSheetsTest, DayAndMemoPagesKeepThePaperBands) {
  for (int size : {kChyoA4, kChyoA7}) {
    SCOPED_TRACE(size);
    LoadPaperSettings(size);
    const int16_t head = PaperSettings.HeadHeight, data = PaperSettings.DataHeight;
    // The day pages of two days a sheet under a thin header band.
    PaperSettings.HeadHeight = 2;
    PaperSettings.DataHeight = 10;
    const auto want = expected({{Day(0), QDate(2009, 3, 31)}, {Memo(3), QDate(2009, 3, 31)},
                                {Day(1), QDate(2009, 4, 1)}, {Memo(3), QDate(2009, 4, 1)},
                                {Day(0), QDate(2009, 4, 2)}, {Memo(3), QDate(2009, 4, 2)},
                                {Day(1), QDate(2009, 4, 3)}, {Memo(3), QDate(2009, 4, 3)}});
    PaperSettings.HeadHeight = head;
    PaperSettings.DataHeight = data;
    ASSERT_EQ(run(212, QDate(2009, 3, 31), QStringLiteral("2")), 1);
    const auto got = printedSheets(2);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], want[i]) << i;
    EXPECT_EQ(PaperSettings.HeadHeight, head);
    EXPECT_EQ(PaperSettings.DataHeight, data);
    printer().clearOps();
  }
}

TEST_F(FourUpSheetsTest, WeeklyPagesThroughTheWeekPage) {
  std::vector<std::pair<QDate, double>> weeks;
  SetFourUpWeekRuledPage([&](SchedulePrintSource&, const QDate& day, double x1, double) { weeks.emplace_back(day, x1); });
  const auto x = [](int k) { return double(PaperSettings.SheetPageX[k]); };
  ASSERT_EQ(run(121, QDate(2009, 3, 2), QStringLiteral("2")), 1);
  EXPECT_EQ(weeks, (std::vector<std::pair<QDate, double>>{{QDate(2009, 3, 2), x(1)}, {QDate(2009, 3, 9), x(2)},
                                                          {QDate(2009, 3, 16), x(3)}, {QDate(2009, 3, 23), x(4)},
                                                          {QDate(2009, 3, 30), x(1)}, {QDate(2009, 4, 6), x(2)},
                                                          {QDate(2009, 4, 13), x(3)}, {QDate(2009, 4, 20), x(4)}}));
  // Week, its check-list memo, the next week, its memo.
  weeks.clear();
  const auto memos = expected({{Memo(2), QDate(2009, 3, 2)}, {Memo(2), QDate(2009, 3, 2)},
                               {Memo(2), QDate(2009, 3, 9)}, {Memo(2), QDate(2009, 3, 9)}});
  printer().clearOps();
  ASSERT_EQ(run(131, QDate(2009, 3, 2), QStringLiteral("1")), 1);
  EXPECT_EQ(weeks, (std::vector<std::pair<QDate, double>>{{QDate(2009, 3, 2), x(1)}, {QDate(2009, 3, 9), x(3)}}));
  const auto got = printedSheets(1);
  // The memo pages stand at pages 2 and 4.
  std::vector<Placed> memoPages;
  for (size_t i = 0; i < memos.size(); ++i)
    if ((memos[i].x >= x(2) && memos[i].x < x(3)) || memos[i].x >= x(4)) memoPages.push_back(memos[i]);
  EXPECT_EQ(got, memoPages);
}

TEST_F(FourUpSheetsTest, StandardWeekPageFillsEveryQuarter) {
  // Without a stand-in the sheets carry the real weekly ruled page: each
  // quarter gets its own week title, 2009/03/02 to 03/23.
  ASSERT_EQ(run(121, QDate(2009, 3, 2), QStringLiteral("1")), 1);
  std::vector<int> textsPerQuarter(4, 0);
  for (const RecordedOp& op : printer().ops()) {
    if (op.kind != RecordedOp::Text) continue;
    for (int k = 4; k >= 1; --k)
      if (op.x1 >= PaperSettings.SheetPageX[k]) {
        ++textsPerQuarter[k - 1];
        break;
      }
  }
  for (int k = 0; k < 4; ++k) EXPECT_GT(textsPerQuarter[k], 7) << "quarter " << k + 1;
}

TEST_F(FourUpSheetsTest, WhatTheFourFoldSizesDoNotPrint) {
  for (int design : {10, 14}) {
    SCOPED_TRACE(design);
    source.choose(design, 0, QDate(2009, 3, 1));
    Cmd_print_Click(source);
    EXPECT_TRUE(Pages(printer()).empty());
    EXPECT_EQ(messageTexts().value(messageTexts().size() - 1), kNotPrintable);
  }
  // No sheets: nothing printed, the code still taken, and the paper's bands
  // as they were (code 212 thins them while it prints).
  const int16_t head = PaperSettings.HeadHeight, data = PaperSettings.DataHeight;
  for (int16_t code : {DesignCodeOf(kDesignYearCalendar, 1), DesignCodeOf(kDesignMonthRuled, 1), DesignCodeOf(kDesignMonthGrid, 1),
                        DesignCodeOf(kDesignMonthGridRightMargin, 1), DesignCodeOf(kDesignMonthGridLeftMargin, 1), DesignCodeOf(kDesignMonthGridWideWeekend, 1),
                        DesignCodeOf(kDesignMonthGridNarrowWeekend, 1), DesignCodeOf(kDesignWeekRuled, 1), DesignCodeOf(kDesignWeekRuledMemo, 1),
                        DesignCodeOf(kDesignDay, 1), DesignCodeOf(kDesignDay, 2), DesignCodeOf(kDesignFiveYearDiary, 1)}) {
    for (const QString& sheets : {QStringLiteral("0"), QStringLiteral("abc"), QStringLiteral("-3")}) {
      SCOPED_TRACE(testing::Message() << code << " " << sheets.toStdString());
      printer().clearOps();
      EXPECT_EQ(run(code, QDate(2009, 3, 31), sheets), 1);
      EXPECT_TRUE(Pages(printer()).empty());
      EXPECT_EQ(PaperSettings.HeadHeight, head);
      EXPECT_EQ(PaperSettings.DataHeight, data);
    }
  }
  // The days of 211, 212 and 241 come from the three lists: a blank year
  // makes no start day, and nothing is printed.
  for (int16_t code : {DesignCodeOf(kDesignDay, 1), DesignCodeOf(kDesignDay, 2), DesignCodeOf(kDesignFiveYearDiary, 1)}) {
    SCOPED_TRACE(code);
    printer().clearOps();
    source.choose(code / 10, code % 10 - 1, QDate(2009, 3, 31), QStringLiteral("1"));
    source.controls.Cmb_Nen = QStringLiteral("    ");
    QDate start(2009, 3, 1);
    int16_t c = code;
    SetPrinterScaleMode(kScaleMillimetres);
    EXPECT_EQ(PrintFourUpSheets(source, c, start), 1);
    EndPrintDocument();
    EXPECT_TRUE(Pages(printer()).empty());
    EXPECT_EQ(PaperSettings.HeadHeight, head);
    EXPECT_EQ(PaperSettings.DataHeight, data);
  }
}

TEST_F(FourUpSheetsTest, PreviewShowsWholeSheetsLandscape) {
  previewNext();
  source.choose(21, 1, QDate(2009, 3, 31), QStringLiteral("2"));
  Cmd_print_Click(source);
  EXPECT_EQ(previewOutlines(), (std::vector<int>{0, 0}));
  EXPECT_TRUE(messageTexts().isEmpty());  // no paper prompts
}

TEST_F(FourUpSheetsTest, ThroughThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-fourup-212"));
  source.choose(21, 1, QDate(2009, 3, 31), QStringLiteral("1"));
  Cmd_print_Click(source);
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto sizes = PdfPageSizes(pdf);
  EXPECT_NEAR(sizes[0].widthMm, 297, 1);
  EXPECT_NEAR(sizes[0].heightMm, 210, 1);
  const auto words = PdfWords(pdf);
  // The day numbers are the large words; the mini calendars have their own.
  const auto large = [&](const QString& text) {
    for (const PdfWord& w : words)
      if (w.text == text && w.yMaxMm - w.yMinMm > 4) return w;
    return PdfWord{};
  };
  const PdfWord first = large(QStringLiteral("31"));
  const PdfWord second = large(QStringLiteral("1"));
  EXPECT_NEAR(first.xMinMm, 5, 1.5);
  EXPECT_NEAR(second.xMinMm, 155.2, 1.5);
  EXPECT_NEAR(first.yMinMm, 5, 1.5);
  EXPECT_NEAR(second.yMinMm, 5, 1.5);
  EXPECT_NEAR(first.yMaxMm - first.yMinMm, 24 * 25.4 / 72 * 0.75, 3);
  bool weekday = false;
  for (const PdfWord& w : words)
    weekday |= w.text == QStringLiteral("火") && w.xMinMm > first.xMaxMm && w.xMinMm < first.xMaxMm + 20 &&
               w.yMaxMm < first.yMaxMm + 1;
  EXPECT_TRUE(weekday);
}

}  // namespace
