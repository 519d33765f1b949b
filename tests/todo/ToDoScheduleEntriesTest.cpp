// How to-do items become schedule lines: kinds, texts, the place of a new
// line, the re-dated item, the day mail and the export lines.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "core/platform/Shell.h"
#include "todo_memo/ToDoScheduleEntries.h"

using namespace todo;

TEST(ToDoScheduleEntries, KindsAndTexts) {
  struct Case {
    const char* line;
    const char* kind;
    const char* itemText;
    const char* dayListText;
  };
  const Case cases[] = {
      {"□Aﾃｽﾄ", "赤　", "ﾃｽﾄ", "□A:ﾃｽﾄ"},
      {"□Bﾒﾓ\t2024/05/01", "黄　", "ﾒﾓ\t2024/05/01", "□B:ﾒﾓ\t2024/05/01"},
      {"■C x ", "青　", "x", "■C:x"},
      {"□D x", "　　", "x", "□D:x"},
      {"□ 　level", "　　", "　level", "□ :　level"},
      {"□", "　　", "", "□:"},
  };
  for (const Case& c : cases) {
    const QString line = QString::fromUtf8(c.line);
    EXPECT_EQ(ScheduleKindOfImportance(line), QString::fromUtf8(c.kind)) << c.line;
    EXPECT_EQ(ItemTextOf(line), QString::fromUtf8(c.itemText)) << c.line;
    EXPECT_EQ(DayListEntryText(line), QString::fromUtf8(c.dayListText)) << c.line;
  }
  EXPECT_EQ(DropQuestion({2024, 5, 10}, true, "ﾃｽﾄ"), QStringLiteral("[2024/05/10]の予定に\n「ﾃｽﾄ」を追加します"));
  EXPECT_EQ(DropQuestion({2024, 5, 10}, false, "買物"), QStringLiteral("[2024/05/10]に\n「買物」を追加します"));
  EXPECT_EQ(MascotDayListText("買物"), QStringLiteral("□ :買物"));
  EXPECT_EQ(RedatedItem("□Aﾃｽﾄ", {2024, 5, 10}), QStringLiteral("□Aﾃｽﾄ\t2024/05/10"));
  EXPECT_EQ(RedatedItem("□Aﾃｽﾄ\t2024/05/10\tmore", {2024, 5, 12}), QStringLiteral("□Aﾃｽﾄ\t2024/05/12"));
}

TEST(ToDoScheduleEntries, NewLineGoesBeforeTheFirstLaterLine) {
  const QString added = QStringLiteral("2024/05/10 赤　 ﾃｽﾄ");
  struct Case {
    QStringList before;
    QStringList after;
  };
  const Case cases[] = {
      {{}, {added}},
      {{"2024/05/11 　　 b", "2024/05/09 　　 c"}, {added, "2024/05/11 　　 b", "2024/05/09 　　 c"}},
      {{"    /05/03 祝日 y", "2024/05/09 　　 c"}, {"    /05/03 祝日 y", "2024/05/09 　　 c", added}},
      // Trailing blanks of a line do not count; an equal line stays first.
      {{"2024/05/10 赤　 ﾃｽﾄ   ", "2024/05/10 赤　 ﾃｽﾄﾃ"}, {"2024/05/10 赤　 ﾃｽﾄ   ", added, "2024/05/10 赤　 ﾃｽﾄﾃ"}},
      // Character codes, not a locale: lower case sorts after upper.
      {{"2024/05/10 赤　 ﾃｽﾄa", "2024/05/10 赤　 A"}, {added, "2024/05/10 赤　 ﾃｽﾄa", "2024/05/10 赤　 A"}},
  };
  for (const Case& c : cases) {
    QStringList lines = c.before;
    InsertInScheduleOrder(lines, added);
    EXPECT_EQ(lines, c.after) << c.before.join(" | ").toStdString();
  }
}

TEST(ToDoScheduleEntries, DayMail) {
  const DayMail mail = DayMailOf({2024, 5, 10}, {"05:a&b c", " 10 x  "});
  EXPECT_EQ(mail.subject, QStringLiteral("2024/05/10の予定"));
  EXPECT_EQ(mail.body, QStringLiteral("05:a&b c\r\n10 x\r\n"));
  // The line break after the last item reaches the mail link.
  EXPECT_TRUE(platform::MailLinkUrl(QString(), mail.subject, mail.body).toEncoded().endsWith("10%20x%0D%0A"));
  EXPECT_EQ(mail.clipboardText, QStringLiteral("05:a&b c\r\n 10 x  \r\n"));
  const DayMail empty = DayMailOf({2024, 5, 10}, {});
  EXPECT_TRUE(empty.body.isEmpty());
  EXPECT_TRUE(empty.clipboardText.isEmpty());
}

TEST(ToDoScheduleEntries, DoneExportLine) {
  EXPECT_EQ(DoneExportLine("■A　buy milk \t2009/03/01", u'■', {2009, 3, 2}),
            QStringLiteral("2009/03/02,　　,■　buy milk \t2009/03/01"));
  EXPECT_EQ(DoneExportLine("■ x", u'■', {2009, 3, 2}), QStringLiteral("2009/03/02,　　,■x"));
}

// The finished items go to the export in the order the list shows; the rest
// stay, numbered afresh in that order, unselected.
TEST(ToDoScheduleEntries, TakeFinishedItems) {
  ToDoList list;
  list.append("□ c", 2);
  list.append("■ a", 0);
  list.append("□ b", 1);
  list.append("■B d", 3);
  list.selected[2] = true;
  const FinishedItems items = TakeFinishedItems(list, u'■', {2009, 3, 2});
  EXPECT_EQ(items.exported, (QStringList{"2009/03/02,　　,■a", "2009/03/02,　　,■d"}));
  EXPECT_EQ(items.kept.texts, (QStringList{"□ c", "□ b"}));
  EXPECT_EQ(items.kept.itemData, (QList<int>{0, 1}));
  EXPECT_EQ(items.kept.selected, (QList<bool>{false, false}));
  EXPECT_TRUE(TakeFinishedItems(ToDoList{}, u'■', {2009, 3, 2}).exported.isEmpty());
}

using ToDoScheduleFile = RingpadTest;

// A line goes into the schedule file in order and can be taken back while
// the file still holds as many copies as it did right after.
TEST_F(ToDoScheduleFile, LineGoesInAndComesBack) {
  const QString path = homeFile(QStringLiteral("sched.txt"));
  const QByteArray before("2024/05/01 a\r\n2024/05/03 c\r\n");
  WriteBytes(path, before);
  AddedScheduleLine added;
  ASSERT_TRUE(AddScheduleLine(path, QStringLiteral("2024/05/02 b"), &added));
  EXPECT_EQ(ReadBytes(path), QByteArray("2024/05/01 a\r\n2024/05/02 b\r\n2024/05/03 c\r\n"));
  EXPECT_EQ(added.at, 1);
  EXPECT_EQ(added.copies, 1);
  ASSERT_TRUE(TakeScheduleLineBack(added));
  EXPECT_EQ(ReadBytes(path), before);

  // Another writer took the copy out meanwhile: nothing more goes.
  ASSERT_TRUE(AddScheduleLine(path, QStringLiteral("2024/05/01 a"), &added));
  EXPECT_EQ(added.copies, 2);
  WriteBytes(path, before);
  EXPECT_FALSE(TakeScheduleLineBack(added));
  EXPECT_EQ(ReadBytes(path), before);
  EXPECT_TRUE(messages().texts().isEmpty());
}
