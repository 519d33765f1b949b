#include "CsvEscape.h"

#include "StringHelpers.h"

namespace {

const QString kEscapedBreak = QStringLiteral("\\n");
const QString kQuote = QStringLiteral("\"");
const QString kDoubledQuote = QStringLiteral("\"\"");

QString ChopAllAtEnd(QString text, const QString& tail) {
  while (text.endsWith(tail)) text.chop(tail.size());
  return text;
}

// Steps shared by both unescapes: trailing escapes dropped, the rest replaced.
QString ReplaceEscapedBreaks(const QString& text, const QString& lineBreak) {
  return ReplaceAll(ChopAllAtEnd(text, kEscapedBreak), kEscapedBreak, lineBreak);
}

}  // namespace

QString EscapeCsvField(const QString& text) {
  QString out = ReplaceAll(ChopAllAtEnd(text, kCrLf), kCrLf, kEscapedBreak);
  out = ChopAllAtEnd(out, kEscapedBreak);
  return ReplaceAll(out, kQuote, kDoubledQuote);
}

QString UnescapeCsvField(const QString& text) {
  QString out = ChopAllAtEnd(ReplaceEscapedBreaks(text, kCrLf), kCrLf);
  return ReplaceAll(out, kDoubledQuote, kQuote);
}

QString UnescapeListField(const QString& text) {
  QString out = ChopAllAtEnd(ReplaceEscapedBreaks(text, QStringLiteral(" ")), QStringLiteral(" "));
  return ReplaceAll(out, kDoubledQuote, kQuote);
}
