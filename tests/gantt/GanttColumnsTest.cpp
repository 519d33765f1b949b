// Finding the task columns from the header row, levels, marks and months.
#include <gtest/gtest.h>

#include "charts/GanttColumns.h"

namespace {
struct MapCase {
  const char* header;
  int owner, remarks, type, planStart, planEnd, actStart, actEnd;
  float progress;
};
}  // namespace

TEST(GanttColumns, HeaderWordsPickTheColumnsAndEveryCallStartsAfresh) {
  // Each header is mapped after one that named type 3, remarks 2 and
  // progress 4, so a leftover column would show.
  const char* kNamesAll = "x,備考,タイプ,進捗";
  const MapCase cases[] = {
      {"項目名,予定開始,予定終了,,担当,,タイプ,実績開始,実績終了,,,,備考", 5, 13, 7, 2, 3, 8, 9, 0},
      {"項目名     ,予定開始  ,予定終了  ,担当,進捗,備考", 4, 6, 0, 2, 3, 8, 9, 5},
      {"項目,開始予定,終了予定,予想工数,担当,優先,TYPE,開始実績,終了実績,実績工数,要否,,成果物,備考", 5, 14, 0, 2, 3,
       8, 9, 0},
      // A longer word holding 担当 counts; one holding タイプ does not.
      {"名前,主担当者,タイプ別", 2, 0, 0, 2, 3, 8, 9, 0},
      // The last match wins, and one field sets several entries.
      {"開始予定実績,終了予定実績,%", 5, 0, 0, 1, 2, 1, 2, 3},
      {"色, ％ ", 5, 0, 1, 2, 3, 8, 9, 2},
      {"", 5, 0, 0, 2, 3, 8, 9, 0},
  };
  for (const MapCase& c : cases) {
    GanttColumnMap map;
    MapGanttColumns(QString::fromUtf8(kNamesAll), map);
    ASSERT_EQ(map.TypeColumn, 3);
    MapGanttColumns(QString::fromUtf8(c.header), map);
    EXPECT_EQ(map.OwnerColumn, c.owner) << c.header;
    EXPECT_EQ(map.RemarksColumn, c.remarks) << c.header;
    EXPECT_EQ(map.TypeColumn, c.type) << c.header;
    EXPECT_EQ(map.StartColumn[0], c.planStart) << c.header;
    EXPECT_EQ(map.EndColumn[0], c.planEnd) << c.header;
    EXPECT_EQ(map.StartColumn[1], c.actStart) << c.header;
    EXPECT_EQ(map.EndColumn[1], c.actEnd) << c.header;
    EXPECT_EQ(map.ProgressColumn, c.progress) << c.header;
  }
}

TEST(GanttColumns, LevelCountsHalfWidthBlanksOnly) {
  EXPECT_EQ(GetIndentLevel(QStringLiteral("x")), 0);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("  x")), 2);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("　x")), 0);
  EXPECT_EQ(GetIndentLevel(QStringLiteral(" 　 x")), 1);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("\tx")), 0);
  EXPECT_EQ(GetIndentLevel(QStringLiteral("   ")), 3);
}

TEST(GanttColumns, MarksAndMonths) {
  for (const char* m : {"▽", "▼", "△", "▲"}) EXPECT_TRUE(IsMilestoneMark(GanttFirstChar(QString::fromUtf8(m) + "x")));
  for (const char* m : {"＊", "*"}) EXPECT_TRUE(IsHiddenTaskMark(GanttFirstChar(QString::fromUtf8(m))));
  for (const char* m : {"＋", "+"}) EXPECT_TRUE(IsSameRowMark(GanttFirstChar(QStringLiteral("  ") + QString::fromUtf8(m))));
  EXPECT_FALSE(IsMilestoneMark(GanttFirstChar(QStringLiteral("x▽"))));
  EXPECT_TRUE(GanttFirstChar(QStringLiteral("   ")).isNull());

  EXPECT_EQ(MonthStart(QDate(2002, 3, 31)), QDate(2002, 3, 1));
  EXPECT_EQ(NextMonthStart(QDate(2002, 1, 31)), QDate(2002, 2, 1));
  EXPECT_EQ(NextMonthStart(QDate(2002, 12, 15)), QDate(2003, 1, 1));
}

TEST(GanttColumns, OnlyRealCalendarDatesAreDates) {
  const struct { const char* text; bool date; } cases[] = {
      {"2002/2/3", true}, {"2002/02/03", true}, {" 2002/02/03  ", true}, {"2002/13/01", false},
      {"H14/2/3", false}, {"9999/99/99", false}, {"2002/02/30", false}, {"", false}, {"2002-02-03", false},
  };
  for (const auto& c : cases) EXPECT_EQ(HoldsGanttDate(QString::fromUtf8(c.text)), c.date) << c.text;
  EXPECT_EQ(GanttDate(QStringLiteral("2002/2/3")), QDate(2002, 2, 3));
}
