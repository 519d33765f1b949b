#include "FileLock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QFileInfo>
#include <cerrno>

#include "SystemError.h"

namespace platform {
namespace {

int gWaitMs = 10000;
// A live holder keeps its lock however long a question to its user takes;
// only a lock written on another machine, whose program cannot be asked
// whether it still runs, counts as left behind after this long.
constexpr int kStaleAfterMs = 10 * 60 * 1000;

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
  while (!(held_ = lock_->tryLock(0)) && lock_->error() == QLockFile::LockFailedError &&
         waited.elapsed() < gWaitMs) {
    QThread::msleep(nap);
    nap = nap < 50 ? nap * 2 : 50;
  }
  if (held_ || !error) return held_;
  switch (lock_->error()) {
    case QLockFile::LockFailedError:
      *error = QStringLiteral("別のプログラムが使用中です");
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
