#include "PageWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include "VisualTabOrder.h"
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
  // Disabling a window takes the focus from its control before the window
  // hears of it; only a loss while disabled is remembered.
  if (old && !isEnabled() && isAncestorOf(old) && !(now && isAncestorOf(now))) focusBeforeDisabled_ = old;
}

void PageWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::EnabledChange && isEnabled()) takeFocusBack();
}

void PageWindow::takeFocusBack() {
  QPointer<QWidget> control = focusBeforeDisabled_;
  focusBeforeDisabled_.clear();
  if (!control || !control->isEnabled() || !control->isVisible()) return;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
    if (QMdiArea* area = sub->mdiArea()) area->setActiveSubWindow(sub);
  control->setFocus(Qt::OtherFocusReason);
}
