#include "ScheduleCsvFile.h"

#include <QFileInfo>
#include <QStringDecoder>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

namespace {

using Problem = ImportedScheduleCsv::Problem;

bool StartsWithByteOrderMark(const QByteArray& bytes) {
  return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

bool HasNonAscii(const QByteArray& bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// Japanese text in code page 932 is practically never valid UTF-8, while a
// UTF-8 file read as code page 932 would import as garbled text.
bool IsUtf8Text(const QByteArray& bytes) {
  if (!HasNonAscii(bytes)) return false;
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder(bytes);
  return !decoder.hasError();
}

Problem ProblemOfBytes(const QByteArray& bytes) {
  if (StartsWithByteOrderMark(bytes)) return Problem::OtherEncoding;
  if (bytes.contains('\0')) return Problem::Binary;
  if (IsUtf8Text(bytes)) return Problem::OtherEncoding;
  return Problem::None;
}

}  // namespace

ImportedScheduleCsv ReadImportedScheduleCsv(const QString& path) {
  ImportedScheduleCsv file;
  QByteArray bytes;
  if (!QFileInfo(path).isFile() || !platform::ReadWholeFile(path, bytes)) {
    file.problem = Problem::Unreadable;
    return file;
  }
  file.problem = ProblemOfBytes(bytes);
  if (file.problem != Problem::None) return file;
  const QList<QByteArray> raw = platform::SplitLines(bytes);
  file.lines.reserve(raw.size());
  for (qsizetype i = 0; i < raw.size(); ++i) {
    file.lines.append(platform::FromSjis(raw.at(i)));
    if (file.lines.back().size() > kMaxImportLineLength) {
      file.problem = Problem::LineTooLong;
      file.longLine = static_cast<int>(i + 1);
      file.lines.clear();
      return file;
    }
  }
  return file;
}

QString ImportedScheduleCsvMessage(const ImportedScheduleCsv& file, const QString& path) {
  const QString named = QStringLiteral("このファイル(") + path + QStringLiteral(")");
  switch (file.problem) {
    case Problem::None:
      return QString();
    case Problem::Unreadable:
      return named + QStringLiteral("を読み込めませんでした。");
    case Problem::Binary:
      return named + QStringLiteral("はテキストファイルではないので、インポートできません。");
    case Problem::OtherEncoding:
      return named + QStringLiteral(
                         "はシフトJIS以外の文字コード(UTF-8など)で書かれているので、インポートできません。\r\n"
                         "シフトJISで保存し直してからインポートしてください。");
    case Problem::LineTooLong:
      return named + QStringLiteral("の%1行目は長すぎる(%2文字を超える)ので、インポートできません。")
                         .arg(file.longLine)
                         .arg(kMaxImportLineLength);
  }
  return QString();
}
