#include "MenuPath.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

QAction* MenuItemByText(QMainWindow& window, const QString& menuTitle, const QString& itemText) {
  for (QAction* top : window.menuBar()->actions()) {
    if (top->text() != menuTitle || !top->menu()) continue;
    for (QAction* item : top->menu()->actions())
      if (!item->isSeparator() && item->text() == itemText) return item;
  }
  return nullptr;
}
