#include "TextLines.h"

#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <functional>

#include "Codec.h"
#include "ProblemReport.h"
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

namespace {

// Hands the file's bytes to block in pieces, checking every read. Plain
// system calls rather than QFile: QFile::readAll() stops quietly at a failing
// read() and hands back what it has, which looks like a shorter file.
bool ReadInBlocks(const QString& path, qint64* size, const std::function<void(const char*, qsizetype)>& block,
                  QString* error) {
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
  if (size) *size = st.st_size;
  // Most of our files are a few kilobytes and are read many times over: a
  // buffer sized to the file (one more byte so that the end shows in the same
  // pass) spares allocating and clearing a megabyte on every read.
  const qsizetype kBlock = std::clamp<qsizetype>(static_cast<qsizetype>(st.st_size) + 1, 4096, 1 << 20);
  QByteArray buffer(kBlock, Qt::Uninitialized);
  for (;;) {
    const ssize_t got = ::read(fd, buffer.data(), static_cast<size_t>(kBlock));
    if (got < 0) {
      if (errno == EINTR) continue;
      const int code = errno;
      ::close(fd);
      if (error) *error = SystemErrorText(code);
      return false;
    }
    if (got == 0) break;
    block(buffer.constData(), got);
  }
  // Nothing was written through this descriptor, so a failing close loses
  // nothing of what was read.
  ::close(fd);
  return true;
}

}  // namespace

bool ReadWholeFile(const QString& path, QByteArray& content, QString* error) {
  content.clear();
  QByteArray read;
  qint64 size = 0;
  // The size is a hint only: a file may grow while it is read.
  const bool ok = ReadInBlocks(path, &size, [&](const char* data, qsizetype n) {
    if (read.isEmpty() && size > 0) read.reserve(size);
    read.append(data, n);
  }, error);
  if (!ok) return false;
  content = std::move(read);
  return true;
}

QString ReadFailureMessage(const QString& path, const QString& reason) {
  return QStringLiteral("「%1」を読み込めませんでした。(%2)").arg(QDir::toNativeSeparators(path), reason);
}

bool ReadWholeFileOrReport(const QString& path, QByteArray& content) {
  QString error;
  if (ReadWholeFile(path, content, &error)) return true;
  ReportProblem({Problem::ReadFailed, path, error});
  return false;
}

namespace {

// Hands the file on in pieces of whole lines, each ending at a line end (the
// last one at the file's end): a block is cut after its last line end, and
// the start of a line that a later block ends waits for it.
bool ReadInLinePieces(const QString& path, qint64* size,
                      const std::function<void(const char*, qsizetype, bool first)>& piece, QString* error) {
  QByteArray carry;
  bool afterCr = false;
  bool first = true;
  auto hand = [&](const char* data, qsizetype n) {
    piece(data, n, first);
    first = false;
  };
  const bool ok = ReadInBlocks(path, size, [&](const char* data, qsizetype n) {
    // The LF of a CR LF that the last block ended with.
    if (afterCr && n > 0 && data[0] == '\n') {
      ++data;
      --n;
    }
    afterCr = false;
    qsizetype end = n;
    while (end > 0 && data[end - 1] != '\r' && data[end - 1] != '\n') --end;
    if (end > 0) {
      afterCr = end == n && data[end - 1] == '\r';
      if (carry.isEmpty()) {
        hand(data, end);
      } else {
        carry.append(data, end);
        hand(carry.constData(), carry.size());
        carry.clear();
      }
    }
    carry.append(data + end, n - end);
  }, error);
  if (ok && !carry.isEmpty()) hand(carry.constData(), carry.size());
  return ok;
}

// Reads the file's lines piece by piece, each piece's lines appended by add.
bool ReadLinesByPiece(const QString& path, QStringList& lines,
                      const std::function<void(const char*, qsizetype)>& add, QString* error) {
  lines.clear();
  // Each piece is decoded as it comes, so a large file never sits in memory
  // twice, once as bytes and once as text.
  qint64 size = 0;
  const bool ok = ReadInLinePieces(path, &size, [&](const char* data, qsizetype n, bool first) {
    // The list's doubling as it grows would cost more than the lines
    // themselves at its peak; the first piece tells about how many come.
    if (first && size > n) {
      const qsizetype ends = std::max(std::count(data, data + n, '\n'), std::count(data, data + n, '\r'));
      lines.reserve(static_cast<qsizetype>(double(size) / double(n) * double(ends) * 1.05) + 16);
    }
    add(data, n);
  }, error);
  if (!ok) lines.clear();
  return ok;
}

}  // namespace

bool ReadTextLines(const QString& path, QStringList& lines, QString* error) {
  return ReadLinesByPiece(path, lines, [&lines](const char* data, qsizetype n) { AppendSjisLines(data, n, lines); },
                          error);
}

bool ReadTextLinesWith(const QString& path, QStringList& lines, LinesReader reader, QString* error) {
  return ReadLinesByPiece(path, lines, [&lines, reader](const char* data, qsizetype n) {
    lines += reader(QByteArray::fromRawData(data, n));
  }, error);
}

bool ReadLinePieces(const QString& path, const std::function<void(const QByteArray& piece)>& piece, QString* error) {
  return ReadInLinePieces(path, nullptr, [&piece](const char* data, qsizetype n, bool) {
    piece(QByteArray::fromRawData(data, n));
  }, error);
}

bool ForEachTextLine(const QString& path, const std::function<void(const QString&)>& line, QString* error) {
  QStringList piece;
  return ReadInLinePieces(path, nullptr, [&](const char* data, qsizetype n, bool) {
    AppendSjisLines(data, n, piece);
    for (const QString& text : piece) line(text);
    piece.clear();
  }, error);
}

void ForEachTextLineOf(const QByteArray& content, const std::function<void(const QString&)>& line) {
  // Decoded a piece at a time, as a file read hands its lines on.
  QStringList piece;
  ForEachLinePieceOf(content, [&](const char* data, qsizetype n) {
    AppendSjisLines(data, n, piece);
    for (const QString& text : piece) line(text);
    piece.clear();
  });
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
  QList<QString> texts;
  texts.reserve(original.size());
  QSet<QString> foreignTexts;
  for (const QByteArray& raw : original) {
    texts.append(FromSjis(raw));
    if (ToSjis(texts.last()) != raw) foreignTexts.insert(texts.last());
  }
  if (foreignTexts.isEmpty()) return JoinLinesCrLf(lines);
  // Several byte sequences can read as one text (every undefined pair reads
  // as the same mark), so each text keeps the bytes of all its lines in file
  // order and hands them out once each: a plain line never takes a foreign
  // line's bytes, and an added line with the same text is encoded afresh.
  struct Queue {
    QList<QByteArray> raws;
    qsizetype next = 0;
  };
  QHash<QString, Queue> byText;
  for (qsizetype i = 0; i < original.size(); ++i)
    if (foreignTexts.contains(texts.at(i))) byText[texts.at(i)].raws.append(original.at(i));
  QByteArray out;
  for (const QString& line : lines) {
    const auto it = byText.find(line);
    if (it != byText.end() && it->next < it->raws.size())
      out.append(it->raws.at(it->next++));
    else
      out.append(ToSjis(line));
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
