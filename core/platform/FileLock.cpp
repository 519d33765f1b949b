#include "FileLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "ScreenCursor.h"
#include "SystemError.h"

namespace platform {
namespace {

int gWaitMs = 10000;
// A live holder keeps its lock however long a question to its user takes;
// only a lock written on another machine, whose program cannot be asked
// whether it still runs, counts as left behind after this long.
constexpr int kStaleAfterMs = 10 * 60 * 1000;
// A lock file that names nobody is one whose program died between creating
// it and writing its name into it, which takes a live program a moment at
// most: after this long it is taken over.
constexpr qint64 kNamelessAbandonedAfterMs = 5000;
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

// True when the lock file says whose it is. A lock that names a process
// that no longer runs on this machine Qt itself recovers at once.
bool NamesItsHolder(const QString& lockPath) {
  const QLockFile probe(lockPath);
  qint64 pid = 0;
  QString host;
  QString app;
  return probe.getLockInfo(&pid, &host, &app);
}

bool NamelessAndAbandoned(const QString& lockPath) {
  const QFileInfo info(lockPath);
  if (!info.exists() || NamesItsHolder(lockPath)) return false;
  const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
  return std::abs(age) > kNamelessAbandonedAfterMs;
}

// Removes a lock file that names nobody and has done so for a while. A live
// holder keeps its lock file locked with flock for as long as it holds it
// (so does Qt's lock): such a file is left alone whatever it says. Two
// takers agree through a second lock, so that neither removes the lock the
// other has just made.
bool TakeOverNamelessLock(const QString& lockPath) {
  if (!NamelessAndAbandoned(lockPath)) return false;
  QLockFile removal(lockPath + QStringLiteral(".rmlock"));
  if (!removal.tryLock(0) || !NamelessAndAbandoned(lockPath)) return false;
  const QByteArray name = QFile::encodeName(lockPath);
  // A file nobody may read cannot be asked with flock; its age speaks alone.
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return false;
  }
  const bool removed = ::unlink(name.constData()) == 0;
  if (fd >= 0) ::close(fd);
  return removed;
}

// What stands at the lock's place when it is no lock file at all: a folder,
// or a link to nothing (a copy of the folder made without its targets, say).
// Neither is ever anyone's lock, so no wait would end it; only its owner can
// take it away. "" when the place holds a file or nothing.
QString NoLockFileThere(const QString& lockPath) {
  const QFileInfo info(lockPath);
  const QString shown = QDir::toNativeSeparators(lockPath);
  if (info.isSymLink() && !info.exists())
    return QStringLiteral(
               "ロックファイルの場所「%1」が、存在しない場所を指すリンクになっています。"
               "このリンクを削除してからやり直してください")
        .arg(shown);
  if (info.isDir())
    return QStringLiteral(
               "ロックファイルの場所「%1」がフォルダーになっています。"
               "このフォルダーを削除するか別の名前にしてからやり直してください")
        .arg(shown);
  return QString();
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
  // Each take-over makes room for this lock; another taker may be quicker,
  // and a few rounds of that end the contest.
  int takeOvers = 3;
  QString blocked;
  for (;;) {
    held_ = lock_->tryLock(0);
    if (held_ || lock_->error() != QLockFile::LockFailedError) break;
    blocked = NoLockFileThere(lock_->fileName());
    if (!blocked.isEmpty()) break;
    if (takeOvers > 0 && TakeOverNamelessLock(lock_->fileName())) {
      --takeOvers;
      continue;
    }
    if (waited.elapsed() >= gWaitMs) break;
    if (!pointerSet && waited.elapsed() >= kBusyPointerAfterMs && InWindowThread() && !HourglassShown()) {
      SetHourglassCursor();
      pointerSet = true;
    }
    NapServingWindows(nap);
    nap = nap < 50 ? nap * 2 : 50;
  }
  if (pointerSet) SetDefaultCursor();
  if (held_ || !error) return held_;
  if (!blocked.isEmpty()) {
    *error = blocked;
    return false;
  }
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
