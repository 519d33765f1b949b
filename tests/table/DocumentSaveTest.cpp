// The table, Gantt and tree windows write back a file they read in the
// encoding it came in: code page 932 with stray bytes only with the user's
// word, its untouched lines keeping their bytes, and UTF-8 as UTF-8.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>
#include <memory>

#include "TestEnvironment.h"
#include "charts/GanttFile.h"
#include "charts/TreeFile.h"
#include "charts/windows/GanttWindow.h"
#include "charts/windows/TreeWindow.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "tables_cards/TableFile.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

// One window that reads and writes a whole document, driven as the File
// menu drives it.
struct DocumentWindow {
  const char* name;
  std::function<std::unique_ptr<PageWindow>()> open;
  std::function<void(PageWindow&)> read;
  std::function<void(PageWindow&)> write;
  std::function<QString(PageWindow&)> shown;     // the text boxes' texts
  std::function<QString(PageWindow&)> fileText;  // the file the window would write
  std::function<QString(PageWindow&)> file;      // the file the window is at
};

template <typename W>
std::unique_ptr<PageWindow> Loaded() {
  auto w = std::make_unique<W>();
  w->Form_Load();
  return w;
}

std::vector<DocumentWindow> Windows() {
  auto table = [](PageWindow& w) -> TableWindow& { return static_cast<TableWindow&>(w); };
  auto gantt = [](PageWindow& w) -> GanttWindow& { return static_cast<GanttWindow&>(w); };
  auto tree = [](PageWindow& w) -> TreeWindow& { return static_cast<TreeWindow&>(w); };
  return {
      {"table", Loaded<TableWindow>, [=](PageWindow& w) { table(w).Cmd_FileRead_Click(); },
       [=](PageWindow& w) { table(w).Cmd_FileWrite_Click(); },
       [=](PageWindow& w) { return table(w).Txt_MidasiRetu->text() + u'\n' + table(w).Txt_Data->toPlainText(); },
       [=](PageWindow& w) { return TableFileText(table(w).Options()); },
       [=](PageWindow& w) { return table(w).TableFilePath; }},
      {"Gantt", Loaded<GanttWindow>, [=](PageWindow& w) { gantt(w).Cmd_FileRead_Click(); },
       [=](PageWindow& w) { gantt(w).Cmd_FileWrite_Click(); },
       [=](PageWindow& w) { return gantt(w).txt_data->toPlainText(); },
       [=](PageWindow& w) { return GanttFileText(gantt(w).ChartData()); },
       [](PageWindow&) { return GanttWindow::CurrentGanttFile; }},
      {"tree", Loaded<TreeWindow>, [=](PageWindow& w) { tree(w).Cmd_FileRead_Click(); },
       [=](PageWindow& w) { tree(w).Cmd_FileWrite_Click(); }, [=](PageWindow& w) { return tree(w).ItemText(); },
       [=](PageWindow& w) {
         return TreeFileText(TreeDocument{tree(w).Txt_Title->text(), tree(w).ItemText(), tree(w).RemarkText()});
       },
       [=](PageWindow& w) { return tree(w).CurrentTreeFile; }},
  };
}

class DocumentSaveTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    PaperSettings = PaperSettingsData{};
    GanttWindow::CurrentGanttFile.clear();
    platform::ForgetForeignBytesAnswers();
  }
  void TearDown() override {
    GanttWindow::CurrentGanttFile.clear();
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  static void ChooseFile(const QString& path) {
    platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  }
};

const QString kOverwrite = QStringLiteral("同じファイルがあります、上書きしますか？\n");

// A stray lead byte before "ｶ" reads as "・ｶ"; the file is rewritten only
// when the user agrees, and the line the window left alone keeps its bytes.
TEST_F(DocumentSaveTest, BytesThatAreNoShiftJisAreRewrittenOnlyWithTheUsersWord) {
  const QByteArray original("@TITLE=t\r\n@CSV=\r\nh\r\nx\x81\xB6y\r\n");
  for (const DocumentWindow& d : Windows()) {
    SCOPED_TRACE(d.name);
    const QString path = homeFile(QString::fromLatin1(d.name) + QStringLiteral(".csv"));
    WriteBytes(path, original);
    ChooseFile(path);
    std::unique_ptr<PageWindow> w = d.open();
    d.read(*w);
    EXPECT_TRUE(d.shown(*w).contains(QStringLiteral("x・ｶy"))) << d.shown(*w).toStdString();
    const QString fileBefore = d.file(*w);

    messages().clear();
    messages().answer(platform::MsgResult::Ok);      // overwrite
    messages().answer(platform::MsgResult::Cancel);  // not Shift-JIS
    d.write(*w);
    ASSERT_EQ(messages().texts().size(), 2);
    EXPECT_TRUE(messages().texts()[0].startsWith(kOverwrite));
    EXPECT_EQ(messages().texts()[1], platform::NotShiftJisMessage(path) +
                                         QStringLiteral("\n書き換えると元の内容に戻せなくなります。書き換えますか？"));
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(d.file(*w), fileBefore);

    messages().clear();  // OK to both
    d.write(*w);
    EXPECT_EQ(messages().texts().size(), 2);
    const QByteArray expected =
        platform::ToSjis(d.fileText(*w)).replace(platform::ToSjis(QStringLiteral("x・ｶy")), "x\x81\xB6y");
    EXPECT_EQ(ReadBytes(path), expected);
  }
}

// A file a Linux editor saved in UTF-8 is written back in UTF-8, its byte
// order mark kept, with characters that code page 932 has no room for; the
// same text is refused, not turned into "?", for a new file.
TEST_F(DocumentSaveTest, Utf8FileIsWrittenBackAsUtf8) {
  const QString text = QStringLiteral("@TITLE=題\r\n@CSV=\r\n見出し\r\n木😀\r\n");
  for (const DocumentWindow& d : Windows()) {
    for (const QByteArray& bom : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
      SCOPED_TRACE(std::string(d.name) + (bom.isEmpty() ? "" : " with BOM"));
      const QString path = homeFile(QString::fromLatin1(d.name) + QStringLiteral(".csv"));
      WriteBytes(path, bom + text.toUtf8());
      ChooseFile(path);
      std::unique_ptr<PageWindow> w = d.open();
      d.read(*w);
      ASSERT_TRUE(d.shown(*w).contains(QStringLiteral("木😀"))) << d.shown(*w).toStdString();

      messages().clear();
      d.write(*w);
      EXPECT_EQ(messages().texts().size(), 1);  // the overwrite question alone
      EXPECT_EQ(ReadBytes(path), bom + d.fileText(*w).toUtf8());

      const QString fresh = homeFile(QStringLiteral("fresh.csv"));
      const QString fileBefore = d.file(*w);
      ChooseFile(fresh);
      messages().clear();
      d.write(*w);
      EXPECT_EQ(messages().texts(), QStringList{platform::UnsavableCharactersMessage(QStringLiteral("😀"))});
      EXPECT_FALSE(QFileInfo::exists(fresh));
      EXPECT_EQ(d.file(*w), fileBefore);
    }
  }
}

}  // namespace
