// The main window on today's desktop: page windows whole on the screen,
// positions kept on the screen, focus where the user works, shortcuts that
// reach their commands, and closed pages that can be chosen again.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "MainWindowFixture.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/ui/PageRegistry.h"
#include "core/ui/ScreenArea.h"
#include "core/ui/Twips.h"

namespace {

void WriteSettings(const QString& path, const QByteArray& x, const QByteArray& y) {
  WriteBytes(path, "[ringpad]\r\nVERSION=3.16.01\r\nX=" + x + "\r\nY=" + y + "\r\nYOUSI=0\r\n");
}

struct PageMenu {
  const char* kind;
  QAction* MainWindow::*item;
};
const PageMenu kPageMenus[] = {
    {"action", &MainWindow::mnu_FrmAction},   {"yotei", &MainWindow::mnu_frmCalender},
    {"tel", &MainWindow::mnu_frmTel},         {"memo", &MainWindow::mnu_frmMemo},
    {"table", &MainWindow::mnu_FrmTable},     {"picture", &MainWindow::mnu_FrmPicture},
    {"yousi", &MainWindow::mnu_FrmYousi},     {"tree", &MainWindow::mnu_FrmTree},
    {"gant", &MainWindow::mnu_FrmGant},       {"csv", &MainWindow::mnu_FrmCsv},
};

class DesktopTest : public MainWindowTest {
 protected:
  void TearDown() override {
    SetScreenAreaOverride(std::nullopt);
    MainWindowTest::TearDown();
  }

  // Makes the main window the active window, as a click on it would.
  void Activate(MainWindow& w) {
    w.activateWindow();
    QApplication::setActiveWindow(&w);
  }
};

// The visible controls of the page window that lie outside the screen area or
// outside the part of the MDI area that shows without scrolling.
QStringList ControlsOutOfSight(MainWindow& w, PageWindow* page, const QRect& screen) {
  QStringList out;
  QWidget* viewport = w.mdiArea->viewport();
  for (QWidget* control : page->findChildren<QWidget*>()) {
    // A control of no size (a picture not loaded yet) shows nothing.
    if (!control->isVisibleTo(&w) || control->isWindow() || control->size().isEmpty()) continue;
    const QRect inWindow(control->mapTo(&w, QPoint(0, 0)), control->size());
    const QRect onScreen = inWindow.translated(w.geometry().topLeft());
    const QRect inViewport(control->mapTo(viewport, QPoint(0, 0)), control->size());
    if (!screen.contains(onScreen) || !viewport->rect().contains(inViewport))
      out << control->objectName() + QStringLiteral("@") + QString::number(onScreen.x()) + u',' +
                 QString::number(onScreen.y());
  }
  return out;
}

}  // namespace

TEST_F(DesktopTest, EveryPageWindowOpensWholeOnTheScreen) {
  for (const QSize screenSize : {QSize(1366, 768), QSize(1920, 1080)}) {
    const QRect screen(QPoint(0, 0), screenSize);
    SetScreenAreaOverride(screen);
    WriteSettings(homeFile("ringpad.ini"), "1500", "750");
    MainWindow& w = Start();
    for (const PageMenu& page : kPageMenus) {
      (w.*page.item)->trigger();
      QCoreApplication::processEvents();
      const QString kind = QString::fromLatin1(page.kind);
      PageWindow* window = w.LoadedPageWindow(kind);
      ASSERT_NE(window, nullptr) << page.kind;
      EXPECT_TRUE(screen.contains(w.frameGeometry())) << page.kind << " " << screenSize.width();
      EXPECT_EQ(ControlsOutOfSight(w, window, screen), QStringList()) << page.kind << " " << screenSize.width();
      EXPECT_FALSE(w.mdiArea->verticalScrollBar()->isVisible()) << page.kind;
      EXPECT_FALSE(w.mdiArea->horizontalScrollBar()->isVisible()) << page.kind;
      if (auto* print = window->findChild<QPushButton*>(QStringLiteral("Cmd_print"))) {
        EXPECT_TRUE(print->isVisibleTo(&w)) << page.kind;
      }
      // A picture of the window as the user sees it, to look at.
      if (kind == QLatin1String("yotei"))
        w.grab().save(QStringLiteral(RINGPAD_ARTEFACT_DIR "/desktop-schedule-%1.png").arg(screenSize.width()));
    }
  }
}

TEST_F(DesktopTest, ATooSmallScreenScrollsInsteadOfCuttingOff) {
  const QRect screen(0, 0, 640, 400);
  SetScreenAreaOverride(screen);
  WriteSettings(homeFile("ringpad.ini"), "0", "0");
  MainWindow& w = Start({QStringLiteral("/C:")});
  EXPECT_TRUE(screen.contains(w.frameGeometry()));
  QMdiSubWindow* sub = w.mdiArea->currentSubWindow();
  ASSERT_NE(sub, nullptr);
  // The page window keeps its whole size; the area scrolls to it.
  EXPECT_EQ(sub->size(), sub->sizeHint().expandedTo(sub->minimumSizeHint()));
  EXPECT_EQ(sub->pos(), QPoint(0, 0));
  QCoreApplication::processEvents();
  EXPECT_TRUE(w.mdiArea->verticalScrollBar()->isVisible());
}

TEST_F(DesktopTest, SavedPositionsAreBroughtOntoTheScreen) {
  const QRect screen(0, 0, 1366, 768);
  SetScreenAreaOverride(screen);
  struct Case {
    QByteArray x, y;
  };
  const Case cases[] = {
      {"30000", "20000"},   {"-999999", "-999999"}, {"abc", "日本"},       {"1e300", "-1e300"},
      {"&H7FFFFFFF", "5"}, {"-1500", "40000"},     {"nan", "inf"},
  };
  for (const Case& c : cases) {
    WriteSettings(homeFile("ringpad.ini"), c.x, c.y);
    MainWindow& w = Start();
    EXPECT_TRUE(screen.contains(w.frameGeometry()))
        << c.x.constData() << "," << c.y.constData() << " at " << w.frameGeometry().x() << ","
        << w.frameGeometry().y();
  }
  // A position on the screen stays where it was saved.
  WriteSettings(homeFile("ringpad.ini"), "1500", "750");
  EXPECT_EQ(Start().pos(), QPoint(TwipsToPixelsX(1500), TwipsToPixelsY(750)));
}

TEST_F(DesktopTest, TheWindowResizesBothWaysAndMaximises) {
  SetScreenAreaOverride(QRect(0, 0, 1920, 1080));
  WriteSettings(homeFile("ringpad.ini"), "0", "0");
  MainWindow& w = Start();
  EXPECT_EQ(w.maximumHeight(), QWIDGETSIZE_MAX);
  const QSize start = w.size();
  w.resize(start.width() + 100, start.height() + 120);
  EXPECT_EQ(w.size(), QSize(start.width() + 100, start.height() + 120));
  w.resize(start.width(), start.height() - 150);
  EXPECT_EQ(w.height(), start.height() - 150);
  w.showMaximized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(w.isMaximized());
}

TEST_F(DesktopTest, AClosedPageCanBeChosenAgainFromItsItem) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  ASSERT_FALSE(w.mnu_frmCalender->isEnabled());
  ASSERT_TRUE(w.mdiArea->currentSubWindow()->close());
  EXPECT_TRUE(w.mnu_frmCalender->isEnabled());
  w.mnu_frmCalender->trigger();
  EXPECT_NE(w.LoadedPageWindow(QStringLiteral("yotei")), nullptr);
  EXPECT_FALSE(w.mnu_frmCalender->isEnabled());
}

TEST_F(DesktopTest, MenuShortcutsReachTheirCommandsOnEveryPage) {
  MainWindow& w = Start();
  for (const PageMenu& page : kPageMenus) {
    (w.*page.item)->trigger();
    QMdiSubWindow* sub = w.mdiArea->currentSubWindow();
    ASSERT_NE(sub, nullptr) << page.kind;
    // No key is claimed twice by the main window's items and the page
    // window's frame.
    QMultiHash<QKeySequence, QString> owners;
    for (QAction* action : w.findChildren<QAction*>()) {
      const bool frameAction = sub->isAncestorOf(qobject_cast<QWidget*>(action->parent())) || action->parent() == sub ||
                               (sub->systemMenu() && sub->systemMenu()->actions().contains(action));
      const bool mainAction = action->parent() == &w;
      if (!(frameAction || mainAction) || !action->isVisible() || !action->isEnabled()) continue;
      for (const QKeySequence& key : action->shortcuts()) owners.insert(key, action->objectName() + action->text());
    }
    for (const QKeySequence& key : owners.uniqueKeys())
      EXPECT_EQ(owners.count(key), 1) << page.kind << " " << key.toString().toStdString() << " "
                                      << owners.values(key).join(u'|').toStdString();
  }
}

TEST_F(DesktopTest, CtrlWExportsTheScheduleInsteadOfClosingItsWindow) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  w.mnu_FrmAction->trigger();  // a second page window, as the user has it
  w.mnu_frmCalender->trigger();
  Activate(w);
  PageWindow* schedule = w.LoadedPageWindow(QStringLiteral("yotei"));
  ASSERT_NE(schedule, nullptr);
  QStringList pressed;
  for (const char* name : {"Cmd_FileExport", "Cmd_Fileimport", "Cmd_FileRead", "cmd_FileNew"})
    QObject::connect(FindCommandButton(schedule, QString::fromLatin1(name)), &QAbstractButton::clicked,
                     schedule, [&pressed, name] { pressed << QString::fromLatin1(name); });
  messages().clear();
  QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : schedule;
  QTest::keyClick(target, Qt::Key_W, Qt::ControlModifier);
  QTest::keyClick(target, Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(pressed, QStringList({"Cmd_FileExport", "Cmd_Fileimport"}));
  EXPECT_NE(w.LoadedPageWindow(QStringLiteral("yotei")), nullptr);
}

TEST_F(DesktopTest, APageKeepsTheFocusThroughItsOwnCommand) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  w.mnu_FrmAction->trigger();
  w.mnu_frmCalender->trigger();
  Activate(w);
  PageWindow* schedule = w.LoadedPageWindow(QStringLiteral("yotei"));
  auto* list = schedule->findChild<QListWidget*>(QStringLiteral("Cmb_Type"));
  ASSERT_NE(list, nullptr);
  list->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), list);

  // A modal dialog over the busy window takes the activation away and gives
  // it back to the main window, as the import's file dialog does.
  int dialogs = 0;
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) -> std::optional<QString> {
    ++dialogs;
    BeginBusy(schedule);
    QDialog dialog(&w);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialog.hide();
    QApplication::setActiveWindow(&w);
    EndBusy(schedule);
    return std::nullopt;
  });
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(w.ActivePageWindow(), schedule);
  EXPECT_EQ(QApplication::focusWidget(), list);
  // The next Ctrl+R goes to the same window.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(dialogs, 2);
}

TEST_F(DesktopTest, AMessageOverAChosenPageLeavesThatPageActive) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  w.mnu_FrmAction->trigger();
  Activate(w);
  w.mnu_frmCalender->trigger();  // chosen from the menu, nothing clicked inside
  PageWindow* schedule = w.LoadedPageWindow(QStringLiteral("yotei"));
  // A refusal box of the page's own command comes and goes.
  QDialog box(&w);
  box.show();
  QApplication::setActiveWindow(&box);
  box.hide();
  QApplication::setActiveWindow(&w);
  EXPECT_EQ(w.ActivePageWindow(), schedule);
  EXPECT_TRUE(schedule->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(DesktopTest, TheDesignListKeepsTheKeysAfterADesignChange) {
  MainWindow& w = Start({QStringLiteral("/C:")});
  Activate(w);
  auto* list = w.LoadedPageWindow(QStringLiteral("yotei"))->findChild<QListWidget*>(QStringLiteral("Cmb_Type"));
  ASSERT_NE(list, nullptr);
  ASSERT_GT(list->count(), 3);
  list->setFocus();
  list->setCurrentRow(0);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_EQ(QApplication::focusWidget(), list);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(list->currentRow(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
  EXPECT_EQ(list->currentRow(), 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  EXPECT_EQ(list->currentRow(), list->count() - 1);
  EXPECT_EQ(QApplication::focusWidget(), list);
}

// The window grows to show a larger page, and only then: going back and
// forth between pages leaves it as it is, with no empty band under the
// tallest page.
TEST_F(DesktopTest, PageSwitchesKeepTheWindowsSize) {
  MainWindow& w = Start();
  w.show();
  const int startArea = w.mdiArea->height();
  int tallest = 0;
  for (const PageMenu& page : kPageMenus) {
    (w.*page.item)->trigger();
    QCoreApplication::processEvents();
    tallest = std::max(tallest, w.mdiArea->currentSubWindow()->geometry().bottom() + 1);
  }
  const QRect grown = w.frameGeometry();
  EXPECT_LE(w.mdiArea->height(), std::max(tallest + 2 * w.mdiArea->frameWidth(), startArea));
  for (const PageMenu& page : kPageMenus) {
    (w.*page.item)->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.frameGeometry(), grown) << page.kind << ": " << w.width() << "x" << w.height() << " at "
                                        << w.frameGeometry().y() << ", was " << grown.height() << " high at "
                                        << grown.y();
  }
}
