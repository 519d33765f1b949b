#include <gtest/gtest.h>

#include <cerrno>

#include "core/platform/SafeSave.h"
#include "core/platform/SystemError.h"
#include "QtPrint.h"

#include <QDir>
#include <QFile>

#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleFile.h"

namespace {

class ScheduleFileTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    ProgramFolder = home();
    BackupFolder = home() + "bak/";
    QDir().mkpath(BackupFolder);
  }
  QString path() const { return homeFile("diduvuv.txt"); }
};

TEST_F(ScheduleFileTest, ReadsAnyLineEndAndOddBytesWithoutLosingLines) {
  QByteArray bytes = platform::ToSjis("2001/05/03,祝日,憲法記念日\r\n");
  bytes += platform::ToSjis("    /05/05 祝日 こどもの日\n");
  bytes.append("2001/05/06,\x81\x40\x81\x40,\xff\xfe\x00\x01\r", 21);  // binary text
  bytes.append("2001/05/07,\xff\xfe,\x01\r\n", 17);  // binary kind
  bytes += "short\r\n";
  bytes += platform::ToSjis("2001/05/07,赤　,last");              // no final line end
  WriteBytes(path(), bytes);

  QList<ScheduleLine> lines;
  ASSERT_TRUE(ScheduleFile::Read(path(), lines));
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0].trimmedText(), "憲法記念日");
  EXPECT_EQ(lines[1].kind(), "祝日");
  EXPECT_EQ(lines[2].kind(), "　　");
  EXPECT_EQ(lines[4].line(), "short");
  EXPECT_EQ(lines[5].text(), "last");
  EXPECT_EQ(lines[5].kindClass(), EntryKindClass::Colour);

  // What the lookup makes of them on 7 May 2001: the binary kind is a
  // plain entry (its text is binary too), "short" matches no day.
  QStringList plain;
  ASSERT_TRUE(ScheduleFile::ReadLines(path(), plain));
  DayScheduleOptions options;
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  LookUpDaySchedule(BuildScheduleMonthCache(plain, QDate(2001, 5, 7), options), QDate(2001, 5, 7), options,
                    texts, kind);
  ASSERT_EQ(texts.size(), 3);
  EXPECT_TRUE(texts[1].startsWith(u'　'));
  EXPECT_EQ(texts[2], "赤last");
  LookUpDaySchedule(BuildScheduleMonthCache(plain, QDate(1999, 5, 5), options), QDate(1999, 5, 5), options,
                    texts, kind);
  EXPECT_EQ(texts[0], "こどもの日 ");
}

TEST_F(ScheduleFileTest, MissingFileReadsAsNothing) {
  QList<ScheduleLine> lines{ScheduleLine("x")};
  EXPECT_FALSE(ScheduleFile::Read(homeFile("none.txt"), lines));
  EXPECT_TRUE(lines.isEmpty());
}

TEST_F(ScheduleFileTest, WritesCodePage932WithCrLf) {
  ASSERT_TRUE(ScheduleFile::Write(path(), {"2001/05/03,　　,会議～", "    /  /  ,毎週,日曜:x"}));
  EXPECT_EQ(ReadBytes(path()), platform::ToSjis("2001/05/03,　　,会議～\r\n    /  /  ,毎週,日曜:x\r\n"));
}

TEST_F(ScheduleFileTest, RewriteKeepsTheOldFileInRingpadTmp) {
  WriteBytes(path(), "old\r\n");
  WriteBytes(ScheduleFile::TempCopyPath(), "stale copy");
  ASSERT_TRUE(ScheduleFile::Rewrite(path(), {"new"}));
  EXPECT_EQ(ScheduleFile::TempCopyPath(), home() + "ringpad.tmp");
  EXPECT_EQ(ReadBytes(home() + "ringpad.tmp"), "old\r\n");
  EXPECT_EQ(ReadBytes(path()), "new\r\n");
}

TEST_F(ScheduleFileTest, FailedRewriteLeavesTheFileAsItWas) {
  WriteBytes(path(), "old\r\n");
  // A folder where the file should be replaced cannot take a new file.
  QDir().mkpath(homeFile("blocked.txt"));
  EXPECT_FALSE(ScheduleFile::Rewrite(homeFile("blocked.txt"), {"new"}));
  EXPECT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(ReadBytes(path()), "old\r\n");
}

// Bytes -> lines -> bytes: a file as this program writes it comes back byte
// for byte; other line ends read as the same lines and are written as CR LF.
// Reading the file from disk gives the very lines of its bytes, and writing
// lines to a new file gives the very bytes of the lines.
TEST_F(ScheduleFileTest, BytesAndLinesRoundTrip) {
  const QByteArray fixture = ReadBytes(QStringLiteral(RINGPAD_SOURCE_DIR "/tests/schedcsv/fixtures/schedule.txt"));
  ASSERT_FALSE(fixture.isEmpty());
  const QByteArray holidays = WriteScheduleFile(HolidayLines(2023, 2024));
  const struct {
    const char* name;
    QByteArray bytes;
    QByteArray written;  // empty: the bytes themselves
  } cases[] = {
      {"fixture", fixture},
      {"holidays", holidays},
      {"empty", QByteArray()},
      {"blank lines", QByteArray("\r\n\r\n")},
      {"lf and cr", QByteArray("a\nb\rc\r\n"), QByteArray("a\r\nb\r\nc\r\n")},
      {"no last end", platform::ToSjis("2001/05/03,赤　,会議"), platform::ToSjis("2001/05/03,赤　,会議\r\n")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList lines = ReadScheduleFile(c.bytes);
    EXPECT_EQ(WriteScheduleFile(lines), c.written.isEmpty() ? c.bytes : c.written);
    WriteBytes(path(), c.bytes);
    QStringList fromDisk{"stale"};
    ASSERT_TRUE(ScheduleFile::ReadLines(path(), fromDisk));
    EXPECT_EQ(fromDisk, lines);
    QFile::remove(homeFile("new.txt"));
    ASSERT_TRUE(ScheduleFile::Write(homeFile("new.txt"), lines));
    EXPECT_EQ(ReadBytes(homeFile("new.txt")), WriteScheduleFile(lines));
  }
  EXPECT_EQ(ReadScheduleFile(holidays), HolidayLines(2023, 2024));
  EXPECT_EQ(ReadScheduleFile(fixture).size(), fixture.count("\r\n"));
}

TEST_F(ScheduleFileTest, WeekdayBackup) {
  // 2 June 2024 was a Sunday (1), 8 June a Saturday (7).
  EXPECT_EQ(ScheduleFile::WeekdayBackupPath(QDate(2024, 6, 2)), home() + "bak/diduvuv1.txt");
  EXPECT_EQ(ScheduleFile::WeekdayBackupPath(QDate(2024, 6, 8)), home() + "bak/diduvuv7.txt");
  WriteBytes(path(), "entries\r\n");
  ASSERT_TRUE(ScheduleFile::MakeWeekdayBackup(path(), QDate(2024, 6, 4)));
  EXPECT_EQ(ReadBytes(home() + "bak/diduvuv3.txt"), "entries\r\n");
  EXPECT_TRUE(messages().shown().empty());

  // No file yet: nothing to keep, nothing said.
  EXPECT_TRUE(ScheduleFile::MakeWeekdayBackup(homeFile("none.txt"), QDate(2024, 6, 4)));
  EXPECT_TRUE(messages().shown().empty());

  // A backup that cannot be written is reported with the system's reason,
  // and the caller goes on.
  BackupFolder = home() + "no-such-folder/";
  EXPECT_FALSE(ScheduleFile::MakeWeekdayBackup(path(), QDate(2024, 6, 4)));
  ASSERT_EQ(messages().texts(),
            QStringList{platform::SaveFailureMessage(BackupFolder + "diduvuv3.txt", platform::SystemErrorText(ENOENT))});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Critical);
}

}  // namespace
