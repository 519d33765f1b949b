#pragma once
// A small tmpfs mounted for one test, to make writes fail the way a full disk
// does. Tests run as root, where permission bits prove nothing, so only a
// really full file system shows that a failed save leaves the old file.
#include <QDir>
#include <QFile>
#include <QString>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

class TinyFileSystem {
 public:
  explicit TinyFileSystem(const QString& folder, const char* options = "size=64k") : folder_(folder) {
    QDir().mkpath(folder_);
    if (::mount("tmpfs", QFile::encodeName(folder_).constData(), "tmpfs", 0, options) == 0)
      mounted_ = true;
    else
      reason_ = QStringLiteral("cannot mount a tmpfs here: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
  }
  ~TinyFileSystem() {
    if (mounted_) ::umount2(QFile::encodeName(folder_).constData(), MNT_DETACH);
  }
  TinyFileSystem(const TinyFileSystem&) = delete;
  TinyFileSystem& operator=(const TinyFileSystem&) = delete;

  bool mounted() const { return mounted_; }
  std::string skipReason() const { return reason_.toStdString(); }
  QString path(const QString& name) const { return folder_ + u'/' + name; }

  // Writes a filler file until the file system has no block left; true when
  // it is full.
  bool fill() {
    const int fd = ::open(QFile::encodeName(path(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return false;
    char block[1024] = {};
    bool full = false;
    for (int i = 0; i < 100000; ++i) {
      if (::write(fd, block, sizeof block) < 0) {
        full = errno == ENOSPC;
        break;
      }
    }
    // Partial blocks may still be taken byte by byte.
    while (full && ::write(fd, block, 1) == 1) {
    }
    ::close(fd);
    return full;
  }

  QStringList entries() const {
    return QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  }

 private:
  QString folder_;
  bool mounted_ = false;
  QString reason_;
};
