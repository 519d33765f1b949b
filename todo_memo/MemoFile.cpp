#include "MemoFile.h"

#include <cstdlib>

#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

namespace memo {

namespace {
int LineBytes(const QString& line) { return platform::SjisByteLength(line) + 2; }

bool StartsWithUpper(const QString& line, const QString& head) {
  return line.left(head.size()).toUpper() == head;
}

// The value of a font line, trimmed of blanks.
QString FontValue(const QString& line) { return line.mid(10).trimmed(); }
}  // namespace

QStringList ReadMemoFile(const QByteArray& bytes) { return platform::FromSjisLines(bytes); }

QByteArray WriteMemoFile(const QStringList& lines) { return platform::JoinLinesCrLf(lines); }

bool IsTitleLine(const QString& line) {
  return StartsWithUpper(line, QStringLiteral("@TITLE(")) || StartsWithUpper(line, QStringLiteral("@TITLE="));
}

QString TitleOfLine(const QString& line) {
  const qsizetype at = line.indexOf(u'=', 6);
  return at < 0 ? QString() : line.mid(at + 1);
}

bool IsFontNameLine(const QString& line) { return StartsWithUpper(line, QStringLiteral("@FONTNAME=")); }
bool IsFontSizeLine(const QString& line) { return StartsWithUpper(line, QStringLiteral("@FONTSIZE=")); }

QList<MemoIndexItem> BuildMemoIndex(const QStringList& lines) {
  QList<MemoIndexItem> index;
  qint64 count = 0;
  for (int i = 0; i < lines.size(); ++i) {
    const int number = i + 1;
    const QString& line = lines[i];
    const int bytes = LineBytes(line);
    count += bytes;
    bool gaveItem = false;
    if (IsTitleLine(line)) {
      const QString title = TitleOfLine(line);
      if (!title.isNull()) {
        index.append({title, number});
        gaveItem = true;
      }
      count = bytes;
    }
    if (number == 1 && !gaveItem) index.append({kHeadItem, 1});
    if (count > kMemoPartLimit) {
      index.append({kSplitItem, number});
      count = bytes;
    }
  }
  return index;
}

int PartEnd(const QStringList& lines, int startLine) {
  if (startLine < 1 || startLine > lines.size()) return static_cast<int>(lines.size()) + 1;
  qint64 count = LineBytes(lines[startLine - 1]);
  for (int i = startLine; i < lines.size(); ++i) {
    count += LineBytes(lines[i]);
    if (IsTitleLine(lines[i]) || count > kMemoPartLimit) return i + 1;
  }
  return static_cast<int>(lines.size()) + 1;
}

QStringList PartLines(const QStringList& lines, int startLine) {
  if (startLine < 1 || startLine > lines.size()) return {};
  return lines.mid(startLine - 1, PartEnd(lines, startLine) - startLine);
}

int PartStartNow(const QStringList& lines, const QStringList& seen, int startLine) {
  if (lines == seen) return startLine;
  const QStringList part = PartLines(seen, startLine);
  if (part.isEmpty()) return 0;
  int best = 0;
  for (const MemoIndexItem& item : BuildMemoIndex(lines))
    if ((best == 0 || std::abs(item.StartLine - startLine) <= std::abs(best - startLine)) &&
        PartLines(lines, item.StartLine) == part)
      best = item.StartLine;
  return best;
}

MemoPart ReadMemoPart(const QStringList& lines, int startLine) {
  MemoPart part;
  if (startLine < 1 || startLine > lines.size()) return part;
  const QString& first = lines[startLine - 1];
  QStringList body;
  if (IsTitleLine(first)) {
    const QString title = TitleOfLine(first);
    part.title = (title.isNull() ? first : title).trimmed();
  } else {
    part.title = first.trimmed();
    body << first;
  }
  const int end = PartEnd(lines, startLine);
  for (int i = startLine; i < end - 1; ++i) {
    const QString& line = lines[i];
    if (IsFontNameLine(line)) {
      part.hasFontName = true;
      part.fontName = FontValue(line);
    } else if (IsFontSizeLine(line)) {
      // A size that is no number above 0 would make every later page
      // unprintable; it is passed over.
      bool ok = false;
      const double size = FontValue(line).toDouble(&ok);
      if (ok && size > 0) part.fontSize = size;
    } else {
      body << line;
    }
  }
  for (const QString& line : body) part.body += line + QStringLiteral("\r\n");
  return part;
}

QString FontSizeText(double size) { return QString::number(size, 'g', 6); }

QStringList MemoBlock(const QString& title, const QString& body, const QString& fontName, double fontSize,
                      const QDateTime& stamp) {
  QStringList block{QStringLiteral("@TITLE(") + stamp.toString(QStringLiteral("MM-dd-yyyy hh:mm:ss")) +
                        QStringLiteral(")=") + title,
                    QStringLiteral("@FONTNAME=") + fontName, QStringLiteral("@FONTSIZE=") + FontSizeText(fontSize)};
  QString text = body;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  if (text.endsWith(u'\n')) text.chop(1);
  block << text.split(u'\n');
  return block;
}

QStringList ReplacePart(const QStringList& lines, int startLine, const QStringList& block) {
  const int end = PartEnd(lines, startLine);
  QStringList out = lines.mid(0, startLine - 1);
  out << block << lines.mid(end - 1);
  return out;
}

QStringList RemovePart(const QStringList& lines, int startLine) { return ReplacePart(lines, startLine, {}); }

QStringList MovePart(const QStringList& lines, int startLine, const QStringList& block, int beforeLine) {
  const int end = PartEnd(lines, startLine);
  QStringList out;
  for (int number = 1; number <= lines.size(); ++number) {
    if (number == beforeLine) out << block;
    if (number < startLine || number >= end) out << lines[number - 1];
  }
  if (beforeLine <= 0 || beforeLine > lines.size()) out << block;
  return out;
}

QStringList MemoSampleLines() {
  return {QStringLiteral("@TITLE(2000/01/13 21:07:28)=メモの使い方"),
          QStringLiteral("１．このエリアに内容を書いて「追加」ボタンを押すと"),
          QStringLiteral("　　左の一覧表に内容が追加されます。"),
          QStringLiteral("２．保管内容を見るには、一覧表をダブルクリック。"),
          QStringLiteral("３．印刷は「印刷」ボタンを押して下さい。"),
          QString(47, u'-'),
          QStringLiteral("用紙はメニューのファイル->用紙サイズ設定")};
}

}  // namespace memo
