// The tree file: what the writer puts down, what the reader makes of it, and
// that a chart survives being written and read any number of times.
#include "TestEnvironment.h"
#include "charts/TreeFile.h"
#include "core/platform/Codec.h"

namespace {
QByteArray Sjis(const char* utf8) { return platform::ToSjis(QString::fromUtf8(utf8)); }
}  // namespace

TEST(TreeFileFormat, WritesTitleItemsRemarksAndClosingLineEnd) {
  struct Case {
    const char* items;
    const char* remarks;
    const char* bytes;
  } cases[] = {
      {"a\r\n b\r\n", "", "@TITLE=T\r\n@CSV=\r\na\r\n b\r\n\r\n"},
      {"a\n b", "x\ny", "@TITLE=T\r\n@CSV=\r\na\r\n b\r\n@BIKO=x\r\n@BIKO=y\r\n"},
      {"a\r\n", "x\r\n", "@TITLE=T\r\n@CSV=\r\na\r\n@BIKO=x\r\n@BIKO=\r\n"},
      {"", "", "@TITLE=T\r\n@CSV=\r\n\r\n\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    TreeDocument doc{QStringLiteral("T"), QString::fromUtf8(c.items), QString::fromUtf8(c.remarks)};
    EXPECT_EQ(WriteTreeFile(doc), QByteArray(c.bytes));
  }
}

TEST(TreeFileFormat, WriteReadWriteGivesTheSameBytesAndNothingGrows) {
  const TreeDocument docs[] = {
      {QStringLiteral("組織図"), QStringLiteral("社長\r\n 部長,1\r\n"), QStringLiteral("注意\r\n二行目")},
      {QStringLiteral("t"), QStringLiteral("a"), QString()},
      {QStringLiteral("t"), QStringLiteral("a\r\n\r\n"), QStringLiteral("x\r\n")},
      {QString(), QString(), QString()},
      {QStringLiteral("t"), QStringLiteral("@OTHER=1\r\n"), QStringLiteral("\r\n")},
  };
  for (const TreeDocument& original : docs) {
    SCOPED_TRACE(original.items.toStdString());
    const QByteArray first = WriteTreeFile(original);
    const TreeDocument read = ReadTreeFile(first);
    EXPECT_EQ(read.title, original.title);
    EXPECT_EQ(read.remarks, original.remarks);
    EXPECT_EQ(WriteTreeFile(read), first);
    // A second round changes nothing either: the file does not grow.
    const TreeDocument again = ReadTreeFile(WriteTreeFile(read));
    EXPECT_EQ(again.items, read.items);
    EXPECT_EQ(again.remarks, read.remarks);
  }
}

TEST(TreeFileFormat, ReaderTakesAnyLineEndAndKeepsUnknownLinesAsItems) {
  const QByteArray variants[] = {
      Sjis("@TITLE=木\r\n@CSV=\r\n上\r\n 下\r\n@BIKO=メモ\r\n"),
      Sjis("@TITLE=木\n@CSV=\n上\n 下\n@BIKO=メモ\n"),
      Sjis("@TITLE=木\r@CSV=\r上\r 下\r@BIKO=メモ\r"),
  };
  for (const QByteArray& bytes : variants) {
    const TreeDocument doc = ReadTreeFile(bytes);
    EXPECT_EQ(doc.title, QStringLiteral("木"));
    EXPECT_EQ(doc.items, QStringLiteral("上\r\n 下\r\n"));
    EXPECT_EQ(doc.remarks, QStringLiteral("メモ"));
  }
  // Keys count only as written in upper case: "@title=" is an item.
  const TreeDocument doc =
      ReadTreeFile(QByteArray("@KEY=1\r\n@title=t\r\n@biko=b\r\nplain\r\n"), QStringLiteral("name-from-path"));
  EXPECT_EQ(doc.title, QStringLiteral("name-from-path"));
  EXPECT_EQ(doc.items, QStringLiteral("@KEY=1\r\n@title=t\r\n@biko=b\r\nplain\r\n"));
  EXPECT_TRUE(doc.remarks.isEmpty());
}
