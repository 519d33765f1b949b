// Closing a page window, or the program, over work that reaches its file only
// through the window's own write command: one question naming the window,
// and each answer does what it says.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QComboBox>

#include "MainWindowFixture.h"
#include "charts/windows/GanttWindow.h"
#include "charts/windows/TreeWindow.h"
#include "core/platform/Codec.h"
#include "core/platform/FileDialog.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/UnsavedChanges.h"
#include "ruled_photo/windows/PhotoWindow.h"
#include "tables_cards/windows/CardWindow.h"
#include "tables_cards/TableFile.h"
#include "tables_cards/windows/TableWindow.h"

namespace {

class UnsavedChangesTest : public MainWindowTest {
 protected:
  // The page window of the keyword, as its menu item opens it.
  template <class W>
  W* open(const char* kind) {
    QString k = QString::fromLatin1(kind);
    window().ShowPageForm(k);
    return qobject_cast<W*>(window().ActivePageWindow());
  }
  QMdiSubWindow* frameOf(QWidget* page) { return qobject_cast<QMdiSubWindow*>(page->parentWidget()); }
  void saveTo(const QString& path) {
    platform::SetFileDialogHandler([path](const platform::FileDialogRequest&) { return std::optional<QString>(path); });
  }
  void cancelDialogs() {
    platform::SetFileDialogHandler([](const platform::FileDialogRequest&) { return std::optional<QString>(); });
  }
  // Closes the page window by its frame, as its X does.
  bool closeByFrame(const QString& kind) {
    PageWindow* page = window().LoadedPageWindow(kind);
    return page && frameOf(page)->close();
  }
  static QString question(const char* name) {
    return WriteBeforeClosingQuestion(QString::fromUtf8(name), UnloadMode::ControlMenu);
  }
};

// A typed row and a typed task, closed by the X: cancel keeps the window
// and its text, discard drops them, write writes the file first.
TEST_F(UnsavedChangesTest, ClosingAChangedTableOrGanttChartAsksAndEachAnswerDoesWhatItSays) {
  Start();
  struct Case {
    const char* kind;
    const char* name;
    std::function<QPlainTextEdit*(PageWindow*)> box;
  };
  const Case cases[] = {
      {"table", "表", [](PageWindow* p) { return qobject_cast<TableWindow*>(p)->Txt_Data; }},
      {"gant", "ガントチャート", [](PageWindow* p) { return qobject_cast<GanttWindow*>(p)->txt_data; }},
  };
  for (const Case& c : cases) {
    const QString kind = QString::fromLatin1(c.kind);
    const QString file = homeFile(QStringLiteral("%1.csv").arg(kind));
    QString k = kind;
    window().ShowPageForm(k);
    PageWindow* page = window().LoadedPageWindow(kind);
    ASSERT_NE(page, nullptr) << c.kind;

    // Unchanged: no question.
    messages().clear();
    EXPECT_TRUE(closeByFrame(kind)) << c.kind;
    EXPECT_TRUE(messages().texts().isEmpty()) << c.kind;
    EXPECT_EQ(window().LoadedPageWindow(kind), nullptr) << c.kind;

    window().ShowPageForm(k);
    page = window().LoadedPageWindow(kind);
    c.box(page)->setPlainText(QStringLiteral("typed row,2026/12/11"));

    messages().answer(platform::MsgResult::Cancel);
    EXPECT_FALSE(closeByFrame(kind)) << c.kind;
    EXPECT_EQ(messages().texts(), QStringList{question(c.name)}) << c.kind;
    EXPECT_EQ(messages().shown().back().buttons, platform::MsgButtons::YesNoCancel);
    ASSERT_EQ(window().LoadedPageWindow(kind), page) << c.kind;
    EXPECT_EQ(c.box(page)->toPlainText(), QStringLiteral("typed row,2026/12/11")) << c.kind;
    EXPECT_EQ(CloseVeto, -1);
    CloseVeto = 0;

    // Write, but the save dialog is cancelled: nothing written, still open.
    messages().clear();
    cancelDialogs();
    messages().answer(platform::MsgResult::Yes);
    EXPECT_FALSE(closeByFrame(kind)) << c.kind;
    EXPECT_FALSE(QFileInfo::exists(file)) << c.kind;
    ASSERT_EQ(window().LoadedPageWindow(kind), page) << c.kind;
    CloseVeto = 0;

    // Write: the file holds the row and the window closes.
    messages().clear();
    saveTo(file);
    messages().answer(platform::MsgResult::Yes);
    EXPECT_TRUE(closeByFrame(kind)) << c.kind;
    EXPECT_TRUE(platform::FromSjis(ReadBytes(file)).contains(QStringLiteral("typed row,2026/12/11"))) << c.kind;
    EXPECT_EQ(window().LoadedPageWindow(kind), nullptr) << c.kind;

    // Discard: the window closes, the text is gone, the file stays.
    window().ShowPageForm(k);
    page = window().LoadedPageWindow(kind);
    c.box(page)->setPlainText(QStringLiteral("never written"));
    const QByteArray before = ReadBytes(file);
    messages().clear();
    messages().answer(platform::MsgResult::No);
    EXPECT_TRUE(closeByFrame(kind)) << c.kind;
    EXPECT_EQ(messages().texts().size(), 1) << c.kind;
    EXPECT_EQ(ReadBytes(file), before) << c.kind;
    window().ShowPageForm(k);
    EXPECT_FALSE(c.box(window().LoadedPageWindow(kind))->toPlainText().contains(QStringLiteral("never written")))
        << c.kind;
    // A window just written or read closes without a question.
    messages().clear();
    EXPECT_TRUE(closeByFrame(kind)) << c.kind;
    EXPECT_TRUE(messages().texts().isEmpty()) << c.kind;
  }
}

TEST_F(UnsavedChangesTest, QuittingAsksEachChangedWindowInTurnAndTheFirstCancelKeepsTheProgram) {
  Start();
  auto* table = open<TableWindow>("table");
  ASSERT_NE(table, nullptr);
  table->Txt_Data->setPlainText(QStringLiteral("a,b"));
  auto* gantt = open<GanttWindow>("gant");
  ASSERT_NE(gantt, nullptr);
  gantt->txt_data->setPlainText(QStringLiteral("task"));
  open<TreeWindow>("tree");  // unchanged: no question
  const auto asked = [this] {
    QStringList names;
    for (const QString& text : messages().texts()) names << text.section(u'」', 0, 0).mid(1);
    return names;
  };
  const QString ending = WriteBeforeClosingQuestion(QStringLiteral("表"), UnloadMode::MdiForm);
  EXPECT_TRUE(ending.contains(QStringLiteral("終了しますか")));

  messages().clear();
  messages().answer(platform::MsgResult::No);
  messages().answer(platform::MsgResult::Cancel);
  EXPECT_FALSE(window().close());
  ASSERT_EQ(asked(), QStringList({"表", "ガントチャート"}));
  EXPECT_EQ(messages().texts()[0], ending);
  EXPECT_EQ(endRequests, 0);
  EXPECT_EQ(CloseVeto, 0);
  EXPECT_EQ(window().LoadedPageWindow(QStringLiteral("gant")), gantt);
  EXPECT_EQ(gantt->txt_data->toPlainText(), QStringLiteral("task"));
  // The window asked about is the one in front.
  EXPECT_EQ(window().ActivePageWindow(), gantt);

  // Cancel on the first keeps the program without asking the second.
  messages().clear();
  messages().answer(platform::MsgResult::Cancel);
  EXPECT_FALSE(window().close());
  EXPECT_EQ(asked(), QStringList({"表"}));

  // Write the table, let the chart go: the program ends with the table saved.
  const QString file = homeFile("quit.csv");
  saveTo(file);
  messages().clear();
  messages().answer(platform::MsgResult::Yes);
  messages().answer(platform::MsgResult::No);
  EXPECT_TRUE(window().close());
  EXPECT_EQ(asked(), QStringList({"表", "ガントチャート"}));
  EXPECT_EQ(endRequests, 1);
  EXPECT_TRUE(platform::FromSjis(ReadBytes(file)).contains(QStringLiteral("a,b\r\n")));
}

// The tree, card and photo windows keep their work the same way; a window
// whose content is as it opened, or as last read or written, never asks.
TEST_F(UnsavedChangesTest, TreeCardAndPhotoAskOnlyAfterAChange) {
  Start();
  auto* tree = open<TreeWindow>("tree");
  auto* card = open<CardWindow>("csv");
  auto* photo = open<PhotoWindow>("picture");
  ASSERT_TRUE(tree && card && photo);
  EXPECT_FALSE(tree->TreeChanged());
  EXPECT_FALSE(card->LayoutChanged());
  EXPECT_FALSE(photo->PhotoChanged());

  tree->txt_biko->setPlainText(QStringLiteral("remark"));
  EXPECT_TRUE(tree->TreeChanged());
  card->Txt_Title->setText(QStringLiteral("単語カード"));
  EXPECT_TRUE(card->LayoutChanged());
  // A title without a picture has nothing to be saved with.
  photo->txt_title->setText(QStringLiteral("旅行"));
  EXPECT_FALSE(photo->PhotoChanged());
  QImage picture(8, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(homeFile("p.bmp"), "BMP"));
  ASSERT_TRUE(photo->LoadPhotoFile(homeFile("p.bmp")));
  EXPECT_FALSE(photo->PhotoChanged());
  photo->Cmd_kaiten_Click();
  EXPECT_TRUE(photo->PhotoChanged());

  // The tree writes through its own dialog; a cancelled dialog keeps it.
  const QString treeFile = homeFile("tree.csv");
  messages().clear();
  cancelDialogs();
  messages().answer(platform::MsgResult::Yes);
  EXPECT_FALSE(closeByFrame(QStringLiteral("tree")));
  EXPECT_EQ(messages().texts(), QStringList{question("木")});
  CloseVeto = 0;
  saveTo(treeFile);
  messages().answer(platform::MsgResult::Yes);
  EXPECT_TRUE(closeByFrame(QStringLiteral("tree")));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(treeFile)).contains(QStringLiteral("@BIKO=remark")));

  // The card layout is stored in its own file, after its own question.
  messages().clear();
  messages().answer(platform::MsgResult::Yes);  // write
  messages().answer(platform::MsgResult::Ok);   // change the CSV file
  EXPECT_TRUE(closeByFrame(QStringLiteral("csv")));
  ASSERT_FALSE(messages().texts().isEmpty());
  EXPECT_EQ(messages().texts()[0], question("カード"));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(homeFile("VOREVA.csv"))).contains(QStringLiteral(")=単語カード")));

  // The turned picture is let go.
  messages().clear();
  messages().answer(platform::MsgResult::No);
  EXPECT_TRUE(closeByFrame(QStringLiteral("picture")));
  EXPECT_EQ(messages().texts(), QStringList{question("写真帳")});
}

}  // namespace
