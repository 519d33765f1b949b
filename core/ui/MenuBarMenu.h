#pragma once
// A menu on the main window's menu bar whose title does not follow the
// window's enabled state. QMenu greys its title on the bar whenever the
// window is disabled or enabled again, and each such change measures the
// whole bar anew; a disabled window's bar greys every title by itself, so
// the look is the same without it.
#include <QMenu>
#include <QMenuBar>

class MenuBarMenu : public QMenu {
 public:
  MenuBarMenu(const QString& title, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;
};

// The main window's menu bar, which lays out its captions when they or its
// width change, but not once more each time it is shown: a bar is resized
// before it is shown, which lays it out already, and a caption changed while
// it was hidden is laid out when it is next measured or painted.
class FrameMenuBar : public QMenuBar {
 public:
  using QMenuBar::QMenuBar;

 protected:
  bool event(QEvent* event) override;
};
