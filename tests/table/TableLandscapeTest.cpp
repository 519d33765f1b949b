// The landscape table page on the recording surface, bible size at the front
// (page 8 to 88 mm, body 9 to 156 mm).
#include <optional>

#include "TablePage.h"
#include "TablePrintTest.h"
#include "TableTemplates.h"

namespace {

using Renderer = int16_t (*)(const TablePrintJob&, int16_t, double, double);

class TableLandscapeTest : public TablePrintTest {
 protected:
  int16_t Draw(const TableOptions& o, int16_t page, Renderer render = PrintTableLandscape) {
    EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
    printer().clearOps();
    BeginPage();
    const TablePrintJob job(o);
    const int16_t end = render(job, page, PaperSettings.PageLeft, PaperSettings.PageWidth);
    FinishOutput();
    EndPrintDocument();
    return end;
  }
  std::optional<RecordedOp> Turned(const QString& text) {
    for (const RecordedOp& op : printer().opsOf(RecordedOp::RotatedText))
      if (op.text == text) return op;
    return std::nullopt;
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

TEST_F(TableLandscapeTest, BothPagesPutTheSameLinesOnTheSamePages) {
  QStringList ten;
  for (int i = 1; i <= 10; ++i) ten << QStringLiteral("L%1").arg(i);
  const struct {
    QString body;
    int rows;
  } tables[] = {{ten.join("\r\n"), 3}, {"a\r\n@PAGE\r\nb", 5}, {"", 4}};
  for (const auto& t : tables) {
    const TableOptions o = Plain(t.body, t.rows, true);
    for (int16_t page = 1; page <= 5; ++page) {
      const int16_t uprightEnd = Draw(o, page, PrintTablePortrait);
      QStringList upright;
      for (const RecordedOp& op : printer().opsOf(RecordedOp::Text))
        if (!op.text.trimmed().isEmpty()) upright << op.text;
      const int16_t turnedEnd = Draw(o, page, PrintTableLandscape);
      QStringList turned;
      for (const RecordedOp& op : printer().opsOf(RecordedOp::RotatedText))
        if (!op.text.trimmed().isEmpty()) turned << op.text;
      upright.sort();
      turned.sort();
      EXPECT_EQ(upright, turned) << t.body.toStdString() << " page " << page;
      EXPECT_EQ(uprightEnd, turnedEnd) << t.body.toStdString() << " page " << page;
    }
  }
}

TEST_F(TableLandscapeTest, RuleRowsAreTextAndUnitPriceTotalsPrint) {
  TableOptions o = Plain("---\r\n,100\r\n,12.5\r\n,@[VTOTAL]", 5, false);
  o.heading = "品名,単価.";
  o.colsPos = 1;
  Draw(o, 1);
  EXPECT_TRUE(Turned("---").has_value());
  EXPECT_TRUE(printer().opsOf(RecordedOp::Point).empty());  // no dotted rule
  const std::optional<RecordedOp> total = Turned("112.5  ");
  ASSERT_TRUE(total.has_value());
  // Placed at the column's far end: the text's top 0.5 mm below DataHeight.
  SetFontName(total->fontName);
  SetFontSize(total->fontSize);
  EXPECT_NEAR(total->y1 - MeasureTextWidth(total->text), PaperSettings.DataHeight + 0.5, 0.05);

  Draw(o, 1, PrintTablePortrait);
  QStringList upright = printer().texts();
  EXPECT_FALSE(upright.contains("112.5  "));
  EXPECT_TRUE(upright.contains("100.   "));
}

TEST_F(TableLandscapeTest, LongCentredTextStartsAtTheColumnStart) {
  TableOptions o = Plain(QString("x").repeated(200) + ",y", 3, false);
  o.heading = "a@CENTER,b";
  o.colsPos = 1;
  Draw(o, 1);
  const std::optional<RecordedOp> cell = Turned(QString("x").repeated(200));
  ASSERT_TRUE(cell.has_value());
  EXPECT_NEAR(cell->y1, PaperSettings.FootHeight - 0.5, 0.05);
}

TEST_F(TableLandscapeTest, TravelLogGeometryAndColours) {
  TableOptions o;
  ApplyTableTemplate(o, 12, false);
  Draw(o, 1);
  const std::optional<RecordedOp> date = Turned("Date");
  ASSERT_TRUE(date.has_value());
  EXPECT_NEAR(date->x1, 9, 0.05);
  EXPECT_NEAR(date->y1, 155, 0.05);
  const std::optional<RecordedOp> start = Turned("Start");
  ASSERT_TRUE(start.has_value());
  EXPECT_NEAR(start->x1, 9, 0.05);
  EXPECT_NEAR(start->y1, 146 - 1, 0.05);
  const std::optional<RecordedOp> stop = Turned("Stop");
  ASSERT_TRUE(stop.has_value());
  EXPECT_NEAR(stop->y1, 146 - 17.125 - 1, 0.05);
  const std::optional<RecordedOp> first = Turned("5/1");
  const std::optional<RecordedOp> second = Turned("5/2");
  ASSERT_TRUE(first && second);
  EXPECT_NEAR(first->x1, 15.5, 0.05);
  EXPECT_NEAR(second->x1 - first->x1, 73.0 / 15, 0.05);
  ASSERT_TRUE(Turned("953").has_value());
  EXPECT_EQ(Turned("953")->color, 0x0000FFu);
  ASSERT_TRUE(Turned("オイル交換").has_value());
  EXPECT_EQ(Turned("オイル交換")->color, 0xFF0000u);
  EXPECT_TRUE(printer().texts().join("").contains("Mortor Running Record"));
}

TEST_F(TableLandscapeTest, NoTitleKeepsTheTableAndShadingCoversTheNumberBand) {
  TableOptions o = Plain("a", 3, true);
  o.title = "TITLE";
  o.notitle = 1;
  o.page = 1;
  o.amikakeCol = 1;
  o.midasiAmi = 0;
  Draw(o, 1);
  EXPECT_FALSE(printer().texts().join("").contains("TITLE"));
  EXPECT_FALSE(printer().texts().contains("P.1"));
  const std::vector<RecordedOp> boxes = printer().opsOf(RecordedOp::Box);
  ASSERT_FALSE(boxes.empty());
  EXPECT_NEAR(boxes.back().y1, PaperSettings.DataHeight, 1e-3);
  EXPECT_NEAR(boxes.back().y2, PaperSettings.FootHeight, 1e-3);
  bool band = false;
  for (const RecordedOp& fill : printer().opsOf(RecordedOp::FilledBox))
    band |= std::abs(fill.x1 - 8) < 1e-3 && std::abs(fill.x2 - 88) < 1e-3 &&
            std::abs(std::min(fill.y1, fill.y2) - (PaperSettings.FootHeight - 5)) < 1e-3 &&
            std::abs(std::max(fill.y1, fill.y2) - PaperSettings.FootHeight) < 1e-3;
  EXPECT_TRUE(band);
}

TEST_F(TableLandscapeTest, BadInputDrawsWithoutHanging) {
  QString wide = "h";
  for (int i = 0; i < 10000; ++i) wide += ",c";
  TableOptions o = Plain(QString(100000, u'x') + "," + QString("\\n").repeated(1000) + "\r\n@LINE=99", 5, true);
  o.heading = wide;
  o.colsPos = 31;
  EXPECT_EQ(Draw(o, 1), 1);
}

}  // namespace
