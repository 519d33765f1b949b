#include "TextLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <cerrno>

#include "Codec.h"
#include "MessageBox.h"
#include "SystemError.h"

namespace platform {

QList<QByteArray> SplitLines(const QByteArray& content) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  const qsizetype n = content.size();
  for (qsizetype i = 0; i < n; ++i) {
    char c = content.at(i);
    if (c == '\r' || c == '\n') {
      lines.append(content.mid(start, i - start));
      if (c == '\r' && i + 1 < n && content.at(i + 1) == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) lines.append(content.mid(start));
  return lines;
}

// Plain system calls rather than QFile: QFile::readAll() stops quietly at a
// failing read() and hands back what it has, which looks like a shorter file.
bool ReadWholeFile(const QString& path, QByteArray& content, QString* error) {
  content.clear();
  const QByteArray native = QFile::encodeName(path);
  int fd;
  do fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
  while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (error) *error = SystemErrorText(errno);
    return false;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    const int code = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    if (error) *error = SystemErrorText(code);
    return false;
  }
  QByteArray buffer;
  // The size is a hint only: a file may grow while it is read.
  qsizetype capacity = st.st_size > 0 ? static_cast<qsizetype>(st.st_size) + 1 : 4096;
  buffer.resize(capacity);
  qsizetype used = 0;
  for (;;) {
    if (used == buffer.size()) buffer.resize(buffer.size() * 2);
    const ssize_t got = ::read(fd, buffer.data() + used, static_cast<size_t>(buffer.size() - used));
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      if (error) *error = SystemErrorText(code);
      return false;
    }
    if (got == 0) break;
    used += got;
  }
  // Nothing was written through this descriptor, so a failing close loses
  // nothing of what was read.
  ::close(fd);
  buffer.truncate(used);
  content = std::move(buffer);
  return true;
}

QString ReadFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("「%1」を読み込めませんでした。(%2)").arg(QDir::toNativeSeparators(path), reason);
}

bool ReadWholeFileOrReport(const QString& path, QByteArray& content) {
  QString error;
  if (ReadWholeFile(path, content, &error)) return true;
  ShowMessage(ReadFailureMessage(path, error), MsgButtons::Ok, MsgIcon::Critical);
  return false;
}

bool ReadTextLines(const QString& path, QStringList& lines, QString* error) {
  lines.clear();
  QByteArray content;
  if (!ReadWholeFile(path, content, error)) return false;
  lines = FromSjisLines(content);
  return true;
}

QByteArray JoinLinesCrLf(const QStringList& lines) {
  QByteArray out;
  for (const QString& line : lines) {
    out.append(ToSjis(line));
    out.append("\r\n");
  }
  return out;
}

QByteArray JoinLinesKeepingBytes(const QStringList& lines, const QList<QByteArray>& original) {
  // Only lines that would not come back from their own text need a lookup;
  // in a file of plain code page 932 there are none.
  QHash<QString, QByteArray> foreign;
  for (const QByteArray& raw : original) {
    const QString text = FromSjis(raw);
    if (ToSjis(text) != raw) foreign.insert(text, raw);
  }
  if (foreign.isEmpty()) return JoinLinesCrLf(lines);
  QByteArray out;
  for (const QString& line : lines) {
    const auto it = foreign.constFind(line);
    out.append(it != foreign.constEnd() ? *it : ToSjis(line));
    out.append("\r\n");
  }
  return out;
}

QString NormaliseToCrLf(const QString& text) {
  QString out;
  out.reserve(text.size() + 16);
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text.at(i);
    if (c == u'\r') {
      out.append(u"\r\n");
      if (i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
    } else if (c == u'\n') {
      out.append(u"\r\n");
    } else {
      out.append(c);
    }
  }
  return out;
}

}  // namespace platform
