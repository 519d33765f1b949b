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

// The main window's menu bar, which lays out its captions when they change
// or when its size changes what it can show, but not once more each time it
// is shown: a bar is resized before it is shown, which lays it out already,
// and a caption changed while it was hidden is laid out when it is next
// measured or painted. Left to right, every caption stands where it stood
// whatever the width; a bar that showed them all and still has room for
// them lays out the same again, which measures every caption.
class FrameMenuBar : public QMenuBar {
 public:
  using QMenuBar::QMenuBar;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  bool showsEveryCaptionAtItsSize() const;
};
