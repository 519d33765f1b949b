#pragma once
// The bodies of the fuzz harnesses. Each takes one input and returns false
// when a property that must hold for every input does not; the harnesses
// abort on false, and the text tests replay every seed and every saved crash
// input (fuzz/regressions/<name>/) through the same functions.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/platform/Codec.h"
#include "core/settings/Ini.h"
#include "core/text/CsvEscape.h"
#include "core/text/CsvLine.h"
#include "core/text/JapaneseText.h"
#include "core/text/OptionLine.h"
#include "core/text/SortedFile.h"
#include "core/text/StringHelpers.h"

namespace fuzz {

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// A small number taken from the front of the input, for positions and counts.
inline int32_t TakeNumber(QByteArray& bytes) {
  if (bytes.size() < 2) return 0;
  const int32_t n = static_cast<int8_t>(bytes.at(0)) * 256 + static_cast<uint8_t>(bytes.at(1));
  bytes.remove(0, 2);
  return n;
}

inline bool CsvLine(const uint8_t* data, size_t size) {
  const QString line = platform::FromSjis(Bytes(data, size));
  const QStringList all = SplitCsvFields(line);
  if (all.isEmpty()) return false;
  for (const QString& field : all)
    for (QChar c : field)
      if (c.unicode() < 9) return false;

  for (int upper : {0, 3, kMaxCsvFields}) {
    CsvFieldArray fields(upper);
    const int16_t count = SplitCsvLineCount(line, fields);
    if (count != std::min<qsizetype>(all.size(), upper)) return false;
    if (fields.upperBound() != upper || !fields[0].isEmpty()) return false;
    for (int i = 1; i <= count; ++i)
      if (fields[i] != all.at(i - 1)) return false;
  }

  QStringList parts;
  SplitText(kSplitTextCsvFields, line, parts);
  if (parts.size() != all.size() + 1 || !parts.at(0).isEmpty()) return false;
  SplitText(kSplitTextLines, line, parts);
  if (parts.size() < 2 || parts.mid(1).join(QStringLiteral("\r\n")) != line) return false;

  const QString escaped = EscapeCsvField(line);
  if (escaped.contains(QStringLiteral("\r\n"))) return false;
  UnescapeCsvField(escaped);
  UnescapeListField(line);
  return true;
}

inline bool ParamItem(const uint8_t* data, size_t size) {
  const QString line = platform::FromSjis(Bytes(data, size));
  QString key, param, value;
  ParseParamItem(line, key, param, value);
  if (!line.startsWith(u'@') && !(key.isEmpty() && param.isEmpty() && value.isEmpty())) return false;
  for (const QString* part : {&key, &param, &value})
    if (part->size() >= std::max<qsizetype>(line.size(), 8)) return false;  // at most "(VALUE)"
  const QString rest = StripPrefixNoCase(line, QStringLiteral("@TITLE="));
  if (rest != NoPrefixMatch() && rest != line.mid(7)) return false;
  return true;
}

inline bool SjisDecode(const uint8_t* data, size_t size) {
  QByteArray bytes = Bytes(data, size);
  const int32_t start = TakeNumber(bytes);
  const int32_t count = TakeNumber(bytes);
  const QString text = platform::FromSjis(bytes);
  const QByteArray again = platform::ToSjis(text);
  if (platform::SjisByteLength(text) != again.size() || AnsiByteLen(text) != again.size()) return false;
  // What the decoder made of the bytes encodes and decodes to itself.
  if (platform::FromSjis(again) != text) return false;

  const QString mid = MidBytes(text, start, count);
  if (mid.size() > std::max(count, 0)) return false;
  if (LeftBytes(text, count).size() > std::max(count, 0)) return false;
  if (RightBytes(text, count).size() > std::max(count, 0)) return false;
  const QString fit = MidFitBytes(text, 1, count);
  if (!text.startsWith(fit)) return false;
  const int32_t at = InStrBytes(start, text, mid);
  if (at < 0 || at > again.size() + 1) return false;
  return true;
}

inline bool SjisEncode(const uint8_t* data, size_t size) {
  QString text;
  for (size_t i = 0; i + 1 < size; i += 2) text += QChar(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  const QByteArray bytes = platform::ToSjis(text);
  if (AnsiByteLen(text) != bytes.size()) return false;
  // Once encoded, a text goes through the code page unchanged.
  if (platform::ToSjis(platform::FromSjis(bytes)) != bytes) return false;
  const QString full = ToFullWidth(text);
  if (full.size() != text.size()) return false;
  const QString half = ToHalfWidthKana(text);
  if (half.size() < text.size()) return false;
  if (ToHalfWidthKana(ToFullWidth(half)).size() < half.size()) return false;
  return true;
}

// A file of this process that the settings reader parses.
inline QString ScratchIniPath() {
  static QTemporaryDir dir;
  return dir.filePath(QStringLiteral("fuzz.ini"));
}

inline bool IniReader(const uint8_t* data, size_t size) {
  const QByteArray bytes = Bytes(data, size);
  const QString path = ScratchIniPath();
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return true;  // nothing to test here
  file.write(bytes);
  file.close();

  // Look up the first section and key the input names, and a few fixed ones.
  const QStringList lines = platform::FromSjis(bytes).split(u'\n');
  QString section = lines.value(0).section(u'[', 1).section(u']', 0, 0);
  QString key = lines.value(1).section(u'=', 0, 0);
  const QString sections[] = {section, QStringLiteral("RINGPAD"), QString()};
  const QString keys[] = {key, QStringLiteral("FILE"), QString()};
  for (const QString& s : sections)
    for (const QString& k : keys) {
      const QString value = ReadPrivateIni(path, s, k);
      if (value.contains(QChar(0))) return false;
    }
  return true;
}

inline bool SortedFile(const uint8_t* data, size_t size) {
  QByteArray bytes = Bytes(data, size);
  const int32_t column = TakeNumber(bytes);
  const int32_t position = TakeNumber(bytes);
  const qsizetype keyEnd = bytes.indexOf('\n');
  const QString key = platform::FromSjis(bytes.left(std::max<qsizetype>(keyEnd, 0)));
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return false;
  qint64 at = position;
  QString line;
  ReadLineAtPosition(buffer, at, line);
  if (at < 1 || at > bytes.size() + 1) return false;
  const QString found = FindLineInSortedFile(buffer, key, static_cast<int16_t>(column));
  if (!found.isEmpty() && found != found.toUpper()) return false;
  return true;
}

}  // namespace fuzz
