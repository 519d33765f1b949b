// Every menu caption and every page window's help, read as a new user would:
// no file that does not exist is named, and no word of Latin letters appears
// that a user could not read (a product's or person's name standing where a
// word belongs).
#include <QAction>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include "MainWindowFixture.h"
#include "core/platform/Shell.h"
#include "core/ui/PageKinds.h"
#include "core/ui/PrintDialog.h"
#include "core/ui/VersionBox.h"

namespace {

// Words a user of this program meets and can read: its name, the kinds of
// file and key it talks of, the companion programs and the settings names
// the help asks the user to type.
const QSet<QString> kReadableWords = {
    "Ringpad", "ringpad", "ToDo", "Todo", "Action", "CSV", "PDF", "URL", "Ctrl", "Shift", "FAX", "TEL", "ini",
    "DOZIR",   "BUNRUI",  "PAGE", "TITLE", "TYPE"};

QStringList MenuCaptions(const QList<QAction*>& actions) {
  QStringList captions;
  for (QAction* a : actions) {
    if (a->isSeparator() || !a->isVisible()) continue;
    captions << a->text();
    if (a->menu()) captions += MenuCaptions(a->menu()->actions());
  }
  return captions;
}

TEST_F(MainWindowTest, MenusAndHelpNameOnlyWhatExistsInWordsAUserReads) {
  MainWindow& w = Start();
  QStringList texts;
  for (const char* page : {"action", "memo", "yotei", "tel", "table", "picture", "yousi", "tree", "gant", "csv"}) {
    QString kind = QString::fromLatin1(page);
    w.ShowPageForm(kind);
    texts += MenuCaptions(w.menuBar()->actions());
    // A window's caption is no menu item: it shows no accelerator.
    if (QMdiSubWindow* sub = w.findChild<QMdiArea*>()->activeSubWindow()) {
      EXPECT_FALSE(sub->windowTitle().contains(u'&')) << sub->windowTitle().toStdString();
      texts << sub->windowTitle();
    }
    QAction* help = w.FileItemAction(FileItem::Help);
    if (!help->isVisible()) continue;
    messages().clear();
    help->trigger();
    ASSERT_EQ(messages().texts().size(), 1) << page;
    const QString text = messages().texts()[0];
    EXPECT_FALSE(text.contains("readme.txt", Qt::CaseInsensitive)) << page;
    // The help that exists is named by its path.
    if (kind != "gant") {
      EXPECT_TRUE(text.contains(HomePageAddress())) << page;
    }
    texts << QString(text).remove(HomePageAddress());
  }
  // Menu accelerators and the paths and names of files are no words.
  static const QRegularExpression notWords(
      QStringLiteral("&[A-Z]|/[^\\s「」]+|[^\\s「」()]+\\.(csv|txt|ini|htm|html)\\b"));
  static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
  QSet<QString> unreadable;
  for (const QString& text : texts)
    for (const QRegularExpressionMatch& m : word.globalMatch(QString(text).remove(notWords)))
      if (!kReadableWords.contains(m.captured()) && !platform::IsCompanionProgramName(m.captured()))
        unreadable.insert(m.captured());
  EXPECT_TRUE(unreadable.isEmpty()) << QStringList(unreadable.begin(), unreadable.end()).join(" ").toStdString();
}

TEST_F(MainWindowTest, ThePrintDialogHasACaption) {
  PrintDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印刷"));
}

}  // namespace
