// The "CA" switch end to end: the main window opens the schedule window,
// presses its clipboard button and ends the program.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "core/platform/Clipboard.h"
#include "schedule/DaySchedule.h"
#include "schedule/ScheduleClipboardText.h"

namespace {

class ClipboardSwitchTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    platform::UseMemoryClipboard(true);
  }
  void TearDown() override {
    platform::UseMemoryClipboard(false);
    MainWindowTest::TearDown();
  }
};

TEST_F(ClipboardSwitchTest, CopiesTheChosenMonthOfAFreshScheduleAndEnds) {
  Start({QStringLiteral("/CA/C:1999-03-01")});
  EXPECT_EQ(endRequests, 1);
  const QString text = platform::ClipboardText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("予定表(1999/03/01)\r\n"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("\r\n21[日]春分の日"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("\r\n22[月]振休\r\n"))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n31 水 \r\n"))) << text.toStdString();

  // The same text as the clipboard builder gives for the new schedule file
  // and the window's first-load options, whose exact bytes are tested there.
  DayScheduleOptions options;
  options.ScheduleFilePath = homeFile(QStringLiteral("diduvuv.txt"));
  DaySchedule lookup;
  EXPECT_EQ(text, ScheduleClipboardText(QDate(1999, 3, 1), QStringLiteral("1"), lookup, options));
}

}  // namespace
