// The entry editor driven through the window's controls: the lines it
// writes, where it puts them, what it shows and what it refuses.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "EditorWindowTest.h"
#include "core/platform/MessageBox.h"
#include "schedule/ShownLineCheck.h"

namespace {

class EntryEditorTest : public EditorWindowTest {
 protected:
  ScheduleWindow& OpenOn(const QStringList& lines, int year = 2001, int month = 5, int day = 3) {
    WriteLines(lines);
    SetScheduleToday(QDate(year, month, day));
    return Open();
  }
};

// Each case starts from an empty file, so the file holds the one line.
TEST_F(EntryEditorTest, AddWritesTheLineOfEachKind) {
  struct Row { int year, month, day; const char* kind; const char* text; const char* line; };
  const Row rows[] = {
      {2001, 5, 3, "　　", "会議", "2001/05/03,　　,会議"},
      {2001, 5, 3, "毎年", "誕生日", "    /05/03,毎年,誕生日"},
      {2001, 5, 3, "公休", "(空白行)", "2001/05/03,公休,"},
      {2001, 5, 3, "出勤", "", "2001/05/03,出勤,"},
      {2001, 5, 3, "第２", "火曜:ゴミ", "    /  /  ,第２,火曜:ゴミ"},
      {2001, 5, 3, "月３", "日曜:町内会", "    /05/  ,月３,日曜:町内会"},
      {2001, 5, 3, "毎月", "給料日  ", "    /  /03,毎月,給料日"},
      {2001, 3, 20, "祝日", "春分の日", "2001/03/20,祝日,春分の日"},
      {1900, 5, 3, "記念", "創立", "    /05/03,記念,創立"},
      {1970, 5, 3, "記念", "誕生日", "1970/05/03,記念,誕生日"},
      {1987, 5, 3, "毎年", "結婚", "    /05/03,毎年,結婚"},
      {2001, 5, 3, "時刻", "14:00 会議", "2001/05/03,時刻,14:00 会議"},
      {2001, 5, 3, "記号", "♪", "2001/05/03,記号,♪"},
      {2001, 5, 3, "実績", "～02週:試作", "2001/05/03,実績,～02週:試作"},
      {2001, 5, 3, "紫　", "　余白　", "2001/05/03,紫　,　余白　"},
  };
  ScheduleWindow& w = OpenOn({});
  for (const Row& r : rows) {
    WriteLines({});
    SelectDate(w, r.year, r.month, r.day);
    Enter(w, QString::fromUtf8(r.kind), QString::fromUtf8(r.text));
    Press(w, kAdd);
    EXPECT_EQ(ReadBytes(schedulePath()), platform::ToSjis(QString::fromUtf8(r.line) + QStringLiteral("\r\n")))
        << r.line;
  }
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join(u'|').toStdString();
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(EntryEditorTest, RefusedEntriesWriteNothing) {
  struct Row { int year, month, day; const char* kind; const char* text; int button; const char* message; };
  const Row rows[] = {
      {2001, 5, 3, "　　", "x", kUpdate, "更新する予定を選択し、一旦表示してください。"},
      {2001, 5, 3, "　　", "   ", kAdd, "内容を入力してください。"},
      {2001, 5, 3, "毎年", "", kAdd, "内容を入力してください。"},
      {1987, 5, 3, "　　", "x", kAdd, "1988年以前は入力できません。"},
      {1987, 5, 3, "毎月", "x", kAdd, "1988年以前は入力できません。"},
  };
  ScheduleWindow& w = OpenOn({"2001/05/01,　　,keep"});
  const QByteArray before = ReadBytes(schedulePath());
  for (const Row& r : rows) {
    messages().clear();
    SelectDate(w, r.year, r.month, r.day);
    Enter(w, QString::fromUtf8(r.kind), QString::fromUtf8(r.text));
    Press(w, r.button);
    EXPECT_EQ(messages().texts(), QStringList{QString::fromUtf8(r.message)});
    EXPECT_EQ(messages().shown().back().icon, platform::MsgIcon::Exclamation);
  }
  // 30 February: the day list keeps an impossible day only when it is set
  // without its handler, as a window that never clamped would hold it.
  messages().clear();
  SelectDate(w, 2001, 2, 1);
  {
    const QSignalBlocker quiet(w.Cmb_Hi);
    w.Cmb_Hi->setCurrentIndex(29);
  }
  Enter(w, QStringLiteral("　　"), QStringLiteral("x"));
  Press(w, kAdd);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("入力した日付[2001/02/30]は誤っています。")});
  messages().clear();
  w.Cmb_Nen->setCurrentIndex(w.Cmb_Nen->count() - 1);  // the blank year
  SelectDate(w, 2001, 5, 3);
  w.Cmb_Nen->setCurrentIndex(w.Cmb_Nen->count() - 1);
  Press(w, kAdd);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("入力した日付[    /05/03]は誤っています。")});
  EXPECT_EQ(ReadBytes(schedulePath()), before);
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("ringpad.tmp"))));
}

TEST_F(EntryEditorTest, ANewLineFollowsTheSelectedEntryOfItsDay) {
  const QStringList file{"2001/05/01,　　,X", "2001/05/03,　　,A", "2001/05/03,　　,B", "2001/05/03,　　,C",
                         "2001/05/10,　　,Y"};
  ScheduleWindow& w = OpenOn(file);
  SelectRow(w, QStringLiteral(" B"));
  Enter(w, QStringLiteral("　　"), QStringLiteral("D"));
  Press(w, kAdd);
  EXPECT_EQ(FileLines(), (QStringList{file[0], file[1], file[2], "2001/05/03,　　,D", file[3], file[4]}));
  EXPECT_EQ(w.List1->currentRow(), 2) << "the row at the same place is selected again";
  EXPECT_EQ(QString::fromLatin1(ReadBytes(homeFile(QStringLiteral("ringpad.tmp")))),
            QString::fromLatin1(platform::ToSjis(file.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))))
      << "the temporary copy holds the file as it was";

  // No row selected: before the first later date.
  w.List1->setCurrentRow(-1);
  w.List1->clearSelection();
  Enter(w, QStringLiteral("　　"), QStringLiteral("E"));
  Press(w, kAdd);
  EXPECT_EQ(FileLines().mid(4, 3), (QStringList{"2001/05/03,　　,C", "2001/05/03,　　,E", "2001/05/10,　　,Y"}));
  // A later date than every line: at the end.
  SelectDate(w, 2001, 5, 31);
  Enter(w, QStringLiteral("　　"), QStringLiteral("Z"));
  Press(w, kAdd);
  EXPECT_EQ(FileLines().last(), QStringLiteral("2001/05/31,　　,Z"));
  EXPECT_EQ(Suggestions(w).mid(0, 4), (QStringList{"", "Z", "E", "D"})) << "added texts join the suggestions";
}

TEST_F(EntryEditorTest, AnUpdateReplacesTheShownEntry) {
  const QStringList file{"2001/05/01,　　,X", "2001/05/03,　　,A", "2001/05/03,　　,B", "2001/05/03,　　,C",
                         "2001/05/10,　　,Y"};
  ScheduleWindow& w = OpenOn(file);
  SelectRow(w, QStringLiteral(" X"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("X"));
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("01"));
  EXPECT_EQ(w.ShownLineNumber, 1);
  w.Cmb_naiyou->setEditText(QStringLiteral("X2"));
  Press(w, kUpdate);
  EXPECT_EQ(FileLines(), (QStringList{"2001/05/01,　　,X2", file[1], file[2], file[3], file[4]}));
  EXPECT_EQ(w.ShownLineNumber, 0);

  // The second entry of a day, shown and updated with its row selected,
  // goes after the third: the list's numbers predate the removal.
  SelectRow(w, QStringLiteral(" B"));
  Press(w, kShow);
  w.Cmb_naiyou->setEditText(QStringLiteral("B2"));
  Press(w, kUpdate);
  EXPECT_EQ(FileLines(), (QStringList{"2001/05/01,　　,X2", file[1], file[3], "2001/05/03,　　,B2", file[4]}));
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join(u'|').toStdString();
}

TEST_F(EntryEditorTest, ShowPutsTheEntryBackIntoTheFields) {
  ScheduleWindow& w = OpenOn({"1970/05/03,記念,誕生日", "2001/05/20,公休,", "    /  /  ,毎週,月曜:朝会",
                        "2001/05/21 赤　 todo"});
  w.Chk_dispday->setChecked(true);

  SelectRow(w, QStringLiteral("毎週"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("毎週"));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("月曜:朝会"));
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("03")) << "the date lists are left alone";

  SelectRow(w, QStringLiteral("公休"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("(空白行)"));
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("20"));
  EXPECT_EQ(w.ShownLineNumber, 2);

  SelectRow(w, QStringLiteral("todo"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("赤　"));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("todo")) << "a to-do line reads like an editor line";

  SelectRow(w, QStringLiteral("2001/05/04￣"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("　　"));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QString());
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("04"));
  EXPECT_EQ(w.ShownLineNumber, 0);
  EXPECT_TRUE(messages().texts().isEmpty());

  SelectRow(w, QStringLiteral("誕生日(31)"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_yasumi->currentText(), QStringLiteral("記念"));
  EXPECT_EQ(w.Cmb_naiyou->currentText(), QStringLiteral("誕生日"));
  EXPECT_EQ(w.Cmb_Nen->currentText(), QStringLiteral("1970"));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, QStringLiteral("表示中の年を変えました"));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(w.List1->currentRow(), -1) << "the year change rebuilt the list";
  EXPECT_EQ(w.ShownLineNumber, 1);

  messages().clear();
  Press(w, kShow);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("一覧から項目を選択してください。")});
}

// Shown from a year without the 29th of February, a leap-day anniversary
// keeps its day, so that updating its text leaves its date alone.
TEST_F(EntryEditorTest, ALeapDayKeepsItsDayWhenShowChangesTheYear) {
  ScheduleWindow& w = OpenOn({"1996/02/29,記念,誕生日"}, 2001, 2, 10);
  SelectRow(w, QStringLiteral("誕生日(5)"));
  Press(w, kShow);
  EXPECT_EQ(w.Cmb_Nen->currentText(), QStringLiteral("1996"));
  EXPECT_EQ(w.Cmb_Hi->currentText(), QStringLiteral("29"));
  w.Cmb_naiyou->setEditText(QStringLiteral("誕生日!"));
  Press(w, kUpdate);
  EXPECT_EQ(FileLines(), QStringList{"1996/02/29,記念,誕生日!"});
}

TEST_F(EntryEditorTest, DeleteAsksAndRemovesTheSelectedLine) {
  ScheduleWindow& w = OpenOn({"2001/05/03,　　,A", "2001/05/04,　　,B"});
  Press(w, kDelete);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("一覧から項目を選択してください。")});

  messages().clear();
  SelectRow(w, QStringLiteral(" A"));
  messages().answer(platform::MsgResult::Cancel);
  Press(w, kDelete);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("一覧で選択された項目を削除します。")});
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);
  EXPECT_EQ(FileLines().size(), 2);

  messages().clear();
  Press(w, kDelete);
  EXPECT_EQ(FileLines(), QStringList{"2001/05/04,　　,B"});
  EXPECT_EQ(w.List1->currentRow(), 0) << "the list got shorter: its last row";

  w.Chk_dispday->setChecked(true);
  SelectRow(w, QStringLiteral("2001/05/04￣"));
  messages().clear();
  Press(w, kDelete);
  EXPECT_EQ(messages().texts(), QStringList{QStringLiteral("日付の行は削除できません。")});

  w.Chk_dispday->setChecked(false);
  SelectRow(w, QStringLiteral(" B"));
  messages().clear();
  Press(w, kDelete);
  EXPECT_EQ(ReadBytes(schedulePath()), QByteArray());
  EXPECT_EQ(w.List1->count(), 0);
  EXPECT_EQ(w.List1->currentRow(), -1);
}

// Another writer inserts a line while the list still shows the old numbers:
// the press changes nothing, rebuilds the list and says so.
TEST_F(EntryEditorTest, AFileChangedBehindTheListIsNotTouched) {
  const QStringList file{"2001/05/03,　　,A", "2001/05/04,　　,B"};
  ScheduleWindow& w = OpenOn(file);
  SelectRow(w, QStringLiteral(" B"));
  const QStringList changed = QStringList{"2001/05/01 赤　 dropped"} + file;
  WriteLines(changed);
  const QByteArray before = ReadBytes(schedulePath());
  Press(w, kDelete);
  EXPECT_EQ(ReadBytes(schedulePath()), before);
  EXPECT_EQ(messages().texts(), QStringList{StaleListMessage()});
  EXPECT_EQ(Rows(w), (QStringList{"2001/05/01 赤　 dropped", "2001/05/03 　　 A", "2001/05/04 　　 B"}));

  // After the rebuild the delete hits the right line.
  messages().clear();
  SelectRow(w, QStringLiteral(" B"));
  Press(w, kDelete);
  EXPECT_EQ(FileLines(), changed.mid(0, 2));

  // An entry shown before the change is not replaced.
  SelectRow(w, QStringLiteral(" A"));
  Press(w, kShow);
  WriteLines(QStringList{"2001/05/02,　　,new"} + changed.mid(0, 2));
  const QByteArray beforeUpdate = ReadBytes(schedulePath());
  messages().clear();
  w.Cmb_naiyou->setEditText(QStringLiteral("A2"));
  Press(w, kUpdate);
  EXPECT_EQ(ReadBytes(schedulePath()), beforeUpdate);
  EXPECT_EQ(messages().texts(), QStringList{StaleListMessage()});
  EXPECT_EQ(w.ShownLineNumber, 0);
  EXPECT_EQ(w.List1->count(), 3);
}

// An entry longer than the text box holds is not shown cut short, so an
// update cannot write it back cut; the file keeps it whole.
TEST_F(EntryEditorTest, AnEntryTooLongForTheBoxStaysWhole) {
  const QString longText(40000, u'長');
  ScheduleWindow& w = OpenOn({"2001/05/03,　　," + longText, "2001/05/03,　　,short"});
  const QByteArray before = ReadBytes(schedulePath());
  SelectRow(w, "長長");
  Press(w, kShow);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().texts()[0].startsWith("この予定は40000文字あり、入力欄に入る32767文字を超えるため表示できません。"));
  EXPECT_EQ(w.ShownLineNumber, 0);
  Press(w, kUpdate);
  EXPECT_EQ(ReadBytes(schedulePath()), before);
}

// A schedule file that cannot be read is said so, and nothing is written.
TEST_F(EntryEditorTest, AFileThatCannotBeReadIsLeftAlone) {
  ScheduleWindow& w = OpenOn({"2001/05/03,　　,A"});
  QFile::remove(schedulePath());
  QDir(home()).mkdir(QStringLiteral("diduvuv.txt"));
  Enter(w, QStringLiteral("　　"), QStringLiteral("B"));
  Press(w, kAdd);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("「") + w.ScheduleFileLocalPath() +
                                                    QStringLiteral("」を読み込めませんでした。(")));
  EXPECT_TRUE(QFileInfo(schedulePath()).isDir());
  EXPECT_TRUE(w.isEnabled());
}

}  // namespace
