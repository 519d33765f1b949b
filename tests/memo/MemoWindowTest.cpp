// The memo window: loading, the entry buttons with their messages, the file
// commands, the settings it applies and the close check.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProblemReport.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/MemoFile.h"
#include "todo_memo/windows/LineItemList.h"
#include "todo_memo/windows/MemoWindow.h"

namespace {

// Five entries; the stamps of the fixture are as a user's file has them.
const QStringList kFive = {"@TITLE(01-01-2009 10:00:00)=one",   "@FONTNAME=ＭＳ 明朝", "@FONTSIZE=9", "1",
                           "@TITLE(01-02-2009 10:00:00)=two",   "2",
                           "@TITLE(01-03-2009 10:00:00)=three", "3a", "3b",
                           "@TITLE(01-04-2009 10:00:00)=four",  "4",
                           "@TITLE(01-05-2009 10:00:00)=five",  "5"};
const QString kStamp = QStringLiteral("@TITLE(03-10-2009 08:30:00)=");

class MemoTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    QDir().mkpath(BackupFolder);
    PaperSettings = PaperSettingsData{};
    PaperSettings.PageLeft = 8;
    PaperSettings.PageWidth = 88;
    PaperSettings.DataHeight = 9;
    PaperSettings.FootHeight = 156;
    PaperSettings.DataFontSize = 9;
    PaperSettings.DataFontName = QStringLiteral("ＭＳ ゴシック");
    platform::SetFixedToday(QDate(2009, 3, 10));
    platform::SetFixedTime(QTime(8, 30, 0));
    CloseVeto = 0;
  }
  void TearDown() override {
    window_.reset();
    platform::SetFixedToday(QDate());
    platform::SetFixedTime(QTime());
    RingpadTest::TearDown();
  }
  MemoWindow& Open() {
    window_ = std::make_unique<MemoWindow>();
    window_->Form_Load();
    return *window_;
  }
  void WriteMemo(const QStringList& lines, const QString& name = QStringLiteral("dudezu.txt")) {
    WriteBytes(homeFile(name), platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  }
  QStringList MemoLines(const QString& name = QStringLiteral("dudezu.txt")) {
    QStringList lines = platform::FromSjis(ReadBytes(homeFile(name))).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }
  static QStringList Index(const MemoWindow& w) {
    QStringList texts;
    texts << w.List1->texts();
    return texts;
  }
  // Selects and shows an index item as a double-click does.
  static void Show(MemoWindow& w, int row) {
    w.List1->setCurrentRow(row);
    w.cmd_update_click(0);
  }

 private:
  std::unique_ptr<MemoWindow> window_;
};

}  // namespace

TEST_F(MemoTest, FirstLoadWritesTheSampleAndShowsIt) {
  MemoWindow& w = Open();
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("FILE")), QStringLiteral("dudezu.txt"));
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("SUBTITLE")), QStringLiteral("["));
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("HIZUKE")), QStringLiteral("1"));
  EXPECT_TRUE(w.Chk_DataNo->isChecked());
  ASSERT_EQ(MemoLines().size(), 7);
  EXPECT_EQ(MemoLines()[5], QString(47, u'-'));
  EXPECT_EQ(ReadBytes(BackupFolder + QStringLiteral("dudezu3.txt")), ReadBytes(homeFile(QStringLiteral("dudezu.txt"))));
  EXPECT_EQ(Index(w), QStringList({"メモの使い方"}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("メモの使い方"));
  EXPECT_TRUE(w.Text2->toPlainText().startsWith(QStringLiteral("１．このエリアに")));
  EXPECT_EQ(w.ShownEntryIndex, 0);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("メモ帳 - ") + homeFile(QStringLiteral("dudezu.txt")));
  EXPECT_EQ(w.cmd_seikei->text(), QStringLiteral("49字で整形"));
  EXPECT_EQ(w.Lbl_gyosu->text(), QStringLiteral("46行"));
  EXPECT_EQ(w.Cmb_men->currentText(), QStringLiteral("表裏交互"));
  EXPECT_FALSE(w.MemoChangeTest());
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(MemoTest, SettingsFollowTheOrientationAndTheSizeList) {
  MemoWindow& w = Open();
  w.Chk_yoko->setChecked(true);
  EXPECT_EQ(w.cmd_seikei->text(), QStringLiteral("90字で整形"));
  EXPECT_EQ(w.Lbl_gyosu->text(), QStringLiteral("25行"));
  w.cmb_size->setCurrentIndex(w.cmb_size->findText(QStringLiteral("18")));
  EXPECT_EQ(PaperSettings.DataFontSize, 18.0f);
  // A size the list lacks keeps the list's selection.
  PaperSettings.DataFontSize = 10.5f;
  w.ApplyMemoSettings();
  EXPECT_EQ(w.cmb_size->currentText(), QStringLiteral("18"));
}

TEST_F(MemoTest, ShowAndUpdateUnchangedChangesOnlyTheStamp) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  Show(w, 2);
  EXPECT_EQ(w.Text1->text(), QStringLiteral("three"));
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts(), QStringList({"更新します。"}));
  QStringList expected = kFive;
  expected[6] = kStamp + QStringLiteral("three");
  expected.insert(7, QStringLiteral("@FONTSIZE=9"));
  expected.insert(7, QStringLiteral("@FONTNAME=ＭＳ 明朝"));
  EXPECT_EQ(MemoLines(), expected);
  // The copy keeps the file as it was before.
  EXPECT_EQ(platform::FromSjis(ReadBytes(homeFile(QStringLiteral("ringpad.tmp")))).split(QStringLiteral("\r\n")).mid(0, 13),
            kFive);
  EXPECT_EQ(w.List1->currentRow(), 2);
  EXPECT_FALSE(w.MemoChangeTest());
}

TEST_F(MemoTest, ATitleLongerThanTheBoxIsShownAndWrittenWhole) {
  const QString title = QString(60, u'題');
  WriteMemo({QStringLiteral("@TITLE(01-01-2009 10:00:00)=") + title, QStringLiteral("body")});
  MemoWindow& w = Open();
  Show(w, 0);
  EXPECT_EQ(w.Text1->text(), title);
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();
  EXPECT_EQ(MemoLines().value(0), kStamp + title);
}

TEST_F(MemoTest, MovesNeedTheShownEntryAndStopAtTheEnds) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  Show(w, 2);
  w.List1->setCurrentRow(4);
  w.Cmd_Update[5]->click();  // ↑ on another item than the shown one
  EXPECT_EQ(messages().texts().last(),
            QStringLiteral("メモ一覧をダブルクリックし、移動したいタイトルの内容を表示させてください"));
  // "更新" replaces the shown entry, not the selected one.
  w.Text2->setPlainText(QStringLiteral("changed\n"));
  w.Cmd_Update[2]->click();
  EXPECT_EQ(MemoLines().mid(6, 4),
            QStringList({kStamp + "three", "@FONTNAME=ＭＳ 明朝", "@FONTSIZE=9", "changed"}));
  EXPECT_EQ(MemoLines().value(10), QStringLiteral("@TITLE(01-04-2009 10:00:00)=four"));

  struct Case { int row; int button; const char* message; };
  const Case ends[] = {{0, 5, "これ以上、↑に移動できません"}, {4, 6, "これ以上、↓に移動できません"}};
  for (const Case& c : ends) {
    Show(w, c.row);
    const QByteArray before = ReadBytes(homeFile(QStringLiteral("dudezu.txt")));
    w.Cmd_Update[c.button]->click();
    EXPECT_EQ(messages().texts().last(), QString::fromUtf8(c.message));
    EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("dudezu.txt"))), before);
  }

  // "↓" on the second-to-last goes after the file's last line.
  Show(w, 3);
  w.Cmd_Update[6]->click();
  EXPECT_EQ(Index(w), QStringList({"one", "two", "three", "five", "four"}));
  EXPECT_EQ(MemoLines().last(), QStringLiteral("4"));
  EXPECT_EQ(w.ShownEntryIndex, 4);
  EXPECT_EQ(w.List1->currentRow(), 4);
  // "↑" from the top of the rest.
  Show(w, 1);
  w.Cmd_Update[5]->click();
  EXPECT_EQ(Index(w), QStringList({"two", "one", "three", "five", "four"}));
}

TEST_F(MemoTest, AppendDeleteAndClear) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  // A blank body: both answers stop.
  w.cmd_update_click(4);
  w.Text1->setText(QStringLiteral("a"));
  for (auto answer : {platform::MsgResult::Ok, platform::MsgResult::Cancel}) {
    messages().answer(answer);
    w.Cmd_Update[1]->click();
  }
  EXPECT_EQ(MemoLines(), kFive);
  EXPECT_EQ(messages().texts().last(), QStringLiteral("印刷する「表題/メモ内容」を入力してください"));

  w.Text2->setPlainText(QStringLiteral("line 1\nline 2"));
  w.Cmd_Update[1]->click();
  // The fonts are those the shown first entry set.
  EXPECT_EQ(MemoLines().mid(13), QStringList({kStamp + "a", "@FONTNAME=ＭＳ 明朝", "@FONTSIZE=9", "line 1", "line 2"}));
  EXPECT_EQ(w.ShownEntryIndex, 5);
  EXPECT_EQ(w.List1->currentRow(), -1);

  // Delete keeps the boxes; "追加" would write them again.
  Show(w, 1);
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[3]->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("「two」を削除します"));
  EXPECT_EQ(Index(w), QStringList({"one", "three", "four", "five", "a"}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("two"));
  EXPECT_EQ(w.ShownEntryIndex, -1);
  EXPECT_FALSE(w.MemoChangeTest());

  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[4]->click();
  EXPECT_TRUE(w.Text1->text().isEmpty());
  EXPECT_TRUE(w.Text2->toPlainText().isEmpty());
}

TEST_F(MemoTest, ShowAsksBeforeDiscardingAndSetsTheFontForEveryWindow) {
  WriteMemo({"@TITLE=big", "@FONTSIZE=10.5", "b", "@TITLE=plain", "p"});
  MemoWindow& w = Open();
  EXPECT_EQ(PaperSettings.DataFontSize, 10.5f);
  w.Text2->setPlainText(QStringLiteral("typed"));
  w.List1->setCurrentRow(1);
  messages().answer(platform::MsgResult::Cancel);
  w.cmd_update_click(0);
  EXPECT_EQ(w.Text2->toPlainText(), QStringLiteral("typed"));
  w.cmd_update_click(0);  // OK
  EXPECT_EQ(w.Text1->text(), QStringLiteral("plain"));
  // An entry without font lines leaves the fonts as they were.
  EXPECT_EQ(PaperSettings.DataFontSize, 10.5f);
  w.List1->setCurrentRow(-1);
  w.cmd_update_click(0);
  EXPECT_EQ(messages().texts().last(), QStringLiteral("メモ一覧から項目を選択してください"));
}

TEST_F(MemoTest, CloseAsksOnlyAfterChangesAndVetoesTheMainWindow) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  int16_t cancel = 0;
  w.Form_QueryUnload(cancel, UnloadMode::ControlMenu);
  EXPECT_EQ(cancel, 0);
  EXPECT_TRUE(messages().shown().empty());

  w.Text1->setText(QStringLiteral("edited"));
  w.Form_QueryUnload(cancel, UnloadMode::AppWindows);
  EXPECT_EQ(cancel, 0);
  messages().answer(platform::MsgResult::Cancel);
  w.Form_QueryUnload(cancel, UnloadMode::MdiForm);
  EXPECT_EQ(cancel, 1);
  EXPECT_EQ(CloseVeto, -1);
  EXPECT_EQ(messages().texts(), QStringList({"メモの内容が変更されています。このまま終了しますか？"}));
}

TEST_F(MemoTest, NewAndOpenStoreTheFileAsTheyShould) {
  WriteMemo(kFive);
  WriteMemo({"@TITLE=sub"}, QStringLiteral("sub/x.txt"));
  QTemporaryDir elsewhere;
  const QString outside = elsewhere.path() + QStringLiteral("/y.txt");
  WriteBytes(outside, platform::ToSjis(QStringLiteral("@TITLE=outside\r\n")));
  MemoWindow& w = Open();
  QStringList titles;
  QString answer;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest& r) {
    titles << r.title;
    return std::optional<QString>(answer);
  });
  answer = homeFile(QStringLiteral("sub/x.txt"));
  w.Text1->setText(QStringLiteral("kept"));
  w.Cmd_FileRead_Click();
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("FILE")), QStringLiteral("./sub/x.txt"));
  EXPECT_EQ(Index(w), QStringList({"sub"}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("kept"));
  EXPECT_EQ(w.ShownEntryIndex, -1);
  answer = outside;
  w.Cmd_FileRead_Click();
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("FILE")), outside);

  // A new file on an existing name is refused.
  w.cmd_FileNew_Click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("既に「%1」ファイルは有りますので新規作成できません").arg(outside));
  answer = homeFile(QStringLiteral("new.txt"));
  messages().answer(platform::MsgResult::Ok);
  w.cmd_FileNew_Click();
  EXPECT_TRUE(QFile::exists(answer));
  EXPECT_EQ(GetIniValue(QStringLiteral("DUDEZU"), QStringLiteral("FILE")), answer);
  EXPECT_EQ(messages().texts().last(), QStringLiteral("メモ内容をクリアします"));
  EXPECT_TRUE(w.Text1->text().isEmpty());
}

TEST_F(MemoTest, FaultsLeaveFileIndexAndBoxesAlone) {
  WriteMemo(kFive, QStringLiteral("sub/m.txt"));
  WriteIniValue(QStringLiteral("DUDEZU"), QStringLiteral("FILE"), homeFile(QStringLiteral("sub/m.txt")));
  MemoWindow& w = Open();
  Show(w, 0);
  // Text the code page cannot hold.
  w.Text2->setPlainText(QStringLiteral("絵文字😀"));
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("「😀」はShift-JISで保存できない文字です。\n別の文字に直してください。"));
  EXPECT_EQ(MemoLines(QStringLiteral("sub/m.txt")), kFive);

  // The folder goes away under the open window.
  QDir(homeFile(QStringLiteral("sub"))).removeRecursively();
  w.Text2->setPlainText(QStringLiteral("new text"));
  const int shownBefore = static_cast<int>(messages().shown().size());
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();
  EXPECT_GT(static_cast<int>(messages().shown().size()), shownBefore + 1);
  EXPECT_TRUE(messages().texts().last().contains(QStringLiteral("m.txt")));
  EXPECT_EQ(Index(w).size(), 5);
  EXPECT_EQ(w.Text2->toPlainText(), QStringLiteral("new text"));
  // A file that cannot be read gives an empty index and a message.
  w.LoadMemoIndex();
  EXPECT_EQ(w.List1->count(), 0);
  EXPECT_TRUE(messages().texts().last().contains(QStringLiteral("m.txt")));
}

// A second copy of the program puts an entry in front while the window shows
// the file: the start lines of the index name other lines now, but the
// entries are all still there, so each change goes in where the file now
// has its entry.
TEST_F(MemoTest, ChangesOnAFileChangedBehindTheIndexKeepTheOtherWritersEntry) {
  const QStringList zero = {"@TITLE(01-06-2009 10:00:00)=zero", "0"};
  const QString stale =
      QStringLiteral("メモファイルが他で変更されていたため、一覧を読み込み直しました。項目を選択し直してください。");
  const QStringList changedThree = {kStamp + "three", "@FONTNAME=ＭＳ 明朝", "@FONTSIZE=9", "changed"};
  struct Case {
    const char* button;
    int index;
    QStringList after;
    int shownAfter;  // the entry the boxes hold afterwards
  };
  const Case cases[] = {
      {"更新", 2, zero + kFive.mid(0, 6) + changedThree + kFive.mid(9), 3},
      {"削除", 3, zero + kFive.mid(0, 6) + kFive.mid(9), -1},
      {"↑", 5, zero + kFive.mid(0, 4) + changedThree + kFive.mid(4, 2) + kFive.mid(9), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    WriteMemo(kFive);
    MemoWindow& w = Open();
    Show(w, 2);
    w.Text2->setPlainText(QStringLiteral("changed\n"));
    WriteMemo(zero + kFive);
    messages().clear();
    w.Cmd_Update[c.index]->click();
    EXPECT_EQ(MemoLines(), c.after);
    EXPECT_FALSE(messages().texts().contains(stale));
    EXPECT_EQ(w.ShownEntryIndex, c.shownAfter);
    if (c.shownAfter >= 0) {
      EXPECT_EQ(w.List1->currentRow(), c.shownAfter);
      EXPECT_EQ(w.List1->text(w.List1->currentRow()), QStringLiteral("three"));
    }
  }
}

// The other copy changed the very entry a press would change: nothing is
// written over it, the index is read again and the user told, and the boxes
// keep what was typed.
TEST_F(MemoTest, AChangeOfAnEntryChangedBehindTheIndexIsRefused) {
  const QString stale =
      QStringLiteral("メモファイルが他で変更されていたため、一覧を読み込み直しました。項目を選択し直してください。");
  QStringList edited = kFive;
  edited[7] = QStringLiteral("3a by the other");
  for (int button : {2, 3, 5}) {
    SCOPED_TRACE(button);
    WriteMemo(kFive);
    MemoWindow& w = Open();
    Show(w, 2);
    w.Text2->setPlainText(QStringLiteral("changed\n"));
    WriteMemo(edited);
    messages().clear();
    w.Cmd_Update[button]->click();
    EXPECT_EQ(MemoLines(), edited);
    ASSERT_FALSE(messages().texts().isEmpty());
    EXPECT_EQ(messages().texts().last(), stale);
    EXPECT_EQ(Index(w), QStringList({"one", "two", "three", "four", "five"}));
    EXPECT_EQ(w.Text2->toPlainText(), QStringLiteral("changed\n"));
  }
}

// An add names no entry of the index: it goes in at once at the end of the
// file as the other copy left it, and the index shows both copies' entries.
TEST_F(MemoTest, AnAddOnAFileChangedBehindTheIndexGoesInAtOnce) {
  const QStringList zero = {"@TITLE(01-06-2009 10:00:00)=zero", "0"};
  WriteMemo(kFive);
  MemoWindow& w = Open();
  WriteMemo(zero + kFive);
  messages().clear();
  w.Text1->setText(QStringLiteral("six"));
  w.Text2->setPlainText(QStringLiteral("6\n"));
  w.Cmd_Update[1]->click();
  EXPECT_TRUE(messages().texts().isEmpty()) << messages().texts().join("\n").toStdString();
  EXPECT_EQ(MemoLines().mid(0, zero.size() + kFive.size()), zero + kFive);
  EXPECT_EQ(Index(w), QStringList({"zero", "one", "two", "three", "four", "five", "six"}));
  EXPECT_EQ(w.ShownEntryIndex, 6);
}

TEST_F(MemoTest, ShowAndActivationFollowAFileChangedBehindTheIndex) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  Show(w, 2);
  // The other writer changed the shown entry itself: it is shown no more.
  QStringList edited = kFive;
  edited[7] = QStringLiteral("3a by the other");
  WriteMemo(edited.mid(4));
  w.Form_Activate();
  EXPECT_EQ(Index(w), QStringList({"two", "three", "four", "five"}));
  EXPECT_EQ(w.ShownEntryIndex, -1);
  EXPECT_EQ(w.Text1->text(), QStringLiteral("three"));
  EXPECT_TRUE(messages().shown().empty());
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();
  EXPECT_EQ(MemoLines(), edited.mid(4));

  // "表示" on an index the file has left behind shows no other entry's
  // text: the index is read again.
  WriteMemo(kFive);
  messages().clear();
  Show(w, 1);
  EXPECT_EQ(messages().texts(), QStringList({"メモファイルが他で変更されていたため、一覧を読み込み直しました。"
                                             "項目を選択し直してください。"}));
  EXPECT_EQ(Index(w), QStringList({"one", "two", "three", "four", "five"}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("three"));
  Show(w, 1);
  EXPECT_EQ(w.Text1->text(), QStringLiteral("two"));
}

namespace {

// The index is built from the lines the memo file's own reader gives of its
// bytes, at loading and when another copy of the program changed the file:
// lines added, gone or changed, before or past the first megabyte.
TEST_F(MemoTest, TheWindowHoldsTheLinesTheFileReaderGives) {
  QByteArray large;
  for (int i = 0; large.size() < 3 * (1 << 20) / 2; ++i) large += "@TITLE=" + QByteArray::number(i) + "\r\n" + QByteArray(200, 'x') + "\r\n";
  const QByteArray cases[] = {
      platform::ToSjis(kFive.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")),
      "@TITLE=a\nb\r\rc",          // LF, lone CRs, no last line end
      "@TITLE=\xff\x80\r\nx\x82",  // bytes no code page 932 text has
      "head\r\n@title(1)=t\r\n\r\n",
      large,
  };
  for (const QByteArray& bytes : cases) {
    SCOPED_TRACE(bytes.left(20).toHex().constData());
    WriteBytes(homeFile("dudezu.txt"), bytes);
    MemoWindow& w = Open();
    EXPECT_EQ(w.ShownFileLines, memo::ReadMemoFile(bytes));
    QByteArray changedLate = bytes;
    changedLate[changedLate.size() - 2] = 'Q';
    const QByteArray firstLineOnly = memo::WriteMemoFile(memo::ReadMemoFile(bytes).mid(0, 1));
    for (const QByteArray& changed :
         {bytes + "@TITLE=added\r\n", "Q" + bytes, changedLate, bytes.left(bytes.size() / 2), firstLineOnly, bytes}) {
      WriteBytes(homeFile("dudezu.txt"), changed);
      w.Form_Activate();
      EXPECT_EQ(w.ShownFileLines, memo::ReadMemoFile(changed));
    }
  }
}

// A file that cannot be read as the window opens is named once (the backup
// would read it too), and no backup is made of it.
TEST_F(MemoTest, AnUnreadableFileIsNamedOnceAsTheWindowOpens) {
  QDir().mkpath(homeFile("dudezu.txt"));
  MemoWindow& w = Open();
  ASSERT_EQ(messages().texts().size(), 1) << messages().texts().join("\n").toStdString();
  EXPECT_TRUE(messages().texts()[0].startsWith("「" + homeFile("dudezu.txt") + "」を読み込めませんでした。"));
  EXPECT_EQ(w.List1->count(), 0);
  EXPECT_TRUE(QDir(BackupFolder).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

// A file that cannot be read is reported as a failed read when the window
// opens it, and quietly left alone when the window is only activated.
TEST_F(MemoTest, ReadFailuresReachTheReportHandlerByKind) {
  WriteMemo(kFive);
  MemoWindow& w = Open();
  std::vector<platform::ProblemReport> reports;
  const platform::ProblemHandlerScope collect([&](const platform::ProblemReport& r) {
    reports.push_back(r);
    return false;
  });
  QFile::remove(homeFile("dudezu.txt"));
  QDir().mkpath(homeFile("dudezu.txt"));
  w.Form_Activate();
  EXPECT_TRUE(reports.empty());
  EXPECT_EQ(w.ShownFileLines, kFive);

  w.txt_file->setText(homeFile("gone.txt"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].problem, platform::Problem::ReadFailed);
  EXPECT_EQ(reports[0].subject, homeFile("gone.txt"));
  EXPECT_TRUE(w.ShownFileLines.isEmpty());
  EXPECT_TRUE(messages().texts().isEmpty());
}

}  // namespace
