#include "SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>

#include "ProblemReport.h"
#include "SystemError.h"
#include "TextLines.h"

namespace platform {
namespace {

bool Fail(QString* error, int code) {
  if (error) *error = SystemErrorText(code);
  return false;
}

bool WriteAll(int fd, const QByteArray& content) {
  const char* p = content.constData();
  qsizetype left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= n;
  }
  return true;
}

// After the rename the new file is in place whatever happens here; some file
// systems cannot sync a folder at all, so a failure only costs durability.
void SyncFolder(const QByteArray& folder) {
  const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool SaveFileAtomically(const QString& path, const QByteArray& content, QString* error) {
  const QFileInfo info(path);
  const QByteArray target = QFile::encodeName(info.absoluteFilePath());
  const QByteArray folder = QFile::encodeName(info.absolutePath());

  struct stat old {};
  const bool replacesFile = ::lstat(target.constData(), &old) == 0 && S_ISREG(old.st_mode);
  if (replacesFile && ::access(target.constData(), W_OK) != 0) return Fail(error, errno);
  if (::lstat(target.constData(), &old) == 0 && S_ISDIR(old.st_mode)) return Fail(error, EISDIR);

  QByteArray temp = folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return Fail(error, errno);
  auto abandon = [&](int code, bool open) {
    if (open) ::close(fd);
    ::unlink(temp.constData());
    return Fail(error, code);
  };
  if (!WriteAll(fd, content)) return abandon(errno, true);
  // mkostemp makes the file private; a replaced file keeps its permissions,
  // a new one gets the usual ones.
  if (replacesFile) {
    ::fchmod(fd, old.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (::fdatasync(fd) != 0) return abandon(errno, true);
  if (::close(fd) != 0) return abandon(errno, false);
  if (::rename(temp.constData(), target.constData()) != 0) return abandon(errno, false);
  SyncFolder(folder);
  return true;
}

QString FollowedLinkPath(const QString& path) {
  const QFileInfo info(path);
  if (!info.isSymLink()) return info.absoluteFilePath();
  const QString target = info.canonicalFilePath();
  if (!target.isEmpty()) return target;
  // A link to a file not there yet: the file it will name.
  return info.symLinkTarget().isEmpty() ? info.absoluteFilePath() : info.symLinkTarget();
}

bool SaveFileThroughLink(const QString& path, const QByteArray& content, QString* error) {
  return SaveFileAtomically(FollowedLinkPath(path), content, error);
}

QString SaveFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("%1 に書き込めませんでした。\n元のファイルはそのまま残っています。\n(%2)")
      .arg(QDir::toNativeSeparators(path), reason);
}

bool SaveFileOrReport(const QString& path, const QByteArray& content) {
  QString error;
  if (SaveFileAtomically(path, content, &error)) return true;
  ProblemReport failure(Problem::WriteFailed, path, error);
  failure.userChange = true;
  ReportProblem(failure);
  return false;
}

bool CopyFileAtomically(const QString& from, const QString& to, QString* error) {
  QByteArray content;
  if (!ReadWholeFile(from, content, error)) return false;
  return SaveFileAtomically(to, content, error);
}

}  // namespace platform
