#include "CodePageChecks.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>

#include "Codec.h"
#include "ProblemReport.h"
#include "TextLines.h"

namespace platform {
namespace {

QSet<QString>& AgreedPaths() {
  static QSet<QString> paths;
  return paths;
}

QString KeyOf(const QString& path) {
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

QString UnsavableCharacters(const QString& text) {
  QString found;
  QSet<QString> seen;
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype length = 1;
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) length = 2;
    const QString character = text.mid(i, length);
    i += length - 1;
    // "?" is the encoder's mark for what it cannot map; a real "?" maps to itself.
    if (character == u"?" || ToSjis(character) != "?") continue;
    if (seen.contains(character)) continue;
    seen.insert(character);
    found += character;
  }
  return found;
}

QString UnsavableCharactersMessage(const QString& characters) {
  return QStringLiteral("「%1」はShift-JISで保存できない文字です。\n別の文字に直してください。").arg(characters);
}

bool CheckSavableText(const QString& text) {
  const QString characters = UnsavableCharacters(text);
  if (characters.isEmpty()) return true;
  ReportProblem({Problem::UnsavableText, characters});
  return false;
}

bool SurvivesCodePageRoundTrip(const QList<QByteArray>& lines) {
  for (const QByteArray& line : lines)
    if (ToSjis(FromSjis(line)) != line) return false;
  return true;
}

// Line by line in place: a list of a large file's lines would take more
// memory than the file.
bool SurvivesCodePageRoundTrip(const QByteArray& content) {
  const char* data = content.constData();
  const qsizetype n = content.size();
  qsizetype start = 0;
  auto survives = [&](qsizetype end) {
    const QByteArray line = QByteArray::fromRawData(data + start, end - start);
    return ToSjis(FromSjis(line)) == line;
  };
  for (qsizetype i = 0; i < n; ++i) {
    if (data[i] != '\r' && data[i] != '\n') continue;
    if (!survives(i)) return false;
    start = i + 1;
  }
  return start >= n || survives(n);
}

TextBytes ClassifyTextBytes(const QByteArray& content) {
  // Stateless: a sequence cut off at the end is an error too, not a state
  // kept for bytes that never come.
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(content);
  const bool validUtf8 = !decoder.hasError();
  if (validUtf8) {
    if (HasUtf8ByteOrderMark(content)) return TextBytes::Utf8;
    for (const char byte : content)
      if (static_cast<unsigned char>(byte) >= 0x80) return TextBytes::Utf8;
  }
  if (SurvivesCodePageRoundTrip(content)) return TextBytes::CodePage932;
  return validUtf8 ? TextBytes::Utf8 : TextBytes::Foreign;
}

QStringList Utf8TextLines(const QByteArray& content) {
  const QByteArray body = HasUtf8ByteOrderMark(content) ? content.mid(3) : content;
  QStringList lines;
  for (const QByteArray& line : SplitLines(body)) lines.append(QString::fromUtf8(line));
  return lines;
}

QStringList DecodeTextLines(const QByteArray& content) {
  return ClassifyTextBytes(content) == TextBytes::Utf8 ? Utf8TextLines(content) : FromSjisLines(content);
}

QByteArray JoinUtf8LinesCrLf(const QStringList& lines, bool byteOrderMark) {
  QByteArray out = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
  for (const QString& line : lines) out += line.toUtf8() + "\r\n";
  return out;
}

bool IsTextContent(const QByteArray& content) {
  // UTF-32 marks begin with a UTF-16 one or end in NULs.
  if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF")) return false;
  return !content.contains('\0');
}

QString NotTextFileMessage(const QString& path) {
  return QStringLiteral("「%1」はテキストファイルではないので、読み込めません。").arg(path);
}

QString NotShiftJisMessage(const QString& path) {
  return QStringLiteral("「%1」はShift-JISのテキストではないようです。").arg(QDir::toNativeSeparators(path));
}

bool ConfirmRewriteOfForeignBytes(const QString& path, const QList<QByteArray>& lines) {
  const QString key = KeyOf(path);
  if (AgreedPaths().contains(key) || SurvivesCodePageRoundTrip(lines)) return true;
  if (!ReportProblem({Problem::ForeignBytes, path})) return false;
  AgreedPaths().insert(key);
  return true;
}

void ForgetForeignBytesAnswers() { AgreedPaths().clear(); }

}  // namespace platform
