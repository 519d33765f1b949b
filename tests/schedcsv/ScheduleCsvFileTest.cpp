// The imported file read as a stream of records in code page 932 or UTF-8,
// or refused with a reason.
#include <QDir>
#include <cerrno>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/SystemError.h"
#include "schedule/ScheduleCsvFile.h"

namespace {

using Problem = ImportedScheduleCsvReader::Problem;
using Encoding = ImportedScheduleCsvReader::Encoding;
using ScheduleCsvFileTest = RingpadTest;

TEST_F(ScheduleCsvFileTest, RecordsInEitherEncodingAndAnyLineEnd) {
  const QString text = QStringLiteral("日付,内容\r\n2001/5/3,会議\n\r2001/5/4,ｶﾅ");
  const QStringList records{"日付,内容", "2001/5/3,会議", "", "2001/5/4,ｶﾅ"};
  const struct {
    const char* name;
    QByteArray bytes;
    Encoding encoding;
  } cases[] = {
      {"sjis.csv", platform::ToSjis(text), Encoding::Cp932},
      {"utf8.csv", text.toUtf8(), Encoding::Utf8},
      {"bom.csv", QByteArray("\xEF\xBB\xBF") + text.toUtf8(), Encoding::Utf8},
      {"ascii.csv", QByteArray("2001/5/3,a\r\n"), Encoding::Cp932},
  };
  for (const auto& c : cases) {
    WriteBytes(homeFile(QString::fromLatin1(c.name)), c.bytes);
    const ImportedScheduleCsv csv = ReadImportedScheduleCsv(homeFile(QString::fromLatin1(c.name)));
    EXPECT_EQ(csv.problem, Problem::None) << c.name;
    EXPECT_EQ(csv.encoding, c.encoding) << c.name;
    if (QByteArray(c.name) != "ascii.csv") { EXPECT_EQ(csv.lines, records) << c.name; }
    // The bytes in memory read as the file does.
    const ImportedScheduleCsv fromBytes = ReadScheduleCsvFile(c.bytes);
    EXPECT_EQ(fromBytes.problem, csv.problem) << c.name;
    EXPECT_EQ(fromBytes.encoding, csv.encoding) << c.name;
    EXPECT_EQ(fromBytes.lines, csv.lines) << c.name;
  }
  WriteBytes(homeFile(QStringLiteral("empty.csv")), QByteArray());
  EXPECT_TRUE(ReadImportedScheduleCsv(homeFile(QStringLiteral("empty.csv"))).lines.isEmpty());
}

TEST_F(ScheduleCsvFileTest, AQuotedFieldCarriesItsRecordOverLineBreaks) {
  WriteBytes(homeFile(QStringLiteral("a.csv")),
             platform::ToSjis(QStringLiteral("2001/5/3,\"一行目\r\n二行目\",x\r\n2001/5/4,\"\"\"引用\"\"\",y\r\n"
                                             "2001/5/5,\"閉じない\r\n2001/5/6,z\r\n")));
  ImportedScheduleCsvReader reader(homeFile(QStringLiteral("a.csv")));
  ImportedScheduleCsvReader::Record r;
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.text, "2001/5/3,\"一行目\n二行目\",x");
  EXPECT_EQ(r.firstLine, 1);
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.text, "2001/5/4,\"\"\"引用\"\"\",y");
  EXPECT_EQ(r.firstLine, 3);
  EXPECT_EQ(r.number, 2);
  // An open quote takes the rest of the file and says so.
  ASSERT_TRUE(reader.next(r));
  EXPECT_TRUE(r.unclosedQuote);
  EXPECT_EQ(r.firstLine, 4);
  EXPECT_FALSE(reader.next(r));
  reader.rewind();
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.number, 1);
}

TEST_F(ScheduleCsvFileTest, ATooLongRecordComesBackEmptyAndMarked) {
  const QString longLine = QStringLiteral("2001/5/3,") + QString(100000, u'あ');
  WriteBytes(homeFile(QStringLiteral("long.csv")),
             platform::ToSjis(QStringLiteral("2001/5/3,a\r\n") + longLine + QStringLiteral("\r\n2001/5/4,b")));
  ImportedScheduleCsvReader reader(homeFile(QStringLiteral("long.csv")));
  ImportedScheduleCsvReader::Record r;
  ASSERT_TRUE(reader.next(r));
  ASSERT_TRUE(reader.next(r));
  EXPECT_TRUE(r.tooLong);
  EXPECT_TRUE(r.text.isEmpty());
  ASSERT_TRUE(reader.next(r));
  EXPECT_EQ(r.text, "2001/5/4,b");
}

TEST_F(ScheduleCsvFileTest, FilesOfAnotherKindAreRefusedWithTheirReason) {
  QDir().mkpath(homeFile(QStringLiteral("folder.csv")));
  const struct {
    const char* name;
    QByteArray bytes;
    Problem problem;
    const char* message;  // after "このファイル(<path>)"
    int error = 0;        // a file that cannot be read: the reason
  } cases[] = {
      {"binary.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), Problem::Binary,
       "はテキストファイルではないので、インポートできません。"},
      {"utf16.csv", QByteArray("\xFF\xFE", 2) + QByteArray("2\0000\0000\0001\0", 8), Problem::Utf16,
       "はUTF-16で書かれているので、インポートできません。\r\nシフトJISかUTF-8で保存し直してからインポートしてください。"},
      {"utf16be.csv", QByteArray("\xFE\xFF\0002", 4), Problem::Utf16, nullptr},
      {"gone.csv", QByteArray(), Problem::Unreadable, nullptr, ENOENT},
      {"folder.csv", QByteArray(), Problem::Unreadable, nullptr, EISDIR},
  };
  for (const auto& c : cases) {
    const QString path = homeFile(QString::fromLatin1(c.name));
    if (!c.bytes.isEmpty()) {
      WriteBytes(path, c.bytes);
      EXPECT_EQ(ReadScheduleCsvFile(c.bytes).problem, c.problem) << c.name;
    }
    ImportedScheduleCsvReader reader(path);
    EXPECT_EQ(reader.problem(), c.problem) << c.name;
    ImportedScheduleCsvReader::Record r;
    EXPECT_FALSE(reader.next(r)) << c.name;
    if (c.message) {
      EXPECT_EQ(reader.problemMessage(), QStringLiteral("このファイル(") + path + QStringLiteral(")") +
                                             QString::fromUtf8(c.message));
    }
    if (c.error) {
      EXPECT_EQ(reader.problemMessage(), QStringLiteral("「") + path + QStringLiteral("」を読み込めませんでした。(") +
                                             platform::SystemErrorText(c.error) + QStringLiteral(")"));
    }
  }
}

// A read that fails after the file was opened and measured ends the records
// with the reason: the stop is never taken for the file's end.
TEST_F(ScheduleCsvFileTest, AFailedReadEndsTheRecordsWithItsReason) {
  const QString path = homeFile(QStringLiteral("in.csv"));
  WriteBytes(path, "2001/5/3,a\r\n2001/5/4,\"b\r\nc\"\r\n");
  const QString failed = QStringLiteral("「") + path + QStringLiteral("」を読み込めませんでした。(") +
                         platform::SystemErrorText(EIO) + QStringLiteral(")");
  {
    ImportedScheduleCsvReader reader(path);
    ASSERT_EQ(reader.problem(), Problem::None);
    SetImportReadFaultHook([] { return true; });
    ImportedScheduleCsvReader::Record r;
    EXPECT_FALSE(reader.next(r));
    SetImportReadFaultHook({});
    EXPECT_EQ(reader.problem(), Problem::Unreadable);
    EXPECT_EQ(reader.problemMessage(), failed);
    reader.rewind();
    EXPECT_FALSE(reader.next(r)) << "a failed file stays failed";
  }
  // The file read whole at once: no records, the problem.
  int reads = 0;
  SetImportReadFaultHook([&reads] { return ++reads > 1; });  // the encoding pass reads it in one piece
  const ImportedScheduleCsv csv = ReadImportedScheduleCsv(path);
  SetImportReadFaultHook({});
  EXPECT_EQ(csv.problem, Problem::Unreadable);
  EXPECT_TRUE(csv.lines.isEmpty());
}

}  // namespace
