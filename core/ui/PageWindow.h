#pragma once
// The common ground of the page windows that the main window opens inside its
// MDI area: a load step that runs each time the window is created, a close
// check, an activation step, and the command buttons that the main window's
// File items press by name.
#include <QPointer>
#include <QWidget>
#include <cstdint>

class QPushButton;

// Why a window is asked to close. The numbers are those Windows gives the
// reasons, which the page windows' close checks compare with.
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
  // The main window's call as the window becomes the active page window:
  // runs Form_Activate, unless the window's load ran it last and the event
  // loop has not turned since, when the window shows already what it would
  // show again.
  void Activate();
  // The close check: set cancel to non-zero to keep the window open.
  virtual void Form_QueryUnload(int16_t& cancel, UnloadMode mode) {}

  // What a print button says while its window has no printing of its own.
  static QString NotPrintableYetText();
  // What a close of a busy window says: the job or file command running in
  // it needs the window until it ends.
  static QString BusyCloseText();

  // True while the program has disabled the window for a command that is
  // running (a print job, a file read or write).
  bool IsBusy() const;

 protected:
  // A load that ends by running Form_Activate says so.
  void NoteActivatedByLoad();

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

  // The control of this window that had the focus last. A busy window loses
  // its focus, and while the main window is not active (a dialog has just
  // closed) it loses it without a word; the window and this control get it
  // back when the window takes input again, so that the user's next keys
  // and menu commands go where they went before.
  QPointer<QWidget> lastFocus_;
  // The window was in front when it was disabled and holds the front until
  // it is enabled again.
  bool heldFront_ = false;
  bool activatedByLoad_ = false;
};
