#include <gtest/gtest.h>

#include "LookupTestSupport.h"
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "schedule/DaySchedule.h"
#include "schedule/ScheduleFile.h"

namespace {

// Options that differ from the table's: every option on, Sunday red.
struct Opt {
  int16_t recurring = 1;
  int16_t detail = 1;
  int16_t names = 1;
  int16_t entries = 1;
  int16_t red = 1;
  const char* shift = "";
};
Opt With(int16_t Opt::*field, int16_t value) {
  Opt o;
  o.*field = value;
  return o;
}
Opt Shift(const char* pattern) {
  Opt o;
  o.shift = pattern;
  return o;
}

struct LookupCase {
  const char* name;
  QStringList lines;
  QDate day;
  QStringList texts;
  DayKind kind;
  Opt opt = {};
};

// 2024: 11 Feb and 31 Mar are Sundays, 3 May a Friday, 8 May a Wednesday.
const LookupCase kCases[] = {
    {"dated Sunday holiday", {"2024/02/11 祝日 建国記念の日"}, QDate(2024, 2, 11), {"建国記念の日 "}, DayKind::Holiday},
    {"its substitute the next day", {"2024/02/11 祝日 建国記念の日"}, QDate(2024, 2, 12), {"振休"},
     DayKind::SubstituteHoliday},
    {"no substitute from a blank year", {"    /02/11 祝日 建国記念の日"}, QDate(2024, 2, 12), {""},
     DayKind::Ordinary},
    {"substitute from a 0000 year", {"0000/02/11 祝日 建国記念の日"}, QDate(2024, 2, 12), {"振休"},
     DayKind::SubstituteHoliday},
    {"holiday names off", {"2024/02/11 祝日 建国記念の日"}, QDate(2024, 2, 12), {""},
     DayKind::SubstituteHoliday, With(&Opt::names, 0)},
    {"holiday name off, kind stays", {"2024/02/11 祝日 建国記念の日"}, QDate(2024, 2, 11), {""}, DayKind::Holiday,
     With(&Opt::names, 0)},
    {"no substitute across the month's end", {"2024/03/31 祝日 月末"}, QDate(2024, 4, 1), {""}, DayKind::Ordinary},
    {"substitute line in the file", {"2024/05/08 振休 振休"}, QDate(2024, 5, 8), {"振休"},
     DayKind::SubstituteHoliday},
    // The substitute passes over holidays since 2007 and never lands on a
    // day with a holiday line of its own. 2025: 4 May a Sunday; 2026: 3 May.
    {"no substitute onto a holiday", {"    /05/05 祝日 こどもの日", "2025/05/04 祝日 みどりの日"},
     QDate(2025, 5, 5), {"こどもの日 "}, DayKind::Holiday},
    {"substitute after the holiday it passed", {"    /05/05 祝日 こどもの日", "2025/05/04 祝日 みどりの日"},
     QDate(2025, 5, 6), {"振休"}, DayKind::SubstituteHoliday},
    {"a written substitute is not given twice",
     {"    /05/05 祝日 こどもの日", "2025/05/04 祝日 みどりの日", "2025/05/06 祝日 振替休日"},
     QDate(2025, 5, 6), {"振替休日 "}, DayKind::Holiday},
    {"nor moved on past it",
     {"    /05/05 祝日 こどもの日", "2025/05/04 祝日 みどりの日", "2025/05/06 祝日 振替休日"},
     QDate(2025, 5, 7), {""}, DayKind::Ordinary},
    {"walk over two holidays", {"2026/05/03 祝日 憲法記念日", "2026/05/04 祝日 みどりの日", "    /05/05 祝日 こどもの日"},
     QDate(2026, 5, 6), {"振休"}, DayKind::SubstituteHoliday},
    {"a day between holidays absorbs the substitute",
     {"2026/05/03 祝日 憲法記念日", "2026/05/04 祝日 国民の休日", "    /05/05 祝日 こどもの日"},
     QDate(2026, 5, 6), {""}, DayKind::Ordinary},
    {"before 2007 none when Monday is a holiday", {"2006/01/08 祝日 甲", "2006/01/09 祝日 乙"},
     QDate(2006, 1, 10), {""}, DayKind::Ordinary},
    {"before 2007 the plain Monday", {"2006/01/08 祝日 甲"}, QDate(2006, 1, 9), {"振休"},
     DayKind::SubstituteHoliday},
    {"none before the rule of April 1973", {"1973/04/08 祝日 甲"}, QDate(1973, 4, 9), {""}, DayKind::Ordinary},
    {"the first under the rule", {"1973/04/29 祝日 天皇誕生日"}, QDate(1973, 4, 30), {"振休"},
     DayKind::SubstituteHoliday},
    {"working day after a holiday", {"2024/05/03 祝日 憲法記念日", "2024/05/03,出勤,"}, QDate(2024, 5, 3),
     {"憲法記念日 出勤"}, DayKind::Ordinary},
    {"working day before a holiday", {"2024/05/03,出勤,", "2024/05/03 祝日 憲法記念日"}, QDate(2024, 5, 3),
     {"出勤憲法記念日 "}, DayKind::Ordinary},
    {"working day on a red Sunday", {"2024/05/05,出勤,"}, QDate(2024, 5, 5), {"出勤"}, DayKind::Ordinary},
    {"rest day", {"2024/05/08,公休,創立記念日  "}, QDate(2024, 5, 8), {"創立記念日 "}, DayKind::RestDay},
    {"last of rest day and holiday wins", {"2024/05/03 祝日 憲法記念日", "2024/05/03,公休,休み"},
     QDate(2024, 5, 3), {"憲法記念日 休み "}, DayKind::RestDay},
    {"anniversary counts years", {"1990/05/10,記念,結婚"}, QDate(2000, 5, 10), {"", "　結婚(10)"},
     DayKind::Ordinary},
    {"anniversary in its own year", {"1990/05/10,記念,結婚"}, QDate(1990, 5, 10), {"", "　結婚"},
     DayKind::Ordinary},
    {"anniversary before its year", {"1990/05/10,記念,結婚"}, QDate(1985, 5, 10), {"", "　結婚(-5)"},
     DayKind::Ordinary},
    {"anniversary without a year", {"    /05/10,記念,結婚"}, QDate(2000, 5, 10), {"", "　結婚"},
     DayKind::Ordinary},
    {"anniversary with entries off", {"1990/05/10,記念,結婚"}, QDate(2000, 5, 10), {""}, DayKind::Ordinary,
     With(&Opt::entries, 0)},
    {"symbols after the heading", {"2024/05/08,記号,♪ライブ", "2024/05/08,公休,休", "2024/05/08,記号,★"},
     QDate(2024, 5, 8), {"休 ♪★"}, DayKind::RestDay},
    {"blank symbol", {"2024/05/08,記号, x"}, QDate(2024, 5, 8), {""}, DayKind::Ordinary},
    {"timed entry", {"2024/05/08,時刻,10:00 会議   "}, QDate(2024, 5, 8), {"", "時10:00 会議"},
     DayKind::Ordinary},
    {"timed entry off", {"2024/05/08,時刻,10:00 会議"}, QDate(2024, 5, 8), {""}, DayKind::Ordinary, With(&Opt::detail, 0)},
    {"timed option -1 is off", {"2024/05/08,時刻,10:00 会議"}, QDate(2024, 5, 8), {""}, DayKind::Ordinary,
     With(&Opt::detail, -1)},
    {"detail entry", {"2024/05/08,詳細,資料"}, QDate(2024, 5, 8), {"", "　資料"}, DayKind::Ordinary},
    {"colour entries", {"2024/05/08,赤　,歯医者", "2024/05/08,漢　,色名なし", "2024/05/08,　　,買物"},
     QDate(2024, 5, 8), {"", "赤歯医者", "漢色名なし", "　買物"}, DayKind::Ordinary},
    {"entries off", {"2024/05/08,赤　,歯医者", "2024/05/08,　　,買物"}, QDate(2024, 5, 8), {""},
     DayKind::Ordinary, With(&Opt::entries, 0)},
    {"secret never shown", {"2024/05/08,秘密,ひみつ"}, QDate(2024, 5, 8), {""}, DayKind::Ordinary},
    {"other year", {"2023/05/08,　　,去年"}, QDate(2024, 5, 8), {""}, DayKind::Ordinary},
    {"every year", {"2001/05/08,毎年,誕生日"}, QDate(2024, 5, 8), {"", "　誕生日"}, DayKind::Ordinary},
    {"0000 year", {"0000/05/08 　　 毎年のこと"}, QDate(2024, 5, 8), {"", "　毎年のこと"}, DayKind::Ordinary},
    {"project and done lines are plain", {"2024/05/08,予定,～04週:計画", "2024/05/08,完了,済"}, QDate(2024, 5, 8),
     {"", "　～04週:計画", "　済"}, DayKind::Ordinary},
    {"every month", {"    /  /15,毎月,給料日"}, QDate(2024, 6, 15), {"", "　給料日"}, DayKind::BlueWeekday},
    {"every month, other day", {"    /  /15,毎月,給料日"}, QDate(2024, 6, 14), {""}, DayKind::Ordinary},
    {"every week", {"    /  /  ,毎週,月曜:ゴミ出し"}, QDate(2024, 5, 6), {"", "　ゴミ出し"}, DayKind::Ordinary},
    {"every week, other day", {"    /  /  ,毎週,月曜:ゴミ出し"}, QDate(2024, 5, 7), {""}, DayKind::Ordinary},
    {"second Tuesday", {"    /  /  ,第２,火曜:定例"}, QDate(2024, 5, 14), {"", "　定例"}, DayKind::Ordinary},
    {"first Tuesday is not the second", {"    /  /  ,第２,火曜:定例"}, QDate(2024, 5, 7), {""}, DayKind::Ordinary},
    {"fifth Friday", {"    /  /  ,第５,金曜:月末会"}, QDate(2024, 5, 31), {"", "　月末会"}, DayKind::Ordinary},
    {"fourth of five Fridays", {"    /  /  ,第５,金曜:月末会"}, QDate(2024, 5, 24), {""}, DayKind::Ordinary},
    {"fifth read as the last", {"    /  /  ,第５,金曜:月末会"}, QDate(2024, 6, 28), {"", "　月末会"},
     DayKind::Ordinary},
    {"month rule", {"    /11/  ,月４,木曜:感謝祭"}, QDate(2024, 11, 28), {"", "　感謝祭"}, DayKind::Ordinary},
    {"month rule, other month", {"    /11/  ,月４,木曜:感謝祭"}, QDate(2024, 10, 24), {""}, DayKind::Ordinary},
    {"rule without a weekday", {"    /  /  ,毎週,ゴミ出し"}, QDate(2024, 5, 5), {""}, DayKind::RedWeekday},
    {"rules among the dated lines in file order",
     {"2024/05/08,　　,前", "    /  /  ,毎週,水曜:週", "    /  /08,毎月,月", "2024/05/08,赤　,後"},
     QDate(2024, 5, 8), {"", "　前", "　週", "　月", "赤後"}, DayKind::Ordinary},
    // A rule that names a month and day is a plain entry on that day of
    // every year, rules applied or not, and a rule on its other days.
    {"rule naming its day", {"    /05/08,毎週,水曜:定例"}, QDate(2024, 5, 8), {"", "　水曜:定例"},
     DayKind::Ordinary},
    {"rule naming its day, rules off", {"    /05/08,毎週,水曜:定例"}, QDate(2023, 5, 8), {"", "　水曜:定例"},
     DayKind::Ordinary, With(&Opt::recurring, 0)},
    {"rule naming a day, on its other days", {"    /05/08,毎週,水曜:定例"}, QDate(2024, 5, 15), {"", "　定例"},
     DayKind::Ordinary},
    {"recurring off: every month", {"    /  /15,毎月,給料日"}, QDate(2024, 6, 15), {""}, DayKind::BlueWeekday,
     With(&Opt::recurring, 0)},
    {"recurring off: every week", {"    /  /  ,毎週,月曜:ゴミ出し"}, QDate(2024, 5, 6), {""}, DayKind::Ordinary,
     With(&Opt::recurring, 0)},
    {"recurring off: nth weekday", {"    /  /  ,第２,火曜:定例"}, QDate(2024, 5, 14), {""}, DayKind::Ordinary,
     With(&Opt::recurring, 0)},
    {"recurring off: month rule", {"    /11/  ,月４,木曜:感謝祭"}, QDate(2024, 11, 28), {""}, DayKind::Ordinary,
     With(&Opt::recurring, 0)},
    {"shift pattern", {}, QDate(2024, 1, 1), {"日 "}, DayKind::Ordinary, Shift("日夜明休")},
    {"shift pattern next day", {}, QDate(2024, 1, 2), {"夜 "}, DayKind::Ordinary, Shift("日夜明休")},
    {"heading order", {"    /01/01 祝日 元日", "2024/01/01,記号,★"}, QDate(2024, 1, 1), {"日 元日 ★"},
     DayKind::Holiday, Shift("日夜明休")},
    {"red weekday moved to Monday", {}, QDate(2024, 5, 6), {""}, DayKind::RedWeekday, With(&Opt::red, 2)},
    {"Sunday then ordinary", {}, QDate(2024, 5, 5), {""}, DayKind::Ordinary, With(&Opt::red, 2)},
    {"blue Saturday", {}, QDate(2024, 5, 4), {""}, DayKind::BlueWeekday},
    {"line of the date alone", {"2024/05/08"}, QDate(2024, 5, 8), {"", "　"}, DayKind::Ordinary},
    {"unknown kind is plain", {"2024/05/08,AB"}, QDate(2024, 5, 8), {"", "　"}, DayKind::Ordinary},
};

class DayScheduleTable : public ::testing::TestWithParam<LookupCase> {};

TEST_P(DayScheduleTable, LooksUpTheDay) {
  const LookupCase& c = GetParam();
  DayScheduleOptions options = FreshWindowOptions();
  options.OptRecurring = c.opt.recurring;
  options.OptDetailEntries = c.opt.detail;
  options.OptHolidayNames = c.opt.names;
  options.OptPrintEntries = c.opt.entries;
  options.ShiftPattern = QString::fromUtf8(c.opt.shift);
  options.RedWeekday = c.opt.red;
  const ScheduleMonthCache cache = BuildScheduleMonthCache(c.lines, c.day, options);
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  LookUpDaySchedule(cache, c.day, options, texts, kind);
  EXPECT_EQ(texts, c.texts);
  EXPECT_EQ(kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(Cases, DayScheduleTable, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<LookupCase>& info) {
                           return std::to_string(info.index);
                         });

TEST(DayScheduleCache, SubstituteLineFollowsItsHoliday) {
  const QStringList lines = {"2024/02/11 祝日 建国記念の日", "2024/02/20,　　,後"};
  const ScheduleMonthCache cache = BuildScheduleMonthCache(lines, QDate(2024, 2, 1), FreshWindowOptions());
  ASSERT_EQ(cache.lines.size(), 3u);
  EXPECT_EQ(cache.lines[1].line, "2024/02/12 振休 振休");
  EXPECT_EQ(cache.key, "202402");
}

TEST(DayScheduleCache, KeepsEveryLineOfABusyMonth) {
  QStringList lines;
  for (int i = 0; i < 400; ++i) lines << QStringLiteral("2024/05/08,　　,予定%1").arg(i);
  const ScheduleMonthCache cache = BuildScheduleMonthCache(lines, QDate(2024, 5, 8), FreshWindowOptions());
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  LookUpDaySchedule(cache, QDate(2024, 5, 8), FreshWindowOptions(), texts, kind);
  ASSERT_EQ(texts.size(), 401);
  EXPECT_EQ(texts.last(), "　予定399");
}

// A schedule whose file is kept in memory and counted as it is read; its
// content is its change stamp.
struct CountingSchedule {
  QStringList file;
  int reads = 0;
  int stamps = 0;
  bool readable = true;
  DaySchedule schedule{[this](const QString&, QStringList& lines) {
                         ++reads;
                         lines = file;
                         return readable;
                       },
                       [this](const QString&) {
                         ++stamps;
                         return file.join(u'\n');
                       }};
  QStringList texts;
  DayKind kind = DayKind::Ordinary;

  QStringList at(const QDate& day, const DayScheduleOptions& options = FreshWindowOptions()) {
    schedule.GetDaySchedule(day, options, texts, kind);
    return texts;
  }
};

TEST(DayScheduleCache, ReadsTheFileOncePerJobOrWhenItChanges) {
  CountingSchedule s;
  s.file = {"2024/05/08,　　,買物", "2024/06/03,　　,歯医者"};
  for (QDate d(2024, 5, 1); d.year() == 2024; d = d.addDays(1)) s.at(d);
  EXPECT_EQ(s.reads, 1) << "months change, the file does not";
  EXPECT_EQ(s.at(QDate(2024, 6, 3)), QStringList({"", "　歯医者"}));
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "　買物"}));
  EXPECT_EQ(s.reads, 1);

  s.file = {"2024/05/08,　　,映画"};
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "　買物"}));  // the month is cached
  s.at(QDate(2024, 6, 1));
  EXPECT_EQ(s.reads, 2) << "a changed file is read at the next change of month";
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "　映画"}));
  EXPECT_EQ(s.reads, 2);

  s.at(QDate());  // the next job
  s.at(QDate(2024, 5, 8));
  EXPECT_EQ(s.reads, 3);
}

TEST(DayScheduleCache, AHeldFileIsAskedAfterOncePerJob) {
  CountingSchedule s;
  s.file = {"2024/05/08,　　,買物", "2024/06/03,　　,歯医者"};
  s.schedule.HoldFile(true);
  s.at(QDate());  // the job's start
  for (int year = 2020; year <= 2024; ++year)
    for (int month = 1; month <= 12; ++month) s.at(QDate(year, month, 8));
  EXPECT_EQ(s.reads, 1);
  EXPECT_EQ(s.stamps, 1) << "no stat at each change of month";
  s.file = {"2024/05/08,　　,映画"};
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "　買物"})) << "held for the job";
  s.schedule.HoldFile(false);
  s.at(QDate(2024, 7, 1));
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "　映画"}));
  EXPECT_EQ(s.reads, 2);
}

// Kept between months, the file's lines are sorted out by month once; every
// day must still read as a cache built from the whole file says.
TEST(DayScheduleCache, LinesSortedByMonthGiveWhatTheWholeFileGives) {
  CountingSchedule s;
  s.file = {"2024/05/08,　　,買物",        "    /05/05,祝日,こどもの日", "2024/05/03,祝日,憲法記念日",
            "    /  /25,毎月,給料日",      "    /  /  ,毎週,月曜:ゴミ出し", "    /11/  ,月４,木曜:感謝祭",
            "0000/12/31,　　,大晦日",      "1990/06/01,記念,結婚",          "2024/１２/01,　　,全角の月",
            "2024/00/01,　　,零月",        "2024/13/01,　　,十三月",        "short",
            "2024/07/0",                    "2024/02/29,時刻,10:00 閏日",    "2024/09/16,出勤,",
            "    /05/08,毎週,水曜:日付つき",  "2023/12/24,第４,日曜:日付つき"};
  DayScheduleOptions options = FreshWindowOptions();
  options.OptRecurring = 1;
  QStringList expected;
  DayKind expectedKind = DayKind::Ordinary;
  for (QDate d(2024, 1, 1); d.year() == 2024; d = d.addDays(1)) {
    LookUpDaySchedule(BuildScheduleMonthCache(s.file, d, options), d, options, expected, expectedKind);
    EXPECT_EQ(s.at(d, options), expected) << d.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(s.kind, expectedKind) << d.toString(Qt::ISODate).toStdString();
  }
  EXPECT_EQ(s.reads, 1);
}

// A diary page asks for one day in each of several years; months looked up
// before are taken up again only while the file and the options are the same.
TEST(DayScheduleCache, MonthsLookedUpBeforeServeOnlyUnderTheSameFileAndOptions) {
  CountingSchedule s;
  s.file = {"2020/05/08,　　,五年前",   "2022/05/08,時刻,09:00 朝会", "2024/05/08,　　,今年",
            "    /05/08,毎年,記念日", "2023/05/09,赤　,翌日"};
  DayScheduleOptions options = FreshWindowOptions();
  options.OptRecurring = 1;
  for (QDate d(2024, 5, 1); d.month() == 5; d = d.addDays(1)) {
    for (int year = 2020; year <= 2024; ++year) {
      const QDate day(year, d.month(), d.day());
      QStringList expected;
      DayKind expectedKind = DayKind::Ordinary;
      LookUpDaySchedule(BuildScheduleMonthCache(s.file, day, options), day, options, expected, expectedKind);
      EXPECT_EQ(s.at(day, options), expected) << day.toString(Qt::ISODate).toStdString();
      EXPECT_EQ(s.kind, expectedKind);
    }
  }
  EXPECT_EQ(s.reads, 1);

  // The same month under other options is built afresh.
  options.OptDetailEntries = 0;
  s.at(QDate(2021, 5, 8), options);
  EXPECT_EQ(s.at(QDate(2022, 5, 8), options), QStringList({"", "　記念日"}));
  options.OptDetailEntries = 1;
  s.at(QDate(2021, 5, 8), options);
  EXPECT_EQ(s.at(QDate(2022, 5, 8), options), QStringList({"", "時09:00 朝会", "　記念日"}));

  // A changed file is read at the next change of month, and no month built
  // from the old lines is taken up again.
  s.file = {"2022/05/08,　　,変更後"};
  s.at(QDate(2021, 5, 8), options);
  EXPECT_EQ(s.reads, 2);
  EXPECT_EQ(s.at(QDate(2024, 5, 8), options), QStringList({""}));
  EXPECT_EQ(s.at(QDate(2022, 5, 8), options), QStringList({"", "　変更後"}));
}

TEST(DayScheduleCache, EmptyDayResetsAndLeavesTheOutputs) {
  CountingSchedule s;
  s.file = {"2024/05/08,赤　,歯医者"};
  s.at(QDate(2024, 5, 8));
  s.file = {"2024/05/08,赤　,眼科"};
  s.at(QDate());
  EXPECT_EQ(s.texts, QStringList({"", "赤歯医者"}));
  EXPECT_EQ(s.kind, DayKind::Ordinary);
  EXPECT_TRUE(s.schedule.cache().key.isEmpty());
  EXPECT_EQ(s.at(QDate(2024, 5, 8)), QStringList({"", "赤眼科"}));
  EXPECT_EQ(s.reads, 2);
}

TEST(DayScheduleCache, TimedEntriesFollowTheOptionAfterTheNextReset) {
  CountingSchedule s;
  s.file = {"2024/05/09,時刻,09:00 朝会"};
  DayScheduleOptions options = FreshWindowOptions();
  options.OptDetailEntries = 0;
  EXPECT_EQ(s.at(QDate(2024, 5, 8), options), QStringList({""}));
  options.OptDetailEntries = 1;
  EXPECT_EQ(s.at(QDate(2024, 5, 9), options), QStringList({""}));  // never cached
  s.at(QDate(), options);
  EXPECT_EQ(s.at(QDate(2024, 5, 9), options), QStringList({"", "時09:00 朝会"}));
}

// The rules are applied as the option stands at each lookup, even within a
// month looked up before with them off.
TEST(DayScheduleCache, RulesFollowTheOptionAtOnce) {
  CountingSchedule s;
  s.file = {"2024/05/08,　　,買物", "    /  /  ,毎週,水曜:定例"};
  DayScheduleOptions options = FreshWindowOptions();
  options.OptRecurring = 0;
  EXPECT_EQ(s.at(QDate(2024, 5, 8), options), QStringList({"", "　買物"}));
  options.OptRecurring = 1;
  EXPECT_EQ(s.at(QDate(2024, 5, 8), options), QStringList({"", "　買物", "　定例"}));
  options.OptRecurring = 0;
  EXPECT_EQ(s.at(QDate(2024, 5, 15), options), QStringList({""}));
}

TEST(DayScheduleCache, UnreadableFileGivesNoEntriesAndIsTriedAgain) {
  CountingSchedule s;
  s.readable = false;
  EXPECT_EQ(s.at(QDate(2024, 5, 5)), QStringList({""}));
  EXPECT_EQ(s.kind, DayKind::RedWeekday);
  s.readable = true;
  s.file = {"2024/05/06,　　,読めた"};
  EXPECT_EQ(s.at(QDate(2024, 5, 6)), QStringList({"", "　読めた"}));
  EXPECT_EQ(s.reads, 2);
}

class DayScheduleFile : public RingpadTest {};

TEST_F(DayScheduleFile, ReadsTheScheduleFileOfTheOptions) {
  WriteBytes(homeFile("mine.txt"), platform::ToSjis(QStringLiteral("2024/05/08,青　,会議\r\n")));
  DaySchedule schedule;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  schedule.GetDaySchedule(QDate(2024, 5, 8), FreshWindowOptions(homeFile("mine.txt")), texts, kind);
  EXPECT_EQ(texts, QStringList({"", "青会議"}));
}

// A save replaces the file; the lookup sees it at the next month without a
// reset, even when the size stays the same.
TEST_F(DayScheduleFile, SeesTheFileSavedAnewWithoutAReset) {
  const QString path = homeFile("mine.txt");
  const DayScheduleOptions options = FreshWindowOptions(path);
  ASSERT_TRUE(ScheduleFile::Write(path, {QStringLiteral("2024/05/08,青　,会議")}));
  DaySchedule schedule;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  schedule.GetDaySchedule(QDate(2024, 5, 8), options, texts, kind);
  ASSERT_TRUE(ScheduleFile::Write(path, {QStringLiteral("2024/05/08,赤　,会食")}));
  schedule.GetDaySchedule(QDate(2024, 6, 1), options, texts, kind);
  schedule.GetDaySchedule(QDate(2024, 5, 8), options, texts, kind);
  EXPECT_EQ(texts, QStringList({"", "赤会食"}));
}

}  // namespace
