// Finding the date, kind, time and text columns of an imported schedule.
#include <gtest/gtest.h>

#include "schedule/ScheduleCsvColumns.h"

namespace {

struct ColumnsCase {
  const char* name;
  QStringList lines;
  ScheduleCsvColumns expected;
};

bool operator==(const ScheduleCsvColumns& a, const ScheduleCsvColumns& b) {
  return a.date == b.date && a.kind == b.kind && a.time == b.time && a.endTime == b.endTime && a.text == b.text &&
         a.headerLine == b.headerLine;
}

std::string Describe(const ScheduleCsvColumns& c) {
  return "date " + std::to_string(c.date) + " kind " + std::to_string(c.kind) + " time " + std::to_string(c.time) +
         " end " + std::to_string(c.endTime) + " text " + std::to_string(c.text) + " header " +
         std::to_string(c.headerLine);
}

TEST(ScheduleCsvColumns, FoundFromAHeaderOrFromTheValues) {
  const ColumnsCase cases[] = {
      {"header", {"日付,種類,内容", "2001/5/3,赤,会議"}, {1, 2, 0, 0, 3, 1}},
      {"header with time", {"日付,時刻,件名,場所", "2001/5/3,9:30,会議,本社"}, {1, 0, 2, 0, 3, 1}},
      {"text before kind", {"日付,内容,種類", "2001/5/3,会議,記念"}, {1, 3, 0, 0, 2, 1}},
      {"header on a later line", {"予定表", "日付\t種類\t内容", "2001/5/3\t赤\t会議"}, {1, 2, 0, 0, 3, 2}},
      // A header with fewer fields leaves an empty field for the text.
      {"short header", {"日付", "2001/5/3,会議"}, {1, 0, 0, 0, 2, 1}},
      // The last line is never a header: the values decide, every line data.
      {"header as last line", {"2001/5/3,会議", "日付,種類,内容"}, {1, 3, 0, 0, 2, 0}},
      {"values with end time", {"2001/05/03,10:00,12:00,打合せ"}, {1, 5, 2, 3, 4, 0}},
      {"values with kind", {"会議,2001/5/3,毎年"}, {2, 3, 0, 0, 4, 0}},
      {"time before date", {"10:00,会議,2001/5/3"}, {3, 4, 1, 0, 2, 0}},
      {"empty kind field", {"2001/5/3,,会議"}, {1, 2, 0, 0, 3, 0}},
      {"no date", {"会議,本社", "10:00,11:00"}, {0, 3, 1, 2, 3, 0}},
      {"empty file", {}, {}},
      {"header only", {"日付,種類,内容"}, {0, 4, 0, 0, 0, 0}},
  };
  for (const ColumnsCase& c : cases) {
    const ScheduleCsvColumns found = DetectScheduleCsvColumns(c.lines);
    EXPECT_TRUE(found == c.expected) << c.name << ": " << Describe(found);
  }
}

TEST(ScheduleCsvColumns, TheHeaderIsLookedForInTheFirstThirtyLinesOnly) {
  QStringList lines;
  for (int i = 0; i < 30; ++i) lines << QStringLiteral("メモ");
  lines << QStringLiteral("日付,種類,内容") << QStringLiteral("2001/5/3,赤,会議");
  // Past them the values decide; the first line, which holds no date, is
  // still a header and never a row.
  const ScheduleCsvColumns found = DetectScheduleCsvColumns(lines);
  EXPECT_EQ(found.headerLine, 1);
  EXPECT_EQ(found.date, 1);
  lines.removeFirst();
  EXPECT_EQ(DetectScheduleCsvColumns(lines).headerLine, 30);
}

}  // namespace
