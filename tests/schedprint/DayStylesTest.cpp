// Dates and eras, day colours and labels, entry colours, annotations and the
// month titles that every schedule page shares.
#include "SchedulePrintKit.h"
#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/dates/DateFormat.h"
#include "schedule_print/DayStyles.h"
#include "schedule_print/MonthTitle.h"

namespace {

using DayStylesTest = SchedulePrintTest;

TEST(DateFormatTest, Patterns) {
  struct Case {
    QDate day;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {QDate(2009, 3, 2), "yyyy/mm/dd", "2009/03/02"},
      {QDate(2009, 3, 2), "yyyy\\/m d", "2009/3 2"},
      {QDate(2009, 3, 2), "mmm mmmm ddd aaa", "Mar March Mon 月"},
      {QDate(2009, 3, 2), "\\(ww\\)", "(10)"},
      {QDate(2009, 1, 3), "ww", "1"},   // the Saturday of the week holding 1 January
      {QDate(2009, 1, 4), "ww", "2"},   // the next Sunday opens week 2
      {QDate(2009, 3, 1), "ggge年m月 (yyyy)", "平成21年3月 (2009)"},
      {QDate(2009, 3, 1), "yyyy\\/m mmmm", "2009/3 March"},
      {QDate(2009, 3, 1), "\\d\\a\\y d", "day 1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDate(c.day, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected)) << c.pattern;
}

TEST(DateFormatTest, BothSidesOfEachEraBoundary) {
  struct Case {
    QDate day;
    const char* expected;
  } cases[] = {
      {QDate(1900, 1, 1), "明治33"},  {QDate(1912, 7, 29), "明治45"}, {QDate(1912, 7, 30), "大正1"},
      {QDate(1926, 12, 24), "大正15"}, {QDate(1926, 12, 25), "昭和1"}, {QDate(1989, 1, 7), "昭和64"},
      {QDate(1989, 1, 8), "平成1"},   {QDate(2019, 4, 30), "平成31"}, {QDate(2019, 5, 1), "令和1"},
      {QDate(2099, 12, 31), "令和81"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDate(c.day, QStringLiteral("ggge")), QString::fromUtf8(c.expected)) << c.day.toString().toStdString();
}

TEST_F(DayStylesTest, LabelsAndColoursByKind) {
  PaperSettings.DefaultColor = 5;
  PaperSettings.ShadeColor = 0xEEEEEE;
  struct Case {
    int colour;
    DayKind kind;
    QDate day;
    const char* number;
    int32_t ink;
    int32_t fill;
  } cases[] = {
      {0, DayKind::RedWeekday, QDate(2009, 6, 7), "  7 ", 0, 0xEEEEEE},
      {0, DayKind::Holiday, QDate(2009, 5, 3), "[ 3]", 0, 0xEEEEEE},
      {0, DayKind::RestDay, QDate(2009, 3, 12), "[12]", 0, 0xEEEEEE},
      {0, DayKind::SubstituteHoliday, QDate(2009, 5, 6), "[ 6]", 0, 0xEEEEEE},
      {1, DayKind::Holiday, QDate(2009, 5, 3), "  3 ", 4, 0xEEEEFF},
      {1, DayKind::BlueWeekday, QDate(2009, 3, 7), "  7 ", 1, 0xFFEEEE},
      {1, DayKind::RestDay, QDate(2009, 3, 12), " 12 ", 4, 0xEEFFEE},
      {1, DayKind::Ordinary, QDate(2009, 3, 10), " 10 ", 5, 0xEEEEEE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    source.options.OptColourPrint = int16_t(c.colour);
    SetForeColor(0x123456);
    EXPECT_EQ(DayNumberLabel(source.options, c.kind, c.day), QString::fromUtf8(c.number));
    EXPECT_EQ(GetForeColor(), ColorByIndex(c.ink));
    EXPECT_EQ(DayKindTextColor(source.options, c.kind), c.ink);
    EXPECT_EQ(DayKindBackColor(source.options, c.kind), c.fill);
  }
}

TEST_F(DayStylesTest, WeekdayLabels) {
  source.options.OptBrackets = 1;
  EXPECT_EQ(WeekdayLabel(source.options, QDate(2009, 5, 4), DayKind::Holiday), QStringLiteral("[月]"));
  EXPECT_EQ(WeekdayLabel(source.options, QDate(2009, 3, 1), DayKind::RedWeekday), QStringLiteral("(日)"));
  EXPECT_EQ(WeekdayLabel(source.options, QDate(2009, 3, 3), DayKind::Ordinary), QStringLiteral(" 火 "));
  source.options.OptEnglish = 1;
  source.options.OptBrackets = 0;
  EXPECT_EQ(WeekdayLabel(source.options, QDate(2009, 5, 4), DayKind::Holiday), QStringLiteral(" Mon "));
}

TEST_F(DayStylesTest, EntryMarkersSetTheInkAndVanish) {
  PaperSettings.DataColor = 3;
  struct Case {
    int colour;
    const char* entry;
    const char* rest;
    int32_t ink;
  } cases[] = {
      {1, "緑会議", "会議", 2}, {0, "緑会議", "会議", 3}, {1, "時10:00 会議", "10:00 会議", 3},
      {1, "赤a", "a", 4},     {1, "黄a", "a", -2},     {1, "　a", "a", 3}, {1, "", "", 3},
  };
  for (const Case& c : cases) {
    source.options.OptColourPrint = int16_t(c.colour);
    QString text = QString::fromUtf8(c.entry);
    ApplyColourPrefix(source.options, text);
    EXPECT_EQ(text, QString::fromUtf8(c.rest));
    EXPECT_EQ(GetForeColor(), ColorByIndex(c.ink)) << c.entry;
  }
}

TEST_F(DayStylesTest, Annotations) {
  source.options.OptWeekNumber = 1;
  source.options.OptRokuyou = 1;
  GetDayAnnotations(source, QDate(2009, 3, 2));
  EXPECT_EQ(source.WeekNumberText, QStringLiteral("(10)"));
  EXPECT_FALSE(source.RokuyouText.isEmpty());
  EXPECT_TRUE(source.MoonMarkText.isEmpty());  // moon marks off
  GetDayAnnotations(source, QDate(2009, 3, 3));
  EXPECT_TRUE(source.WeekNumberText.isEmpty());
  GetDayAnnotations(source, QDate(1997, 6, 2));
  EXPECT_TRUE(source.RokuyouText.isEmpty());
  source.options.OptWeekNumber = 0;
  GetDayAnnotations(source, QDate(2009, 3, 2));
  EXPECT_TRUE(source.WeekNumberText.isEmpty());
}

TEST_F(DayStylesTest, MonthTitles) {
  struct Case {
    int english, noYear;
    const char* title;
  } cases[] = {{0, 0, "平成21年3月 (2009)"}, {0, 1, "3月"}, {1, 0, "2009/3 March"}, {1, 1, "3 March"}};
  for (const Case& c : cases) {
    source.options.OptEnglish = int16_t(c.english);
    source.options.OptNoYear = int16_t(c.noYear);
    EXPECT_EQ(MonthTitleText(source.options, QDate(2009, 3, 17)), QString::fromUtf8(c.title));
  }
  // Drawn as the page header, inside the page's header band.
  source.options.OptEnglish = 0;
  source.options.OptNoYear = 0;
  DrawMonthTitle(source.options, QDate(2009, 3, 1), 8, 88);
  const auto title = FindText(printer().ops(), QStringLiteral("平成21年3月 (2009)"));
  ASSERT_TRUE(title);
  EXPECT_GE(title->x1, 8);
  EXPECT_LT(title->y1, PaperSettings.DataHeight);
}

}  // namespace
