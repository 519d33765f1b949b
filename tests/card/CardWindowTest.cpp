// The card window as a user meets it: the sample at first start, the
// weekday backup, the layout editor, storing the layout and reopening.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLockFile>
#include <optional>
#include <unistd.h>

#include "CardTest.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/platform/FileLock.h"
#include "core/print/PrintSeams.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "tables_cards/windows/CardColumnList.h"
#include "tables_cards/CardFile.h"

class CardWindowTest : public CardTest {
 protected:
  void TearDown() override {
    platform::SetFileDialogHandler({});
    CardTest::TearDown();
  }
  int row(const CardWindow& w, const QString& name) {
    for (int i = 0; i < w.List2->count(); ++i)
      if (w.List2->item(i)->text() == name) return i;
    return -1;
  }
};

TEST_F(CardWindowTest, FirstStartWritesTheSampleAndBacksItUp) {
  CardWindow& w = open();
  EXPECT_EQ(GetIniValue(QStringLiteral("VOREVA"), QStringLiteral("FILE")), QStringLiteral("VOREVA.csv"));
  EXPECT_EQ(ReadBytes(ProgramFolder + "VOREVA.csv"), CardSampleFile());
  EXPECT_EQ(ReadBytes(BackupFolder + "voreva3.txt"), CardSampleFile());  // a Tuesday
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("さんぷるデータ"));
  EXPECT_EQ(w.List2->count(), 12);
  EXPECT_EQ(w.List1->item(row(w, "英語"))->text(), QStringLiteral("ITEM,3.174603,1.587302"));
  EXPECT_TRUE(w.List1->item(row(w, "意味"))->text().isEmpty());
  EXPECT_GT(w.CardHeight, 7.9);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("カード - VOREVA.csv"));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(CardWindowTest, AnUnwritableBackupFolderIsReportedAndLoadingGoesOn) {
  QDir(BackupFolder).removeRecursively();
  WriteBytes(ProgramFolder + "bak", "a file where the folder should be");
  CardWindow& w = open();
  ASSERT_FALSE(messages().texts().isEmpty());
  EXPECT_TRUE(messages().texts()[0].startsWith(BackupFolder)) << "the backup named, with the system's reason";
  EXPECT_EQ(w.List2->count(), 12);
}

TEST_F(CardWindowTest, DragPlacesMovesAndRemovesFields) {
  CardWindow& w = open();
  const int meaning = row(w, "意味");
  w.List2->setCurrentRow(meaning);
  w.Pic1_DragDrop("LIST2", meaning, 10.3, 4.9);
  EXPECT_EQ(w.List1->item(meaning)->text(), QStringLiteral("ITEM,9.52381,4.761905"));
  // Pick it up by its text box and move it.
  EXPECT_EQ(w.Pic1_MouseDown(12, 6), meaning);
  EXPECT_EQ(w.Pic1_MouseDown(60, 60), -1);
  w.List2->setCurrentRow(meaning);
  w.Pic1_DragDrop("PIC1", meaning, 20, 10);
  EXPECT_EQ(w.List1->item(meaning)->text(), QStringLiteral("ITEM,19.04762,9.52381"));
  // Back onto the list: no longer placed.
  w.List2_DragDrop("PIC1", meaning);
  EXPECT_TRUE(w.List1->item(meaning)->text().isEmpty());
  EXPECT_EQ(w.LayoutTool, QStringLiteral("LIST2"));
  // A drop with nothing chosen only redraws.
  w.List2->setCurrentRow(-1);
  w.Pic1_DragDrop("LIST2", -1, 5, 5);
  EXPECT_TRUE(w.List1->item(meaning)->text().isEmpty());
}

TEST_F(CardWindowTest, ANewUserPlacesStoresReopensAndPreviews) {
  CardWindow& w = open();
  const QByteArray before = ReadBytes(ProgramFolder + "VOREVA.csv");
  const int meaning = row(w, "意味");
  const int part = row(w, "品詞");
  w.List2->setCurrentRow(meaning);
  w.Pic1_DragDrop("LIST2", meaning, 40, 8);
  w.List2->setCurrentRow(part);
  w.List2_DragDrop("PIC1", part);
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_FileWrite_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().texts()[0].startsWith(QStringLiteral("CSVファイルの先頭に印刷形式を追加します。")));
  EXPECT_TRUE(QFile::exists(ProgramFolder + "ringpad2.tmp"));

  CardWindow& again = open();
  EXPECT_EQ(again.List1->item(meaning)->text(), QStringLiteral("ITEM,39.68254,7.936508"));
  EXPECT_TRUE(again.List1->item(part)->text().isEmpty());
  // The header and the 24 records are the same bytes as before.
  const QByteArray after = ReadBytes(ProgramFolder + "VOREVA.csv");
  EXPECT_TRUE(after.endsWith(before.mid(before.indexOf(platform::ToSjis("読み,分類")))));

  int pages = 0;
  SetPreviewPageHandler([&pages](const QImage&) { ++pages; });
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{2, false, std::nullopt}; });
  again.Cmd_print_Click();
  SetPreviewPageHandler({});
  EXPECT_GE(pages, 1);
  EXPECT_TRUE(again.isEnabled());
}

TEST_F(CardWindowTest, StoringKeepsExtraLinesAndLateRecordsAndFailsSafely) {
  CardWindow& w = openFile("words.csv", {"@TITLE=t", "@KEEP1=a", "@TABLE_ITEM_XY(a)=ITEM,1,1", "@KEEP2=b", "a,b",
                                         "@at-sign record", "x,y"});
  w.Cmd_FileWrite_Click();  // the scripted answer is OK
  const QString text = platform::FromSjis(ReadBytes(ProgramFolder + "words.csv"));
  const QStringList lines = text.split("\r\n");
  ASSERT_GE(lines.size(), 8);
  EXPECT_TRUE(lines[0].startsWith("@TITLE(2009/03/10 "));
  EXPECT_EQ(lines.mid(3), QStringList({"@TABLE_ITEM_XY(a)=ITEM,1,1", "@KEEP1=a", "@KEEP2=b", "a,b", "@at-sign record",
                                       "x,y", ""}));

  // Declined: nothing written. Read-only: reported, file unchanged.
  const QByteArray stored = ReadBytes(ProgramFolder + "words.csv");
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_FileWrite_Click();
  EXPECT_EQ(ReadBytes(ProgramFolder + "words.csv"), stored);
  if (::geteuid() != 0) {  // permissions do not hold the superuser back
    QFile::setPermissions(ProgramFolder + "words.csv", QFile::ReadOwner);
    messages().clear();
    w.Txt_Title->setText("changed");
    w.Cmd_FileWrite_Click();
    QFile::setPermissions(ProgramFolder + "words.csv", QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ReadBytes(ProgramFolder + "words.csv"), stored);
    EXPECT_EQ(messages().shown().size(), 2u);
  }

  // No file: a plain message.
  messages().clear();
  w.Txt_csvFile->setText("nowhere.csv");
  w.Cmd_FileWrite_Click();
  EXPECT_EQ(messages().texts(), QStringList({QStringLiteral("ファイルが読み込まれていません")}));
}

// Storing the layout is a rewrite of the user's file like any other: it
// waits for the file's lock, so that another copy of the program in the
// middle of its own change is not overwritten, and it works from the file
// as it stands when the lock is had.
TEST_F(CardWindowTest, StoringTakesTheFilesLockAndRereadsTheFile) {
  CardWindow& w = openFile("words.csv", {"@TITLE=t", "a,b", "1,2"});
  const QString path = ProgramFolder + "words.csv";
  platform::FileLock::SetWaitMilliseconds(200);
  {
    QLockFile other(platform::FileLock::LockPathOf(path));
    ASSERT_TRUE(other.tryLock());
    messages().clear();
    w.Cmd_FileWrite_Click();
    EXPECT_EQ(ReadBytes(path), platform::ToSjis("@TITLE=t\r\na,b\r\n1,2\r\n"));
    ASSERT_EQ(messages().shown().size(), 2u);  // the question, then the busy lock
    EXPECT_TRUE(messages().texts()[1].contains("「" + path + "」"));
    EXPECT_FALSE(QFile::exists(ProgramFolder + "ringpad2.tmp"));
  }
  platform::FileLock::SetWaitMilliseconds(10000);

  // A record added since the window read the file is kept; the copy holds
  // the file as it stood just before.
  WriteBytes(path, platform::ToSjis("@TITLE=t\r\na,b\r\n1,2\r\n3,4\r\n"));
  w.Cmd_FileWrite_Click();
  const QStringList lines = platform::FromSjis(ReadBytes(path)).split("\r\n");
  EXPECT_EQ(lines.mid(lines.size() - 4), QStringList({"a,b", "1,2", "3,4", ""}));
  EXPECT_EQ(ReadBytes(ProgramFolder + "ringpad2.tmp"), platform::ToSjis("@TITLE=t\r\na,b\r\n1,2\r\n3,4\r\n"));
  EXPECT_FALSE(QFile::exists(platform::FileLock::LockPathOf(path)));
}

TEST_F(CardWindowTest, OpeningAnotherFileAndBadFiles) {
  CardWindow& w = open();
  QDir().mkpath(ProgramFolder + "sub");
  WriteBytes(ProgramFolder + "sub/x.txt", platform::ToSjis("@TABLE_ITEM_XY(b)=ITEM,abc,5\r\na,b\r\n1,2\r\n"));
  platform::SetFileDialogHandler([this](const platform::FileDialogRequest&) {
    return std::optional<QString>(ProgramFolder + "sub/x.txt");
  });
  w.Cmd_FileRead_Click();
  EXPECT_EQ(w.CurrentCardFile, QStringLiteral("./sub/x.txt"));
  EXPECT_EQ(w.List2->count(), 2);
  // A position that is not a number is not printed: nothing is placed.
  w.Cmd_print_Click();
  EXPECT_EQ(messages().texts().last(), QStringLiteral("カードに項目が配置されていません"));

  WriteBytes(ProgramFolder + "empty.csv", QByteArray());
  CardWindow& empty = openFile("empty.csv", {});
  EXPECT_EQ(empty.List2->count(), 0);
  QFile big(ProgramFolder + "big.csv");
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(100 * 1024 * 1024));
  big.close();
  WriteIniValue(QStringLiteral("VOREVA"), QStringLiteral("FILE"), QStringLiteral("big.csv"));
  messages().clear();
  CardWindow& huge = open();
  EXPECT_TRUE(messages().texts().contains(QStringLiteral("ファイルが大きすぎます（10MBまで）: ") + ProgramFolder + "big.csv"));
  EXPECT_EQ(huge.List2->count(), 0);
  QFile::remove(ProgramFolder + "big.csv");
}

// Reading over a layout that was not stored asks first, as closing does; a
// file that is no text is refused and the window keeps its cards, its
// layout and the file they are stored in.
TEST_F(CardWindowTest, ReadingOverAnUnstoredLayoutAsksAndABinaryFileChangesNothing) {
  CardWindow& w = open();
  const QString file = w.CurrentCardFile;
  const int fields = w.List2->count();
  w.Txt_Title->setText(QStringLiteral("並べ替えた"));
  ASSERT_TRUE(w.LayoutChanged());
  WriteBytes(ProgramFolder + "bin.csv", QByteArray("a,b\r\n1\0,2\r\n", 11));
  int dialogs = 0;
  platform::SetFileDialogHandler([this, &dialogs](const platform::FileDialogRequest&) {
    ++dialogs;
    return std::optional<QString>(ProgramFolder + "bin.csv");
  });
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  w.Cmd_FileRead_Click();
  ASSERT_EQ(messages().texts().size(), 1);
  EXPECT_TRUE(messages().texts()[0].startsWith(
      QStringLiteral("「カード」の内容が変更されています。\n書き出してから読み込みますか？")));
  EXPECT_EQ(dialogs, 0);

  messages().clear();
  messages().answer(platform::MsgResult::No);
  w.Cmd_FileRead_Click();
  ASSERT_EQ(messages().texts().size(), 2);
  EXPECT_EQ(messages().texts()[1], QStringLiteral("「") + ProgramFolder +
                                       QStringLiteral("bin.csv」はテキストファイルではないので、読み込めません。"));
  EXPECT_EQ(w.CurrentCardFile, file);
  EXPECT_EQ(w.Txt_csvFile->text(), file);
  EXPECT_EQ(w.Txt_Title->text(), QStringLiteral("並べ替えた"));
  EXPECT_EQ(w.List2->count(), fields);
  EXPECT_TRUE(w.LayoutChanged());
}
