// The main window's start-up, size limits and close.
#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyle>
#include <algorithm>

#include "FirstPaintDeferral.h"
#include "InitApplication.h"
#include "PageKinds.h"
#include "PageRegistry.h"
#include "MainWindow.h"

#include "core/platform/ClipboardPersist.h"
#include "StartupRules.h"
#include "StartupSwitch.h"
#include "ScreenArea.h"
#include "Twips.h"
#include "core/platform/ProgramExit.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/SettingsText.h"

namespace {
// Outer height of the window at start and least outer width, in twips.
constexpr double kStartHeightTwips = 6605;
constexpr double kMinWidthTwips = 9650;

const char* const kProgramVersion = "3.16.01";
}  // namespace

void MainWindow::MDIForm_Load() {
  setStartHeight();
  setEnabled(false);
  startupWork_ = std::make_unique<FirstPaintDeferral>();
  const int16_t result = InitApplication(*this, QString::fromLatin1(kProgramVersion));
  if (ended_) return;
  if (ReadsCommandLine(ExeName))
    runStartupSwitch();
  else
    runSinglePageVariant();
  if (ended_) return;
  // With no version box to wait for, the window takes input before its
  // first paint, which then shows it as it stays: enabling it later would
  // paint every control again. Nothing reads input before the event loop.
  if (result == 0) takeInput();
  // Lists lay out the items they were given once, before the first paint:
  // laid out on the loop's next turn, they would paint twice.
  for (QAbstractItemView* list : findChildren<QAbstractItemView*>()) list->doItemsLayout();
  // The window and its first page paint; the held work then waits until
  // the user can act, or runs before a version box, which stands centred on
  // the window as the window system has placed it by then.
  QCoreApplication::processEvents();
  if (result == 0) {
    startupWork_->finishOnLoopsFirstTurn(this);
  } else {
    startupWork_->finish();
    mnu_Version_Click();
    takeInput();
  }
  ProbePrinterOnceTakingInput(*this);
}

void MainWindow::takeInput() {
  setEnabled(true);
  // A disabled window cannot activate its page windows; the first page
  // takes the focus now.
  bringPageForward(LastPageKind);
}

void MainWindow::runStartupSwitch() {
  QString kind = StartupSwitch(CommandLineText);
  if (kind == kClipboardSwitch) {
    runClipboardSwitch();
    return;
  }
  // The menus are dressed for the first page before the window shows: the
  // menu bar then lays out its captions once, where greying the page's item
  // on a shown window would have it measure them all again.
  if (FindPageKind(kind)) dressMenus(kind);
  show();
  // These pages are loaded before they are chosen, as the switch asks.
  if (kind == QLatin1String("memo") || kind == QLatin1String("table") || kind == QLatin1String("yotei"))
    LoadPageWindow(kind);
  ShowPageForm(kind);
}

void MainWindow::runSinglePageVariant() {
  for (QAction* item : {mnu_FrmGant, mnu_frmMemo, mnu_frmCalender, mnu_FrmTable, mnu_frmTel, mnu_FrmPicture,
                        mnu_FrmYousi})
    item->setVisible(false);
  QString kind = SinglePageVariant(ExeName);
  if (FindPageKind(kind)) dressMenus(kind);  // before show, as above
  show();
  if (!kind.isEmpty()) ShowPageForm(kind);
}

void MainWindow::runClipboardSwitch() {
  showMinimized();
  // The schedule window's clipboard button loads the window and copies the
  // coming weeks' schedule; then the program has done its work.
  if (PageWindow* schedule = LoadPageWindow(QStringLiteral("yotei")))
    PressCommandButton(schedule, QStringLiteral("cmd_toclip"));
  platform::KeepClipboardTextAfterExit();
  EndProgram();
}

// What start-up held back is written, and the instance lock let go of, by
// the program's end itself (platform::WorkBeforeEnd), however it comes.
void MainWindow::EndProgram() {
  ended_ = true;
  platform::EndProgram(0);
}

// The window frame is known only once the window system has placed the
// window; until then the client size stands for the outer size.
QSize MainWindow::frameExtra() const {
  const QMargins frame = WindowFrameMargins(this);
  return QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

void MainWindow::PlaceFrameAt(const QPoint& corner) {
  placeFrame(FramePlacement(corner, size(), WindowFrameMargins(this), AvailableScreenArea(this)));
}

void MainWindow::placeFrame(const QRect& outer) {
  if (!frameSettled_) wantedFrameCorner_ = outer.topLeft();
  SetFrameGeometry(this, outer, WindowFrameMargins(this));
}

// The window manager frames the window some time after it shows, and may
// have put the client area, not the frame, where the program asked: once the
// frame is known the window goes where it was meant to, its title bar on the
// screen. This happens once; later the user places the window.
void MainWindow::settleFrame() {
  if (frameSettled_ || !isVisible() ||
      (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
    return;
  if (!WindowFramed(this)) return;
  frameSettled_ = true;
  const QMargins frame = WindowFrameMargins(this);
  const QPoint corner = wantedFrameCorner_.value_or(FrameCorner(this, frame));
  SetFrameGeometry(this, FramePlacement(corner, size(), frame, AvailableScreenArea(this)), frame);
  // The frame takes room from the page the window was grown for.
  if (QMdiSubWindow* sub = mdiArea->currentSubWindow()) GrowToShow(sub);
}

void MainWindow::setStartHeight() {
  resize(width(), std::max(0, TwipsToPixelsY(kStartHeightTwips) - frameExtra().height()));
}

void MainWindow::setWidthLimit() {
  const int screenWidth = AvailableScreenArea(this).width();
  setMinimumWidth(std::max(0, std::min(TwipsToPixelsX(kMinWidthTwips), screenWidth) - frameExtra().width()));
}

// The window may be resized both ways and maximised: a page window larger
// than a fixed frame would only be reached by scrolling.
void MainWindow::MDIForm_Resize() {
  if (isMinimized() || isMaximized() || isFullScreen()) return;
  setWidthLimit();
}

void MainWindow::GrowToShow(QMdiSubWindow* sub) {
  if (!sub || isMinimized() || isMaximized() || isFullScreen()) return;
  // Counted from the parts rather than from the MDI area's present size,
  // which lags behind a resize until the window system has answered.
  // The menu bar is added to what the page needs, never to the present
  // size, which holds it already: else every switch grew the window by it.
  const int border = 2 * mdiArea->frameWidth();
  const QRect page = sub->geometry();
  const int width = std::max(page.right() + 1 + border, this->width());
  const QMenuBar* bar = menuBar();
  const int barHeight = bar->hasHeightForWidth() ? bar->heightForWidth(width) : bar->sizeHint().height();
  const QSize client(width, std::max(page.bottom() + 1 + border + barHeight, height()));
  const QMargins frame = WindowFrameMargins(this);
  const QPoint corner = wantedFrameCorner_ && !frameSettled_ ? *wantedFrameCorner_ : FrameCorner(this, frame);
  const QRect area = AvailableScreenArea(this);
  QSize fullSize = client.expandedTo(size());
  // On a screen too small for the page the area scrolls one way; its scroll
  // bar takes room the other way, which the window grows by where the screen
  // has it, so that the page does not have to scroll both ways.
  const QRect fitted = FramePlacement(corner, fullSize, frame, area);
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, mdiArea);
  const QSize framed = fullSize.grownBy(frame);
  const QSize pageNeeds(page.right() + 1 + border, page.bottom() + 1 + border + barHeight);
  if (fitted.height() < framed.height()) fullSize.setWidth(std::max(fullSize.width(), pageNeeds.width() + scrollBar));
  if (fitted.width() < framed.width()) fullSize.setHeight(std::max(fullSize.height(), pageNeeds.height() + scrollBar));
  placeFrame(FramePlacement(corner, fullSize, frame, area));
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) MDIForm_Resize();
}

void MainWindow::MDIForm_QueryUnload(int16_t& cancel, UnloadMode mode) {
  // A refusal left over from closing the memo window alone must not stop
  // this close: only the answer given now counts.
  CloseVeto = 0;
  // Every open page window guards its own unsaved work, one question after
  // another; the first window the user keeps stops the close.
  for (QMdiSubWindow* sub : mdiArea->subWindowList()) {
    auto* page = qobject_cast<PageWindow*>(sub->widget());
    if (!page || sub->isHidden()) continue;
    int16_t pageCancel = 0;
    page->Form_QueryUnload(pageCancel, mode == UnloadMode::AppWindows ? mode : UnloadMode::MdiForm);
    if (pageCancel != 0 || CloseVeto == -1) {
      CloseVeto = 0;
      cancel = 1;
      return;
    }
  }
  const bool normalState =
      !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  if (normalState) {
    // The frame's corner, the one the next start puts back.
    const QPoint corner = FrameCorner(this, WindowFrameMargins(this));
    WriteIniValue(QString(), QStringLiteral("Y"), SingleText(static_cast<float>(PixelsToTwipsY(corner.y()))));
    WriteIniValue(QString(), QStringLiteral("X"), SingleText(static_cast<float>(PixelsToTwipsX(corner.x()))));
  }
  EndProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  int16_t cancel = 0;
  MDIForm_QueryUnload(cancel, UnloadMode::ControlMenu);
  if (cancel != 0)
    event->ignore();
  else
    event->accept();
}
