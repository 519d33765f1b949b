// Linked into a copy of the program and into a Qt Widgets hello world built
// the same way, so that the start-up benchmark can time and count start-up
// from outside: at the probe's point the process writes the monotonic
// clock's time in nanoseconds to its output and ends at once.
//
// The point is the first paint of a main window, or with
// RINGPAD_PROBE_POINT=ready the moment the user can act: the event loop is
// about to wait while a main window is shown, painted and enabled, no
// dialog is up and the focus is in that window (where it has anything that
// takes the focus). A dialog on the way (a first start's version box) is
// answered at once, as a user who only wants the program would.
//
// With RINGPAD_PROBE_SETTLE set, the process instead runs its whole start-up
// and then quits, answering any message box on the way: a program folder
// prepared so holds what a start that went on leaves behind (settings and
// files written after the first paint), as a folder in daily use does.
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

[[noreturn]] void WriteTimeAndEnd() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  std::fflush(stdout);
  ::_exit(0);
}

bool TakesFocus(const QWidget& window) {
  const QList<QWidget*> children = window.findChildren<QWidget*>();
  return std::any_of(children.begin(), children.end(), [](const QWidget* child) {
    return child->isVisible() && child->isEnabled() && child->focusPolicy() != Qt::NoFocus;
  });
}

class StartupProbe : public QObject {
 public:
  StartupProbe() {
    if (point_ == Point::Ready)
      connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
        if (readyToUse()) WriteTimeAndEnd();
      });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (point_ != Point::FirstPaint) answerDialogs(watched, event);
    if (point_ == Point::Settle) {
      settleOn(watched, event);
      return false;
    }
    if (event->type() == QEvent::Paint)
      if (auto* window = qobject_cast<QMainWindow*>(watched)) {
        if (point_ == Point::FirstPaint) WriteTimeAndEnd();
        painted_ = window;
      }
    return false;
  }

 private:
  enum class Point { FirstPaint, Ready, Settle };

  static Point pointAsked() {
    if (qEnvironmentVariableIsSet("RINGPAD_PROBE_SETTLE")) return Point::Settle;
    return qgetenv("RINGPAD_PROBE_POINT") == "ready" ? Point::Ready : Point::FirstPaint;
  }

  bool readyToUse() const {
    const QMainWindow* window = painted_;
    if (!window || !window->isVisible() || !window->isEnabled() || window->isMinimized()) return false;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return false;
    const QWidget* focus = QApplication::focusWidget();
    return focus ? window->isAncestorOf(focus) : !TakesFocus(*window);
  }

  // The window system gives the activation back to the main window when a
  // dialog closes; the offscreen platform leaves that to the program.
  void answerDialogs(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
      if (auto* dialog = qobject_cast<QDialog*>(watched))
        QTimer::singleShot(0, dialog, [this, dialog] {
          dialog->reject();
          if (painted_) painted_->activateWindow();
        });
  }

  // The main window is enabled again at the end of its load step; the quit
  // then waits for the event loop that follows.
  static void settleOn(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
      if (auto* window = qobject_cast<QMainWindow*>(watched); window && window->isEnabled())
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
  }

  const Point point_ = pointAsked();
  QPointer<QMainWindow> painted_;
};

void InstallStartupProbe() { QCoreApplication::instance()->installEventFilter(new StartupProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartupProbe)
