// The upright table page on the recording surface, bible size at the front.
#include <cmath>
#include <optional>

#include "TablePage.h"
#include "TablePrintTest.h"
#include "TableTemplates.h"
#include "core/dates/DateLists.h"
#include "core/print/PrintSurface.h"

namespace {

class TablePageTest : public TablePrintTest {
 protected:
  // Draws one page at the front position; its end flag.
  int16_t Draw(const TableOptions& o, int16_t page) {
    EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    printer().clearOps();
    BeginPage();
    const TablePrintJob job(o);
    const int16_t end = PrintTablePortrait(job, page, PaperSettings.PageLeft, PaperSettings.PageWidth);
    FinishOutput();
    EndPrintDocument();
    return end;
  }
  std::vector<RecordedOp> Texts() { return printer().opsOf(RecordedOp::Text); }
  std::optional<RecordedOp> Text(const QString& text) {
    for (const RecordedOp& op : Texts())
      if (op.text == text) return op;
    return std::nullopt;
  }
  double RightEnd(const RecordedOp& op) {
    SetFontName(op.fontName);
    SetFontSize(op.fontSize);
    return op.x1 + MeasureTextWidth(op.text);
  }
  static TableOptions Plain(const QString& body, int rows, bool numbers) {
    TableOptions o;
    ApplyTableTemplate(o, 0, false);
    o.body = body;
    o.rowsPos = static_cast<int16_t>(rows - 3);
    o.coln = numbers ? 1 : 0;
    return o;
  }
};

TEST_F(TablePageTest, PocketBookTotalsAreRightAlignedInTheirColumns) {
  TableOptions o;
  ApplyTableTemplate(o, 3, false);
  EXPECT_EQ(Draw(o, 1), 1);
  const TableColumns columns = LayTableColumns(o, 8, 88);
  ASSERT_EQ(columns.count(), 5);
  const struct {
    const char* text;
    int column;
  } totals[] = {{"20,000", 2}, {"2,600", 3}, {"54,000", 4}};
  for (const auto& t : totals) {
    const std::optional<RecordedOp> op = Text(t.text);
    ASSERT_NE(op, std::nullopt) << t.text;
    EXPECT_NEAR(RightEnd(*op), columns.edges[t.column + 1] - 0.5, 1e-3) << t.text;
  }
  EXPECT_NEAR(Text("日付")->x1, 9, 1e-3);
  EXPECT_NEAR(Text("項目")->x1, columns.edges[1] + 1, 1e-3);
  EXPECT_NEAR(Text("前月繰越")->x1, columns.edges[1] + 0.5, 1e-3);
  EXPECT_TRUE(printer().texts().join("").contains("小遣い帳")) << printer().texts().join("|").toStdString();
}

TEST_F(TablePageTest, RowsFallOnPagesWithRunningNumbers) {
  QStringList ten;
  for (int i = 1; i <= 10; ++i) ten << QString::number(i);
  const TableOptions o = Plain(ten.join("\r\n"), 3, true);
  for (int16_t page = 1; page <= 3; ++page) EXPECT_EQ(Draw(o, page), 0) << page;
  EXPECT_EQ(Draw(o, 4), 1);
  QStringList shown;
  for (const RecordedOp& op : Texts()) shown << op.text;
  EXPECT_TRUE(shown.contains("10"));
  EXPECT_TRUE(shown.contains("11"));
  EXPECT_TRUE(shown.contains("12"));
  EXPECT_FALSE(shown.contains("9"));
  EXPECT_FALSE(shown.contains("13"));

  const TableOptions broken = Plain("a\r\n@PAGE\r\nb", 5, true);
  Draw(broken, 1);
  EXPECT_NE(Text("a"), std::nullopt);
  EXPECT_EQ(Text("b"), std::nullopt);
  EXPECT_EQ(Text("03"), std::nullopt);
  EXPECT_EQ(Draw(broken, 2), 1);
  ASSERT_NE(Text("b"), std::nullopt);
  ASSERT_NE(Text("03"), std::nullopt);
  EXPECT_NEAR(Text("03")->y1, Text("b")->y1, 1e-3);
  EXPECT_EQ(Text("a"), std::nullopt);
}

TEST_F(TablePageTest, CellLinesColoursAndTotals) {
  TableOptions o = Plain("word\\n@[BRUE]word2,5\r\n,7\r\n,@[RED]@[VTOTAL]\r\n,1\r\n,@[VTOTAL]", 10, false);
  o.heading = "品名,金額";
  o.colsPos = 1;
  Draw(o, 1);
  const std::optional<RecordedOp> first = Text("word");
  const std::optional<RecordedOp> second = Text("word2");
  ASSERT_NE(first, std::nullopt);
  ASSERT_NE(second, std::nullopt);
  EXPECT_GT(second->y1, first->y1);
  EXPECT_NEAR(second->x1, first->x1, 1e-3);
  EXPECT_NE(second->color, first->color);
  EXPECT_EQ(second->color, 0xFF0000u);  // blue as 0xBBGGRR
  ASSERT_NE(Text("12"), std::nullopt);
  EXPECT_EQ(Text("12")->color, 0x0000FFu);
  EXPECT_NE(Text("1"), std::nullopt);  // the second total: only what came after the first
}

TEST_F(TablePageTest, BigTotalsPrintAsPlainDecimals) {
  EXPECT_EQ(TableTotalText(12345678), "12345678");
  EXPECT_EQ(TableTotalText(2.5), "2.5");
  EXPECT_EQ(FormatTableCell("12345678", 2), "12,345,678");
  EXPECT_EQ(FormatTableCell("abc", 2), "abc");
  EXPECT_EQ(FormatTableCell("0", 2), "");
  EXPECT_EQ(FormatTableCell("100", 6.3), "100.   ");
  EXPECT_EQ(FormatTableCell("", 6.3), "");
}

TEST_F(TablePageTest, RemarksShortenOnlyTheFirstPageAndNoTitleStartsHigher) {
  QStringList many;
  for (int i = 0; i < 12; ++i) many << "r";
  TableOptions o = Plain(many.join("\r\n"), 5, false);
  o.remarks = "one\r\ntwo\r\nthree";
  auto lastRuleY = [&] {
    double bottom = 0;
    for (const RecordedOp& op : printer().opsOf(RecordedOp::Box)) bottom = std::max(bottom, op.y2);
    return bottom;
  };
  Draw(o, 1);
  const double page1 = lastRuleY();
  EXPECT_NE(Text("three"), std::nullopt);
  Draw(o, 2);
  const double page2 = lastRuleY();
  EXPECT_EQ(Text("three"), std::nullopt);
  EXPECT_LT(page1, page2);
  EXPECT_NEAR(page2, PaperSettings.FootHeight, 1e-3);

  o.notitle = 1;
  o.date = 1;
  o.page = 1;
  o.title = "TITLE";
  Draw(o, 2);
  EXPECT_FALSE(printer().texts().join("").contains("TITLE"));
  EXPECT_EQ(Text("P.2"), std::nullopt);
  double top = 1e9;
  for (const RecordedOp& op : printer().opsOf(RecordedOp::Box)) top = std::min(top, op.y1);
  EXPECT_NEAR(top, PaperSettings.HeadHeight, 1e-3);
}

TEST_F(TablePageTest, TheTitleKeepsItsFullWidthBlanks) {
  TableOptions o = Plain("a", 3, false);
  o.title = QStringLiteral("　家計簿 ");
  Draw(o, 1);
  EXPECT_TRUE(printer().texts().join("").contains(QStringLiteral("　家計簿"))) << printer().texts().join("|").toStdString();
  EXPECT_FALSE(printer().texts().join("").contains(QStringLiteral("家計簿 ")));
}

TEST_F(TablePageTest, BadInputDrawsWithoutHanging) {
  QString wide = "h";
  for (int i = 0; i < 10000; ++i) wide += ",c";
  TableOptions o = Plain(QString(100000, u'x') + "\r\n@LINE=99\r\n@LINE=x", 5, true);
  o.heading = wide;
  o.colsPos = 31;
  o.widthPos = {40, 40, 40};
  EXPECT_EQ(Draw(o, 1), 1);
  const TableOptions tooLong = Plain(QString("r\r\n").repeated(30001), 3, false);
  EXPECT_EQ(Draw(tooLong, 10001), 0);
}

TEST_F(TablePageTest, APageBreakAfterAFullPageStartsNoEmptyPage) {
  const TableOptions o = Plain("a\r\nb\r\nc\r\n@PAGE\r\nd", 3, false);
  EXPECT_EQ(Draw(o, 1), 0);
  for (const char* t : {"a", "b", "c"}) EXPECT_NE(Text(t), std::nullopt) << t;
  EXPECT_EQ(Text("d"), std::nullopt);
  EXPECT_EQ(Draw(o, 2), 1);
  ASSERT_NE(Text("d"), std::nullopt);
  EXPECT_EQ(Text("c"), std::nullopt);

  // One month a page over three months of 31, 31 and 28 days.
  SetScheduleToday(QDate(2026, 12, 8));
  TableOptions months;
  ApplyTableTemplate(months, 37, false);
  SetScheduleToday(QDate());
  const char* firstDays[] = {"01 火", "01 金", "01 月"};
  for (int16_t page = 1; page <= 3; ++page) {
    EXPECT_EQ(Draw(months, page), page == 3 ? 1 : 0) << page;
    EXPECT_TRUE(printer().texts().join("|").contains(firstDays[page - 1]))
        << page << printer().texts().join("|").toStdString();
  }
}

// The rows of each page as "page:slot:row:line", walked with one body (the
// pages asked in a jumbled order, as the two-sided sheets ask them) or with a
// fresh body per page.
QStringList TableWalkPages(const QStringList& lines, int rows, const std::vector<int>& order, bool oneBody) {
  const TableBody shared(lines.join("\r\n"));
  QStringList out;
  for (int page : order) {
    const TableBody fresh(lines.join("\r\n"));
    const TableBody& body = oneBody ? shared : fresh;
    const int16_t end = WalkTablePage(
        body, rows, page,
        [&](const TableSlot& s) { out << QStringLiteral("%1:%2:%3:%4").arg(page).arg(s.slot).arg(s.rowNumber).arg(s.line); },
        [&](int slot) { out << QStringLiteral("%1:break:%2").arg(page).arg(slot); });
    out << QStringLiteral("%1:end:%2").arg(page).arg(end);
  }
  return out;
}

TEST(TableRowWalk, RememberedPageStartsGiveTheSamePages) {
  const QStringList bodies[] = {
      {"a", "b", "c", "@PAGE", "d", "e", "@page", "@PAGE", "f", "g", "h", "i", "---", "@PAGE"},
      {"@PAGE", "a", "@PAGE", "b", "c", "d", "e", "f", "g", "h"},
      {},
  };
  const std::vector<int> order{1, 4, 2, 3, 6, 5, 2, 7, 1};
  for (const QStringList& body : bodies)
    for (int rows : {1, 3, 4}) {
      EXPECT_EQ(TableWalkPages(body, rows, order, true), TableWalkPages(body, rows, order, false))
          << rows << body.join(",").toStdString();
    }
}

}  // namespace
