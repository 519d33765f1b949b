#include "MenuBarMenu.h"

#include <QEvent>

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
