#pragma once
// A menu on the main window's menu bar whose title does not follow the
// window's enabled state. QMenu greys its title on the bar whenever the
// window is disabled or enabled again, and each such change measures the
// whole bar anew; a disabled window's bar greys every title by itself, so
// the look is the same without it.
#include <QMenu>

class MenuBarMenu : public QMenu {
 public:
  MenuBarMenu(const QString& title, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;
};
