#include <gtest/gtest.h>

#include "QtPrint.h"

#include "schedule/DaySchedule.h"
#include "schedule/EntryKind.h"
#include "schedule/ProjectSpan.h"
#include "schedule/ScheduleLine.h"
#include "Dates.h"

namespace {


// The entries the lookup gives the day for these lines, markers included,
// with every option on.
QStringList EntriesOn(const QStringList& lines, const QDate& day) {
  DayScheduleOptions options;
  options.OptRecurring = 1;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  LookUpDaySchedule(BuildScheduleMonthCache(lines, day, options), day, options, texts, kind);
  return texts.mid(1);
}

bool AppliesOn(const QString& line, const QDate& day) { return !EntriesOn({line}, day).isEmpty(); }

TEST(ScheduleLine, FieldsByCharacterColumns) {
  // Editor form (commas) and to-do form (blanks) read alike.
  for (const QString& text : {QStringLiteral("2001/05/03,祝日,憲法記念日  "),
                              QStringLiteral("2001/05/03 祝日 憲法記念日  ")}) {
    const ScheduleLine line(text);
    EXPECT_EQ(line.yearField(), "2001");
    EXPECT_EQ(line.monthField(), "05");
    EXPECT_EQ(line.dayField(), "03");
    EXPECT_EQ(line.kind(), "祝日");
    EXPECT_EQ(line.kindClass(), EntryKindClass::Holiday);
    EXPECT_EQ(line.text(), "憲法記念日  ");
    EXPECT_EQ(line.trimmedText(), "憲法記念日");
    EXPECT_EQ(line.yearNumber() * 10000 + line.monthNumber() * 100 + line.dayNumber(), 20010503);
    EXPECT_EQ(EntriesOn({text}, D(2001, 5, 3)), QStringList{});  // a holiday is a heading
  }
  for (const QString& text : {QStringLiteral("2001/05/03,　　,会議  "), QStringLiteral("2001/05/03 　　 会議")}) {
    EXPECT_EQ(EntriesOn({text}, D(2001, 5, 3)), QStringList{"　会議"});
    EXPECT_TRUE(EntriesOn({text}, D(2002, 5, 3)).isEmpty());
  }
  EXPECT_EQ(ScheduleLine("2001/05/03,公休,").text(), "");
  EXPECT_EQ(ScheduleLine("2001/05/03,公休,").kind(), "公休");
}

TEST(ScheduleLine, YearlessAndYearlyLines) {
  // "0000/" and "    /" both mean every year.
  EXPECT_TRUE(AppliesOn("0000/05/03,　　,x", D(2024, 5, 3)));
  EXPECT_TRUE(AppliesOn("    /05/03,　　,x", D(1999, 5, 3)));
  EXPECT_TRUE(AppliesOn("1970/05/03,記念,x", D(2024, 5, 3)));
  EXPECT_TRUE(AppliesOn("1970/05/03,毎年,x", D(2024, 5, 3)));
  EXPECT_FALSE(AppliesOn("1970/05/03,　　,x", D(2024, 5, 3)));
  EXPECT_FALSE(AppliesOn("0000/05/03,　　,x", D(2024, 5, 4)));
  // A weekday rule applies by its weekday, not by the date columns.
  EXPECT_TRUE(AppliesOn("    /05/  ,月１,月曜:x", D(2024, 5, 6)));
  EXPECT_FALSE(AppliesOn("    /05/  ,月１,月曜:x", D(2024, 5, 13)));
  EXPECT_TRUE(ScheduleLine("    /  /03,毎月,x").hasNoYear());
}

TEST(ScheduleLine, BadDatesMatchNoDay) {
  const QString cases[] = {
      "",
      "2001/02/30,祝日,x",  // no such day
      "2001/13/03,祝日,x",
      "2001/ 5/ 3,　　,x",
      "2001/5/3,会議,x",  // columns shifted
  };
  for (const QString& text : cases) {
    for (const QDate& d : {D(2001, 5, 3), D(2001, 2, 28), D(2001, 3, 2), D(2001, 3, 1)})
      EXPECT_FALSE(AppliesOn(text, d)) << text.toStdString();
  }
}

TEST(ScheduleLine, KindsTheLookupDoesNotKnowArePlainEntries) {
  // Any two characters in the kind columns, half-width or binary, make a
  // plain entry; a short line has an empty kind and text.
  const struct {
    QString line;
    QStringList entries;
  } cases[] = {
      {"2001/05/03,AB,x", {"　x"}},
      {QString("2001/05/03,") + QChar(0x01) + QChar(0x02) + ",x", {"　x"}},
      {QString("2001/05/03,") + QChar(0xF8F3) + QChar(0xF8F2) + ",x", {"　x"}},  // bytes FF FE
      {"2001/05/03,祝", {"　"}},
      {"2001/05/03", {"　"}},
  };
  for (const auto& c : cases) EXPECT_EQ(EntriesOn({c.line}, D(2001, 5, 3)), c.entries) << c.line.toStdString();
  EXPECT_EQ(ScheduleLine("2001/05/03").kind(), "");
  EXPECT_EQ(ScheduleLine("2001/05/03,祝").kind(), "祝");
  EXPECT_EQ(ScheduleLine("2001/05/03,祝日,").text(), "");
  EXPECT_EQ(ScheduleLine("ab").yearNumber(), 0);
  EXPECT_EQ(ScheduleLine("2001/05/03,祝日").text(), "");
}

TEST(EntryKind, Classification) {
  const QList<QPair<QString, EntryKindClass>> cases = {
      {"　　", EntryKindClass::Plain},      {"赤　", EntryKindClass::Colour},
      {"紫　", EntryKindClass::Colour},     {"桃　", EntryKindClass::Colour},
      {"時刻", EntryKindClass::Time},       {"詳細", EntryKindClass::Detail},
      {"記号", EntryKindClass::Symbol},     {"毎年", EntryKindClass::EveryYear},
      {"毎月", EntryKindClass::EveryMonth}, {"毎週", EntryKindClass::EveryWeek},
      {"第３", EntryKindClass::NthWeekday}, {"月５", EntryKindClass::MonthNthWeekday},
      {"記念", EntryKindClass::Anniversary}, {"公休", EntryKindClass::RestDay},
      {"祝日", EntryKindClass::Holiday},    {"振休", EntryKindClass::SubstituteHoliday},
      {"出勤", EntryKindClass::WorkDay},    {"秘密", EntryKindClass::Secret},
      {"予定", EntryKindClass::Plan},       {"実績", EntryKindClass::Actual},
      {"完了", EntryKindClass::Done},       {"ab", EntryKindClass::Invalid},
      {"第６", EntryKindClass::Plain},      {"　赤", EntryKindClass::Plain},
      {"祝", EntryKindClass::Invalid},      {"", EntryKindClass::Invalid},
      {"祝 ", EntryKindClass::Invalid},     {"ｼｭｸ", EntryKindClass::Invalid},
  };
  for (const auto& [kind, cls] : cases) EXPECT_EQ(EntryKind::Classify(kind), cls) << kind.toStdString();
  EXPECT_EQ(EntryKind::Ordinal("第１"), 1);
  EXPECT_EQ(EntryKind::Ordinal("月５"), 5);
  EXPECT_EQ(EntryKind::Ordinal("毎月"), 0);
  EXPECT_TRUE(EntryKind::IsRecurringRule("毎月"));
  EXPECT_FALSE(EntryKind::IsRecurringRule("毎年"));
}

TEST(EntryKind, KindListAndWeekdayNames) {
  const QStringList list = EntryKind::KindList();
  ASSERT_EQ(list.size(), 33);
  EXPECT_EQ(list.first(), "　　");
  EXPECT_EQ(list.at(6), "－－");
  EXPECT_EQ(list.at(17), "第５");
  EXPECT_EQ(list.at(22), "月５");
  EXPECT_EQ(list.last(), "完了");
  EXPECT_EQ(EntryKind::WeekdayOfRuleText("日曜:会議"), 1);
  EXPECT_EQ(EntryKind::WeekdayOfRuleText("土曜:"), 7);
  EXPECT_EQ(EntryKind::WeekdayOfRuleText("曜月:"), 0);  // straddles two names
  EXPECT_EQ(EntryKind::WeekdayOfRuleText("日"), 0);
  EXPECT_EQ(EntryKind::WeekdayOfRuleText(""), 0);
}

TEST(ProjectSpan, ReadsPlanAndActualLines) {
  ProjectSpan span;
  ASSERT_TRUE(ProjectSpan::Parse(ScheduleLine("2024/04/01,予定,～03週:設計"), span));
  EXPECT_FALSE(span.actual);
  EXPECT_EQ(span.start, D(2024, 4, 1));
  EXPECT_EQ(span.weeks, 3);
  EXPECT_EQ(span.label, "設計");
  EXPECT_EQ(span.end(), D(2024, 4, 21));
  ASSERT_TRUE(ProjectSpan::Parse(ScheduleLine("2024/04/01 実績 ～10週:"), span));
  EXPECT_TRUE(span.actual);
  EXPECT_EQ(span.weeks, 10);
  EXPECT_EQ(span.label, "");
  EXPECT_EQ(ProjectSpan::Text(2, "試験"), "～02週:試験");

  for (const char* bad : {"2024/04/01,　　,～03週:設計", "2024/04/01,予定,03週:設計",
                          "2024/04/01,予定,～03日:設計", "2024/02/30,予定,～03週:設計",
                          "    /04/01,予定,～03週:設計", "2024/04/01,予定,～0"}) {
    EXPECT_FALSE(ProjectSpan::Parse(ScheduleLine(QString::fromUtf8(bad)), span)) << bad;
  }
}

}  // namespace
