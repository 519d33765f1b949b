// The lines the entry editor writes, its refusals and where new lines go.
#include <gtest/gtest.h>

#include "schedule/EntryComposer.h"
#include "schedule/EntryPlacement.h"
#include "schedule/EntryShowing.h"
#include "schedule/ShownLineCheck.h"

namespace {

EntryFields Fields(const char* date, const char* kind, const char* text) {
  const QString d = QString::fromUtf8(date);
  return {d.section(u'/', 0, 0), d.section(u'/', 1, 1), d.section(u'/', 2, 2), QString::fromUtf8(kind),
          QString::fromUtf8(text)};
}

TEST(EntryComposer, LinesOfEveryKind) {
  struct Row { const char* date; const char* kind; const char* text; const char* line; };
  const Row rows[] = {
      {"2001/05/03", "　　", "会議", "2001/05/03,　　,会議"},
      {"2001/05/03", "赤　", "至急", "2001/05/03,赤　,至急"},
      {"2001/05/03", "公休", "(空白行)", "2001/05/03,公休,"},
      {"2001/05/03", "出勤", "", "2001/05/03,出勤,"},
      {"2001/05/03", "毎年", "誕生日", "    /05/03,毎年,誕生日"},
      {"1987/05/03", "毎年", "誕生日", "    /05/03,毎年,誕生日"},
      {"2001/05/03", "毎年", "(空白行)", "    /05/03,毎年,"},
      {"2001/03/20", "祝日", "春分の日", "2001/03/20,祝日,春分の日"},
      {"2001/09/23", "祝日", " 秋分の日 ", "2001/09/23,祝日, 秋分の日"},
      {"2001/01/01", "祝日", "元日", "    /01/01,祝日,元日"},
      {"2001/05/03", "祝日", " 憲法記念日", "    /05/03,祝日, 憲法記念日"},
      // Holidays the law moves, and names the editor does not know, keep
      // their year: an every-year 海の日 would show on 20 and 21 July 2026.
      {"2025/07/21", "祝日", "海の日", "2025/07/21,祝日,海の日"},
      {"2025/09/15", "祝日", "敬老の日", "2025/09/15,祝日,敬老の日"},
      {"2025/10/13", "祝日", "スポーツの日", "2025/10/13,祝日,スポーツの日"},
      {"2025/08/11", "祝日", "山の日", "2025/08/11,祝日,山の日"},
      {"2025/02/23", "祝日", "天皇誕生日", "2025/02/23,祝日,天皇誕生日"},
      {"1998/12/23", "祝日", "天皇誕生日", "1998/12/23,祝日,天皇誕生日"},
      {"2025/05/06", "祝日", "振替休日", "2025/05/06,祝日,振替休日"},
      {"2019/04/30", "祝日", "国民の休日", "2019/04/30,祝日,国民の休日"},
      {"2025/05/04", "祝日", "みどりの日", "2025/05/04,祝日,みどりの日"},
      {"2001/05/03", "祝日", "の日", "2001/05/03,祝日,の日"},
      {"1900/05/03", "記念", "創立", "    /05/03,記念,創立"},
      {"1970/05/03", "記念", "誕生日", "1970/05/03,記念,誕生日"},
      {"2001/05/03", "毎月", "給料日", "    /  /03,毎月,給料日"},
      {"2001/05/03", "毎週", "月曜:朝会", "    /  /  ,毎週,月曜:朝会"},
      {"2001/05/03", "第２", "火曜:ゴミ", "    /  /  ,第２,火曜:ゴミ"},
      {"2001/05/03", "月３", "日曜:町内会", "    /05/  ,月３,日曜:町内会"},
      {"2001/05/03", "時刻", "14:00 会議", "2001/05/03,時刻,14:00 会議"},
      {"2001/05/03", "記号", "♪", "2001/05/03,記号,♪"},
      {"2001/05/03", "予定", "～03週:設計", "2001/05/03,予定,～03週:設計"},
      {"2001/05/03", "　　", "　全角で終わる　", "2001/05/03,　　,　全角で終わる　"},
      {"2001/05/03", "　　", "一行目\r\n二行目", "2001/05/03,　　,一行目  二行目"},
  };
  for (const Row& r : rows) {
    const EntryFields f = Fields(r.date, r.kind, r.text);
    EXPECT_EQ(EntryRefusal(f, false, 0), QString()) << r.line;
    EXPECT_EQ(ComposeEntryLine(f), QString::fromUtf8(r.line));
  }
}

TEST(EntryComposer, RefusalsInTheirOrder) {
  struct Row { const char* date; const char* kind; const char* text; bool update; int shown; const char* message; };
  const Row rows[] = {
      {"2001/05/03", "　　", "", true, 0, "更新する予定を選択し、一旦表示してください。"},
      {"1987/02/30", "　　", "", true, 3, "内容を入力してください。"},
      {"1987/02/30", "祝日", "", false, 0, "内容を入力してください。"},
      {"1987/02/30", "　　", "x", false, 0, "1988年以前は入力できません。"},
      {"1987/05/03", "毎月", "x", false, 0, "1988年以前は入力できません。"},
      {"1987/02/30", "記念", "x", false, 0, "入力した日付[1987/02/30]は誤っています。"},
      {"2001/02/30", "　　", "x", false, 0, "入力した日付[2001/02/30]は誤っています。"},
      {"    /05/03", "毎年", "x", false, 0, "入力した日付[    /05/03]は誤っています。"},
      {"    /05/03", "　　", "x", false, 0, "入力した日付[    /05/03]は誤っています。"},
      {"2000/02/29", "　　", "x", true, 7, ""},
      {"1987/05/03", "記念", "x", false, 0, ""},
      {"2001/05/03", "公休", "", false, 0, ""},
  };
  for (const Row& r : rows)
    EXPECT_EQ(EntryRefusal(Fields(r.date, r.kind, r.text), r.update, r.shown), QString::fromUtf8(r.message))
        << r.date << " " << r.kind;
}

TEST(EntryPlacement, AnchorIsTheRowAfterTheSelectedOne) {
  const QList<int> rows{0, 4, 5, 0, 9};
  EXPECT_EQ(PlacementAnchor(rows, 1), 5);
  EXPECT_EQ(PlacementAnchor(rows, -1), 0) << "no row selected: the first row's number";
  EXPECT_EQ(PlacementAnchor({7, 8}, -1), 7);
  EXPECT_EQ(PlacementAnchor(rows, 4), 0) << "the last row";
  EXPECT_EQ(PlacementAnchor({}, -1), 0);
}

TEST(EntryPlacement, NewLinesGoBeforeTheAnchorOrTheNextDate) {
  const QStringList day{"2001/05/01 x", "2001/05/03,　　,A", "2001/05/03,　　,B", "2001/05/03,　　,C",
                        "2001/05/10 y"};
  const QString d = QStringLiteral("2001/05/03,　　,D");
  EXPECT_EQ(WithLineInserted(day, d, 4), (QStringList{day[0], day[1], day[2], d, day[3], day[4]}));
  EXPECT_EQ(WithLineInserted(day, d, 0), (QStringList{day[0], day[1], day[2], day[3], d, day[4]}));
  EXPECT_EQ(WithLineInserted(day, d, 5), (QStringList{day[0], day[1], day[2], day[3], d, day[4]}))
      << "an anchor of another date counts for nothing";
  EXPECT_EQ(WithLineInserted(day, QStringLiteral("2001/06/01,　　,E"), 0).last(), QStringLiteral("2001/06/01,　　,E"));
  EXPECT_EQ(WithLineInserted(day, QStringLiteral("    /  /  ,毎週,月曜:"), 0).first(),
            QStringLiteral("    /  /  ,毎週,月曜:"))
      << "blanks sort before digits";
  EXPECT_EQ(WithLineInserted({"2001/05", "2001/05/04 z"}, d, 0), (QStringList{"2001/05", d, "2001/05/04 z"}))
      << "a short line compares with the characters it has";
  EXPECT_EQ(WithLineInserted({}, d, 0), QStringList{d});
  EXPECT_EQ(WithoutLine(day, 2), (QStringList{day[0], day[2], day[3], day[4]}));
  EXPECT_EQ(WithoutLine(day, 9), day);
}

TEST(EntryShowing, RowsBackIntoTheFields) {
  EXPECT_TRUE(HasRuleDate(QStringLiteral("    /  /   毎週 月曜:朝会")));
  EXPECT_TRUE(HasRuleDate(QStringLiteral("    /05/   月３ 日曜:町内会")));
  EXPECT_FALSE(HasRuleDate(QStringLiteral("    /  /03 毎月 給料日")));
  EXPECT_EQ(ShownDayIndex(QStringLiteral("    /  /03 毎月 給料日")), 2);
  EXPECT_EQ(ShownDayIndex(QStringLiteral("2001/05/  ")), -1);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("1970/05/03 記念 誕生日(31)"), 101), 70);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("2001/05/03 記念 誕生日"), 101), -1);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("1900/05/03 記念 創立"), 101), -1);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("    /05/03 毎年 誕生日"), 101), -1);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("0000/05/03 毎年 誕生日"), 101), -1);
  EXPECT_EQ(ShownYearIndex(QStringLiteral("2001/05/03 x"), 200), 101) << "from the blank year";
  EXPECT_EQ(ShownEntryText(QStringLiteral("  ")), QStringLiteral("(空白行)"));
  EXPECT_EQ(ShownEntryText(QStringLiteral("会議 ")), QStringLiteral("会議 "));
}

TEST(ShownLineCheck, TheListMustStillNameItsLines) {
  const QStringList file{"2001/05/03,　　,A", "2001/05/04,　　,B"};
  const MonthListOptions options;
  const QList<MonthListRow> rows = BuildMonthList(file, "2001", "05", options);
  EXPECT_TRUE(MonthListIsCurrent(rows, file, "2001", "05", options));
  EXPECT_TRUE(MonthListIsCurrent(rows, file + QStringList{"2001/06/01,　　,later"}, "2001", "05", options))
      << "a line after the month's lines changes no number";
  EXPECT_FALSE(MonthListIsCurrent(rows, QStringList{"2001/06/01,　　,x"} + file, "2001", "05", options));
  EXPECT_FALSE(MonthListIsCurrent(rows, {file[1], file[0]}, "2001", "05", options));
  EXPECT_TRUE(ShownLineIsIntact(file, 2, file[1]));
  EXPECT_FALSE(ShownLineIsIntact(file, 1, file[1]));
  EXPECT_FALSE(ShownLineIsIntact(file, 3, file[1]));
}

}  // namespace
