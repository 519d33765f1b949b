#include "TextLines.h"

#include <QFile>

#include "Codec.h"

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

bool ReadWholeFile(const QString& path, QByteArray& content) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  content = f.readAll();
  return true;
}

bool ReadTextLines(const QString& path, QStringList& lines) {
  lines.clear();
  QByteArray content;
  if (!ReadWholeFile(path, content)) return false;
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
