// Importing another program's address CSV through the window: the warning,
// the dialog, the header search, the postal lookup, the merge into the open
// file in one rewrite, and what happens to files that are no address CSV.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include "AddressWindowTest.h"
#include "address/AddressRecord.h"
#include "app/RegisterPages.h"
#include "core/platform/FileDialog.h"
#include "core/platform/ProgramExit.h"
#include "core/settings/DataFileRewrite.h"
#include "core/ui/MainWindow.h"

namespace {

const QString kFixtures = QStringLiteral(RINGPAD_TEST_FIXTURES "/");

class AddressImport : public AddressWindowTest {
 protected:
  void SetUp() override {
    AddressWindowTest::SetUp();
    QFile::copy(kFixtures + "doZir.csv", homeFile("doZir.csv"));
    SetKey("FILE", QStringLiteral("doZir.csv"));
  }
  void TearDown() override {
    platform::SetFileDialogHandler({});
    AddressWindowTest::TearDown();
  }
  void ChooseFile(const QString& path) {
    platform::SetFileDialogHandler([this, path](const platform::FileDialogRequest& r) {
      request = r;
      return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    });
  }
  void InstallPostalData() {
    QDir().mkpath(ImportDataFolder);
    WriteBytes(ImportDataFolder + "jxpostal1.txt", "");
    QFile::copy(kFixtures + "jxpostal1.dat", ImportDataFolder + "jxpostal1.dat");
  }
  platform::FileDialogRequest request;
};

TEST_F(AddressImport, OtherProgramsBookIsMergedInSortOrder) {
  InstallPostalData();
  AddressWindow& w = Open();
  w.SelectedLineNumber = 3;
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  ChooseFile(kFixtures + "import.csv");
  w.Cmd_Fileimport->click();

  EXPECT_TRUE(request.open);
  EXPECT_EQ(QDir(request.folder), QDir(ProgramFolder));
  EXPECT_TRUE(request.filter.startsWith(QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)")));
  ASSERT_EQ(messages().shown().size(), 2u);
  const QString warning = messages().texts().at(0);
  EXPECT_TRUE(warning.startsWith(QStringLiteral(
      "この機能は注意して使ってください。\r\n必ず、dozir.csvファイルのバックアップ取ってから使ってください。\r\n\r\n")));
  EXPECT_TRUE(warning.contains(QStringLiteral("読み込めるようにプログラムを修正したいと思っています。\r\n\r\n")));
  EXPECT_EQ(messages().shown().at(0).icon, platform::MsgIcon::Exclamation);
  EXPECT_EQ(messages().texts().at(1), QStringLiteral("「1行目」は、見出し行と違うので読み飛ばします。\r\n"
                                                     "見出し行には、「電話」の項目が必要です。"));

  // Given name first; 青木 一郎 is in the book already and is dropped.
  const QStringList lines = BookLines();
  ASSERT_EQ(lines.size(), 8);
  const QString flags = QStringLiteral("0|1|0|0|0|0|0|");
  auto entry = [](std::initializer_list<std::pair<int, QString>> fields) {
    AddressRecord r;
    for (int n = 1; n <= kAddressAlwaysWritten; ++n) r.setField(n, QString());
    for (const auto& [n, v] : fields) r.setField(n, v);
    return r.toLine();
  };
  EXPECT_EQ(lines.at(1), entry({{kFieldKana, "S"}, {kFieldBunrui, "友人"}, {kFieldName, "Smith John"},
                                {kFieldTel, "+1-555-0100"}, {kFieldFlags, flags}, {kFieldMail, "john@example.com"}}));
  EXPECT_EQ(lines.at(2), QStringLiteral("\"ｱｵｷ\",\"友人\",\"青木 一郎\",\"\",\"090-1111-1111\",\"\",\"0|1|0|0|0|0|0|\""));
  EXPECT_EQ(lines.at(3), entry({{kFieldKana, "ｳｴﾉ"}, {kFieldBunrui, "仕事"}, {kFieldName, "上野 花"},
                                {kFieldFlags, flags}, {kFieldZip, "123-4567"}, {kFieldAddress1, "★"}}));
  EXPECT_EQ(lines.at(7), entry({{kFieldKana, "ﾔﾏﾀﾞ"}, {kFieldBunrui, "私用"}, {kFieldName, "山田 太郎"},
                                {kFieldTel, "090-1111-2222"}, {kFieldFlags, flags}, {kFieldZip, "100-0001"},
                                {kFieldAddress1, "★1000001 東京都千代田区千代田 CHIYODA"}, {kFieldMail, "taro@example.jp"}}));
  EXPECT_EQ(ReadBytes(TempCopyPath()), before);
  EXPECT_EQ(w.SelectedLineNumber, -1);
  w.Cmb_bunrui->setCurrentIndex(w.Cmb_bunrui->findText(QStringLiteral("全て")));
  EXPECT_EQ(ListNames(w), (QStringList{"Smith John", "青木 一郎", "上野 花", "岡田 花子", "佐藤 次郎", "田中 三郎", "山田 太郎"}));

  // The same file again adds nothing and writes nothing.
  const QByteArray after = ReadBytes(homeFile("doZir.csv"));
  QFile::remove(TempCopyPath());
  w.Cmd_Fileimport->click();
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), after);
  EXPECT_FALSE(QFile::exists(TempCopyPath()));
}

TEST_F(AddressImport, FilesWithoutAHeaderChangeNothing) {
  QByteArray longLine(1 << 20, 'x');
  longLine += ",TE";
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary += char(i * 37 % 256);
  struct {
    const char* what;
    QByteArray bytes;
    int skipped;  // messages for lines 1 to 3 before the last one
  } rows[] = {
      {"empty", "", 0},
      {"utf-8", QStringLiteral("氏名,電話\r\nA,1\r\n").toUtf8(), 2},
      {"binary", binary, 3},
      {"one long line", longLine, 1},
      {"header on line 4", platform::ToSjis(QStringLiteral("a\r\nb\r\nc\r\n氏名,電話\r\nA,1\r\n")), 3},
  };
  AddressWindow& w = Open();
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  for (const auto& r : rows) {
    const QString path = homeFile("source.csv");
    WriteBytes(path, r.bytes);
    messages().clear();
    ChooseFile(path);
    w.Cmd_Fileimport->click();
    const QStringList texts = messages().texts();
    ASSERT_EQ(texts.size(), 2 + r.skipped) << r.what;
    EXPECT_EQ(texts.last(), QStringLiteral("このファイル(") + path +
                                QStringLiteral(")には、見出し項目が無いようです。\r\n見出し付きのＣＳＶファイル形式を読み込ませてください。"))
        << r.what;
    EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before) << r.what;
    EXPECT_TRUE(w.isEnabled());
  }
  EXPECT_FALSE(QFile::exists(TempCopyPath()));
}

TEST_F(AddressImport, BrokenQuotesAndWideLinesStillImport) {
  QStringList wide{QStringLiteral("氏名,電話")};
  for (int i = 0; i < 398; ++i) wide.first() += QStringLiteral(",x");
  QString row = QStringLiteral("Wide,1");
  for (int i = 0; i < 398; ++i) row += QStringLiteral(",v");
  WriteBytes(homeFile("source.csv"),
             platform::ToSjis(wide.first() + "\r\n" + row + "\r\n\"Broken,2\r\n\"\",\"\" , \r\n"));
  AddressWindow& w = Open();
  ChooseFile(homeFile("source.csv"));
  w.Cmd_Fileimport->click();
  // A line of empty fields makes no empty entry.
  const QStringList lines = BookLines();
  ASSERT_EQ(lines.size(), 7);
  EXPECT_EQ(AddressRecord::FromLine(lines.at(1)).field(kFieldName), QStringLiteral("Broken,2"));
  EXPECT_EQ(AddressRecord::FromLine(lines.at(2)).field(kFieldName), QStringLiteral("Wide"));
}

TEST_F(AddressImport, AnAddressFileThatCannotBeReadIsNotReplaced) {
  AddressWindow& w = Open();
  // The book's name now holds a folder: the rewrite cannot read it and must
  // not put the imported entries alone in its place.
  QFile::remove(homeFile("doZir.csv"));
  QDir().mkpath(homeFile("doZir.csv"));
  messages().clear();
  ChooseFile(kFixtures + "import.csv");
  w.Cmd_Fileimport->click();
  EXPECT_TRUE(QFileInfo(homeFile("doZir.csv")).isDir());
  EXPECT_FALSE(QFile::exists(TempCopyPath()));
  EXPECT_TRUE(messages().texts().join(u'\n').contains(QStringLiteral("読み込めませんでした")))
      << messages().texts().join(u'\n').toStdString();
  EXPECT_TRUE(w.isEnabled());
}

TEST_F(AddressImport, TheShownFileIsRefusedHoweverItsPathIsSpelt) {
  AddressWindow& w = Open();
  QDir().mkpath(home() + "sub");
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  for (const QString& spelling : {homeFile("doZir.csv"), home() + "sub/../doZir.csv", home() + "./doZir.csv"}) {
    messages().clear();
    ChooseFile(spelling);
    w.Cmd_Fileimport->click();
    ASSERT_EQ(messages().texts().size(), 2) << spelling.toStdString();
    EXPECT_EQ(messages().texts().at(1), QStringLiteral("表示中のファイルは読込めません"));
  }
  // Cancel in the dialog: the warning only.
  messages().clear();
  ChooseFile(QString());
  w.Cmd_Fileimport->click();
  EXPECT_EQ(messages().texts().size(), 1);
  EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
}

TEST_F(AddressImport, FromTheMainWindowsMenu) {
  RegisterAllPages();
  platform::SetEndProgramHandler([](int) {});
  {
    MainWindow main(StartupArgs{home() + QStringLiteral("ringpad"), {}});
    main.MDIForm_Load();
    QString kind = QStringLiteral("tel");
    main.ShowPageForm(kind);
    auto* w = qobject_cast<AddressWindow*>(main.LoadedPageWindow(kind));
    ASSERT_NE(w, nullptr);
    messages().clear();
    ChooseFile(kFixtures + "import.csv");
    main.FileItemAction(FileItem::Import)->trigger();
    EXPECT_FALSE(request.title.isEmpty());
    EXPECT_EQ(request.title, main.FileItemAction(FileItem::Import)->text());
    w->Cmb_bunrui->setCurrentIndex(w->Cmb_bunrui->findText(QStringLiteral("全て")));
    EXPECT_TRUE(ListNames(*w).contains(QStringLiteral("山田 太郎")));
    EXPECT_TRUE(ListNames(*w).contains(QStringLiteral("Smith John")));
  }
  platform::SetEndProgramHandler({});
}

}  // namespace
