#pragma once
// An exclusive lock on one data file, held for a whole read-modify-write
// cycle, so that two copies of the program working on one folder (the full
// program and the schedule-only one, say) never write over each other's
// changes. The lock is a file beside the data file, "<name>.lock". A lock
// left by a program that died is taken over at once when it names a process
// of this machine that no longer runs, and after a few seconds when it names
// nobody (empty or unreadable: its program died before writing its name);
// one written on another machine, whose program cannot be asked, only after
// ten minutes.
#include <QLockFile>
#include <QString>
#include <memory>

namespace platform {

class FileLock {
 public:
  // Locks the file at path (followed to the file it names, when the path is a
  // symbolic link, so that every name of one file shares one lock).
  explicit FileLock(const QString& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Waits a while for another holder to finish; false with a reason in
  // *error when the lock cannot be had (held too long, or a folder where no
  // lock file can be made). While it waits in the window thread, the event
  // loop keeps turning (windows repaint; keys and clicks wait until the lock
  // is had) and the busy pointer shows.
  bool acquire(QString* error = nullptr);
  bool held() const { return held_; }

  // The lock file of a data file.
  static QString LockPathOf(const QString& path);
  // How long acquire waits, in milliseconds; tests shorten it.
  static void SetWaitMilliseconds(int ms);

 private:
  std::unique_ptr<QLockFile> lock_;
  bool held_ = false;
};

// The message when a data file's lock could not be had, naming the file.
QString LockFailureMessage(const QString& path, const QString& reason);

}  // namespace platform
