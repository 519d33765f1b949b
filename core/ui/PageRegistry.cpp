#include "PageRegistry.h"

#include <QAbstractButton>
#include <QHash>

#include "PageWindow.h"

namespace {
QHash<QString, PageWindowFactory>& factories() {
  static QHash<QString, PageWindowFactory> map;
  return map;
}
}  // namespace

void RegisterPageWindow(const QString& pageKind, PageWindowFactory factory) {
  factories().insert(pageKind.toLower(), std::move(factory));
}

PageWindow* CreatePageWindow(const QString& pageKind, QWidget* parent) {
  auto it = factories().constFind(pageKind.toLower());
  if (it == factories().constEnd() || !*it) return nullptr;
  return (*it)(parent);
}

QStringList RegisteredPageKinds() {
  QStringList kinds = factories().keys();
  kinds.sort();
  return kinds;
}

QAbstractButton* FindCommandButton(QWidget* window, const QString& name) {
  if (!window || name.isEmpty()) return nullptr;
  const auto buttons = window->findChildren<QAbstractButton*>();
  for (QAbstractButton* button : buttons)
    if (button->objectName().compare(name, Qt::CaseInsensitive) == 0) return button;
  return nullptr;
}

namespace {
// True when the button, or a widget between it and the window (the window
// included), was disabled by the program: a page window does that while it
// prints or imports, and pressing a button then would start a second command
// inside the running one. A window disabled only because the main window is
// (start-up) is not disabled itself.
bool disabledByProgram(const QWidget* button, const QWidget* window) {
  for (const QWidget* w = button; w; w = w->parentWidget()) {
    if (w->testAttribute(Qt::WA_ForceDisabled)) return true;
    if (w == window) break;
  }
  return false;
}
}  // namespace

bool PressCommandButton(QWidget* window, const QString& name) {
  QAbstractButton* button = FindCommandButton(window, name);
  if (!button) return false;
  if (disabledByProgram(button, window)) return false;
  // Pressing from code works while the window is still disabled (the "CA"
  // switch runs during start-up, before the main window takes input), where
  // click() would do nothing.
  emit button->clicked(false);
  return true;
}
