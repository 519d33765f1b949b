#include "MainWindow.h"
#include "FirstPaintDeferral.h"
#include "HelpPage.h"
#include "MenuBarMenu.h"

#include <QAction>
#include <QEvent>
#include <QLockFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

#include "PrinterSetup.h"
#include "StartupSwitch.h"
#include "Twips.h"
#include "VersionBox.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/platform/Shell.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/PreviewWindow.h"

namespace {
MainWindow* currentForm = nullptr;

// The client area the window is created with, in twips.
constexpr double kCreatedWidthTwips = 9675;
constexpr double kCreatedHeightTwips = 6135;
}  // namespace

MainWindow* CurrentMainWindow() { return currentForm; }

MainWindow::MainWindow(StartupArgs args, QWidget* parent) : QMainWindow(parent), args_(std::move(args)) {
  setObjectName(QStringLiteral("Ringpad"));
  CommandLineText = JoinCommandLine(args_.arguments);
  mdiArea = new QMdiArea(this);
  mdiArea->setObjectName(QStringLiteral("mdiArea"));
  // The main window keeps its fixed height; a page window larger than the
  // area stays whole and is reached by scrolling instead of being pushed out.
  mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdiArea);
  setMenuBar(new FrameMenuBar(this));
  connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
    auto* page = sub ? qobject_cast<PageWindow*>(sub->widget()) : nullptr;
    if (!page) return;
    followActivePage(sub);
    page->Activate();
  });
  buildMenus();
  resize(TwipsToPixelsX(kCreatedWidthTwips), TwipsToPixelsY(kCreatedHeightTwips));
  // The bar is as wide as the window from the start, as the window's layout
  // will make it: its first lay-out then shows every caption, and showing
  // the window need not lay it out again.
  menuBar()->resize(width(), menuBar()->height());
  currentForm = this;
}

MainWindow::~MainWindow() {
  if (currentForm == this) currentForm = nullptr;
}

void MainWindow::buildMenus() {
  buildFileMenu();
  buildPageMenus();
}

namespace {
QAction* namedAction(QObject* owner, const char* name, const QString& caption) {
  auto* action = new QAction(caption, owner);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

// One menu item: no caption makes a separator.
struct MenuItem {
  QAction** member;
  const char* name;
  const char* caption;
  QKeySequence shortcut;
  void (MainWindow::*handler)();
};

void addMenuItems(MainWindow* form, QWidget* menu, std::initializer_list<MenuItem> items) {
  for (const MenuItem& item : items) {
    QAction* action = namedAction(form, item.name, item.caption ? QString::fromUtf8(item.caption) : QString());
    if (!item.caption) action->setSeparator(true);
    if (!item.shortcut.isEmpty()) action->setShortcut(item.shortcut);
    if (item.handler) QObject::connect(action, &QAction::triggered, form, item.handler);
    menu->addAction(action);
    *item.member = action;
  }
}
}  // namespace

QMenu* MainWindow::addBarMenu(const QString& title) {
  auto* menu = new MenuBarMenu(title, menuBar());
  menuBar()->addMenu(menu);
  return menu;
}

void MainWindow::buildFileMenu() {
  mnu_frmfile = addBarMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
  mnu_frmfile->setObjectName(QStringLiteral("mnu_frmfile"));
  addMenuItems(
      this, mnu_frmfile,
      {
          {&mnu_FileNew, "mnu_FileNew", "新規", Qt::CTRL | Qt::Key_N, &MainWindow::mnu_FileNew_Click},
          {&mnu_FileRead, "mnu_FileRead", "ファイルを開く", Qt::CTRL | Qt::Key_O, &MainWindow::mnu_FileRead_Click},
          {&mnu_FileWrite, "mnu_FileWrite", "ファイルに書く", Qt::CTRL | Qt::Key_S, &MainWindow::mnu_FileWrite_Click},
          {&mnu_FileImport, "mnu_FileImport", "インポート", Qt::CTRL | Qt::Key_R, &MainWindow::mnu_FileImport_Click},
          {&mnu_FileExport, "mnu_FileExport", "エクスポート", Qt::CTRL | Qt::Key_W, &MainWindow::mnu_FileExport_Click},
          {&mnu_FileSearch, "mnu_FileSearch", "検索", Qt::CTRL | Qt::Key_F, &MainWindow::mnu_FileSearch_Click},
          {&mnu_help, "mnu_help", "ヘルプ", Qt::CTRL | Qt::Key_H, &MainWindow::mnu_help_Click},
          {&mnu_bar0, "mnu_bar0", nullptr, {}, nullptr},
          {&mnu_option, "mnu_option", "用紙サイズ設定", {}, &MainWindow::mnu_option_Click},
          {&mnu_printdlg, "mnu_printdlg", "プリンタの設定", {}, &MainWindow::mnu_printdlg_Click},
          {&mnu_bar1, "mnu_bar1", nullptr, {}, nullptr},
          {&mnu_home, "mnu_home", "ホームページ表示", {}, &MainWindow::mnu_home_Click},
          {&mnu_Version, "mnu_Version", "バージョン情報", {}, &MainWindow::mnu_Version_Click},
          {&mnu_end, "mnu_end", "終了(&E)", {}, &MainWindow::mnu_End_Click},
      });
}

void MainWindow::buildPageMenus() {
  addMenuItems(this, menuBar(),
               {
                   {&mnu_FrmAction, "mnu_FrmAction", "Todo(&A)", {}, &MainWindow::mnu_FrmAction_Click},
                   {&mnu_frmCalender, "mnu_frmCalender", "予定(&C)", {}, &MainWindow::mnu_frmCalender_Click},
                   {&mnu_frmTel, "mnu_frmTel", "住所(&J)", {}, &MainWindow::mnu_frmTel_Click},
                   {&mnu_frmMemo, "mnu_frmMemo", "ﾒﾓ(&M)", {}, &MainWindow::mnu_frmMemo_Click},
                   {&mnu_FrmTable, "mnu_FrmTable", "表(&H)", {}, &MainWindow::mnu_FrmTable_Click},
                   {&mnu_FrmPicture, "mnu_FrmPicture", "写真(&P)", {}, &MainWindow::mnu_FrmPicture_Click},
                   {&mnu_FrmYousi, "mnu_FrmYousi", "用紙(&Y)", {}, &MainWindow::mnu_FrmYousi_Click},
               });
  mnu_lunch0 = addBarMenu(QStringLiteral("専用用紙(&S)"));
  mnu_lunch0->setObjectName(QStringLiteral("mnu_lunch0"));
  addMenuItems(this, mnu_lunch0,
               {
                   {&mnu_FrmTree, "mnu_FrmTree", "木(&T)", {}, &MainWindow::mnu_FrmTree_Click},
                   {&mnu_FrmGant, "mnu_FrmGant", "スケジュール(&G)", {}, &MainWindow::mnu_FrmGant_Click},
                   {&mnu_FrmCsv, "mnu_FrmCsv", "CSV", {}, &MainWindow::mnu_FrmCsv_Click},
                   {&mnu_yousi_bar, "mnu_yousi_bar", nullptr, {}, nullptr},
               });
  for (int i = 0; i < kLauncherItemCount; ++i) {
    QAction* action = namedAction(this, "mnu_lunch", LauncherCaption(i));
    action->setProperty("index", i);
    action->setVisible(!action->text().isEmpty());
    connect(action, &QAction::triggered, this, [this, i] { mnu_lunch_Click(i); });
    mnu_lunch0->addAction(action);
    mnu_lunch[i] = action;
  }
  addMenuItems(this, mnu_lunch0,
               {
                   {&mnu_lunch_bar, "mnu_lunch_bar", nullptr, {}, nullptr},
                   {&mnu_home_2, "mnu_home_2", "ホームページ表示", {}, &MainWindow::mnu_home_2_Click},
               });
}

QAction* MainWindow::FileItemAction(FileItem item) const {
  const std::array<QAction*, kFileItemCount> items = {mnu_FileNew,    mnu_FileRead,   mnu_FileWrite, mnu_FileImport,
                                                      mnu_FileExport, mnu_FileSearch, mnu_help};
  return items[static_cast<int>(item)];
}

QAction* MainWindow::pageItem(const char* objectName) const {
  return findChild<QAction*>(QString::fromLatin1(objectName), Qt::FindDirectChildrenOnly);
}

void MainWindow::mnu_End_Click() { close(); }

void MainWindow::mnu_Version_Click() {
  platform::MessageRequest request;
  request.text = VersionBoxText(ExeName, ProgramVersion, HomePageAddress());
  request.icon = platform::MsgIcon::Information;
  request.title = VersionBoxTitle();
  platform::ShowMessage(request);
}

void MainWindow::mnu_lunch_Click(int index) { RunLauncherItem(mnu_lunch[index]->text()); }

void MainWindow::mnu_home_Click() { ShowHelpDocument(); }
void MainWindow::mnu_home_2_Click() { ShowHelpDocument(); }

void MainWindow::mnu_option_Click() {
  QString kind = QStringLiteral("option");
  ShowPageForm(kind);
}

void MainWindow::mnu_printdlg_Click() { ShowPrinterSetup(this); }

PreviewWindow& MainWindow::LoadPreviewWindow() {
  if (!preview_) {
    preview_ = new PreviewWindow(this);
    preview_->hide();
  }
  return *preview_;
}

bool MainWindow::PageWindowBusy() const {
  for (const QPointer<QMdiSubWindow>& sub : pages_) {
    auto* page = sub ? qobject_cast<PageWindow*>(sub->widget()) : nullptr;
    if (page && page->IsBusy()) return true;
  }
  return false;
}

// A close while a page window's command runs (a print job lets window
// messages through between its pages) would end the program under the job:
// it is refused until the job is done.
bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::Close && PageWindowBusy()) {
    event->ignore();
    platform::ShowMessage(PageWindow::BusyCloseText(), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return true;
  }
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate: settleFrame(); break;
    default: break;
  }
  return QMainWindow::event(event);
}

void MainWindow::HoldInstanceLock(std::unique_ptr<QLockFile> lock) {
  instanceLock_ = std::move(lock);
  // Let go of as the program ends, after what start-up held back has been
  // written: until then a second copy is still refused.
  instanceLockRelease_ = std::make_unique<platform::WorkBeforeEnd>([this] {
    if (instanceLock_) instanceLock_->unlock();
  });
}
