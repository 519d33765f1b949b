// The companion calendar started on a date from the schedule window.
#include <QDir>

#include "ShellRecorder.h"
#include "schedule/windows/CompanionCalendarRun.h"

namespace {

using CompanionCalendarTest = ShellRecorderTest;

TEST_F(CompanionCalendarTest, StartsTheCalendarOrExplainsItsAbsence) {
  EXPECT_FALSE(RunCompanionCalendar(QDate(1999, 3, 1)));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown().front().text,
            "姉妹ソフト「jxcalpad」をringpadと同じフォルダに入れると、ここから起動できます。\r\n\r\n"
            "「jxcalpad」が見つからないため、起動できません。\r\n置き場所：" +
                QDir::cleanPath(ProgramFolder) + "\r\n");
  EXPECT_TRUE(actions.empty());

  makeFile("jxcalpad", true);
  EXPECT_TRUE(RunCompanionCalendar(QDate(1999, 3, 1)));
  EXPECT_EQ(recorded(), QStringList({"wait1|HOME/jxcalpad|1999/03/01"}));
}

}  // namespace
