// A user's first memo through the real main window, and memo files that are
// not what the window writes.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "TestEnvironment.h"
#include "app/RegisterPages.h"
#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/ProgramExit.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/MainWindow.h"
#include "core/ui/SearchDialog.h"
#include "todo_memo/windows/LineItemList.h"
#include "todo_memo/windows/MemoWindow.h"

namespace {

class MemoEndToEndTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    RegisterAllPages();
    platform::SetEndProgramHandler([this](int) { ++ends; });
    platform::SetFixedToday(QDate(2009, 3, 10));
    platform::SetFixedTime(QTime(8, 30, 0));
  }
  void TearDown() override {
    main_.reset();
    platform::SetEndProgramHandler({});
    platform::SetFixedToday(QDate());
    platform::SetFixedTime(QTime());
    RingpadTest::TearDown();
  }
  MemoWindow& OpenMemoPage() {
    main_ = std::make_unique<MainWindow>(StartupArgs{home() + QStringLiteral("ringpad"), {}});
    main_->MDIForm_Load();
    QString kind = QStringLiteral("memo");
    main_->ShowPageForm(kind);
    return *qobject_cast<MemoWindow*>(main_->ActivePageWindow());
  }
  MainWindow& main() { return *main_; }
  int ends = 0;

 private:
  std::unique_ptr<MainWindow> main_;
};

void Type(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

}  // namespace

TEST_F(MemoEndToEndTest, AFirstMemoIsWrittenAndGuardedAtClose) {
  WriteBytes(homeFile(QStringLiteral("dudezu.txt")),
             platform::ToSjis(QStringLiteral("@TITLE(01-01-2009 10:00:00)=既存\r\n既存の本文\r\n")));
  MemoWindow& w = OpenMemoPage();
  ASSERT_EQ(w.List1->count(), 1);
  w.Text1->setText(QStringLiteral("買い物"));
  w.Text2->setPlainText(QString());
  for (QChar c : QStringLiteral("牛乳")) Type(w.Text2, Qt::Key_unknown, c);
  Type(w.Text2, Qt::Key_Return, QStringLiteral("\r"));
  for (QChar c : QStringLiteral("パン")) Type(w.Text2, Qt::Key_unknown, c);
  EXPECT_EQ(w.Lbl_gyosu->text(), QStringLiteral("2/%1行 3字").arg(w.LinesPerPage));
  w.Cmd_Update[1]->click();
  ASSERT_EQ(w.List1->count(), 2);

  w.List1->setCurrentRow(1);
  emit w.List1->doubleClicked(w.List1->model()->index(1, 0));
  EXPECT_EQ(w.Text2->toPlainText(), QStringLiteral("牛乳\nパン\n"));
  w.Text2->moveCursor(QTextCursor::End);
  w.Text2->insertPlainText(QStringLiteral("卵"));
  messages().answer(platform::MsgResult::Ok);
  w.Cmd_Update[2]->click();

  // The close is refused once; the program stays.
  w.Text1->setText(QStringLiteral("書きかけ"));
  messages().answer(platform::MsgResult::Cancel);
  main().close();
  EXPECT_EQ(ends, 0);
  EXPECT_EQ(messages().texts().last(), QStringLiteral("メモの内容が変更されています。このまま終了しますか？"));

  const QString font = PaperSettings.DataFontName;
  EXPECT_EQ(platform::FromSjis(ReadBytes(homeFile(QStringLiteral("dudezu.txt")))).toStdString(),
            QStringLiteral("@TITLE(01-01-2009 10:00:00)=既存\r\n既存の本文\r\n"
                           "@TITLE(03-10-2009 08:30:00)=買い物\r\n@FONTNAME=%1\r\n@FONTSIZE=%2\r\n"
                           "牛乳\r\nパン\r\n卵\r\n")
                .arg(font)
                .arg(PaperSettings.DataFontSize)
                .toStdString());
}

TEST_F(MemoEndToEndTest, ControlKeysOfTheBody) {
  MemoWindow& w = OpenMemoPage();
  w.Cmd_undo->setEnabled(true);
  w.ReflowUndoText = QStringLiteral("before");
  Type(w.Text2, Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
  EXPECT_EQ(w.Text2->textCursor().selectedText().size(), w.Text2->toPlainText().size());
  EXPECT_EQ(w.ReflowUndoText, QStringLiteral("before"));
  Type(w.Text2, Qt::Key_X, QStringLiteral("x"));
  EXPECT_TRUE(w.ReflowUndoText.isEmpty());
  EXPECT_FALSE(w.Cmd_undo->isEnabled());
}

TEST_F(MemoEndToEndTest, StrangeMemoFilesOpenWithoutHarm) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList index;
  };
  QByteArray noTitles;
  while (noTitles.size() < 5 * 1024 * 1024) noTitles += QByteArray(98, 'a') + "\r\n";
  QByteArray binary;
  for (int i = 0; i < 4096; ++i) binary += char(i * 37);
  const Case cases[] = {
      {"utf8", QStringLiteral("@TITLE=日本語\n本文\n").toUtf8(), {}},
      {"binary", binary, {}},
      {"no titles, 5 MB", noTitles, {}},
      {"long line", "@TITLE=long\r\n" + QByteArray(100000, 'x') + "\r\n", {"long", "(強制改頁)"}},
      {"empty title and bad size", "@TITLE=\r\n@FONTSIZE=abc\r\nbody\r\n", {""}},
  };
  for (const Case& c : cases) {
    WriteBytes(homeFile(QStringLiteral("dudezu.txt")), c.bytes);
    PaperSettings.DataFontSize = 9;
    MemoWindow& w = OpenMemoPage();
    EXPECT_GT(w.List1->count(), 0) << c.name;
    if (!c.index.isEmpty()) {
      QStringList shown;
      shown << w.List1->texts();
      EXPECT_EQ(shown, c.index) << c.name;
    }
    EXPECT_EQ(PaperSettings.DataFontSize, 9.0f) << c.name;
  }
  // A rewrite of a file that is not code page 932 asks first; Cancel keeps it.
  const QByteArray utf8 = QStringLiteral("@TITLE=日本語\n本文\n@TITLE=two\nx\n").toUtf8();
  WriteBytes(homeFile(QStringLiteral("dudezu.txt")), utf8);
  MemoWindow& w = OpenMemoPage();
  w.List1->setCurrentRow(1);
  w.cmd_update_click(0);
  messages().answer(platform::MsgResult::Ok);      // 削除します
  messages().answer(platform::MsgResult::Cancel);  // not Shift-JIS: keep it
  w.Cmd_Update[3]->click();
  EXPECT_TRUE(messages().texts().last().contains(QStringLiteral("はShift-JISのテキストではないようです。")));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("dudezu.txt"))), utf8);
  EXPECT_EQ(w.List1->count(), 2);
}

TEST_F(MemoEndToEndTest, TheSearchItemFollowsTheHits) {
  WriteBytes(homeFile(QStringLiteral("dudezu.txt")),
             platform::ToSjis(QStringLiteral("@TITLE=一\r\n買い物メモ\r\n@TITLE=二\r\nなし\r\n@TITLE=三\r\n買い物リスト\r\n")));
  MemoWindow& w = OpenMemoPage();
  QList<int> rows;
  int press = 0;
  SetSearchKeyDialogHandler([&](SearchDialog& d) {
    if (press > 0) rows << w.List1->currentRow();
    if (press == 0) d.Text1->setText(QStringLiteral("買い物"));
    if (press < 2) d.Command1[press]->click();  // "検索", then "次検索", then the close box
    ++press;
  });
  main().FileItemAction(FileItem::Search)->trigger();
  SetSearchKeyDialogHandler({});
  EXPECT_EQ(rows, QList<int>({0, 2}));
  EXPECT_EQ(w.Text1->text(), QStringLiteral("三"));
  EXPECT_EQ(press, 3);
}
