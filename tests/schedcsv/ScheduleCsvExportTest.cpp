// The schedule written as CSV for other programs.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "core/platform/TextLines.h"
#include "schedule/ScheduleCsvExport.h"
#include "schedule/ScheduleCsvFile.h"
#include "schedule/ScheduleFile.h"

namespace {

QString FixturePath(const char* name) { return QStringLiteral(RINGPAD_TEST_FIXTURES "/") + QLatin1String(name); }

TEST(ScheduleCsvExport, TheFixtureScheduleExportsByteForByte) {
  QStringList lines;
  ASSERT_TRUE(platform::ReadTextLines(FixturePath("schedule.txt"), lines));
  EXPECT_EQ(platform::JoinLinesCrLf(ScheduleCsvExport(lines)), ReadBytes(FixturePath("schedule_export.csv")));
  EXPECT_EQ(WriteScheduleCsvFile(ReadScheduleFile(ReadBytes(FixturePath("schedule.txt")))),
            ReadBytes(FixturePath("schedule_export.csv")));
}

// The export read back as an import reads it: one record per exported line,
// which written again are the same bytes.
TEST(ScheduleCsvExport, TheExportReadsBackAsItsLines) {
  const QByteArray exported = ReadBytes(FixturePath("schedule_export.csv"));
  const ImportedScheduleCsv csv = ReadScheduleCsvFile(exported);
  EXPECT_EQ(csv.problem, ImportedScheduleCsv::Problem::None);
  EXPECT_EQ(csv.encoding, ImportedScheduleCsvReader::Encoding::Cp932);
  EXPECT_EQ(csv.lines, ScheduleCsvExport(ReadScheduleFile(ReadBytes(FixturePath("schedule.txt")))));
  EXPECT_EQ(platform::JoinLinesCrLf(csv.lines), exported);
}

TEST(ScheduleCsvExport, AnEmptyScheduleGivesTheHeaderAlone) {
  EXPECT_EQ(ScheduleCsvExport({}), QStringList{QStringLiteral("日付,種類,内容")});
  EXPECT_EQ(ScheduleCsvExport({QString()}), QStringList{QStringLiteral("日付,種類,内容")});
}

TEST(ScheduleCsvExport, ShortLinesBecomeRowsOfThreeFields) {
  EXPECT_EQ(ScheduleCsvExport({QStringLiteral("2001/05/03"), QStringLiteral("    /05/03,公休"),
                               QStringLiteral("2001/05/03,赤")}),
            (QStringList{QStringLiteral("日付,種類,内容"), QStringLiteral("2001/05/03,,"),
                         QStringLiteral("****/05/03,公休,"), QStringLiteral("2001/05/03,赤,")}));
}

}  // namespace
