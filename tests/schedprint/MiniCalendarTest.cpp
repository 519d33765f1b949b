// The small month calendar: where each day lands, its font size, the rings
// round holidays, the turned variant and the calendar read back from a PDF.
#include "PdfReadBack.h"
#include "SchedulePrintKit.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "schedule_print/MiniCalendar.h"

namespace {

class MiniCalendarTest : public SchedulePrintTest {
 protected:
  // Draws March 2009 into the box and returns where each day number landed
  // as (column, row) of the box's 7 × 6 grid.
  std::map<int, std::pair<int, int>> cellsOfMarch(double x1, double y1, double x2, double y2) {
    printer().clearOps();
    DrawMiniCalendar(source, QDate(2009, 3, 1), x1, y1, x2, y2);
    const auto texts = printer().opsOf(RecordedOp::Text);
    // The first day row starts below the title and weekday lines.
    const double fsMm = MiniCalendarFontSize(x1, y1, x2, y2) * 25.4 / 72;
    const double top = y1 + 2 * fsMm;
    const double w = (x2 - x1) / 7;
    const double h = (y2 - top) / 6;
    std::map<int, std::pair<int, int>> cells;
    for (const RecordedOp& op : texts) {
      if (op.y1 < top - 0.01) continue;
      bool ok = false;
      const int day = op.text.toInt(&ok);
      if (!ok) continue;
      cells[day] = {int((op.x1 - x1 + 0.01) / w), int((op.y1 - top + 0.01) / h) + 1};
    }
    return cells;
  }
};

TEST_F(MiniCalendarTest, DaysLandInTheirWeekAndColumn) {
  source.options.OptSundayStart = 0;
  auto cells = cellsOfMarch(10, 20, 80, 70);
  ASSERT_EQ(cells.size(), 31u);
  EXPECT_EQ(cells[1], std::make_pair(6, 1));
  EXPECT_EQ(cells[2], std::make_pair(0, 2));
  EXPECT_EQ(cells[30], std::make_pair(0, 6));
  EXPECT_EQ(cells[31], std::make_pair(1, 6));

  source.options.OptSundayStart = 1;
  cells = cellsOfMarch(10, 20, 80, 70);
  EXPECT_EQ(cells[1], std::make_pair(0, 1));
  EXPECT_EQ(cells[28], std::make_pair(6, 4));
  EXPECT_EQ(cells[29], std::make_pair(0, 5));
}

TEST_F(MiniCalendarTest, FontSizeFillsTheSmallerSide) {
  EXPECT_FLOAT_EQ(MiniCalendarFontSize(0, 0, 70, 50), 20.25f);
  EXPECT_FLOAT_EQ(MiniCalendarFontSize(0, 0, 35, 60), 14.175f);
  DrawMiniCalendar(source, QDate(2009, 3, 1), 0, 0, 35, 60);
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Text)) EXPECT_FLOAT_EQ(op.fontSize, 14.175f);
}

TEST_F(MiniCalendarTest, HolidaysAreRingedInTheirInk) {
  source.lines = {QStringLiteral("2009/03/20 祝日 春分の日")};
  for (int colour : {0, 1}) {
    SCOPED_TRACE(colour);
    source.options.OptColourPrint = int16_t(colour);
    printer().clearOps();
    DrawMiniCalendar(source, QDate(2009, 3, 1), 10, 20, 80, 70);
    const auto circles = printer().opsOf(RecordedOp::Circle);
    ASSERT_EQ(circles.size(), 1u);
    const auto twenty = FindText(printer().ops(), QStringLiteral("20"));
    ASSERT_TRUE(twenty);
    const double s = MiniCalendarFontSize(10, 20, 80, 70) / 5.6;
    EXPECT_NEAR(circles[0].x1, twenty->x1 + s, 1e-3);
    EXPECT_NEAR(circles[0].y1, twenty->y1 + s, 1e-3);
    EXPECT_NEAR(circles[0].x2, 0.9 * s, 1e-3);
    EXPECT_EQ(circles[0].color, uint32_t(ColorByIndex(colour ? 4 : 0)));
    EXPECT_EQ(twenty->color, uint32_t(ColorByIndex(colour ? 4 : 0)));
    // Sunday's number is red only in colour.
    const auto first = FindText(printer().ops(), QStringLiteral("1"));
    EXPECT_EQ(first->color, uint32_t(ColorByIndex(colour ? 4 : 0)));
  }
}

TEST_F(MiniCalendarTest, EnglishWeekdaysSitHalfACharacterIn) {
  source.options.OptEnglish = 1;
  DrawMiniCalendar(source, QDate(2009, 3, 1), 10, 20, 80, 70);
  const QStringList texts = printer().texts();
  ASSERT_GE(texts.size(), 8);
  EXPECT_EQ(texts.mid(1, 7).join(QString()), QStringLiteral("M T W T F S S "));
  const auto names = printer().opsOf(RecordedOp::Text);
  EXPECT_NEAR(names[1].x1, 10 + HalfCharWidthMm(20.25f) / 2, 1e-3);
}

TEST_F(MiniCalendarTest, TurnedVariantUsesEightSlices) {
  source.options.OptSundayStart = 0;
  DrawMiniCalendarApi(source, QDate(2009, 3, 1), 0, 0, 80, 70);
  const auto ops = printer().opsOf(RecordedOp::RotatedText);
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].text, QStringLiteral("2009/3"));
  const double slice = 10, h = 10;
  // Weekday names in slice 1, from the bottom up.
  EXPECT_EQ(ops[1].text, QStringLiteral("月"));
  EXPECT_NEAR(ops[1].x1, slice, 0.05);
  // 2 March opens week 2 (slice 3) in the Monday row at the bottom; 1 March
  // is in week 1 (slice 2), Sunday row 6 above the bottom, half a character lower.
  const auto two = FindText(ops, QStringLiteral(" 2"));
  const auto one = FindText(ops, QStringLiteral(" 1"));
  ASSERT_TRUE(two && one);
  EXPECT_NEAR(two->x1, 3 * slice, 0.05);
  EXPECT_NEAR(two->y1, 70 + HalfCharWidthMm(MiniCalendarApiFontSize(0, 0, 80, 70)) / 2, 0.05);
  EXPECT_NEAR(one->x1, 2 * slice, 0.05);
  EXPECT_NEAR(one->y1, 70 - 6 * h + HalfCharWidthMm(MiniCalendarApiFontSize(0, 0, 80, 70)) / 2, 0.05);
  EXPECT_EQ(FindText(ops, QStringLiteral("31"))->x1, FindText(ops, QStringLiteral("30"))->x1);
}

TEST_F(MiniCalendarTest, ReadBackFromThePdfPrinter) {
  if (!PopplerAvailable()) GTEST_SKIP() << "poppler-utils are not installed";
  const QString pdf = usePdfPrinter(QStringLiteral("schedprint-mini-calendar"));
  ASSERT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  SetPrinterScaleMode(kScaleMillimetres);
  BeginPage();
  DrawMiniCalendar(source, QDate(2009, 3, 1), 10, 20, 80, 70);
  FinishOutput();
  EndPrintDocument();
  ASSERT_EQ(PdfPageCount(pdf), 1);
  const auto words = PdfWords(pdf);
  const PdfWord title = FindWord(words, QStringLiteral("2009/3"));
  ASSERT_EQ(title.page, 1);
  EXPECT_NEAR(title.xMinMm, 37.3, 0.6);
  EXPECT_NEAR(title.yMinMm, 23, 1.5);
  // 1 March: the last column of the first week row; 31 March: the second
  // column of the sixth.
  const double fsMm = 20.25 * 25.4 / 72;
  const double firstRowTop = 3 + 20 + 2 * fsMm;
  const double rowH = (70 - 20 - 2 * fsMm) / 6;
  bool foundOne = false, foundThirtyOne = false;
  for (const PdfWord& w : words) {
    if (w.text == QStringLiteral("1") && w.yMinMm < firstRowTop + rowH) {
      foundOne = true;
      EXPECT_NEAR(w.xMinMm, 74.8, 0.8);
    }
    if (w.text == QStringLiteral("31")) {
      foundThirtyOne = true;
      EXPECT_NEAR(w.xMinMm, 23, 0.8);
      EXPECT_GT(w.yMinMm, firstRowTop + 5 * rowH - 1.5);
    }
  }
  EXPECT_TRUE(foundOne);
  EXPECT_TRUE(foundThirtyOne);
}

}  // namespace
