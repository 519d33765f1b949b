#include "MenuBarMenu.h"

#include <QEvent>
#include <QStyle>
#include <QToolButton>

MenuBarMenu::MenuBarMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

void MenuBarMenu::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    QWidget::changeEvent(event);
    return;
  }
  QMenu::changeEvent(event);
}

bool FrameMenuBar::event(QEvent* event) {
  if (event->type() == QEvent::Show) return QWidget::event(event);
  return QMenuBar::event(event);
}

void FrameMenuBar::resizeEvent(QResizeEvent* event) {
  if (showsEveryCaptionAtItsSize()) return;
  QMenuBar::resizeEvent(event);
}

bool FrameMenuBar::showsEveryCaptionAtItsSize() const {
  if (!isLeftToRight() || cornerWidget(Qt::TopLeftCorner) || cornerWidget(Qt::TopRightCorner)) return false;
  // Styles that draw a separator on the bar push the captions after it to
  // the right edge.
  if (style()->styleHint(QStyle::SH_DrawMenuBarSeparator, nullptr, this)) return false;
  // The bar's button for captions that did not fit is hidden when the last
  // lay-out showed them all.
  const auto* more = findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"), Qt::FindDirectChildrenOnly);
  if (!more || !more->isHidden()) return false;
  const int frame = style()->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, this);
  const QRect room(0, 0, width() - 2 * frame, height());
  for (QAction* action : actions())
    if (action->isVisible() && !room.contains(actionGeometry(action))) return false;
  return true;
}
