// Reading a data file as lines: the file is read and decoded in blocks of
// 1 MB (whole or handed on line by line), so whatever falls on a block's edge (a CR LF, a double-byte
// character, a line longer than a block) must come out as when the file is
// split first and each line decoded alone. The lines share storage by block.
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"

namespace {

using TextLinesTest = RingpadTest;

constexpr qsizetype kBlock = qsizetype(1) << 20;

// Filler lines of plain text up to offset `at`, then `tail`.
QByteArray PlaceAt(qsizetype at, const QByteArray& tail) {
  QByteArray bytes;
  bytes.reserve(at + tail.size());
  while (bytes.size() + 1024 <= at) bytes += QByteArray(1022, 'x') + "\r\n";
  bytes += QByteArray(at - bytes.size(), 'y');
  return bytes + tail;
}

QStringList DecodedLineByLine(const QByteArray& bytes) {
  QStringList lines;
  for (const QByteArray& line : platform::SplitLines(bytes)) lines << platform::FromSjis(line);
  return lines;
}

TEST_F(TextLinesTest, LinesAcrossBlockEdgesReadAsWhenSplitFirst) {
  const struct {
    const char* what;
    QByteArray tail;  // placed to start a byte or two before a block's edge
  } cases[] = {
      {"CR LF over the edge", QByteArray("\r\nafter\r\n")},
      {"lone CR then text", QByteArray("\rafter")},
      {"lone CR then an empty line", QByteArray("\r\r\nend")},
      {"double-byte character over the edge", QByteArray("\x93\xfa\x96\x7b\x8c\xea\r\n\x82\xa0")},
      {"lead byte before the line end", QByteArray("\x82\r\n\x82")},
      {"LF ends the file", QByteArray("\n")},
  };
  for (const auto& c : cases) {
    for (qsizetype shift : {-2, -1, 0}) {
      SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(shift));
      const QByteArray bytes = PlaceAt(kBlock + shift, c.tail);
      WriteBytes(homeFile(QStringLiteral("f.txt")), bytes);
      QStringList lines;
      ASSERT_TRUE(platform::ReadTextLines(homeFile(QStringLiteral("f.txt")), lines));
      EXPECT_EQ(lines, DecodedLineByLine(bytes));
      EXPECT_EQ(platform::FromSjisLines(bytes), lines);
      QStringList oneByOne;
      ASSERT_TRUE(platform::ForEachTextLine(homeFile(QStringLiteral("f.txt")),
                                            [&](const QString& line) { oneByOne << line; }));
      EXPECT_EQ(oneByOne, lines);
      // The same over bytes already read, cut into pieces of a megabyte.
      for (qsizetype at : {kBlock / 2, kBlock}) {
        const QByteArray held = PlaceAt(at + shift, c.tail);
        QStringList fromBytes;
        platform::ForEachTextLineOf(held, [&](const QString& line) { fromBytes << line; });
        EXPECT_EQ(fromBytes, DecodedLineByLine(held)) << at;
      }
    }
  }
}

TEST_F(TextLinesTest, LinesLongerThanABlockAndFilesWithoutLineEnds) {
  const QByteArray longLine = QByteArray(3 * kBlock / 2, 'a') + "\x82\xa0";
  const QByteArray files[] = {
      "first\r\n" + longLine + "\r\nlast",
      longLine,
      QByteArray("only"),
      QByteArray("\r\n\r\n"),
      QByteArray(),
  };
  for (const QByteArray& bytes : files) {
    SCOPED_TRACE(bytes.left(10).toStdString());
    WriteBytes(homeFile(QStringLiteral("f.txt")), bytes);
    QStringList lines{QStringLiteral("left from before")};
    ASSERT_TRUE(platform::ReadTextLines(homeFile(QStringLiteral("f.txt")), lines));
    EXPECT_EQ(lines, DecodedLineByLine(bytes));
  }
}

// A data file's own reader, handed the file a piece of whole lines at a
// time, gives the lines it gives of the whole bytes; a failed read gives no
// lines and the reason.
TEST_F(TextLinesTest, ReadingThroughAFilesReaderGivesItsLinesOfTheWholeBytes) {
  const QByteArray longLine = QByteArray(3 * kBlock / 2, 'a') + "\x82\xa0";
  const QByteArray files[] = {
      PlaceAt(kBlock - 1, "\r\nafter\r\n"),
      PlaceAt(kBlock - 1, "\x93\xfa\x96\x7b\r\n\x82\xa0"),
      "first\r\n" + longLine + "\r\nlast",
      QByteArray("a\nb\rc\r\n\r\n"),
      QByteArray(),
  };
  for (const QByteArray& bytes : files) {
    SCOPED_TRACE(bytes.right(10).toHex().toStdString());
    WriteBytes(homeFile(QStringLiteral("f.txt")), bytes);
    QStringList lines{QStringLiteral("left from before")};
    ASSERT_TRUE(platform::ReadTextLinesWith(homeFile(QStringLiteral("f.txt")), lines, platform::FromSjisLines));
    EXPECT_EQ(lines, platform::FromSjisLines(bytes));
    EXPECT_EQ(lines, DecodedLineByLine(bytes));
  }
  QStringList lines{QStringLiteral("left from before")};
  QString error;
  EXPECT_FALSE(platform::ReadTextLinesWith(homeFile(QStringLiteral("gone.txt")), lines, platform::FromSjisLines, &error));
  EXPECT_TRUE(lines.isEmpty());
  EXPECT_FALSE(error.isEmpty());
}

// Lines read together share their storage: changing one never shows in
// another, a line that outlives the rest can still grow, and every line ends
// with a zero for what hands it on as a C string.
TEST_F(TextLinesTest, LinesSharingStorageStayIndependent) {
  WriteBytes(homeFile(QStringLiteral("f.txt")), QByteArray("alpha\r\nbeta\r\n\r\n\x82\xa0\x82\xa2\nlast"));
  QStringList lines;
  ASSERT_TRUE(platform::ReadTextLines(homeFile(QStringLiteral("f.txt")), lines));
  ASSERT_EQ(lines.size(), 5);
  for (const QString& line : lines) EXPECT_EQ(line.utf16()[line.size()], 0) << line.toStdString();
  EXPECT_FALSE(lines[2].isNull());

  lines[0][0] = u'A';
  lines[1].append(QStringLiteral("-and-more-text"));
  lines[3].replace(0, 1, QStringLiteral("う"));
  EXPECT_EQ(lines, (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta-and-more-text"), QString(),
                                QStringLiteral("うい"), QStringLiteral("last")}));

  QString survivor = lines[4];
  lines.clear();
  survivor.append(QString(100, u'z'));
  EXPECT_EQ(survivor, QStringLiteral("last") + QString(100, u'z'));
}

}  // namespace
