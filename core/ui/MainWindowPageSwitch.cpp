// The main window's page switching and the File items that press the page
// windows' buttons.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSet>

#include "ShowSettingsForm.h"
#include "PageRegistry.h"
#include "MainWindow.h"
#include "VisualTabOrder.h"

namespace {
// The MDI area hands a page that comes in front the first control of its
// focus chain, hidden command buttons included, and so sometimes no field at
// all: the focus then stays in the page behind, and the first Tab brings
// that page back in front. A page whose focus is on one of its fields keeps
// it (the field a page chose for itself, or the one it had when it was last
// in front); one without starts on the first field of its Tab walk.
void FocusPageField(QMdiSubWindow* sub) {
  QWidget* page = sub->widget();
  if (!page) return;
  const QWidget* now = sub->window()->focusWidget();
  if (now && page->isAncestorOf(now) && now->isVisible() && now->isEnabled()) return;
  // A page disabled with the main window during start-up takes no focus
  // yet; it is given its field when it comes forward enabled.
  QWidget* first = FirstTabStop(page);
  if (first) first->setFocus(Qt::OtherFocusReason);
}
}  // namespace

void MainWindow::openPage(const char* pageKind) {
  QString kind = QString::fromLatin1(pageKind);
  ShowPageForm(kind);
}

void MainWindow::ShowPageForm(QString& pageKind) {
  if (pageKind.compare(QLatin1String("option"), Qt::CaseInsensitive) == 0) {
    dressMenus(QString());
    ShowSettingsForm(this);
    pageKind = LastPageKind;
  } else {
    // dressMenus settles every page item of a page kind; each item changed
    // has the menu bar measure all its captions anew, so none is switched
    // on only to be greyed again.
    if (!FindPageKind(pageKind))
      for (const char* name : PageItemNames()) pageItem(name)->setEnabled(true);
    LastPageKind = pageKind;
  }
  dressMenus(pageKind);
  if (const PageKindInfo* row = FindPageKind(pageKind))
    LoadPageWindow(row->kind, true);
}

// LastPageKind is the one current page: the File items show its commands,
// its page item is the greyed one, and the File items press its buttons.
void MainWindow::dressMenus(const QString& pageKind) {
  const PageKindInfo* row = FindPageKind(pageKind);
  if (row)
    for (const char* name : PageItemNames())
      pageItem(name)->setEnabled(QLatin1String(name) != QLatin1String(row->pageItemName));
  for (int i = 0; i < kFileItemCount; ++i) {
    QAction* item = FileItemAction(static_cast<FileItem>(i));
    item->setText(row ? row->fileCaptions[i] : QString());
    item->setVisible(!item->text().isEmpty());
  }
}

// A page window that comes in front by the user's click, or because the
// page in front was closed, becomes the current page: the menus then never
// show one page's commands while they act on another.
void MainWindow::followActivePage(QMdiSubWindow* sub) {
  const QString kind = sub ? pages_.key(sub) : QString();
  if (kind.isEmpty() || kind.compare(LastPageKind, Qt::CaseInsensitive) == 0) return;
  LastPageKind = kind;
  dressMenus(kind);
}

void MainWindow::bringPageForward(const QString& pageKind) {
  if (!LoadedPageWindow(pageKind)) return;
  QMdiSubWindow* sub = pages_.value(pageKind.toLower());
  mdiArea->setActiveSubWindow(sub);
  sub->raise();
  FocusPageField(sub);
  GrowToShow(sub);
}

// The page window's own frame menu offers Close under Ctrl+W as well, which
// made the File menu's Ctrl+W ambiguous, so that neither ran: the menu's
// keys win, and the frame keeps the keys nobody else uses (Ctrl+F4).
void MainWindow::yieldFrameShortcuts(QMdiSubWindow* sub) {
  QSet<QKeySequence> taken;
  for (QAction* action : findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly))
    for (const QKeySequence& key : action->shortcuts()) taken.insert(key);
  QList<QAction*> frameActions = sub->actions();
  if (QMenu* menu = sub->systemMenu()) frameActions += menu->actions();
  for (QAction* action : frameActions) {
    QList<QKeySequence> keys = action->shortcuts();
    const auto clash = [&taken](const QKeySequence& key) { return taken.contains(key); };
    if (keys.removeIf(clash) > 0) action->setShortcuts(keys);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // A page window that the user closed can be chosen again from its item.
  if (event->type() == QEvent::Hide) {
    auto* sub = qobject_cast<QMdiSubWindow*>(watched);
    if (sub && sub->isHidden()) {
      const QString kind = pages_.key(sub);
      if (const PageKindInfo* row = kind.isEmpty() ? nullptr : FindPageKind(kind))
        pageItem(row->pageItemName)->setEnabled(true);
      // The current page's commands have no window to go to any more, until
      // another page window comes in front.
      if (!kind.isEmpty() && kind.compare(LastPageKind, Qt::CaseInsensitive) == 0) {
        dressMenus(QString());
        if (QMdiSubWindow* next = mdiArea->currentSubWindow(); next && next != sub) followActivePage(next);
      }
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

PageWindow* MainWindow::LoadedPageWindow(const QString& pageKind) const {
  // A page window that the user closed is hidden at once and deleted a
  // little later; either way it counts as no longer loaded.
  QMdiSubWindow* sub = pages_.value(pageKind.toLower());
  if (!sub || sub->isHidden()) return nullptr;
  return qobject_cast<PageWindow*>(sub->widget());
}

PageWindow* MainWindow::LoadPageWindow(const QString& pageKind, bool bringForward) {
  if (PageWindow* loaded = LoadedPageWindow(pageKind)) {
    if (bringForward) bringPageForward(pageKind);
    return loaded;
  }
  PageWindow* page = CreatePageWindow(pageKind);
  if (!page) return nullptr;
  // The frame's title bar measures and elides its caption at every step of
  // taking the page in, showing it, placing it and bringing it forward,
  // though nothing is drawn before the loop turns: the frame gets the
  // caption when it has settled.
  // A caption the page's load gives itself stands.
  const QString caption = page->windowTitle();
  page->setWindowTitle(QString());
  QMdiSubWindow* sub = mdiArea->addSubWindow(page);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  pages_.insert(pageKind.toLower(), sub);
  yieldFrameShortcuts(sub);
  sub->installEventFilter(this);
  page->Form_Load();
  sub->show();
  // Whole and at the top left; the main window grows to show it.
  sub->resize(sub->sizeHint().expandedTo(sub->minimumSizeHint()));
  sub->move(0, 0);
  GrowToShow(sub);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  if (bringForward) bringPageForward(pageKind);
  if (page->windowTitle().isEmpty()) page->setWindowTitle(caption);
  return page;
}

PageWindow* MainWindow::ActivePageWindow() const {
  QMdiSubWindow* sub = mdiArea->currentSubWindow();
  return sub ? qobject_cast<PageWindow*>(sub->widget()) : nullptr;
}

PageWindow* MainWindow::CurrentPageWindow() const { return LoadedPageWindow(LastPageKind); }

void MainWindow::PageFormCommands(FileItem item) {
  // A hidden item is no command of this page, even when its action is set
  // off from code.
  if (!FileItemAction(item)->isVisible()) return;
  PageWindow* page = CurrentPageWindow();
  if (!page) return;
  PressCommandButton(page, PageCommandButtonName(item, LastPageKind.toLower()));
}
