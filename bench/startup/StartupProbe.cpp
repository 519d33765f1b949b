// Linked into a copy of the program and into a Qt Widgets hello world built
// the same way, so that the start-up benchmark can time and count start-up
// from outside: at the probe's point the process writes a report to its
// output and ends at once. The report names the point and what was seen
// there, with the monotonic clock's time in nanoseconds:
//
//   reached first-paint 123456789: main window painted
//   reached ready 123456789: main window shown, painted, enabled, focused; loop idle
//
// A process that cannot reach its point says why, where it can see it
// ("stopped <point>: ..."), and ends with status 3; one that ends some other
// way writes no "reached" line, and the benchmark fails the count with how
// the process ended.
//
// The point is the first paint of a main window, or with
// RINGPAD_PROBE_POINT=ready the moment the user can act with nothing left
// to run: a main window is shown, painted and enabled, no dialog is up, the
// focus is in that window (where it has anything that takes the focus), and
// the event loop waits with nothing queued. Idle is seen, not assumed: when
// the loop is about to wait, a marker is posted behind whatever is queued,
// and the loop counts as idle only when it comes back to wait after the
// marker with no other event delivered since. Work held for the loop's next
// turn, or posted when it first waits, is so counted before the point. A
// dialog on the way (a first start's version box) is answered at once, as a
// user who only wants the program would.
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
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QStyleHints>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kStoppedStatus = 3;

[[noreturn]] void ReportAndEnd(const char* outcome, const char* point, const char* seen, int status) {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  std::printf("%s %s %lld: %s\n", outcome, point, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
              seen);
  std::fflush(stdout);
  ::_exit(status);
}

bool TakesFocus(const QWidget& window) {
  const QList<QWidget*> children = window.findChildren<QWidget*>();
  return std::any_of(children.begin(), children.end(), [](const QWidget* child) {
    return child->isVisible() && child->isEnabled() && child->focusPolicy() != Qt::NoFocus;
  });
}

bool AnyWindowShown() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
}

class StartupProbe : public QObject {
 public:
  StartupProbe() {
    if (point_ == Point::Settle) return;
    // A focused text box blinks its caret on a timer of the clock's time:
    // under callgrind, many times slower, it would blink and repaint as
    // often as the machine is slow, and the count with it.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] { loopAboutToWait(); });
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            [this] { ReportAndEnd("stopped", pointName(), "the event loop quit before the point", kStoppedStatus); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != kMarker) ++eventsSinceMarker_;
    if (point_ != Point::FirstPaint) answerDialogs(watched, event);
    if (point_ == Point::Settle) {
      settleOn(watched, event);
      return false;
    }
    if (event->type() == QEvent::Paint)
      if (auto* window = qobject_cast<QMainWindow*>(watched)) {
        if (point_ == Point::FirstPaint) ReportAndEnd("reached", pointName(), "main window painted", 0);
        painted_ = window;
      }
    return false;
  }

  bool event(QEvent* event) override {
    if (event->type() != kMarker) return QObject::event(event);
    markerPosted_ = false;
    markerTaken_ = true;
    eventsSinceMarker_ = 0;
    return true;
  }

 private:
  enum class Point { FirstPaint, Ready, Settle };
  static constexpr QEvent::Type kMarker = static_cast<QEvent::Type>(QEvent::User + 731);

  static Point pointAsked() {
    if (qEnvironmentVariableIsSet("RINGPAD_PROBE_SETTLE")) return Point::Settle;
    return qgetenv("RINGPAD_PROBE_POINT") == "ready" ? Point::Ready : Point::FirstPaint;
  }
  const char* pointName() const { return point_ == Point::Ready ? "ready" : "first-paint"; }

  void loopAboutToWait() {
    // Nothing shown and nothing queued: no window will come.
    if (!AnyWindowShown() && markerTaken_ && eventsSinceMarker_ == 0)
      ReportAndEnd("stopped", pointName(), "the event loop went idle with no window shown", kStoppedStatus);
    if (point_ == Point::Ready && readyToUse() && markerTaken_ && eventsSinceMarker_ == 0)
      ReportAndEnd("reached", pointName(), "main window shown, painted, enabled, focused; loop idle", 0);
    markerTaken_ = false;
    if (!markerPosted_) {
      markerPosted_ = true;
      QCoreApplication::postEvent(this, new QEvent(kMarker));
    }
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
  bool markerPosted_ = false;
  bool markerTaken_ = false;
  int eventsSinceMarker_ = 0;
};

void InstallStartupProbe() { QCoreApplication::instance()->installEventFilter(new StartupProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallStartupProbe)
