// The file dialogs: filter translation, defaults, the scripted seam and the
// set-up of Qt's dialog.
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include "FormsTestSupport.h"
#include "core/platform/FileDialog.h"
#include "core/platform/FileDialogFilter.h"
#include "core/ui/FileDialogWindow.h"
#include "core/ui/QtTranslations.h"

namespace {

using namespace platform;

TEST(FileFilter, CallersFiltersBecomeQtNameFilters) {
  struct Row { const char* filter; QStringList expected; };
  const Row rows[] = {
      {"テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||",
       {QStringLiteral("テキスト (*.doc *.txt)"), QStringLiteral("全て (*)")}},
      {"CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||",
       {QStringLiteral("CSVファイル (*.csv)"), QStringLiteral("テキスト (*.csv *.txt)"), QStringLiteral("全て (*)")}},
      {"画像ファイル (*.bmp *.ICO)|*.bmp;*.ico||", {QStringLiteral("画像ファイル (*.bmp *.ico)")}},
      // A description without its patterns gets them; one with other
      // parentheses keeps them.
      {"TODO|*.txt||", {QStringLiteral("TODO (*.txt)")}},
      {"表(CSV形式)|*.csv||", {QStringLiteral("表(CSV形式) (*.csv)")}},
      // Without the closing "||", with blanks around patterns, an entry
      // without patterns, and an empty filter.
      {"A|*.a ; *.b", {QStringLiteral("A (*.a *.b)")}},
      {"A||B|*.b||", {}},
      {"", {}},
  };
  for (const Row& r : rows) EXPECT_EQ(QtNameFilters(QString::fromUtf8(r.filter)), r.expected) << r.filter;
  const QList<FileFilterEntry> entries = ParseFileFilter(QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"));
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[1].patterns, QStringList{QStringLiteral("*.*")});
}

TEST(FileDialogRequest, DefaultsAndTheInitialName) {
  FileDialogRequest r = MakeFileDialogRequest(true, 0, QStringLiteral("C:\\data\\"), QStringLiteral("sub\\"),
                                              QStringLiteral("開く"), QStringLiteral("A|*.a||"), 1, QStringLiteral(".txt"));
  EXPECT_EQ(r.flags, 0x100C);
  EXPECT_EQ(r.folder, QStringLiteral("C:/data/"));
  EXPECT_EQ(r.fileName, QString()) << "a name ending with a separator is a folder";
  EXPECT_EQ(r.defaultExtension, QStringLiteral("txt"));
  EXPECT_EQ(r.nameFilters, QStringList{QStringLiteral("A (*.a)")});
  EXPECT_EQ(MakeFileDialogRequest(false, 0x2, {}, QStringLiteral("memo/"), {}, {}, 1, {}).fileName, QString());
  EXPECT_EQ(MakeFileDialogRequest(false, 0x2, {}, QStringLiteral("memo.txt"), {}, {}, 1, {}).flags, 0x2);
}

class FileDialogTest : public FormsTest {
 protected:
  void TearDown() override {
    SetFileDialogHandler({});
    FormsTest::TearDown();
  }
};

TEST_F(FileDialogTest, TheHandlerGetsTheRequestAndItsAnswerIsReturned) {
  std::vector<FileDialogRequest> seen;
  SetFileDialogHandler([&](const FileDialogRequest& r) -> std::optional<QString> {
    seen.push_back(r);
    return home() + QStringLiteral("sub/memo.doc");
  });
  int32_t flags = 0;
  const QString path = ShowFileDialog(false, &flags, home(), QStringLiteral("dudezu.txt"), QStringLiteral("新規作成"),
                                      QStringLiteral("テキスト (*.doc;*.txt)|*.doc;*.txt|全て (*.*)|*.*||"), 2,
                                      QStringLiteral("txt"));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(seen[0].open);
  EXPECT_EQ(seen[0].title, QStringLiteral("新規作成"));
  EXPECT_EQ(seen[0].fileName, QStringLiteral("dudezu.txt"));
  EXPECT_EQ(seen[0].filterIndex, 2);
  EXPECT_EQ(path, home() + QStringLiteral("sub/memo.doc"));
  EXPECT_EQ(flags, 0x100C | OFN_EXTENSIONDIFFERENT);
  EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), home()) << "the current folder stays";

  // Null flags are the defaults too; a chosen name with the default
  // extension reports no difference.
  SetFileDialogHandler([&](const FileDialogRequest& r) -> std::optional<QString> {
    seen.push_back(r);
    return home() + QStringLiteral("a.TXT");
  });
  flags = 0;
  EXPECT_EQ(ShowFileDialog(true, nullptr, {}, {}, {}, {}, 1, QStringLiteral("txt")), home() + QStringLiteral("a.TXT"));
  EXPECT_EQ(seen.back().flags, 0x100C);
  EXPECT_EQ(ShowFileDialog(true, &flags, {}, {}, {}, {}, 1, QStringLiteral("txt")), home() + QStringLiteral("a.TXT"));
  EXPECT_EQ(flags, 0x100C);
}

// Names the settings file cannot keep as they are are refused when chosen.
TEST_F(FileDialogTest, NamesWithALineBreakOrABackslashAreRefused) {
  const struct {
    const char* name;
    bool refused;
  } rows[] = {{"plain.txt", false}, {"予定 (2).txt", false}, {"a\\b.txt", true},
              {"two\nlines.txt", true}, {"cr\r.txt", true}};
  for (const auto& row : rows) {
    messages().clear();
    const QString chosen = home() + QString::fromUtf8(row.name);
    SetFileDialogHandler([&](const FileDialogRequest&) { return std::optional<QString>(chosen); });
    const QString path = ShowFileDialog(true, nullptr, home(), {}, {}, {}, 1, {});
    EXPECT_EQ(path, row.refused ? QString() : chosen) << row.name;
    EXPECT_EQ(messages().texts(), row.refused ? QStringList{UnusableFileNameMessage(chosen)} : QStringList())
        << row.name;
  }
}

TEST_F(FileDialogTest, CancelGivesAnEmptyTextAndLeavesTheFlags) {
  SetFileDialogHandler([](const FileDialogRequest&) { return std::optional<QString>(); });
  int32_t flags = 0x1004;
  EXPECT_EQ(ShowFileDialog(true, &flags, home(), {}, {}, {}, 1, {}), QString());
  EXPECT_EQ(flags, 0x1004);
}

TEST_F(FileDialogTest, WithoutNoChangeDirTheChosenFolderBecomesCurrent) {
  QDir(home()).mkpath(QStringLiteral("dat"));
  SetFileDialogHandler([&](const FileDialogRequest&) { return std::optional<QString>(home() + QStringLiteral("dat/x.csv")); });
  int32_t flags = OFN_FILEMUSTEXIST;
  ShowFileDialog(true, &flags, home(), {}, {}, {}, 1, {});
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(home() + QStringLiteral("dat")).canonicalPath());
}

TEST_F(FileDialogTest, QtsDialogIsSetUpFromTheRequest) {
  WriteBytes(homeFile("memo.txt"), "x");
  const FileDialogRequest open = MakeFileDialogRequest(
      true, 0, home(), QStringLiteral("memo.txt"), QStringLiteral("開く"),
      QStringLiteral("CSVファイル (*.csv)|*.csv|テキスト (*.csv;*.txt)|*.csv;*.txt|全て (*.*)|*.*||"), 2, QStringLiteral("csv"));
  auto dialog = CreateFileDialog(open, nullptr);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("開く"));
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile) << "only existing files by default";
  EXPECT_EQ(dialog->nameFilters(), open.nameFilters);
  EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("テキスト (*.csv *.txt)"));
  EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(home()).canonicalPath());
  EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("csv"));
  EXPECT_EQ(dialog->selectedFiles().value(0), QDir(home()).filePath(QStringLiteral("memo.txt")));

  const FileDialogRequest save = MakeFileDialogRequest(false, 0, home(), {}, {}, QStringLiteral("A|*.a||"), 9, {});
  dialog = CreateFileDialog(save, nullptr);
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("A (*.a)")) << "an index out of range selects the first";

  dialog = CreateFileDialog(MakeFileDialogRequest(false, OFN_OVERWRITEPROMPT, home(), {}, {}, {}, 1, {}), nullptr);
  EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  dialog = CreateFileDialog(MakeFileDialogRequest(true, OFN_NOCHANGEDIR, home(), {}, {}, {}, 1, {}), nullptr);
  EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
}

QStringList ButtonTexts(QWidget* dialog) {
  QStringList texts;
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->isVisibleTo(dialog)) texts << button->text();
  return texts;
}

TEST_F(FileDialogTest, QtsOwnTextsAreJapaneseWithTheTranslations) {
  const FileDialogRequest open = MakeFileDialogRequest(true, 0, home(), {}, {}, {}, 1, {});
  ASSERT_TRUE(InstallJapaneseQtTranslations());
  QStringList texts = ButtonTexts(CreateFileDialog(open, nullptr).get());
  EXPECT_TRUE(texts.filter(QStringLiteral("開く")).size() == 1) << texts.join(u'|').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("キャンセル"))) << texts.join(u'|').toStdString();
  QStringList saveTexts = ButtonTexts(
      CreateFileDialog(MakeFileDialogRequest(false, 0, home(), {}, {}, {}, 1, {}), nullptr).get());
  EXPECT_TRUE(saveTexts.filter(QStringLiteral("保存")).size() == 1) << saveTexts.join(u'|').toStdString();
  // The kinds in the type column, which Qt's catalogue lacks.
  EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
            QStringLiteral("フォルダ"));
  RemoveJapaneseQtTranslations();
  EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
            QStringLiteral("Folder"));

  // Without the translations file the dialogs simply stay English.
  EXPECT_FALSE(InstallJapaneseQtTranslations(home()));
  texts = ButtonTexts(CreateFileDialog(open, nullptr).get());
  EXPECT_TRUE(texts.contains(QStringLiteral("Cancel"))) << texts.join(u'|').toStdString();
  EXPECT_TRUE(messages().texts().isEmpty());
}

}  // namespace
