// The imported file read as code page 932 text, or refused with a reason.
#include <QDir>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "schedule/ScheduleCsvFile.h"

namespace {

using Problem = ImportedScheduleCsv::Problem;
using ScheduleCsvFileTest = RingpadTest;

TEST_F(ScheduleCsvFileTest, ShiftJisTextIsReadLineByLine) {
  WriteBytes(homeFile(QStringLiteral("a.csv")),
             platform::ToSjis(QStringLiteral("日付,内容\r\n2001/5/3,会議\n\r2001/5/4,ｶﾅ")));
  const ImportedScheduleCsv csv = ReadImportedScheduleCsv(homeFile(QStringLiteral("a.csv")));
  EXPECT_EQ(csv.problem, Problem::None);
  EXPECT_EQ(csv.lines, (QStringList{"日付,内容", "2001/5/3,会議", "", "2001/5/4,ｶﾅ"}));

  WriteBytes(homeFile(QStringLiteral("empty.csv")), QByteArray());
  const ImportedScheduleCsv empty = ReadImportedScheduleCsv(homeFile(QStringLiteral("empty.csv")));
  EXPECT_EQ(empty.problem, Problem::None);
  EXPECT_TRUE(empty.lines.isEmpty());
}

TEST_F(ScheduleCsvFileTest, FilesOfAnotherKindAreRefusedWithTheirReason) {
  const QString longLine = QStringLiteral("2001/5/3,") + QString(100000, u'あ');
  struct Case {
    const char* name;
    QByteArray bytes;
    Problem problem;
    const char* message;  // after "このファイル(<path>)"
  };
  const Case cases[] = {
      {"binary.csv", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), Problem::Binary,
       "はテキストファイルではないので、インポートできません。"},
      {"utf8.csv", QStringLiteral("日付,種類,内容\r\n2001/5/3,赤,会議\r\n").toUtf8(), Problem::OtherEncoding,
       "はシフトJIS以外の文字コード(UTF-8など)で書かれているので、インポートできません。\r\n"
       "シフトJISで保存し直してからインポートしてください。"},
      {"bom.csv",
       QByteArray("\xEF\xBB\xBF"
                  "2001/5/3,a\r\n"),
       Problem::OtherEncoding, nullptr},
      {"utf16.csv", QByteArray("\xFF\xFE", 2) + QByteArray("2\0000\0000\0001\0", 8), Problem::OtherEncoding, nullptr},
      {"long.csv", platform::ToSjis(QStringLiteral("2001/5/3,a\r\n") + longLine + QStringLiteral("\r\n")),
       Problem::LineTooLong, "の2行目は長すぎる(32767文字を超える)ので、インポートできません。"},
  };
  for (const Case& c : cases) {
    const QString path = homeFile(QString::fromLatin1(c.name));
    WriteBytes(path, c.bytes);
    const ImportedScheduleCsv csv = ReadImportedScheduleCsv(path);
    EXPECT_EQ(csv.problem, c.problem) << c.name;
    EXPECT_TRUE(csv.lines.isEmpty()) << c.name;
    if (c.message) {
      EXPECT_EQ(ImportedScheduleCsvMessage(csv, path),
                QStringLiteral("このファイル(") + path + QStringLiteral(")") + QString::fromUtf8(c.message));
    }
  }
}

TEST_F(ScheduleCsvFileTest, AMissingFileOrAFolderCannotBeRead) {
  QDir().mkpath(homeFile(QStringLiteral("folder.csv")));
  for (const char* name : {"gone.csv", "folder.csv"}) {
    const QString path = homeFile(QString::fromLatin1(name));
    const ImportedScheduleCsv csv = ReadImportedScheduleCsv(path);
    EXPECT_EQ(csv.problem, Problem::Unreadable) << name;
    EXPECT_EQ(ImportedScheduleCsvMessage(csv, path),
              QStringLiteral("このファイル(") + path + QStringLiteral(")を読み込めませんでした。"));
  }
}

}  // namespace
