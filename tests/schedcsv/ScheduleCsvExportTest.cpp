// The schedule written as CSV for other programs.
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "core/platform/TextLines.h"
#include "schedule/ScheduleCsvExport.h"

namespace {

QString FixturePath(const char* name) { return QStringLiteral(RINGPAD_TEST_FIXTURES "/") + QLatin1String(name); }

TEST(ScheduleCsvExport, TheFixtureScheduleExportsByteForByte) {
  QStringList lines;
  ASSERT_TRUE(platform::ReadTextLines(FixturePath("schedule.txt"), lines));
  EXPECT_EQ(platform::JoinLinesCrLf(ScheduleCsvExport(lines)), ReadBytes(FixturePath("schedule_export.csv")));
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
