// The one-line search dialog SearchDialog and the find dialog FindDialog.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "FormsTestSupport.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/SearchDialog.h"
#include "core/ui/FindDialog.h"

namespace {

class SearchDialogTest : public FormsTest {
 protected:
  void TearDown() override {
    SetSearchKeyDialogHandler({});
    SetFindKeysDialogHandler({});
    FormsTest::TearDown();
  }
  static void press(QWidget* w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &down);
  }
};

TEST_F(SearchDialogTest, ClipboardTextIsTakenOnceTrimmedAndKeptEvenOnCancel) {
  SearchKeyText = QStringLiteral("前の鍵");
  platform::ClipboardSetText(QStringLiteral("  山田　太郎  "));
  {
    SearchDialog dialog;
    EXPECT_EQ(dialog.Text1->text(), QStringLiteral("山田　太郎")) << "half-width blanks only are trimmed";
    EXPECT_FALSE(platform::ClipboardHasText()) << "the clipboard is emptied";
    EXPECT_EQ(SearchKeyText, QStringLiteral("山田　太郎"));
    EXPECT_EQ(SearchDialogResult, -1);
    dialog.Cmd_cancel->click();
  }
  EXPECT_EQ(SearchDialogResult, -1);
  EXPECT_EQ(SearchKeyText, QStringLiteral("山田　太郎"));

  SearchDialog again;  // nothing on the clipboard now: the stored key
  EXPECT_EQ(again.Text1->text(), QStringLiteral("山田　太郎"));
}

TEST_F(SearchDialogTest, EveryWayOutStoresTheTypedKeyUntrimmed) {
  struct Way { const char* name; std::function<void(SearchDialog&)> leave; int result; };
  const Way ways[] = {
      {"Enter", [](SearchDialog& d) { press(d.Text1, Qt::Key_Return); }, 0},
      {"検索", [](SearchDialog& d) { d.Command1[0]->click(); }, 0},
      {"次検索", [](SearchDialog& d) { d.Command1[1]->click(); }, 1},
      {"ｷｬﾝｾﾙ", [](SearchDialog& d) { d.Cmd_cancel->click(); }, -1},
      {"Escape", [](SearchDialog& d) { press(&d, Qt::Key_Escape); }, -1},
      {"close box", [](SearchDialog& d) { d.show(); d.close(); }, -1},
  };
  for (const Way& w : ways) {
    SearchKeyText = QStringLiteral("old");
    SearchDialogResult = 5;
    SearchDialog dialog;
    EXPECT_EQ(dialog.Text1->text(), QStringLiteral("old"));
    dialog.Text1->setText(QStringLiteral(" key "));
    w.leave(dialog);
    EXPECT_EQ(SearchDialogResult, w.result) << w.name;
    EXPECT_EQ(SearchKeyText, QStringLiteral(" key ")) << w.name;
  }
}

TEST(SearchDialogPlacement, BesideTheMainWindowAndInsideTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize dialog(200, 100);
  struct Row { QRect main; int placement; QPoint expected; };
  const Row rows[] = {
      {QRect(100, 100, 600, 400), 0, QPoint(113, 250)},
      {QRect(100, 100, 600, 400), 1, QPoint(300, 250)},
      {QRect(100, 100, 600, 400), 2, QPoint(487, 250)},
      {QRect(100, 100, 600, 400), 7, QPoint(42, 250)},     // where the dialog lies
      {QRect(100, -500, 600, 400), 0, QPoint(113, 0)},     // above the screen: top edge
      {QRect(100, 700, 600, 400), 1, QPoint(300, 700)},    // below the screen: bottom edge
  };
  for (const Row& r : rows)
    EXPECT_EQ(SearchDialogPosition(r.main, dialog, static_cast<int16_t>(r.placement), 42, 13, screen), r.expected)
        << r.placement;
}

TEST_F(SearchDialogTest, AnUnknownPlacementOpensCentredOverTheMainWindowNotAtTheScreensEdge) {
  QWidget main;
  main.setGeometry(300, 200, 600, 400);
  const int16_t saved = SearchDialogPlacement;
  SearchDialogPlacement = 7;
  SearchDialog dialog(&main);
  SearchDialogPlacement = saved;
  const QRect frame = main.frameGeometry();
  EXPECT_EQ(dialog.x(), frame.left() + (frame.width() - dialog.frameGeometry().width()) / 2);
  dialog.Cmd_cancel->click();
}

TEST_F(SearchDialogTest, BesideAMainWindowAtTheScreensEdgeTheDialogStaysOnTheScreen) {
  const QRect screen(0, 0, 1366, 768);
  SetScreenAreaOverride(screen);
  QWidget main;
  const int16_t saved = SearchDialogPlacement;
  for (int16_t placement : {0, 1, 2}) {
    for (const QRect at : {QRect(1200, 300, 600, 400), QRect(-500, 300, 600, 400)}) {
      main.setGeometry(at);
      SearchDialogPlacement = placement;
      SearchDialog dialog(&main);
      EXPECT_TRUE(screen.contains(dialog.frameGeometry())) << placement << " " << at.x();
      dialog.Cmd_cancel->click();
    }
  }
  SearchDialogPlacement = saved;
  SetScreenAreaOverride(std::nullopt);
}

TEST_F(SearchDialogTest, TheSeamScriptsTheDialogForAPageWindow) {
  SearchKeyText = QStringLiteral("memo");
  SetSearchKeyDialogHandler([](SearchDialog& d) {
    EXPECT_EQ(d.Text1->text(), QStringLiteral("memo"));
    d.Text1->setText(QStringLiteral("address"));
    d.Command1[1]->click();
  });
  ShowSearchKeyDialog(nullptr);
  EXPECT_EQ(SearchDialogResult, 1);
  EXPECT_EQ(SearchKeyText, QStringLiteral("address"));

  // A handler that leaves the dialog open: closed by its close box.
  SetSearchKeyDialogHandler([](SearchDialog& d) { d.Text1->setText(QStringLiteral("typed")); });
  ShowSearchKeyDialog(nullptr);
  EXPECT_EQ(SearchDialogResult, -1);
  EXPECT_EQ(SearchKeyText, QStringLiteral("typed"));
}

TEST(FindKeyRows, NormalisingStopsAtTheFirstRowWithAKey) {
  struct Row { FindKeyRow k1, k2; FindKeyRow e1, e2; bool any; };
  const QString b = QStringLiteral(" ");
  const Row rows[] = {
      {{"", "", ""}, {"", "田中", ""}, {"", "田中", ""}, {"", "", ""}, true},
      {{" 東京 ", "", " x "}, {"", "", " y "}, {"東京", "", " x "}, {"", "", " y "}, true},
      {{" ", "  ", ""}, {"", " ", "   "}, {"", "", ""}, {"", "", ""}, false},
      {{"", " a ", ""}, {"", " b ", " c "}, {"", "a", ""}, {"", "b", " c "}, true},
  };
  for (const Row& r : rows) {
    FindKeyRow k1 = r.k1, k2 = r.k2;
    EXPECT_EQ(NormaliseFindKeyRows(k1, k2), r.any);
    EXPECT_EQ(k1, r.e1);
    EXPECT_EQ(k2, r.e2);
  }
}

TEST_F(SearchDialogTest, FindClearAndCancelSetTheResultAndHide) {
  SearchDialogResult = 7;
  FindDialog dialog;
  EXPECT_EQ(SearchDialogResult, 0) << "Form_Load";
  EXPECT_EQ(dialog.Label1[0]->text(), QStringLiteral("キー ("));
  EXPECT_EQ(dialog.Label1[3]->text(), QStringLiteral("又は ("));
  EXPECT_EQ(dialog.Label1[4]->text(), QStringLiteral("かつ"));

  dialog.txt_key2[1]->setText(QStringLiteral("田中"));
  dialog.show();
  dialog.cmd_find->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(SearchDialogResult, -1);
  EXPECT_EQ(dialog.txt_key1[1]->text(), QStringLiteral("田中"));
  EXPECT_EQ(dialog.txt_key2[1]->text(), QString());

  // Blank keys only: nothing to do.
  for (int i = 0; i < 3; ++i) {
    dialog.txt_key1[i]->setText(QStringLiteral("  "));
    dialog.txt_key2[i]->setText(QString());
  }
  SearchDialogResult = 0;
  dialog.cmd_find->click();
  EXPECT_EQ(SearchDialogResult, 0);

  dialog.txt_key1[2]->setText(QStringLiteral("x"));
  dialog.cmd_clear->click();
  EXPECT_EQ(SearchDialogResult, -1);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(dialog.txt_key1[i]->text().isEmpty());
    EXPECT_TRUE(dialog.txt_key2[i]->text().isEmpty());
  }

  // Cancel normalises but keeps the result of the load.
  SearchDialogResult = 0;
  dialog.txt_key2[0]->setText(QStringLiteral(" 鈴木 "));
  dialog.cmd_cancel->click();
  EXPECT_EQ(SearchDialogResult, 0);
  EXPECT_EQ(dialog.txt_key1[0]->text(), QStringLiteral("鈴木"));
}

TEST_F(SearchDialogTest, TheCallerGetsTheKeysBackThroughTheSeam) {
  FindKeys stored;
  stored.key1 = {QStringLiteral("東京"), QString(), QString()};
  stored.key2 = {QString(), QString(), QStringLiteral(" 大阪 ")};
  SetFindKeysDialogHandler([](FindDialog& d) {
    EXPECT_EQ(SearchDialogResult, 0);
    EXPECT_EQ(d.txt_key1[0]->text(), QStringLiteral("東京"));
    d.txt_key2[0]->setText(QStringLiteral("港区 "));
    d.cmd_find->click();
  });
  const FindKeys out = ShowFindKeysDialog(nullptr, stored);
  EXPECT_EQ(SearchDialogResult, -1);
  EXPECT_EQ(out.key1[0], QStringLiteral("東京"));
  EXPECT_EQ(out.key2[0], QStringLiteral("港区"));
  EXPECT_EQ(out.key2[2], QStringLiteral(" 大阪 ")) << "rows after the first key stay untrimmed";
}

}  // namespace
