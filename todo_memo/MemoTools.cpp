#include "MemoTools.h"

#include "core/platform/Codec.h"
#include "core/text/StringHelpers.h"

namespace memo {

QString ReflowText(const QString& text, int charsPerLine) {
  QString t = text;
  if (!t.endsWith(kCrLf)) t += kCrLf;
  QString result;
  result.reserve(t.size() + t.size() / 8);
  qsizetype p = 0;
  for (;;) {
    const qsizetype e = t.indexOf(kCrLf, p);
    if (e < 0) break;
    const QString line = WithoutTrailingBlanks(t.mid(p, e - p));
    if (line.isEmpty() || platform::SjisByteLength(line) < charsPerLine) {
      result += line + kCrLf;
    } else {
      // The piece's width grows by each character's bytes: never measured
      // again from its start.
      qsizetype pieceStart = 0;
      int pieceBytes = 0;
      for (qsizetype i = 0; i < line.size(); ++i) {
        const qsizetype width = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
        pieceBytes += platform::SjisByteLength(line.mid(i, width));
        i += width - 1;
        if (pieceBytes >= charsPerLine) {
          result += line.mid(pieceStart, i + 1 - pieceStart) + kCrLf;
          pieceStart = i + 1;
          pieceBytes = 0;
        }
      }
      if (pieceStart < line.size()) result += line.mid(pieceStart) + kCrLf;
    }
    p = e + 2;
    if (p >= t.size()) break;
  }
  if (result.endsWith(kCrLf)) result.chop(2);
  return result;
}

int FindLine(const QStringList& lines, const QString& key, int startLine) {
  const QString wanted = key.toUpper();
  for (int n = std::max(1, startLine); n <= lines.size(); ++n)
    if (lines[n - 1].toUpper().contains(wanted)) return n;
  return 0;
}

int ItemOfLine(const QList<MemoIndexItem>& index, int h) {
  for (int i = 0; i + 1 < index.size(); ++i)
    if (index[i].StartLine <= h && h < index[i + 1].StartLine) return i;
  return static_cast<int>(index.size()) - 1;
}

QString MemoHelpText(const QString& defaultFontName, const QString& memoFilePath, const QString& moreHelpLine) {
  const QStringList lines = {
      QStringLiteral("[印刷方法]"),
      QStringLiteral("１．メニューのファイルで用紙サイズ設定で手帖用紙サイズを選択"),
      QStringLiteral("２．メモ内容を書き込んで、"),
      QStringLiteral("３．印刷ボタンを押す。"),
      QString(),
      QStringLiteral("[メモ内容の保管方法]"),
      QStringLiteral("１．「追加」ボタンを押すと記入内容を表題一覧に追加できます"),
      QStringLiteral("２．メニューのファイルにある「メモファイルの切り替え」により、"),
      QStringLiteral("　　別のメモファイルに切り替えて使ることもできます。"),
      QString(),
      QStringLiteral("[メモ内容の記入方法]"),
      QStringLiteral("１．行の先頭に「---」マイナスを３文字以上あると罫線として印刷されます"),
      QStringLiteral("２．行の先頭が「[」大括弧だとその行は小見出しとして「") + defaultFontName +
          QStringLiteral("」で印刷されます"),
      QStringLiteral("３．行の先頭に「@PAGE」を記入すると改ページされます"),
      QStringLiteral("４．メモ帳は「") + memoFilePath + QStringLiteral("」ファイルを直接エディタで修正できます。"),
      QString(),
      moreHelpLine,
  };
  return lines.join(kCrLf) + kCrLf;
}

}  // namespace memo
