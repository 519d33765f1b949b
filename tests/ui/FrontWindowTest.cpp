// The page window the user works in stays in front, with its focus, through
// its own print jobs, previews and dialogs, and the File menu goes on acting
// on it: each page window that prints, with the to-do window behind it.
//
// The window system is played here: every dialog takes the activation while
// it is up, and the main window gets it back only a moment after the dialog
// closed, as a window manager tells it then; meanwhile the page window's
// command goes on and disables it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "MainWindowFixture.h"
#include "charts/windows/GanttWindow.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/ui/PageRegistry.h"

namespace {

const QString kPdfDialogTitle = QStringLiteral("PDFファイルに印刷");

class FrontWindowTest : public MainWindowTest {
 protected:
  void TearDown() override {
    SetInstalledPrintersOverride(std::nullopt);
    // The Gantt window keeps its file for the run; the next test's program
    // folder does not hold it.
    GanttWindow::CurrentGanttFile.clear();
    MainWindowTest::TearDown();
  }

  // The program started (the to-do page first) and the pages chosen from
  // their menu items in turn, the main window active; the last page's window.
  PageWindow* StartWithPages(std::initializer_list<const char*> kinds) {
    MainWindow& w = Start();
    messages().clear();
    for (const char* kind : kinds)
      w.findChild<QAction*>(QString::fromLatin1(FindPageKind(QString::fromLatin1(kind))->pageItemName))->trigger();
    QApplication::setActiveWindow(&w);
    return w.LoadedPageWindow(QString::fromLatin1(*std::prev(kinds.end())));
  }

  // A dialog comes and goes; the main window is told that it is active again
  // only after the caller has gone on.
  void DialogComesAndGoes() {
    QApplication::setActiveWindow(nullptr);
    QTimer::singleShot(0, &window(), [this] { QApplication::setActiveWindow(&window()); });
  }
  void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  // The print dialog answers with the button on the PDF printer; the PDF
  // save dialog with the file or a cancel; other file dialogs are cancelled
  // and their titles kept.
  void AnswerDialogs(int printButton, const std::optional<QString>& pdf) {
    SetPrintDialogHandler([this, printButton](const PrintDialogView&) {
      DialogComesAndGoes();
      return PrintDialogAnswer{printButton, false, kPdfPrinterName};
    });
    platform::SetFileDialogHandler([this, pdf](const platform::FileDialogRequest& r) -> std::optional<QString> {
      DialogComesAndGoes();
      if (r.title == kPdfDialogTitle) return pdf;
      dialogTitles << r.title;
      return std::nullopt;
    });
    SetPreviewPageHandler([this](const QImage&) { DialogComesAndGoes(); });
  }

  QStringList dialogTitles;
};

const char* const kPrintingPages[] = {"action", "yotei", "tel",  "memo", "table",
                                     "picture", "yousi", "tree", "gant", "csv"};

}  // namespace

TEST_F(FrontWindowTest, ThePrintingPageStaysInFrontAndKeepsTheFileMenu) {
  SetInstalledPrintersOverride(QStringList());
  for (const char* name : kPrintingPages) {
    const QString kind = QString::fromLatin1(name);
    SCOPED_TRACE(name);
    PageWindow* page = StartWithPages({name});
    MainWindow& w = window();
    const PageKindInfo* row = FindPageKind(kind);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(w.ActivePageWindow(), page);
    if (!page->isAncestorOf(QApplication::focusWidget())) {
      // The user clicks into the page's first field.
      for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain())
        if (page->isAncestorOf(next) && next->isEnabled() && next->isVisible() && (next->focusPolicy() & Qt::ClickFocus)) {
          next->setFocus(Qt::MouseFocusReason);
          break;
        }
    }
    QWidget* control = QApplication::focusWidget();
    ASSERT_TRUE(control && page->isAncestorOf(control));
    QAbstractButton* print = FindCommandButton(page, QStringLiteral("Cmd_print"));
    ASSERT_NE(print, nullptr);

    const QString readCaption = row->fileCaptions[static_cast<int>(FileItem::Read)];
    const QString pdf = homeFile(kind + QStringLiteral(".pdf"));
    // The print dialog's button and the PDF save dialog's answer, or the
    // File menu's read cancelled.
    struct Step {
      const char* name;
      int printButton;
      std::optional<QString> pdfFile;
      bool readFromMenu = false;
    };
    const Step steps[] = {
        {"print to the PDF printer", 1, pdf},
        {"cancel the PDF save dialog", 1, std::nullopt},
        {"preview", 2, std::nullopt},
        {"cancel the print dialog", 0, std::nullopt},
        {"open and cancel a file dialog", 0, std::nullopt, true},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE(step.name);
      AnswerDialogs(step.printButton, step.pdfFile);
      if (!step.readFromMenu)
        print->click();
      else if (w.mnu_FileRead->isVisible())
        w.mnu_FileRead->trigger();
      else
        DialogComesAndGoes();
      settle();
      EXPECT_TRUE(page->isEnabled());
      EXPECT_EQ(w.ActivePageWindow(), page);
      EXPECT_EQ(w.CurrentPageWindow(), page);
      EXPECT_EQ(w.mdiArea->subWindowList(QMdiArea::StackingOrder).last(), page->parentWidget());
      // The focus is where it was; a page whose command put that control
      // out of sight (the table shows another of its tabs) has it on its
      // first control.
      if (control->isVisible())
        EXPECT_EQ(QApplication::focusWidget(), control);
      else
        EXPECT_TRUE(page->isAncestorOf(QApplication::focusWidget()));
      EXPECT_EQ(GreyedPageItems(), QStringList{QString::fromLatin1(row->pageItemName)});
      // File → read goes to this page's own command, whose dialog is titled
      // with the item's caption.
      dialogTitles.clear();
      if (!readCaption.isEmpty()) {
        ASSERT_TRUE(w.mnu_FileRead->isVisible());
        EXPECT_EQ(w.mnu_FileRead->text(), readCaption);
        // A page whose print filled in a field (the chart's date) asks
        // before reading over it; the change may go.
        messages().answer(platform::MsgResult::No);
        w.mnu_FileRead->trigger();
        settle();
        messages().clear();
        EXPECT_EQ(dialogTitles, QStringList{readCaption});
        EXPECT_EQ(w.ActivePageWindow(), page);
      } else {
        EXPECT_FALSE(w.mnu_FileRead->isVisible());
      }
    }
    EXPECT_TRUE(QFile::exists(pdf)) << "nothing printed";
  }
}

// The File menu shows the commands of the page window in front and acts on
// that window, whether the user brought it forward by its menu item, by a
// click on it, or by closing the page window that was in front.
TEST_F(FrontWindowTest, TheFileMenuFollowsThePageInFront) {
  PageWindow* memo = StartWithPages({"picture", "memo"});
  MainWindow& w = window();
  PageWindow* todo = w.LoadedPageWindow(QStringLiteral("action"));
  PageWindow* photo = w.LoadedPageWindow(QStringLiteral("picture"));
  ASSERT_TRUE(todo && photo && memo);
  AnswerDialogs(0, std::nullopt);
  const auto readTitle = [&] {
    dialogTitles.clear();
    w.mnu_FileRead->trigger();
    return dialogTitles.value(0);
  };
  EXPECT_EQ(readTitle(), QStringLiteral("メモファイルの読込"));

  // A click on the to-do window.
  w.mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(todo->parentWidget()));
  EXPECT_EQ(w.CurrentPageWindow(), todo);
  EXPECT_EQ(VisibleFileCaptions().value(1), QStringLiteral("Todoファイルの読込"));
  EXPECT_EQ(GreyedPageItems(), QStringList{QStringLiteral("mnu_FrmAction")});
  EXPECT_EQ(readTitle(), QStringLiteral("Todoファイルの読込"));

  // The photo window by its menu item, then closed: the window that comes in
  // front takes the menu over.
  w.mnu_FrmPicture->trigger();
  EXPECT_EQ(readTitle(), QStringLiteral("画像ファイルの読込"));
  ASSERT_TRUE(photo->parentWidget()->close());
  QCoreApplication::processEvents();
  PageWindow* front = w.ActivePageWindow();
  ASSERT_NE(front, nullptr);
  EXPECT_EQ(w.CurrentPageWindow(), front);
  EXPECT_EQ(readTitle(), front == memo ? QStringLiteral("メモファイルの読込") : QStringLiteral("Todoファイルの読込"));
  EXPECT_TRUE(w.mnu_FrmPicture->isEnabled());
}

// A page window disabled by its own code rather than the busy routines (the
// to-do window while it changes its file) keeps its place in front too.
TEST_F(FrontWindowTest, AWindowThatDisablesItselfKeepsTheFront) {
  PageWindow* todo = StartWithPages({"memo", "action"});
  MainWindow& w = window();
  QWidget* control = QApplication::focusWidget();
  ASSERT_TRUE(todo->isAncestorOf(control));
  DialogComesAndGoes();
  todo->setEnabled(false);
  settle();
  todo->setEnabled(true);
  EXPECT_EQ(w.ActivePageWindow(), todo);
  EXPECT_EQ(w.CurrentPageWindow(), todo);
  EXPECT_EQ(QApplication::focusWidget(), control);
}

// Closing a page window or the program while a page window's command runs
// is refused with a word: the command needs its window until it ends. Once
// it has ended, the close goes ahead.
TEST_F(FrontWindowTest, NoCloseWhileAPageIsBusy) {
  MainWindow& w = Start();
  w.mnu_FrmTable->trigger();
  messages().clear();
  PageWindow* table = w.LoadedPageWindow(QStringLiteral("table"));
  ASSERT_NE(table, nullptr);
  BeginBusy(table);
  EXPECT_FALSE(table->parentWidget()->close());
  EXPECT_EQ(w.LoadedPageWindow(QStringLiteral("table")), table);
  const int ended = endRequests;
  EXPECT_FALSE(w.close());
  EXPECT_EQ(endRequests, ended);
  EXPECT_EQ(messages().texts(), QStringList(2, PageWindow::BusyCloseText()));
  EndBusy(table);
  EXPECT_EQ(w.ActivePageWindow(), table);
  EXPECT_TRUE(table->parentWidget()->close());
  EXPECT_EQ(w.LoadedPageWindow(QStringLiteral("table")), nullptr);
}

// A file read that makes the window busy (its own busy time while the file
// loads) leaves it in front: the next File command, Ctrl+S the user meant for
// it, goes to it and not to the to-do window behind.
TEST_F(FrontWindowTest, AReadFileKeepsItsWindowInFront) {
  QImage picture(12, 8, QImage::Format_RGB32);
  picture.fill(Qt::red);
  struct Case {
    const char* kind;
    const char* file;
  };
  const Case cases[] = {{"table", "t.csv"}, {"picture", "p.png"}, {"tree", "k.csv"}, {"gant", "g.txt"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    const QString kind = QString::fromLatin1(c.kind);
    const QString path = homeFile(QString::fromLatin1(c.file));
    if (path.endsWith(QLatin1String(".png")))
      ASSERT_TRUE(picture.save(path, "PNG"));
    else
      WriteBytes(path, "a,b\r\n1,2\r\n");
    PageWindow* page = StartWithPages({c.kind});
    MainWindow& w = window();
    ASSERT_NE(page, nullptr);
    QStringList titles;
    platform::SetFileDialogHandler([&](const platform::FileDialogRequest& r) -> std::optional<QString> {
      DialogComesAndGoes();
      titles << r.title;
      if (r.open) return path;
      return std::nullopt;
    });
    w.mnu_FileRead->trigger();
    settle();
    EXPECT_EQ(w.ActivePageWindow(), page);
    EXPECT_TRUE(page->isAncestorOf(QApplication::focusWidget()));
    w.mnu_FileWrite->trigger();
    settle();
    EXPECT_EQ(titles, QStringList({w.mnu_FileRead->text(), w.mnu_FileWrite->text()}));
    EXPECT_EQ(w.ActivePageWindow(), page);
    EXPECT_FALSE(messages().texts().contains(QStringLiteral("ＣＳＶファイルと同じファイル名で\n印刷フォーマットを保管します\n\nまだできてません")));
  }
}
