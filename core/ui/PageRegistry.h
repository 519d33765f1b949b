#pragma once
// The main window cannot know the page windows' classes (they live in the
// page libraries above it), so each page library registers a factory for its
// page keywords, and the main window creates page windows through it.
#include <QString>
#include <QStringList>
#include <functional>

class PageWindow;
class QAbstractButton;
class QWidget;

using PageWindowFactory = std::function<PageWindow*(QWidget* parent)>;

// Registers (or replaces) the factory of a page keyword ("action", "yotei",
// ...; compared in lower case).
void RegisterPageWindow(const QString& pageKind, PageWindowFactory factory);

template <typename Window>
void RegisterPageWindowClass(const QString& pageKind) {
  RegisterPageWindow(pageKind, [](QWidget* parent) -> PageWindow* { return new Window(parent); });
}

// A new page window for the keyword, or nullptr when none is registered.
PageWindow* CreatePageWindow(const QString& pageKind, QWidget* parent = nullptr);

// The keywords that have a page window, in alphabetical order.
QStringList RegisteredPageKinds();

// The button of the window whose objectName equals the name regardless of
// letter case; nullptr when it has none.
QAbstractButton* FindCommandButton(QWidget* window, const QString& name);

// Presses that button as a user's click would; false when there is none, or
// when the window or the button has been disabled by the program (a busy
// page window takes no second command).
bool PressCommandButton(QWidget* window, const QString& name);
