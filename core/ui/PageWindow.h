#pragma once
// The common ground of the page windows that the main window opens inside its
// MDI area: a load step that runs each time the window is created, a close
// check, an activation step, and the command buttons that the main window's
// File items press by name.
#include <QPointer>
#include <QWidget>
#include <cstdint>

class QPushButton;

// Why a window is asked to close, numbered as the original platform numbers
// the reasons.
enum class UnloadMode : int16_t {
  ControlMenu = 0,  // close box or system menu
  Code = 1,
  AppWindows = 2,   // the desktop session is ending
  TaskManager = 3,
  MdiForm = 4,      // the main window is closing
  Owner = 5,
};

class PageWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PageWindow(QWidget* parent = nullptr);
  ~PageWindow() override;

  // Runs once after the window has been created and placed in the main
  // window, before it is shown.
  virtual void Form_Load() {}
  // Runs each time the window becomes the active page window.
  virtual void Form_Activate() {}
  // The close check: set cancel to non-zero to keep the window open.
  virtual void Form_QueryUnload(int16_t& cancel, UnloadMode mode) {}

  // What a print button says while its window has no printing of its own.
  static QString NotPrintableYetText();

 protected:
  // A command button with the given objectName; hidden when it has no
  // caption (the buttons that only the main window's menu presses). A print
  // button ("Cmd_print") that nothing else is connected to answers with
  // NotPrintableYetText, so that a click is never lost without a word; a
  // window that connects its own print handler replaces that answer.
  QPushButton* NewCommandButton(const char* name, const QString& caption = QString());

  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // Tab and Shift+Tab walk the fields in reading order, however the window
  // has placed or shown them since.
  void showEvent(QShowEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void noteFocusChange(QWidget* old, QWidget* now);
  void takeFocusBack();

  // The control that had the focus when the window disabled itself; the
  // window and that control get the focus back when the window is enabled
  // again, so that a command's keys keep going where the user works.
  QPointer<QWidget> focusBeforeDisabled_;
};
