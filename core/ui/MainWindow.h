#pragma once
// The main window: the MDI frame that holds every page window, its menus, the
// start-up sequence, page switching and the close that ends the program.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "Launcher.h"
#include "PageKinds.h"
#include "PageWindow.h"
#include "core/ui/PreviewWindow.h"

class FirstPaintDeferral;
class QAction;
class QLockFile;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
namespace platform {
class WorkBeforeEnd;
}

// What the program was started with: argv[0] and the arguments after it.
struct StartupArgs {
  QString argv0;
  QStringList arguments;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(StartupArgs args, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence; the window shows itself once the program runs on.
  void MDIForm_Load();
  void MDIForm_QueryUnload(int16_t& cancel, UnloadMode mode);
  void MDIForm_Resize();

  // Switches to the page of the keyword; "option" shows the settings form
  // and leaves the keyword holding LastPageKind.
  void ShowPageForm(QString& pageKind);
  // Presses the File item's button on the active page window.
  void PageFormCommands(FileItem item);

  // The page window of a keyword while it is loaded (nullptr otherwise), and
  // loading it when it is not.
  PageWindow* LoadedPageWindow(const QString& pageKind) const;
  PageWindow* LoadPageWindow(const QString& pageKind, bool bringForward = false);
  PageWindow* ActivePageWindow() const;
  // The window of the current page (LastPageKind), which the File items
  // act on; nullptr when it is not loaded.
  PageWindow* CurrentPageWindow() const;
  // True while a page window is busy with a command (a print job, a file
  // read or write).
  bool PageWindowBusy() const;

  // Start-up services for InitApplication.
  const StartupArgs& startupArgs() const { return args_; }
  // The preview window, made hidden the first time a preview asks for it.
  PreviewWindow& LoadPreviewWindow();
  PreviewWindow* previewWindow() const { return preview_; }
  void HoldInstanceLock(std::unique_ptr<QLockFile> lock);
  // Places the window with its frame's top-left corner, the corner the
  // close saves, at the given point, the frame kept on the available screen.
  void PlaceFrameAt(const QPoint& corner);
  // Ends the program at once (see platform::EndProgram); ProgramEnded tells
  // that it was asked to.
  void EndProgram();
  bool ProgramEnded() const { return ended_; }

  QAction* FileItemAction(FileItem item) const;

  // Makes the window large enough to show the page window whole, within the
  // available screen area; scroll bars remain for a screen that is smaller.
  void GrowToShow(QMdiSubWindow* sub);

  QString LastPageKind;

  QMdiArea* mdiArea = nullptr;
  QMenu* mnu_frmfile = nullptr;
  QAction* mnu_FileNew = nullptr;
  QAction* mnu_FileRead = nullptr;
  QAction* mnu_FileWrite = nullptr;
  QAction* mnu_FileImport = nullptr;
  QAction* mnu_FileExport = nullptr;
  QAction* mnu_FileSearch = nullptr;
  QAction* mnu_help = nullptr;
  QAction* mnu_bar0 = nullptr;
  QAction* mnu_option = nullptr;
  QAction* mnu_printdlg = nullptr;
  QAction* mnu_bar1 = nullptr;
  QAction* mnu_home = nullptr;
  QAction* mnu_Version = nullptr;
  QAction* mnu_end = nullptr;
  QAction* mnu_FrmAction = nullptr;
  QAction* mnu_frmCalender = nullptr;
  QAction* mnu_frmTel = nullptr;
  QAction* mnu_frmMemo = nullptr;
  QAction* mnu_FrmTable = nullptr;
  QAction* mnu_FrmPicture = nullptr;
  QAction* mnu_FrmYousi = nullptr;
  QMenu* mnu_lunch0 = nullptr;
  QAction* mnu_FrmTree = nullptr;
  QAction* mnu_FrmGant = nullptr;
  QAction* mnu_FrmCsv = nullptr;
  QAction* mnu_yousi_bar = nullptr;
  std::array<QAction*, kLauncherItemCount> mnu_lunch{};
  QAction* mnu_lunch_bar = nullptr;
  QAction* mnu_home_2 = nullptr;

  void mnu_End_Click();
  void mnu_Version_Click();
  // Starts the companion program of launcher item index (0..9).
  void mnu_lunch_Click(int index);
  void mnu_home_Click();
  void mnu_home_2_Click();
  void mnu_option_Click();
  void mnu_printdlg_Click();
  void mnu_FrmAction_Click() { openPage("action"); }
  void mnu_frmCalender_Click() { openPage("yotei"); }
  void mnu_frmTel_Click() { openPage("tel"); }
  void mnu_frmMemo_Click() { openPage("memo"); }
  void mnu_FrmTable_Click() { openPage("table"); }
  void mnu_FrmPicture_Click() { openPage("picture"); }
  void mnu_FrmYousi_Click() { openPage("yousi"); }
  void mnu_FrmTree_Click() { openPage("tree"); }
  void mnu_FrmGant_Click() { openPage("gant"); }
  void mnu_FrmCsv_Click() { openPage("csv"); }
  void mnu_FileNew_Click() { PageFormCommands(FileItem::New); }
  void mnu_FileRead_Click() { PageFormCommands(FileItem::Read); }
  void mnu_FileWrite_Click() { PageFormCommands(FileItem::Write); }
  void mnu_FileImport_Click() { PageFormCommands(FileItem::Import); }
  void mnu_FileExport_Click() { PageFormCommands(FileItem::Export); }
  void mnu_FileSearch_Click() { PageFormCommands(FileItem::Search); }
  void mnu_help_Click() { PageFormCommands(FileItem::Help); }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildMenus();
  QMenu* addBarMenu(const QString& title);
  void buildFileMenu();
  void buildPageMenus();
  void openPage(const char* pageKind);
  void bringPageForward(const QString& pageKind);
  void dressMenus(const QString& pageKind);
  void followActivePage(QMdiSubWindow* sub);
  void yieldFrameShortcuts(QMdiSubWindow* sub);
  void runStartupSwitch();
  void runSinglePageVariant();
  void runClipboardSwitch();
  void takeInput();
  void setStartHeight();
  void setWidthLimit();
  QSize frameExtra() const;
  void placeFrame(const QRect& outer);
  void settleFrame();
  QAction* pageItem(const char* objectName) const;

  StartupArgs args_;
  QHash<QString, QPointer<QMdiSubWindow>> pages_;
  QPointer<PreviewWindow> preview_;
  std::unique_ptr<QLockFile> instanceLock_;
  std::unique_ptr<platform::WorkBeforeEnd> instanceLockRelease_;
  // What start-up holds back until the user can act; a window gone before
  // then does it as it goes.
  std::unique_ptr<FirstPaintDeferral> startupWork_;
  bool ended_ = false;
  // Where the program means the frame's corner to be until the window
  // manager has framed the window, and whether it has.
  std::optional<QPoint> wantedFrameCorner_;
  bool frameSettled_ = false;
};

// The main window of the running program (nullptr before it exists).
MainWindow* CurrentMainWindow();
