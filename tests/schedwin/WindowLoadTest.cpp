// Opening the schedule window: the settings section, the schedule file and
// its backup, the lists, and what a second opening repeats.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>

#include "ScheduleWindowTest.h"
#include "core/ui/TabBar.h"
#include "schedule/ScheduleFile.h"

namespace {

using WindowLoad = ScheduleWindowTest;

TEST_F(WindowLoad, FirstRunWritesTheDefaultsAndCreatesTheScheduleFile) {
  ScheduleWindow& w = Open();

  EXPECT_EQ(SectionLines(), FixtureLines(QStringLiteral("first_run_section.txt")));
  EXPECT_EQ(w.ScheduleFilePath, QStringLiteral("diduvuv.txt"));
  const QByteArray holidays = FixtureBytes(QStringLiteral("new_schedule.txt"));
  ASSERT_FALSE(holidays.isEmpty());
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))), holidays);
  // 15 June 2025 is a Sunday: weekday 1.
  EXPECT_EQ(ReadBytes(home() + QStringLiteral("bak/diduvuv1.txt")), holidays);
  EXPECT_TRUE(messages().shown().empty()) << messages().texts().join(u'|').toStdString();
  EXPECT_EQ(w.windowTitle(), QStringLiteral("予定表 - diduvuv.txt"));
}

TEST_F(WindowLoad, ListsAreFilledAndTodayIsSelected) {
  ScheduleWindow& w = Open();
  ASSERT_EQ(w.Cmb_Nen->count(), 201);
  EXPECT_EQ(w.Cmb_Nen->itemText(0), QStringLiteral("1900"));
  EXPECT_EQ(w.Cmb_Nen->itemText(199), QStringLiteral("2099"));
  EXPECT_EQ(w.Cmb_Nen->itemText(200), QStringLiteral("    "));
  EXPECT_EQ(w.Cmb_Nen->currentText(), QStringLiteral("2025"));
  EXPECT_EQ(w.Cmb_Tuki->currentText(), QStringLiteral("06"));
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("15"));
  EXPECT_EQ(w.Cmb_Tuki->count(), 12);
  EXPECT_EQ(w.Cmb_Hi->count(), 31);

  ASSERT_EQ(w.Cmb_yasumi->count(), 33);
  EXPECT_EQ(w.Cmb_yasumi->itemText(0), QStringLiteral("　　"));
  EXPECT_EQ(w.Cmb_yasumi->itemText(32), QStringLiteral("完了"));
  EXPECT_EQ(w.Cmb_yasumi->currentIndex(), 0);
  ASSERT_EQ(w.Cmb_Type->count(), 27);
  EXPECT_EQ(w.Cmb_Type->currentRow(), 25);
  EXPECT_EQ(w.Cmb_Type->currentItem()->text(), QStringLiteral("Ａ４横の大きなカレンダー"));

  EXPECT_EQ(w.cmb_memori2->count(), 8);
  EXPECT_EQ(w.cmb_memori2->currentText(), QStringLiteral("時刻数字:8-19"));
  EXPECT_EQ(w.cmb_kirisute->currentText(), QStringLiteral("(右端処理)"));
  EXPECT_EQ(w.cmb_tatekei->count(), 6);
  EXPECT_EQ(w.cmb_tatekei->itemText(5), QStringLiteral("6分割"));
  EXPECT_EQ(w.cmb_5nen->currentText(), QStringLiteral("5年/頁"));
  EXPECT_EQ(w.cmb_week->count(), 99);
  EXPECT_EQ(w.cmb_week->itemText(0), QStringLiteral(" 1週"));
  EXPECT_EQ(w.cmb_week->currentText(), QStringLiteral("20週"));
  EXPECT_EQ(w.Txt_maisu->text(), QStringLiteral("1"));

  const ScheduleOptions& o = w.Options;
  EXPECT_EQ(o.OptColourPrint, 1);
  EXPECT_EQ(o.OptShading, 1);
  EXPECT_EQ(o.OptBrackets, 1);
  EXPECT_EQ(o.OptPrintEntries, 1);
  EXPECT_EQ(o.OptHolidayNames, 1);
  EXPECT_EQ(o.OptDetailEntries, 1);
  EXPECT_EQ(o.OptRecurring, 0);
  EXPECT_EQ(o.OptMemo, 0);
  EXPECT_EQ(o.HourRangeIndex, 1);
  EXPECT_EQ(o.DiaryYears, 5);
  EXPECT_EQ(o.ProjectWeeks, 20);
  EXPECT_EQ(o.MemoLineCount, 12);
  EXPECT_EQ(o.RedWeekday, 1);
  EXPECT_EQ(o.BlueWeekday, 7);
  EXPECT_EQ(o.RestDayShade, 0xEEFFEE);
  EXPECT_TRUE(o.ShiftPattern.isEmpty());
  EXPECT_TRUE(w.Chk_Sunday->isChecked());
  EXPECT_FALSE(w.Chk_dispday->isChecked());

  ASSERT_EQ(w.StoredPhrases.size(), 51);
  EXPECT_TRUE(w.StoredPhrases[0].isEmpty());
  EXPECT_EQ(w.StoredPhrases[1], QStringLiteral("(空白行)"));
  EXPECT_EQ(w.StoredPhrases[27], QStringLiteral("粗大ごみ"));
  EXPECT_TRUE(w.StoredPhrases[28].isEmpty());
  EXPECT_EQ(w.SymbolList[1], QStringLiteral("♪"));
  EXPECT_EQ(w.SymbolList[15], QStringLiteral("＄"));
  EXPECT_TRUE(w.SymbolList[16].isEmpty());

  EXPECT_EQ(w.Picture3->Tag(), QStringLiteral("予定内容入力,印刷オプション"));
  EXPECT_EQ(w.Picture3->SelectedTab(), 1);
  EXPECT_FALSE(w.Picture2[0]->isHidden());
  EXPECT_TRUE(w.Picture2[1]->isHidden());
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
}

// The year list used to end at 2020, so that a later today selected nothing.
TEST_F(WindowLoad, TodayAlwaysHasAYearInTheList) {
  struct Row { QDate today; const char* shown; };
  const Row rows[] = {{QDate(2030, 2, 10), "2030"}, {QDate(2099, 12, 31), "2099"},
                      {QDate(2150, 1, 1), "2099"}, {QDate(1900, 1, 1), "1900"}};
  for (const Row& r : rows) {
    SetScheduleToday(r.today);
    ScheduleWindow& w = Open();
    EXPECT_EQ(w.Cmb_Nen->currentText(), QLatin1String(r.shown)) << r.today.toString().toStdString();
    EXPECT_EQ(w.Cmb_Tuki->currentIndex(), r.today.month() - 1);
    EXPECT_EQ(w.Cmb_Hi->currentIndex(), r.today.day() - 1);
  }
}

TEST_F(WindowLoad, ReopeningRepeatsEveryLoadStep) {
  ScheduleWindow& first = Open();
  first.Cmb_Nen->setCurrentIndex(101);
  first.chk_memo->setChecked(true);
  first.cmb_5nen->setCurrentIndex(0);
  Close();
  const QStringList before = SectionLines();
  SetKey("MINI", QString());  // a default that went missing comes back

  ScheduleWindow& again = Open();
  EXPECT_EQ(again.Cmb_Nen->currentText(), QStringLiteral("2025"));
  EXPECT_EQ(again.Cmb_Type->currentRow(), 25);
  EXPECT_EQ(again.Options.OptMemo, 0) << "MEMO is written, never read back";
  EXPECT_FALSE(again.chk_memo->isChecked());
  EXPECT_EQ(Key("MEMO"), QStringLiteral("1"));
  EXPECT_EQ(again.Options.DiaryYears, 5);
  EXPECT_EQ(Key("MINI"), QStringLiteral("1"));
  EXPECT_EQ(SectionLines(), before);
}

TEST_F(WindowLoad, StoredValuesAreLoadedIntoVariablesAndBoxes) {
  SetKey("TEIKI", QStringLiteral("1"));
  SetKey("SUNDAY", QStringLiteral("0"));
  SetKey("DISPDAY", QStringLiteral("1"));
  SetKey("MEMORI2", QStringLiteral("6"));
  SetKey("PRJ_WEEK", QStringLiteral("7"));
  SetKey("DAY_RED", QStringLiteral("2"));
  SetKey("AMI_KOKYU", QStringLiteral("&H123456"));
  SetKey("YAKIN", QStringLiteral("日夜明"));
  SetKey("MEMO", QStringLiteral("1"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.Options.OptRecurring, 1);
  EXPECT_TRUE(w.chk_teiki->isChecked());
  EXPECT_EQ(w.Options.OptColourPrint, 0);
  EXPECT_FALSE(w.Chk_Sunday->isChecked());
  EXPECT_EQ(w.Options.OptListDays, 1);
  EXPECT_EQ(w.List1->count(), 30) << "June's day rows";
  EXPECT_EQ(w.Options.HourRangeIndex, 6);
  EXPECT_EQ(w.Options.ProjectWeeks, 7);
  EXPECT_EQ(w.cmb_week->currentIndex(), 6);
  EXPECT_EQ(w.Options.RedWeekday, 2);
  EXPECT_EQ(w.Options.RestDayShade, 0x123456);
  EXPECT_EQ(w.Options.ShiftPattern, QStringLiteral("日夜明"));
  EXPECT_EQ(w.Options.OptMemo, 0);
  EXPECT_EQ(Key("SUNDAY"), QStringLiteral("0"));
}

// Values that are no number, or that no list item has, still open the
// window; list values come back into range and are written so, and the
// other keys keep what they held.
TEST_F(WindowLoad, GarbageValuesOpenTheWindow) {
  SetKey("ROKUYOU", QStringLiteral("abc"));
  SetKey("SUNDAY", QStringLiteral("2"));
  SetKey("NAIYOU", QStringLiteral("yes"));
  SetKey("MEMORI2", QStringLiteral("8"));
  SetKey("KIRISUTE", QStringLiteral("77"));
  SetKey("TATEKEI2", QStringLiteral("-3"));
  SetKey("PRJ_WEEK", QStringLiteral("0"));
  SetKey("DAY_RED", QStringLiteral("xyz"));
  SetKey("MEMO_GYO", QStringLiteral("99999999"));
  SetKey("AMI_KOKYU", QStringLiteral("&HZZ"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.Options.OptRokuyou, 0);
  EXPECT_EQ(Key("ROKUYOU"), QStringLiteral("abc"));
  EXPECT_EQ(w.Options.OptColourPrint, 0);
  EXPECT_FALSE(w.Chk_Sunday->isChecked());
  EXPECT_EQ(Key("SUNDAY"), QStringLiteral("2"));
  EXPECT_EQ(w.Options.OptPrintEntries, 0);
  EXPECT_EQ(w.cmb_memori2->currentIndex(), 1);
  EXPECT_EQ(Key("MEMORI2"), QStringLiteral("1"));
  EXPECT_EQ(w.Options.RightEdgeMode, 0);
  EXPECT_EQ(Key("KIRISUTE"), QStringLiteral("0"));
  EXPECT_EQ(Key("TATEKEI2"), QStringLiteral("0"));
  EXPECT_EQ(w.Options.ProjectWeeks, 20);
  EXPECT_EQ(Key("PRJ_WEEK"), QStringLiteral("20"));
  EXPECT_EQ(w.Options.RedWeekday, 0);
  EXPECT_EQ(w.Options.MemoLineCount, 32767);
  EXPECT_EQ(w.Options.RestDayShade, 0);
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(WindowLoad, PhrasesAreTheUnbrokenRunFromKeyOne) {
  for (int n = 1; n <= 5; ++n) SetKey(QStringLiteral("SAMPLE%1").arg(n, 2, 10, QLatin1Char('0')).toLatin1(),
                                      QStringLiteral("p%1").arg(n));
  SetKey("SAMPLE07", QStringLiteral("p7"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.StoredPhrases.mid(1, 6),
            (QStringList{"p1", "p2", "p3", "p4", "p5", ""}));
  EXPECT_TRUE(w.StoredPhrases[7].isEmpty());
}

TEST_F(WindowLoad, AMissingFirstPhraseBringsBackTheDefaults) {
  for (int n = 2; n <= 40; ++n) SetKey(QStringLiteral("SAMPLE%1").arg(n, 2, 10, QLatin1Char('0')).toLatin1(),
                                       QStringLiteral("mine%1").arg(n));
  SetKey("ICON01", QStringLiteral("○"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(Key("SAMPLE01"), QStringLiteral("(空白行)"));
  EXPECT_EQ(Key("SAMPLE27"), QStringLiteral("粗大ごみ"));
  EXPECT_EQ(Key("SAMPLE28"), QStringLiteral("mine28"));
  EXPECT_EQ(w.StoredPhrases[2], QStringLiteral("□"));
  EXPECT_EQ(w.StoredPhrases[40], QStringLiteral("mine40"));
  EXPECT_TRUE(w.StoredPhrases[41].isEmpty());
  EXPECT_EQ(w.SymbolList[1], QStringLiteral("○"));
  EXPECT_TRUE(w.SymbolList[2].isEmpty()) << "ICON02 missing ends the symbols";
  EXPECT_TRUE(Key("ICON02").isEmpty());
}

}  // namespace
