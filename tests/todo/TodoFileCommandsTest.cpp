// The to-do window's File and Help commands: a new file, opening a file
// into a recent-file slot, the export of finished items, the write notice
// and the usage notes.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "core/ui/HelpPage.h"
#include "TodoTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/ui/VersionBox.h"

namespace {

class TodoFileTest : public TodoTest {
 protected:
  // The dialogs answer with the path; the requests are kept.
  void Choose(const QString& path) {
    platform::SetFileDialogHandler([this, path](const platform::FileDialogRequest& r) -> std::optional<QString> {
      requests.push_back(r);
      if (path.isEmpty()) return std::nullopt;
      return path;
    });
  }
  std::vector<platform::FileDialogRequest> requests;
};

const QStringList kTen = {"■A　one\t2009/03/01", "□ two",   "□Bthree", "■ four",  "□ five",
                          "□ six",               "■Cseven", "□ eight", "□Dnine", "□ ten "};

}  // namespace

TEST_F(TodoFileTest, NewRefusesAnExistingNameAndOtherwiseStartsEmpty) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ keep"});
  WriteToDo(QStringLiteral("taken.txt"), {"□ other"});
  TodoWindow& w = Open();
  const QString slot3 = Key("FILE3");

  Choose(homeFile(QStringLiteral("taken.txt")));
  w.cmd_FileNew->click();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_FALSE(requests[0].open);
  EXPECT_EQ(requests[0].filter, QStringLiteral("TODO (*.txt)|*.txt|全て (*.*)|*.*||"));
  EXPECT_EQ(requests[0].defaultExtension, QStringLiteral("txt"));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text,
            QStringLiteral("既に「%1」ファイルは有りますので新規作成できません").arg(homeFile("taken.txt")));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Information);
  EXPECT_EQ(ListTexts(w), QStringList({"□ keep"}));
  EXPECT_EQ(Key("FILE"), QStringLiteral("VIDAZU.txt"));

  Choose(homeFile(QStringLiteral("fresh.txt")));
  w.cmd_FileNew->click();
  EXPECT_EQ(w.List2->count(), 0);
  EXPECT_EQ(Key("FILE"), homeFile(QStringLiteral("fresh.txt")));
  EXPECT_EQ(Key("FILE3"), slot3);
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("fresh.txt"))));
  w.Txt_ToDoItem->setText(QStringLiteral("first"));
  w.Cmd_Update[1]->click();
  EXPECT_EQ(ToDoLines(QStringLiteral("fresh.txt")), QStringList({"□ 　first\t2009/03/10"}));
}

TEST_F(TodoFileTest, OpenStoresThePathInTheSelectedSlotOnly) {
  WriteToDo(QStringLiteral("sub/a.txt"), {"□ in sub"});
  WriteToDo(QStringLiteral("b.txt"), {"□ at home"});
  QTemporaryDir elsewhere;
  WriteBytes(elsewhere.filePath(QStringLiteral("c.txt")), platform::ToSjis(QStringLiteral("□ far\r\n")));
  TodoWindow& w = Open();
  w.Cmb_file->setCurrentIndex(2);
  const QString file = Key("FILE");
  struct Case {
    QString chosen;
    QString stored;
    QString listed;
  };
  const Case cases[] = {
      {homeFile(QStringLiteral("sub/a.txt")), QStringLiteral("./sub/a.txt"), QStringLiteral("□ in sub")},
      {homeFile(QStringLiteral("b.txt")), QStringLiteral("b.txt"), QStringLiteral("□ at home")},
      {elsewhere.filePath(QStringLiteral("c.txt")), elsewhere.filePath(QStringLiteral("c.txt")), QStringLiteral("□ far")},
  };
  for (const Case& c : cases) {
    Choose(c.chosen);
    w.Cmd_FileRead->click();
    EXPECT_EQ(w.Cmb_file->itemText(2), c.stored);
    EXPECT_EQ(w.Cmb_file->currentIndex(), 2);
    EXPECT_EQ(Key("FILE2"), c.stored);
    EXPECT_EQ(ListTexts(w), QStringList({c.listed}));
  }
  EXPECT_EQ(Key("FILE"), file);
  EXPECT_TRUE(requests.back().open);
  EXPECT_EQ(requests.back().filter, QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"));

  // A missing file and a cancel change nothing.
  Choose(homeFile(QStringLiteral("missing.txt")));
  w.Cmd_FileRead->click();
  Choose(QString());
  w.Cmd_FileRead->click();
  EXPECT_EQ(ListTexts(w), QStringList({"□ far"}));
  EXPECT_TRUE(messages().shown().empty());

  // Choosing another slot and this one again opens it and makes it FILE.
  w.Cmb_file->setCurrentIndex(0);
  w.Cmb_file->setCurrentIndex(2);
  EXPECT_EQ(Key("FILE"), elsewhere.filePath(QStringLiteral("c.txt")));
}

// A picture chosen in the open dialog (the user thought of the photo page's
// read) is refused by the list's own check: neither the list, the slot nor
// the file the next start opens take it.
TEST_F(TodoFileTest, OpenRefusesAPicture) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ keep"});
  static const char kJpegHead[] = "\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01";
  QByteArray jpeg(kJpegHead, sizeof kJpegHead - 1);
  jpeg += QByteArray(2000, '\x7F');
  WriteBytes(homeFile(QStringLiteral("photo.jpg")), jpeg);
  TodoWindow& w = Open();
  const QString slot = Key("FILE0");
  Choose(homeFile(QStringLiteral("photo.jpg")));
  w.Cmd_FileRead->click();
  EXPECT_EQ(ListTexts(w), QStringList({"□ keep"}));
  EXPECT_EQ(Key("FILE0"), slot);
  EXPECT_EQ(w.Cmb_file->itemText(0), slot);
  EXPECT_EQ(Key("FILE"), QStringLiteral("VIDAZU.txt"));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text,
            QStringLiteral("「%1」はテキストファイルではないので、読み込めません。").arg(homeFile("photo.jpg")));
  // The list still writes to its own file.
  w.Txt_ToDoItem->setText(QStringLiteral("next"));
  w.Cmd_Update[1]->click();
  EXPECT_EQ(ToDoLines(QStringLiteral("VIDAZU.txt")).size(), 2);
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("photo.jpg"))), jpeg);
}

// A list left by another program with a byte that makes no character is
// taken; UTF-16 text, which holds no NUL byte when it is all Japanese, is
// refused by its mark.
TEST_F(TodoFileTest, OpenTakesStrayBytesAndRefusesUtf16) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□ keep"});
  const struct {
    const char* name;
    QByteArray bytes;
    bool taken;
  } cases[] = {
      {"stray.txt", platform::ToSjis(QStringLiteral("□ 予定")) + "\x81\xB6\r\n", true},
      {"utf16.txt", QByteArray("\xFF\xFE\xA1\x25\x88\x4E\x9A\x5B", 8), false},
  };
  TodoWindow& w = Open();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = homeFile(QString::fromLatin1(c.name));
    WriteBytes(path, c.bytes);
    messages().clear();
    Choose(path);
    w.Cmd_FileRead->click();
    EXPECT_EQ(messages().texts().isEmpty(), c.taken) << messages().texts().join(u'/').toStdString();
    EXPECT_EQ(w.Cmb_file->currentText().endsWith(QString::fromLatin1(c.name)), c.taken);
  }
}

TEST_F(TodoFileTest, ExportAppendsFinishedItemsAndKeepsTheRest) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kTen);
  WriteBytes(homeFile(QStringLiteral("済.txt")), platform::ToSjis(QStringLiteral("old line\r\n")));
  TodoWindow& w = Open();
  Choose(homeFile(QStringLiteral("済.txt")));
  w.Cmd_FileExport->click();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].fileName, QStringLiteral("済.txt"));
  EXPECT_EQ(requests[0].filter, QStringLiteral("txtファイル (*.txt)|*.txt|全て (*.*)|*.*||"));
  const QByteArray exported = platform::ToSjis(QStringLiteral(
      "old line\r\n2009/03/10,　　,■　one\t2009/03/01\r\n2009/03/10,　　,■four\r\n2009/03/10,　　,■seven\r\n"));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("済.txt"))), exported);
  const QStringList rest = {"□ two", "□Bthree", "□ five", "□ six", "□ eight", "□Dnine", "□ ten "};
  EXPECT_EQ(ToDoLines(), rest);
  EXPECT_EQ(ListTexts(w), rest);
  EXPECT_TRUE(w.isEnabled());

  // Again the same day: nothing more to export. The entries name their new
  // lines, so a later edit lands on the right one.
  w.Cmd_FileExport->click();
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("済.txt"))), exported);
  Select(w, {6});
  w.Cmd_Update[6]->click();
  EXPECT_EQ(ToDoLines().value(6), QStringLiteral("■ ten "));
  EXPECT_EQ(ToDoLines().size(), 7);
}

TEST_F(TodoFileTest, ExportWritesTheOrderTheListShows) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), {"□Dlow", "■ gone", "□Ahigh", "□Bmid"});
  TodoWindow& w = Open();
  w.cmb_sort->setCurrentIndex(1);  // 重要順
  Choose(homeFile(QStringLiteral("done.txt")));
  w.Cmd_FileExport->click();
  EXPECT_EQ(ToDoLines(), ListTexts(w));
  EXPECT_EQ(ToDoLines().value(0), QStringLiteral("□Ahigh"));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("done.txt"))), platform::ToSjis(QStringLiteral("2009/03/10,　　,■gone\r\n")));
}

TEST_F(TodoFileTest, ExportFromAFileChangedBehindTheListWaitsForTheReload) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kTen);
  TodoWindow& w = Open();
  // A second copy of the program finishes an item of its own meanwhile.
  const QStringList changed = kTen + QStringList{QStringLiteral("■ eleven")};
  WriteToDo(QStringLiteral("VIDAZU.txt"), changed);
  Choose(homeFile(QStringLiteral("done.txt")));
  w.Cmd_FileExport->click();
  EXPECT_EQ(messages().texts(), QStringList({"ToDoファイルが他で変更されていたため、一覧を読み込み直しました。"
                                             "項目を選択し直してください。"}));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("done.txt"))));
  EXPECT_EQ(ToDoLines(), changed);
  EXPECT_EQ(ListTexts(w), changed);

  w.Cmd_FileExport->click();
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("done.txt"))),
            platform::ToSjis(QStringLiteral("2009/03/10,　　,■　one\t2009/03/01\r\n2009/03/10,　　,■four\r\n"
                                            "2009/03/10,　　,■seven\r\n2009/03/10,　　,■eleven\r\n")));
  EXPECT_EQ(ToDoLines(), QStringList({"□ two", "□Bthree", "□ five", "□ six", "□ eight", "□Dnine", "□ ten "}));
}

TEST_F(TodoFileTest, ExportRefusesTheToDoFileAndKeepsItWhenTheExportFails) {
  WriteToDo(QStringLiteral("VIDAZU.txt"), kTen);
  TodoWindow& w = Open();
  const QByteArray items = ReadBytes(homeFile(QStringLiteral("VIDAZU.txt")));
  // The to-do file under other spellings.
  for (const QString& spelling : {homeFile(QStringLiteral("VIDAZU.txt")), homeFile(QStringLiteral("sub/../VIDAZU.txt")),
                                  QStringLiteral("./VIDAZU.txt")}) {
    QDir().mkpath(homeFile(QStringLiteral("sub")));
    messages().clear();
    Choose(spelling);
    w.Cmd_FileExport->click();
    ASSERT_EQ(messages().shown().size(), 1u) << spelling.toStdString();
    // The dialog hands back the path cleaned; the message names it so.
    EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("同じファイル「")));
    EXPECT_TRUE(messages().shown()[0].text.endsWith(QStringLiteral("VIDAZU.txt」には書き出せません")));
  }
  // An export file that cannot be written: its message, the items stay.
  messages().clear();
  Choose(homeFile(QStringLiteral("no/such/folder/done.txt")));
  w.Cmd_FileExport->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("done.txt")));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))), items);
  EXPECT_EQ(ListTexts(w), kTen);
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(TodoFileTest, WriteNoticeAndUsageNotes) {
  TodoWindow& w = Open();
  w.Cmd_FileWrite->click();
  w.Cmd_help->click();
  ASSERT_EQ(messages().shown().size(), 2u);
  EXPECT_EQ(messages().shown()[0].text,
            QStringLiteral("ＣＳＶファイルと同じファイル名で\n印刷フォーマットを保管します\n\nまだできてません"));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::None);
  const QString help = messages().shown()[1].text;
  EXPECT_EQ(messages().shown()[1].icon, platform::MsgIcon::Information);
  EXPECT_TRUE(help.startsWith(QStringLiteral("１．カレンダーをダブルクリックすると、大きなカレンダーで予定入力できます(jxcalpad必要)\n\n２．")));
  EXPECT_TRUE(help.contains(QStringLiteral("\n２．ToDoの内容を予定に反映したいときは、")));
  EXPECT_TRUE(help.endsWith(MoreHelpLine() + QStringLiteral("\n\n")));
  EXPECT_TRUE(ReadBytes(homeFile(QStringLiteral("VIDAZU.txt"))).size() > 0);
}
