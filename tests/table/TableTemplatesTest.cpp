#include <gtest/gtest.h>

#include "core/dates/DateLists.h"
#include "TableTemplates.h"
#include "TestEnvironment.h"
#include "core/text/CsvLine.h"

namespace {

class TableTemplatesTest : public RingpadTest {
 protected:
  void TearDown() override {
    SetScheduleToday(QDate());
    RingpadTest::TearDown();
  }
};

TEST_F(TableTemplatesTest, NamesEndAtFortyAndDefaultsHoldOutsideTheCatalogue) {
  for (int16_t n = 0; n < 40; ++n) EXPECT_FALSE(TableTemplateValue("TITLEJ", n).isEmpty()) << n;
  EXPECT_EQ(TableTemplateValue("TITLEJ", 0), "標準用紙");
  EXPECT_EQ(TableTemplateValue("TITLEJ", 39), "やりくり単価表");
  EXPECT_EQ(TableTemplateValue("TITLEJ", 40), "");
  EXPECT_EQ(TableTemplateValue("KEISEN_YOKO", 40), "1");
  EXPECT_EQ(TableTemplateValue("KEISEN_YOKO", 3), "1");
  EXPECT_EQ(TableTemplateValue("NOSUCHKEY", 3), "");
  EXPECT_EQ(TableTemplateValue("titlej", 3), "");
  EXPECT_EQ(TableTemplateValue("TITLE", 8), "交通費");
  EXPECT_EQ(TableTemplateValue("TITLE", 3), "小遣い帳");
  EXPECT_EQ(TableTemplateValue("TITLE", 10), "");
}

TEST_F(TableTemplatesTest, TemplateZeroResetsEveryTemplateSetControl) {
  TableOptions o;
  ApplyTableTemplate(o, 39, false);
  o.amikake = 1;
  o.amikakeCol = 3;
  ApplyTableTemplate(o, 0, false);
  TableOptions expected;
  expected.colsPos = 0;
  expected.amikake = 1;
  expected.amikakeCol = 3;
  EXPECT_EQ(o, expected);
}

TEST_F(TableTemplatesTest, ColumnsWidthsAndFontsOfChosenTemplates) {
  struct Case {
    int16_t n;
    int16_t colsPos;
    std::array<int16_t, 9> widths;
    int16_t rowsPos, keisenYoko, fontSizePos, yoko, coln, notitle;
  };
  const Case cases[] = {
      {10, -1, {10, 2}, 13, 1, 0, 0, 0, 0},
      {11, 30, {10, 2}, 28, 1, 0, 0, 0, 0},
      {39, 0, {4, 1, 2, 2, 1, 2}, 45, 4, 4, 0, 0, 0},  // " 5.5" is the fourth size
      {9, 5, {7}, 9, 1, 0, 1, 1, 0},
      {26, 0, {1, 1, 1}, 17, 1, 0, 0, 0, 1},
  };
  for (const Case& c : cases) {
    TableOptions o;
    ApplyTableTemplate(o, c.n, false);
    EXPECT_EQ(o.colsPos, c.colsPos) << c.n;
    EXPECT_EQ(o.widthPos, c.widths) << c.n;
    EXPECT_EQ(o.rowsPos, c.rowsPos) << c.n;
    EXPECT_EQ(o.keisenYoko, c.keisenYoko) << c.n;
    EXPECT_EQ(o.fontSizePos, c.fontSizePos) << c.n;
    EXPECT_EQ(o.yoko, c.yoko) << c.n;
    EXPECT_EQ(o.coln, c.coln) << c.n;
    EXPECT_EQ(o.notitle, c.notitle) << c.n;
  }
}

TEST_F(TableTemplatesTest, FontSizeThatNoItemMatchesKeepsTheSize) {
  EXPECT_EQ(TableFontSizePosition(" 5.5", 7), 4);
  EXPECT_EQ(TableFontSizePosition("", 7), 0);
  EXPECT_EQ(TableFontSizePosition("6.5", 7), 7);
}

TEST_F(TableTemplatesTest, FourFoldModeKeepsTheOnlySideItCanPrint) {
  TableOptions o;
  ApplyTableTemplate(o, 5, true);
  EXPECT_EQ(o.men, kTableSuperOrganiserSide);
  ApplyTableTemplate(o, 5, false);
  EXPECT_EQ(o.men, 0);
}

TEST_F(TableTemplatesTest, ThreeMonthScheduleFollowsTheClock) {
  SetScheduleToday(QDate(2026, 12, 8));
  EXPECT_EQ(TableTemplateValue("TITLE", 37), "予定表 2026/12");
  const QStringList rows = TableTemplateValue("SAMPLE", 37).split("\r\n");
  EXPECT_EQ(rows.first(), "01 火,,,,,");
  EXPECT_TRUE(rows[4].startsWith("@[BRUE]05 土")) << rows[4].toStdString();
  EXPECT_TRUE(rows[5].startsWith("@[RED]06 日"));
  EXPECT_EQ(rows.count("@PAGE"), 2);
  EXPECT_EQ(rows.size(), 31 + 31 + 28 + 2 + 1);  // the last row ends with CR LF
  EXPECT_EQ(rows[31], "@PAGE");
  EXPECT_EQ(rows[32], "01 金,,,,,");
  EXPECT_EQ(rows.last(), "");
}

TEST_F(TableTemplatesTest, MonthHeadingHasAFieldADayAndTwoEmptyEnds) {
  SetScheduleToday(QDate(2026, 11, 20));
  EXPECT_EQ(TableTemplateValue("TITLE", 38), "予定表 2026/11");
  const QString heading = TableTemplateValue("TITLEL", 38);
  EXPECT_TRUE(heading.endsWith("\r\n"));
  const QStringList fields = SplitCsvFields(heading.chopped(2));
  EXPECT_EQ(fields.size(), 32);
  EXPECT_EQ(fields[1], "@[RED]01");
  EXPECT_EQ(fields[7], "@[BRUE]07");
  // The one-line heading box drops the line break.
  TableOptions o;
  ApplyTableTemplate(o, 38, false);
  EXPECT_EQ(o.heading, heading.chopped(2));
}

TEST_F(TableTemplatesTest, GeneratedAndComposedBodiesHaveTheirShape) {
  const QStringList travel = TableTemplateValue("SAMPLE", 13).split("\r\n");
  EXPECT_EQ(travel.size(), 11);
  EXPECT_TRUE(travel[0].contains("\\n"));
  const QStringList health = TableTemplateValue("SAMPLE", 25).split("\r\n");
  EXPECT_EQ(health[0], "01,     ,    ");
  EXPECT_EQ(health[30], "31,     ,    ");
  const QStringList units = TableTemplateValue("SAMPLE", 29).split("\r\n");
  EXPECT_EQ(units.size(), 35);
  EXPECT_EQ(units.count("---"), 4);
  const QStringList contacts = TableTemplateValue("SAMPLE", 6).split("\r\n");
  EXPECT_EQ(contacts.size(), 39);
  EXPECT_EQ(contacts.count("@PAGE"), 1);
  EXPECT_TRUE(TableTemplateValue("SAMPLE", 30).endsWith("通話料無料の窓口,0120-XXX-XXX\r\n"));
  EXPECT_TRUE(TableTemplateValue("SAMPLE", 3).endsWith("@[VTOTAL]"));
}

}  // namespace
