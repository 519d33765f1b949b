#include "PageWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "VisualTabOrder.h"
#include "WorkPlaceFocus.h"
#include "core/platform/MessageBox.h"

namespace {

// A command button that can tell whether anyone but its own window listens
// to its clicks.
class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;
  int clickReceivers() const { return receivers(SIGNAL(clicked(bool))); }
};

}  // namespace

PageWindow::PageWindow(QWidget* parent) : QWidget(parent) {
  connect(qApp, &QApplication::focusChanged, this, &PageWindow::noteFocusChange);
}

// QObject would drop the connection only after the child widgets are gone,
// and destroying a focused child moves the focus: the signal would then reach
// a window whose own part is already destroyed.
PageWindow::~PageWindow() {
  disconnect(qApp, &QApplication::focusChanged, this, &PageWindow::noteFocusChange);
}

QString PageWindow::NotPrintableYetText() {
  return QStringLiteral("まだ印刷できません、要望があったら作ります(^^;");
}

QString PageWindow::BusyCloseText() {
  return QStringLiteral("印刷またはファイルの読み書きの途中です。\r\n終わってから閉じてください。");
}

void PageWindow::Activate() {
  if (std::exchange(activatedByLoad_, false)) return;
  Form_Activate();
}

void PageWindow::NoteActivatedByLoad() {
  activatedByLoad_ = true;
  // Anything the loop runs may change what the window shows.
  QTimer::singleShot(0, this, [this] { activatedByLoad_ = false; });
}

bool PageWindow::IsBusy() const { return testAttribute(Qt::WA_ForceDisabled); }

QPushButton* PageWindow::NewCommandButton(const char* name, const QString& caption) {
  auto* button = new CommandButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  if (caption.isEmpty()) button->hide();
  if (button->objectName().compare(QLatin1String("Cmd_print"), Qt::CaseInsensitive) == 0) {
    connect(button, &QPushButton::clicked, this, [button] {
      if (button->clickReceivers() > 1) return;
      platform::ShowMessage(NotPrintableYetText(), platform::MsgButtons::Ok, platform::MsgIcon::Information);
    });
  }
  return button;
}

void PageWindow::closeEvent(QCloseEvent* event) {
  // The command that disabled the window still runs inside it (a print job
  // lets window messages through between its pages): closing now would take
  // the window from under it.
  if (IsBusy()) {
    event->ignore();
    platform::ShowMessage(BusyCloseText(), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return;
  }
  int16_t cancel = 0;
  Form_QueryUnload(cancel, UnloadMode::ControlMenu);
  if (cancel != 0)
    event->ignore();
  else
    event->accept();
}

void PageWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ApplyVisualTabOrder(this);
}

bool PageWindow::focusNextPrevChild(bool next) {
  ApplyVisualTabOrder(this);
  return QWidget::focusNextPrevChild(next);
}

void PageWindow::noteFocusChange(QWidget* old, QWidget* now) {
  if (now && isAncestorOf(now)) lastFocus_ = now;
}

// Whoever disables the window (the busy routines of the print job, a
// window's own file command), the window keeps its place in front, and the
// focus comes back to where the user left it.
void PageWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::EnabledChange) return;
  if (!isEnabled()) {
    // Disabled along with the main window (start-up) is no busy time of its own.
    if (IsBusy()) heldFront_ = platform::HoldFrontWhileDisabled(this);
  } else if (heldFront_) {
    heldFront_ = false;
    platform::ReturnToWorkPlace({platform::SubWindowOf(this), lastFocus_});
  }
}
