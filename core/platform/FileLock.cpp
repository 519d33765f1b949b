#include "FileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QElapsedTimer>
#include <QThread>
#include <QFileInfo>
#include <QTimer>
#include <cerrno>

#include "ScreenCursor.h"
#include "SystemError.h"

namespace platform {
namespace {

int gWaitMs = 10000;
// A live holder keeps its lock however long a question to its user takes;
// only a lock written on another machine, whose program cannot be asked
// whether it still runs, counts as left behind after this long.
constexpr int kStaleAfterMs = 10 * 60 * 1000;
// A wait longer than a glance shows the busy pointer.
constexpr int kBusyPointerAfterMs = 100;

// Pauses for a while. In the window thread the event loop turns meanwhile,
// so that the windows repaint, but keys and clicks wait: no command starts
// while its predecessor waits for the lock.
bool InWindowThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app && app->inherits("QGuiApplication") && QThread::currentThread() == app->thread();
}

void NapServingWindows(int ms) {
  if (!InWindowThread()) {
    QThread::msleep(ms);
    return;
  }
  QEventLoop nap;
  QTimer::singleShot(ms, &nap, &QEventLoop::quit);
  nap.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

QString FileLock::LockPathOf(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return (canonical.isEmpty() ? info.absoluteFilePath() : canonical) + QStringLiteral(".lock");
}

FileLock::FileLock(const QString& path) : lock_(std::make_unique<QLockFile>(LockPathOf(path))) {
  lock_->setStaleLockTime(kStaleAfterMs);
}

FileLock::~FileLock() {
  if (held_) lock_->unlock();
}

bool FileLock::acquire(QString* error) {
  if (held_) return true;
  // Qt's own waiting sleeps ever longer between tries; a rewrite takes
  // milliseconds, so short naps keep two busy writers moving.
  QElapsedTimer waited;
  waited.start();
  int nap = 2;
  bool pointerSet = false;
  while (!(held_ = lock_->tryLock(0)) && lock_->error() == QLockFile::LockFailedError &&
         waited.elapsed() < gWaitMs) {
    if (!pointerSet && waited.elapsed() >= kBusyPointerAfterMs && InWindowThread() && !HourglassShown()) {
      SetHourglassCursor();
      pointerSet = true;
    }
    NapServingWindows(nap);
    nap = nap < 50 ? nap * 2 : 50;
  }
  if (pointerSet) SetDefaultCursor();
  if (held_ || !error) return held_;
  switch (lock_->error()) {
    case QLockFile::LockFailedError:
      *error = QStringLiteral("別に起動しているプログラムが書き込み中です。しばらくしてからやり直してください");
      break;
    case QLockFile::PermissionError:
      *error = SystemErrorText(EACCES);
      break;
    default:
      *error = QStringLiteral("ロックファイル %1 を作れません")
                   .arg(QDir::toNativeSeparators(lock_->fileName()));
      break;
  }
  return false;
}

void FileLock::SetWaitMilliseconds(int ms) { gWaitMs = ms; }

QString LockFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("「%1」に書き込めませんでした。\n元のファイルはそのまま残っています。\n(%2)")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace platform
