#include "StringHelpers.h"

QString TrimBlanks(const QString& text) {
  qsizetype from = 0;
  qsizetype to = text.size();
  while (from < to && text.at(from) == u' ') ++from;
  while (to > from && text.at(to - 1) == u' ') --to;
  return text.mid(from, to - from);
}

QString WithoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') --end;
  return text.left(end);
}

QString CrLfEndedLines(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + kCrLf;
  return text;
}

QString ReplaceAll(const QString& text, const QString& find, const QString& replacement) {
  if (find.isEmpty()) return text;
  QString out = text;
  return out.replace(find, replacement, Qt::CaseSensitive);
}

QString NoPrefixMatch() { return QString(QChar(0)); }

QString StripPrefixNoCase(const QString& text, const QString& prefix) {
  if (text.left(prefix.size()).toUpper() != prefix.toUpper()) return NoPrefixMatch();
  return text.mid(prefix.size());
}

void SplitBySlash(const QString& text, QStringList& parts) {
  parts = text.split(u'/', Qt::KeepEmptyParts);
}
