#include <gtest/gtest.h>

#include <cstdio>

#include "LookupTestSupport.h"
#include "TestEnvironment.h"
#include "core/platform/Clipboard.h"
#include "core/platform/ClipboardPersist.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleClipboardText.h"

namespace {

QString Join(const QStringList& lines) { return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }

const QString kRule = QString(43, u'-');

// What a fresh program folder gives for 1 March 1999 and one sheet.
QString March1999() {
  return Join({
      "予定表(1999/03/01)", kRule, "1999/03", kRule,
      "01 月 ", "02 火 ", "03 水 ", "04 木 ", "05 金 ", "06(土)", "07(日)",
      "08 月 ", "09 火 ", "10 水 ", "11 木 ", "12 金 ", "13(土)", "14(日)",
      "15 月 ", "16 火 ", "17 水 ", "18 木 ", "19 金 ", "20(土)", "21[日]春分の日 ",
      "22[月]振休", "23 火 ", "24 水 ", "25 木 ", "26 金 ", "27(土)", "28(日)",
      "29 月 ", "30 火 ", "31 水 ",
  });
}

class ScheduleClipboard : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    platform::UseMemoryClipboard(true);
  }
  void TearDown() override {
    platform::UseMemoryClipboard(false);
    RingpadTest::TearDown();
  }
};

TEST_F(ScheduleClipboard, March1999FromAFreshScheduleFile) {
  ASSERT_TRUE(WriteHolidayLines(homeFile("diduvuv.txt")));
  DaySchedule schedule;
  const QDate start = DateOfDateLists("1999", "03", "01", QDate(2024, 6, 1));
  const QString text = ScheduleClipboardText(start, "1", schedule, FreshWindowOptions(homeFile("diduvuv.txt")));
  EXPECT_EQ(text, March1999());

  // "CA" ends the program at once: the text goes to standard output when no
  // clipboard manager takes it.
  platform::ClipboardClear();
  platform::ClipboardSetText(text);
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  EXPECT_FALSE(platform::KeepClipboardTextAfterExit(out));
  std::rewind(out);
  QByteArray written(65536, '\0');
  written.resize(qsizetype(std::fread(written.data(), 1, size_t(written.size()), out)));
  std::fclose(out);
  EXPECT_EQ(written, March1999().toUtf8());
}

TEST_F(ScheduleClipboard, EmptyClipboardWritesNothing) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  EXPECT_FALSE(platform::KeepClipboardTextAfterExit(out));
  EXPECT_EQ(std::ftell(out), 0);
  std::fclose(out);
}

// A lookup that answers from a table of days and kinds, counting its calls.
struct FixedLookup {
  QMap<QDate, QStringList> texts;
  QMap<QDate, DayKind> kinds;
  int calls = 0;
  DayScheduleLookup function() {
    return [this](const QDate& day, QStringList& t, DayKind& k) {
      ++calls;
      t = texts.value(day, QStringList{QString()});
      k = kinds.value(day, DayKind::Ordinary);
    };
  }
};

TEST(ScheduleClipboardText, OneSheetIsThirtyOneDaysWithAHeadingPerMonth) {
  FixedLookup lookup;
  const QString text = ScheduleClipboardText(QDate(2024, 5, 15), "1", lookup.function());
  EXPECT_EQ(lookup.calls, 31);
  EXPECT_TRUE(text.startsWith(Join({"予定表(2024/05/15)", kRule, "2024/05", kRule, "15 水 "})));
  EXPECT_TRUE(text.contains(Join({"31 金 ", kRule, "2024/06", kRule, "01 土 "})));
  EXPECT_TRUE(text.endsWith(Join({"14 金 "})));
}

TEST(ScheduleClipboardText, SheetCountReadAsANumber) {
  struct Row {
    const char* sheets;
    int days;
  };
  for (const Row& row : {Row{"0", 0}, Row{"abc", 0}, Row{"", 0}, Row{"-1", 0}, Row{"2", 62}, Row{"0.5", 16},
                         Row{"1.5枚", 46}, Row{"99999", 32767}}) {
    FixedLookup lookup;
    const QString text = ScheduleClipboardText(QDate(2000, 1, 1), QString::fromUtf8(row.sheets), lookup.function());
    EXPECT_EQ(lookup.calls, row.days) << row.sheets;
    if (row.days == 0) {
      EXPECT_EQ(text, "予定表(2000/01/01)\r\n");
    }
  }
}

TEST(ScheduleClipboardText, LabelsAndEntries) {
  FixedLookup lookup;
  const QDate sunday(2024, 5, 5);
  lookup.kinds[sunday] = DayKind::Holiday;
  lookup.texts[sunday] = {"こどもの日 ", "赤歯医者", "時10:00 会議", "　"};
  lookup.kinds[sunday.addDays(1)] = DayKind::SubstituteHoliday;
  lookup.texts[sunday.addDays(1)] = {"", "　買物"};
  lookup.kinds[sunday.addDays(2)] = DayKind::RestDay;
  lookup.kinds[sunday.addDays(3)] = DayKind::RedWeekday;
  lookup.kinds[sunday.addDays(4)] = DayKind::BlueWeekday;
  const QString text = ScheduleClipboardText(sunday, "0.2", lookup.function());  // 6 days
  EXPECT_EQ(text, Join({"予定表(2024/05/05)", kRule, "2024/05", kRule, "05[日]こどもの日 ", "      歯医者",
                        "      10:00 会議", "06[月]買物", "07[火]", "08(水)", "09(木)", "10 金 "}));
}

TEST(ScheduleClipboardText, DateOfTheDateLists) {
  const QDate today(2023, 6, 10);
  EXPECT_EQ(DateOfDateLists("2001", "05", "10", today), QDate(2001, 5, 10));
  EXPECT_EQ(DateOfDateLists("    ", "05", "10", today), QDate(2023, 5, 10));
  EXPECT_EQ(DateOfDateLists("    ", "02", "29", today), QDate(2023, 2, 28));
  EXPECT_EQ(DateOfDateLists("2001", "04", "31", today), QDate(2001, 4, 30));
  EXPECT_FALSE(DateOfDateLists("20x1", "04", "01", today).isValid());
}

}  // namespace
