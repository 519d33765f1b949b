#include "SortedFile.h"

#include <algorithm>

#include "core/platform/Codec.h"

namespace {

constexpr qint64 kChunk = 4096;

// Bytes [from, from + count) of the file (0-based), fewer at its end.
QByteArray ReadAt(QIODevice& file, qint64 from, qint64 count) {
  if (count <= 0 || !file.seek(from)) return {};
  return file.read(count);
}

// CR and LF are never trail bytes in code page 932, so cleaning the raw
// bytes before decoding cannot split a character.
QString DecodeLine(QByteArray bytes) {
  bytes.removeIf([](char c) { return c == '\r'; });
  bytes.replace('\t', ' ');
  return platform::FromSjis(bytes);
}

}  // namespace

qint64 ReadLineAtPosition(QIODevice& file, qint64& position, QString& line) {
  const qint64 size = file.isOpen() ? file.size() : 0;
  if (position > size) position = size - 1;
  if (position < 1) position = 1;
  const qint64 start = position;

  // Backwards from the start byte to the line feed before it.
  QByteArray bytes;
  qint64 lineStart = 1;
  for (qint64 last = start; last >= 1;) {  // 1-based last byte still to read
    const qint64 first = std::max<qint64>(1, last - kChunk + 1);
    const QByteArray chunk = ReadAt(file, first - 1, last - first + 1);
    const qsizetype feed = chunk.lastIndexOf('\n');
    if (feed >= 0) {
      bytes.prepend(chunk.mid(feed + 1));
      lineStart = first + feed + 1;
      break;
    }
    bytes.prepend(chunk);
    last = first - 1;
  }

  // Forwards from the byte after the start to the next line feed.
  for (qint64 next = start; next < size; next += kChunk) {  // 0-based
    const QByteArray chunk = ReadAt(file, next, kChunk);
    if (chunk.isEmpty()) break;
    const qsizetype feed = chunk.indexOf('\n');
    if (feed >= 0) {
      bytes.append(chunk.left(feed));
      break;
    }
    bytes.append(chunk);
  }

  line = DecodeLine(bytes);
  position = lineStart;
  return start;
}

QString FindLineInSortedFile(QIODevice& file, const QString& key, int16_t column) {
  const qsizetype from = std::max<int16_t>(column, 1) - 1;
  auto compared = [&](qint64 position, QString& upper) {
    QString line;
    ReadLineAtPosition(file, position, line);
    upper = line.toUpper();
    return upper.mid(from, key.size());
  };

  qint64 lo = 0;
  qint64 hi = (file.isOpen() ? file.size() : 0) - 1;
  QString upper;
  while (lo < hi) {
    const qint64 mid = (lo + hi) / 2;
    if (compared(mid + 1, upper) < key)
      lo = mid + 1;
    else
      hi = mid;
  }
  return compared(lo + 1, upper) == key ? upper : QString();
}
