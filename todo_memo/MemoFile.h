#pragma once
// The memo file: titled entries, each a title line "@TITLE(stamp)=title",
// the font lines "@FONTNAME=" and "@FONTSIZE=" and the body lines, maybe
// preceded by head text that belongs to no entry. An entry longer than
// kMemoPartLimit bytes is handled in parts, each listed in the index on its
// own, so that one part always fits the body box and a printed run.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace memo {

constexpr int kMemoPartLimit = 23000;
inline const QString kHeadItem = QStringLiteral("(最初のデータ)");
inline const QString kSplitItem = QStringLiteral("(強制改頁)");

// One item of the index: its text and the 1-based file line where its
// part begins.
struct MemoIndexItem {
  QString text;
  int StartLine = 0;
  bool operator==(const MemoIndexItem&) const = default;
};

// The file's lines, code page 932, CR LF after each: the bytes and the lines
// they hold, a final line end making no extra empty line. The window reads the
// file in one checked pass and takes its lines from here, a piece of whole
// lines at a time (platform::ReadTextLinesWith). Every change goes through the
// shared rewrite cycle (todo_memo/DataFiles.h), which writes the bytes
// WriteMemoFile gives except that a line nobody edited keeps the bytes it had:
// a value of lines alone cannot carry them.
QStringList ReadMemoFile(const QByteArray& bytes);
QByteArray WriteMemoFile(const QStringList& lines);

// "@TITLE(" or "@TITLE=" in the first seven characters, any letter case.
bool IsTitleLine(const QString& line);
// The text after the first "=" at or after the seventh character; a null
// string when there is none.
QString TitleOfLine(const QString& line);
// "@FONTNAME=" / "@FONTSIZE=" in the first ten characters, any letter case.
bool IsFontNameLine(const QString& line);
bool IsFontSizeLine(const QString& line);

// The index of the file's lines.
QList<MemoIndexItem> BuildMemoIndex(const QStringList& lines);

// The 1-based line after the part that begins at the start line: the next
// title line, or the line that carries the part's byte count past the
// limit, or the line after the last.
int PartEnd(const QStringList& lines, int startLine);

// The lines of the part that begins at the start line; none for a start
// outside the lines.
QStringList PartLines(const QStringList& lines, int startLine);

// Where the part that began at the start line of the seen lines begins in
// lines (the file as it stands now): the same lines, the copy nearest its
// old place winning; 0 when it is gone.
int PartStartNow(const QStringList& lines, const QStringList& seen, int startLine);

// What "表示" shows of the part beginning at the start line: the title (the
// line itself when it is no title line, which then begins the body too),
// the body lines each followed by CR LF, and the last font lines met.
struct MemoPart {
  QString title;
  QString body;
  bool hasFontName = false;
  QString fontName;
  double fontSize = 0;      // 0 when it has no usable font-size line
};
MemoPart ReadMemoPart(const QStringList& lines, int startLine);

// The lines of an entry as written: the title line stamped with the time,
// the two font lines, and the body's lines. A body that ends in a line
// break gets no further empty line, so that showing and saving an entry
// unchanged changes only its stamp.
QStringList MemoBlock(const QString& title, const QString& body, const QString& fontName, double fontSize,
                      const QDateTime& stamp);

// The file lines after an update, delete or move of the part at the start
// line (1-based). A move puts the new block before the line given, or at
// the end for 0; the part's old lines go.
QStringList ReplacePart(const QStringList& lines, int startLine, const QStringList& block);
QStringList RemovePart(const QStringList& lines, int startLine);
QStringList MovePart(const QStringList& lines, int startLine, const QStringList& block, int beforeLine);

// The size as a font-size line writes it: "9", "10.5".
QString FontSizeText(double size);

// The seven lines of the memo file made on the first start.
QStringList MemoSampleLines();

}  // namespace memo
