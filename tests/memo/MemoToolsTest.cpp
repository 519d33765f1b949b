// The reflow, the keyword search and the help of the memo window.
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/ui/HelpPage.h"
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/SearchKeys.h"
#include "todo_memo/MemoTools.h"
#include "todo_memo/windows/MemoWindow.h"

using memo::ReflowText;

TEST(MemoReflowTest, CutsInBytesAndKeepsShortLines) {
  struct Case { const char* text; int width; const char* reflowed; };
  const Case cases[] = {
      {"ＡＢＣＤＥＦＧＨＩＪ", 10, "ＡＢＣＤＥ\r\nＦＧＨＩＪ"},
      {"abcdeあいう", 10, "abcdeあいう"},     // cut only once the piece reached the width
      {"abcdefghij\r\n", 10, "abcdefghij"},   // exactly the width: no empty line after it
      {"ab   \r\n\r\ncd  ", 10, "ab\r\n\r\ncd"},
      {"abcdefghijklmnopqrstuvwxy", 10, "abcdefghij\r\nklmnopqrst\r\nuvwxy"},
      {"", 10, ""},
      {"ab\r\n\r\nc", 0, "a\r\nb\r\n\r\nc"},  // no width: never a hang
  };
  for (const Case& c : cases)
    EXPECT_EQ(ReflowText(QString::fromUtf8(c.text), c.width), QString::fromUtf8(c.reflowed)) << c.text;
}

TEST(MemoSearchTest, LinesAndTheirItems) {
  const QStringList lines = {"@TITLE=a", "Key here", "@TITLE=b", "x", "key again", "@TITLE=c", "[k*y?]", "key"};
  EXPECT_EQ(memo::FindLine(lines, QStringLiteral("KEY"), 0), 2);
  EXPECT_EQ(memo::FindLine(lines, QStringLiteral("key"), 3), 5);
  EXPECT_EQ(memo::FindLine(lines, QStringLiteral("[k*y?]"), 0), 7);  // plain text, not a pattern
  EXPECT_EQ(memo::FindLine(lines, QString(), 4), 4);
  EXPECT_EQ(memo::FindLine(lines, QStringLiteral("none"), 0), 0);
  const QList<memo::MemoIndexItem> index = memo::BuildMemoIndex(lines);
  EXPECT_EQ(memo::ItemOfLine(index, 2), 0);
  EXPECT_EQ(memo::ItemOfLine(index, 5), 1);
  EXPECT_EQ(memo::ItemOfLine(index, 8), 2);
}

namespace {

class MemoToolsWindowTest : public RingpadTest {
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
  }
  void TearDown() override {
    SetSearchKeyDialogHandler({});
    window.reset();
    RingpadTest::TearDown();
  }
  MemoWindow& Open(const QStringList& lines) {
    WriteBytes(homeFile(QStringLiteral("dudezu.txt")),
               platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    window = std::make_unique<MemoWindow>();
    window->Form_Load();
    return *window;
  }
  std::unique_ptr<MemoWindow> window;
};

}  // namespace

TEST_F(MemoToolsWindowTest, ReflowAndItsUndo) {
  MemoWindow& w = Open({"@TITLE=t", "x"});
  w.Text2->setPlainText(QString(60, u'a'));
  w.cmd_seikei_Click();
  EXPECT_EQ(w.Text2->toPlainText(), QString(49, u'a') + u'\n' + QString(11, u'a'));
  EXPECT_TRUE(w.Cmd_undo->isEnabled());
  w.Cmd_undo_Click();
  EXPECT_EQ(w.Text2->toPlainText(), QString(60, u'a'));
  EXPECT_FALSE(w.Cmd_undo->isEnabled());
  w.Cmd_undo_Click();  // nothing left to undo
  EXPECT_EQ(w.Text2->toPlainText(), QString(60, u'a'));
}

TEST_F(MemoToolsWindowTest, SearchFollowsItemsThenLines) {
  MemoWindow& w = Open({"@TITLE=one", "apple pie", "apple tart", "@TITLE=two", "no fruit", "@TITLE=three", "an apple",
                        "pear", "apple again"});
  QStringList shownTitles;
  int press = 0;
  // "検索", then "次検索" three times, then the close box.
  SetSearchKeyDialogHandler([&](SearchDialog& d) {
    if (!shownTitles.isEmpty() || press > 0) shownTitles << w.Text1->text();
    if (press == 0) d.Text1->setText(QStringLiteral("APPLE"));
    if (press < 4) d.Command1[press == 0 ? 0 : 1]->click();
    ++press;
  });
  w.Text1->setText(QStringLiteral("unsaved"));
  messages().answer(platform::MsgResult::Ok);  // the notice
  w.Cmd_FileSearch_Click();
  // The first hit asks to discard the unsaved title; the next hits do not.
  EXPECT_EQ(messages().texts().first(),
            QStringLiteral("ファイルに保管されている内容を検索します。\r\nこのため、修正中のメモの内容は検索しません。"));
  EXPECT_EQ(shownTitles, QStringList({"one", "three", "three"}));
  EXPECT_EQ(messages().texts().last(), QStringLiteral("検索終了"));
  EXPECT_EQ(SearchKeyText, QStringLiteral("APPLE"));
}

TEST_F(MemoToolsWindowTest, HelpNamesTheFileAndFont) {
  MemoWindow& w = Open({"@TITLE=t"});
  PaperSettings.DefaultFontName = QStringLiteral("ＭＳ 明朝");
  w.Cmd_help_Click();
  ASSERT_EQ(messages().shown().size(), 1u);
  const QString text = messages().shown()[0].text;
  EXPECT_TRUE(text.startsWith(QStringLiteral("[印刷方法]\r\n")));
  EXPECT_TRUE(text.contains(QStringLiteral("小見出しとして「ＭＳ 明朝」で印刷されます")));
  EXPECT_TRUE(text.contains(QStringLiteral("メモ帳は「") + homeFile(QStringLiteral("dudezu.txt"))));
  EXPECT_TRUE(text.endsWith(MoreHelpLine() + QStringLiteral("\r\n")));
}
