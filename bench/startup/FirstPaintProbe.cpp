// Linked into a copy of the program and into a Qt Widgets hello world built
// the same way: at the first paint of a main window the process writes the
// monotonic clock's time in nanoseconds to its output and ends at once, so
// that the start-up benchmark can time exec to first paint from outside.
//
// With RINGPAD_PROBE_SETTLE set, the process instead runs its whole start-up
// and then quits, answering any message box on the way: a program folder
// prepared so holds what a start that went on leaves behind (settings and
// files written after the first paint), as a folder in daily use does.
#include <unistd.h>

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (settle_) {
      settleOn(watched, event);
      return false;
    }
    if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched)) {
      timespec now {};
      ::clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fflush(stdout);
      ::_exit(0);
    }
    return false;
  }

 private:
  // The main window is enabled again at the end of its load step; the quit
  // then waits for the event loop that follows.
  void settleOn(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
      if (auto* dialog = qobject_cast<QDialog*>(watched)) QTimer::singleShot(0, dialog, &QDialog::reject);
    if (event->type() == QEvent::EnabledChange)
      if (auto* window = qobject_cast<QMainWindow*>(watched); window && window->isEnabled())
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
  }

  const bool settle_ = qEnvironmentVariableIsSet("RINGPAD_PROBE_SETTLE");
};

void InstallFirstPaintProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaintProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
