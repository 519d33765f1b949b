#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "core/text/SortedFile.h"

namespace {

struct ReadCase {
  qint64 position;
  const char* line;
  qint64 lineStart;
};

void ExpectReads(const QByteArray& content, std::initializer_list<ReadCase> rows) {
  QByteArray data = content;
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  for (const auto& r : rows) {
    qint64 position = r.position;
    QString line = QStringLiteral("old");
    ReadLineAtPosition(buffer, position, line);
    EXPECT_EQ(line, QString::fromUtf8(r.line)) << content.toStdString() << " @" << r.position;
    EXPECT_EQ(position, r.lineStart) << content.toStdString() << " @" << r.position;
  }
}

TEST(ReadLineAtPosition, ReadsTheLineHoldingAPosition) {
  ExpectReads("123456789\r\n0123456789\r\n", {
      {5, "123456789", 1},
      {1, "123456789", 1},
      {10, "123456789", 1},    // the carriage return
      {11, "0123456789", 12},  // the first line feed belongs to the next line
      {12, "0123456789", 12},
      {22, "0123456789", 12},
      {23, "", 24},            // the last line feed opens an empty line
      {24, "0123456789", 12},  // past the end: the byte before the last
      {99, "0123456789", 12},
      {0, "123456789", 1},
      {-5, "123456789", 1},
  });
  ExpectReads("AB\rCD\nEF", {{1, "ABCD", 1}, {7, "EF", 7}});
  ExpectReads("a\tb\nc", {{2, "a b", 1}});
  ExpectReads("", {{1, "", 1}, {5, "", 1}});
}

TEST(ReadLineAtPosition, ReturnsTheClampedStart) {
  QByteArray data("abc\ndef\n");
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  qint64 position = 100;
  QString line;
  EXPECT_EQ(ReadLineAtPosition(buffer, position, line), 7);
  EXPECT_EQ(position, 5);
}

TEST(ReadLineAtPosition, DecodesAWholeLineWhateverByteItStartsOn) {
  QByteArray data("\x93\xfa\x95\x74\r\n\x8e\xed\x97\xde\r\n");  // 日付 CR LF 種類 CR LF
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  for (qint64 start : {7, 8, 9, 10}) {
    qint64 position = start;
    QString line;
    ReadLineAtPosition(buffer, position, line);
    EXPECT_EQ(line, QStringLiteral(u"種類")) << start;
  }
}

TEST(ReadLineAtPosition, LongLinesReadWhole) {
  QByteArray data = QByteArray(20000, 'x') + "\r\n" + QByteArray(30000, 'y');
  QBuffer buffer(&data);
  ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
  qint64 position = 15000;
  QString line;
  ReadLineAtPosition(buffer, position, line);
  EXPECT_EQ(line.size(), 20000);
  position = 40000;
  ReadLineAtPosition(buffer, position, line);
  EXPECT_EQ(line, QString(30000, u'y'));
  EXPECT_EQ(position, 20003);
}

QString Find(const QByteArray& content, const QString& key, int16_t column) {
  QByteArray data = content;
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  return FindLineInSortedFile(buffer, key, column);
}

TEST(FindLineInSortedFile, BisectsSortedLinesFromAColumn) {
  const QByteArray fruit("001,APPLE\r\n002,BANANA\r\n003,CHERRY\r\n");
  struct { const char* key; int16_t column; const char* found; } rows[] = {
      {"BAN", 5, "002,BANANA"},
      {"banana", 5, ""},
      {"COCO", 5, ""},
      {"APPLE", 5, "001,APPLE"},
      {"CHERRY", 5, "003,CHERRY"},
      {"CHERRYS", 5, ""},
      {"A", 5, "001,APPLE"},
      {"B", 0, ""},
      {"002", 1, "002,BANANA"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(Find(fruit, QString::fromUtf8(r.key), r.column), QString::fromUtf8(r.found)) << r.key;
  EXPECT_EQ(Find("001,apple\n002,Banana\n", "BANANA", 5), QStringLiteral("002,BANANA"));
  EXPECT_EQ(Find("", "A", 1), QString());
  EXPECT_EQ(Find("", "", 1), QString());
  EXPECT_EQ(Find("ONLY", "ONLY", 1), QStringLiteral("ONLY"));
}

TEST(FindLineInSortedFile, LooksUpPostalCodesInACodePage932File) {
  QFile file(RINGPAD_TEST_FIXTURES "/postal_sorted.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  struct { const char* key; const char16_t* found; } rows[] = {
      {"0600000", u"0600000北海道札幌市中央区"},      // first line
      {"9071801", u"9071801沖縄県八重山郡与那国町"},  // last line
      {"1000005", u"1000005東京都千代田区丸の内"},
      {"100000", u"1000001東京都千代田区千代田"},     // a leading part finds the first
      {"1200000", u""},                              // between two lines
      {"0000000", u""},                              // before the first
      {"9999999", u""},                              // after the last
  };
  for (const auto& r : rows) EXPECT_EQ(FindLineInSortedFile(file, r.key, 1), QString::fromUtf16(r.found)) << r.key;
}

}  // namespace
