// Linked into a copy of the program and into a Qt Widgets hello world built
// the same way: at the first paint of a main window the process writes the
// monotonic clock's time in nanoseconds to its output and ends at once, so
// that the start-up benchmark can time exec to first paint from outside.
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaintProbe : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && qobject_cast<QMainWindow*>(watched)) {
      timespec now {};
      ::clock_gettime(CLOCK_MONOTONIC, &now);
      std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
      std::fflush(stdout);
      ::_exit(0);
    }
    return false;
  }
};

void InstallFirstPaintProbe() { QCoreApplication::instance()->installEventFilter(new FirstPaintProbe); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
