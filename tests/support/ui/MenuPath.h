#pragma once
// Finds a main-window menu item by the texts a user reads: the menu's title
// in the menu bar, then the item's caption, so a person's-path test chooses
// commands the way the user does instead of calling handlers.
#include <QString>

class QAction;
class QMainWindow;

// nullptr when the menu or the item is not there (or is a separator).
QAction* MenuItemByText(QMainWindow& window, const QString& menuTitle, const QString& itemText);
