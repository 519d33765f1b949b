// The memo file's index, parts and written blocks, and the line metrics.
#include <gtest/gtest.h>

#include "core/platform/Codec.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/MemoFile.h"
#include "todo_memo/MemoMetrics.h"

using namespace memo;

namespace {

// Body lines of 100 bytes each (98 characters and the line break).
QStringList LongBody(int lines) {
  QStringList out;
  for (int i = 0; i < lines; ++i) out << QStringLiteral("%1").arg(i, 98, 10, QLatin1Char('0'));
  return out;
}

}  // namespace

TEST(MemoIndexTest, TitlesHeadTextAndPartsOfLongEntries) {
  EXPECT_EQ(BuildMemoIndex({"head", "@TITLE(01-02-2009 10:00:00)=一", "body", "@title=二 ", "x"}),
            QList<MemoIndexItem>({{kHeadItem, 1}, {"一", 2}, {"二 ", 4}}));
  // A title line without "=" lists nothing but ends the part before it.
  EXPECT_EQ(BuildMemoIndex({"@TITLE(no equals", "a", "@TITLE=b"}),
            QList<MemoIndexItem>({{kHeadItem, 1}, {"b", 3}}));
  EXPECT_EQ(BuildMemoIndex({"@TITLE=", "a"}), QList<MemoIndexItem>({{"", 1}}));
  EXPECT_TRUE(BuildMemoIndex({}).isEmpty());

  // 300 lines of 100 bytes after the title: the count passes 23,000 at the
  // line that brings it to 23,010 (the title line with its break and 230 lines).
  QStringList lines{QStringLiteral("@TITLE=t")};
  lines << LongBody(300);
  const QList<MemoIndexItem> index = BuildMemoIndex(lines);
  ASSERT_EQ(index.size(), 2);
  EXPECT_EQ(index[1], (MemoIndexItem{kSplitItem, 231}));
  EXPECT_EQ(PartEnd(lines, 1), 231);
  EXPECT_EQ(PartEnd(lines, 231), 302);
  const MemoPart rest = ReadMemoPart(lines, 231);
  EXPECT_EQ(rest.title, lines[230]);
  EXPECT_TRUE(rest.body.startsWith(lines[230] + QStringLiteral("\r\n")));
}

TEST(MemoPartTest, ShowsTitleBodyAndFonts) {
  const QStringList lines = {"first line", "@TITLE(01-02-2009 10:00:00)=  題  ", "@FONTNAME= ＭＳ 明朝 ",
                             "@FONTSIZE=10.5", "本文1", "", "本文2", "@TITLE=next", "@FONTSIZE=abc", "x",
                             "@TITLE(bare", "y"};
  const MemoPart head = ReadMemoPart(lines, 1);
  EXPECT_EQ(head.title, QStringLiteral("first line"));
  EXPECT_EQ(head.body, QStringLiteral("first line\r\n"));
  const MemoPart entry = ReadMemoPart(lines, 2);
  EXPECT_EQ(entry.title, QStringLiteral("題"));
  EXPECT_EQ(entry.body, QStringLiteral("本文1\r\n\r\n本文2\r\n"));
  EXPECT_TRUE(entry.hasFontName);
  EXPECT_EQ(entry.fontName, QStringLiteral("ＭＳ 明朝"));
  EXPECT_EQ(entry.fontSize, 10.5);
  // A size that is no number leaves the size alone.
  const MemoPart bad = ReadMemoPart(lines, 8);
  EXPECT_EQ(bad.fontSize, 0);
  EXPECT_FALSE(bad.hasFontName);
  EXPECT_EQ(ReadMemoPart(lines, 11).title, QStringLiteral("@TITLE(bare"));
}

TEST(MemoBlockTest, StampFontsAndOneLineBreak) {
  const QDateTime stamp(QDate(2009, 3, 10), QTime(8, 5, 9));
  const QStringList expected = {"@TITLE(03-10-2009 08:05:09)=題", "@FONTNAME=ＭＳ ゴシック", "@FONTSIZE=10.5", "a", "", "b"};
  EXPECT_EQ(MemoBlock(QStringLiteral("題"), QStringLiteral("a\r\n\r\nb\r\n"), QStringLiteral("ＭＳ ゴシック"), 10.5, stamp),
            expected);
  EXPECT_EQ(MemoBlock(QStringLiteral("題"), QStringLiteral("a\r\n\r\nb"), QStringLiteral("ＭＳ ゴシック"), 10.5, stamp),
            expected);
  EXPECT_EQ(MemoBlock(QStringLiteral("t"), QString(), QString(), 9, stamp).mid(2),
            QStringList({"@FONTSIZE=9", ""}));
}

TEST(MemoBlockTest, PartsAreReplacedRemovedAndMoved) {
  const QStringList lines = {"@TITLE=a", "1", "@TITLE=b", "2", "@TITLE=c", "3"};
  const QStringList block = {"@TITLE=new", "n"};
  EXPECT_EQ(ReplacePart(lines, 3, block), QStringList({"@TITLE=a", "1", "@TITLE=new", "n", "@TITLE=c", "3"}));
  EXPECT_EQ(RemovePart(lines, 5), QStringList({"@TITLE=a", "1", "@TITLE=b", "2"}));
  EXPECT_EQ(MovePart(lines, 3, block, 1), QStringList({"@TITLE=new", "n", "@TITLE=a", "1", "@TITLE=c", "3"}));
  EXPECT_EQ(MovePart(lines, 3, block, 0), QStringList({"@TITLE=a", "1", "@TITLE=c", "3", "@TITLE=new", "n"}));
}

TEST(MemoMetricsTest, UprightAndTurned) {
  PaperSettingsData paper;
  paper.PageLeft = 8;
  paper.PageWidth = 88;
  paper.DataHeight = 9;
  paper.FootHeight = 156;
  paper.DataFontSize = 9;
  const MemoLineMetrics upright = CalcMemoLineMetrics(0, paper);
  EXPECT_EQ(upright.CharsPerLine, 49);
  EXPECT_EQ(upright.LinesPerPage, 46);
  const MemoLineMetrics turned = CalcMemoLineMetrics(1, paper);
  EXPECT_EQ(turned.CharsPerLine, 90);
  EXPECT_EQ(turned.LinesPerPage, 25);
  paper.DataFontSize = 0;  // never a division by zero
  EXPECT_EQ(CalcMemoLineMetrics(0, paper).CharsPerLine, 0);
}

// The file's bytes give its lines and the lines give the same bytes back;
// other line ends are read alike and written with CR LF.
TEST(MemoFileBytes, RoundTrip) {
  QStringList entry = MemoSampleLines();
  entry << MemoBlock(QStringLiteral("買物"), QStringLiteral("牛乳\r\n\r\nﾊﾟﾝ\r\n"), QStringLiteral("ＭＳ 明朝"), 10.5,
                     QDateTime(QDate(2009, 3, 10), QTime(8, 5, 0)));
  const QByteArray bytes = platform::ToSjis(entry.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
  const QStringList lines = ReadMemoFile(bytes);
  EXPECT_EQ(lines, entry);
  EXPECT_EQ(WriteMemoFile(lines), bytes);
  EXPECT_EQ(BuildMemoIndex(lines).size(), 2);
  EXPECT_EQ(WriteMemoFile(ReadMemoFile("@TITLE=a\nb\r\n\rc")), QByteArray("@TITLE=a\r\nb\r\n\r\nc\r\n"));
  EXPECT_TRUE(ReadMemoFile(QByteArray()).isEmpty());
  EXPECT_TRUE(WriteMemoFile({}).isEmpty());
}

// A part found again in the file as another writer left it: by its lines,
// the copy nearest its old place winning.
TEST(MemoFile, PartFoundAgainAfterAnotherWriter) {
  const QStringList seen{"head", "@TITLE=a", "1", "@TITLE=b", "2"};
  struct {
    const char* what;
    QStringList now;
    int start;
    int found;
  } cases[] = {
      {"unchanged", seen, 4, 4},
      {"lines added before", {"head", "@TITLE=x", "9", "@TITLE=a", "1", "@TITLE=b", "2"}, 4, 6},
      {"the part changed", {"head", "@TITLE=a", "1", "@TITLE=b", "3"}, 4, 0},
      {"two copies", {"@TITLE=b", "2", "head", "@TITLE=a", "1", "@TITLE=b", "2"}, 4, 6},
      {"a start outside the seen lines", {"head"}, 9, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(PartStartNow(c.now, seen, c.start), c.found) << c.what;
  EXPECT_EQ(PartLines(seen, 2), (QStringList{"@TITLE=a", "1"}));
  EXPECT_TRUE(PartLines(seen, 0).isEmpty());
}
