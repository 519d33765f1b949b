#include "WorkPlaceFocus.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "VisualTabOrder.h"
#include "core/platform/WorkPlace.h"

namespace platform {
namespace {

// The MDI area of the program's main window: the first shown top-level
// window that holds one.
QMdiArea* MainWindowArea() {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible() && !top->isMinimized()) continue;
    if (auto* area = top->findChild<QMdiArea*>()) return area;
  }
  return nullptr;
}

bool InsideFrame(const QMdiSubWindow* frame, const QWidget* widget) {
  return widget && (widget == frame || frame->isAncestorOf(widget));
}

}  // namespace

QMdiSubWindow* SubWindowOf(const QWidget* widget) {
  for (QWidget* w = const_cast<QWidget*>(widget); w; w = w->parentWidget())
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) return sub;
  return nullptr;
}

WorkPlace CurrentWorkPlace() {
  QWidget* focus = QApplication::focusWidget();
  if (QMdiSubWindow* sub = SubWindowOf(focus)) return {sub, focus};
  // No page window has the focus: the dialog before this one has just
  // closed and the window system has not yet given the main window back its
  // activation, or the focus is on the main window's own frame. The main
  // window still knows its page in front and the control it would focus.
  QMdiArea* area = MainWindowArea();
  QMdiSubWindow* sub = area ? area->currentSubWindow() : nullptr;
  if (!sub) return {};
  QWidget* last = area->window()->focusWidget();
  return {sub, InsideFrame(sub, last) ? last : nullptr};
}

void ReturnToWorkPlace(const WorkPlace& place) {
  QMdiSubWindow* sub = place.frame;
  if (!sub || sub->isHidden()) return;
  if (QMdiArea* area = sub->mdiArea(); area && area->currentSubWindow() != sub) area->setActiveSubWindow(sub);
  QWidget* control = place.control;
  if (InsideFrame(sub, control) && control->isEnabled() && control->isVisible()) {
    // A window that is not active yet remembers the control and gives it the
    // focus when it is activated.
    control->setFocus(Qt::OtherFocusReason);
    return;
  }
  QWidget* page = sub->widget();
  if (!page || !page->isEnabled()) {
    sub->setFocus(Qt::OtherFocusReason);
    return;
  }
  QWidget* now = sub->window()->focusWidget();
  if (InsideFrame(sub, now) && now != sub && now->isEnabled()) return;
  if (QWidget* first = FirstTabStop(page)) {
    first->setFocus(Qt::OtherFocusReason);
    return;
  }
  sub->setFocus(Qt::OtherFocusReason);
}

void InstallWorkPlaceFocus() {
  UseWorkPlaceKeeper(
      []() -> std::function<void()> { return [place = CurrentWorkPlace()] { ReturnToWorkPlace(place); }; });
}

bool HoldFrontWhileDisabled(QWidget* window) {
  QMdiSubWindow* sub = SubWindowOf(window);
  if (!sub || sub->isHidden() || !sub->isEnabled()) return false;
  QMdiArea* area = sub->mdiArea();
  if (!area || area->currentSubWindow() != sub) return false;
  sub->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace platform
