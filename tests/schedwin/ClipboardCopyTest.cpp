// The clipboard button copies the coming weeks from the chosen date, under
// the window's options; the calendar button starts the companion calendar.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ScheduleWindowTest.h"
#include "core/platform/Clipboard.h"

namespace {

class ClipboardCopy : public ScheduleWindowTest {
 protected:
  void SetUp() override {
    ScheduleWindowTest::SetUp();
    platform::UseMemoryClipboard(true);
  }
  void TearDown() override {
    platform::UseMemoryClipboard(false);
    ScheduleWindowTest::TearDown();
  }
};

TEST_F(ClipboardCopy, CopiesFromTheChosenDate) {
  WriteSchedule(QStringLiteral("diduvuv.txt"),
                {QStringLiteral("2001/05/15,　　,会議"), QStringLiteral("    /  /  ,毎週,水曜:朝会")});
  CommandLineText = QStringLiteral("/C:2001-05-15");
  ScheduleWindow& w = Open();
  w.cmd_toclip->click();
  const QString text = platform::ClipboardText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("予定表(2001/05/15)\r\n"))) << text.left(40).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("会議\r\n")));
  EXPECT_FALSE(text.contains(QStringLiteral("朝会"))) << "recurring entries are off";

  w.chk_teiki->setChecked(true);
  w.Txt_maisu->setText(QStringLiteral("0"));
  w.cmd_toclip->click();
  EXPECT_EQ(platform::ClipboardText(), QStringLiteral("予定表(2001/05/15)\r\n"));
  w.Txt_maisu->setText(QStringLiteral("1"));
  w.cmd_toclip->click();
  EXPECT_TRUE(platform::ClipboardText().contains(QStringLiteral("朝会")));
}

TEST_F(ClipboardCopy, TheLookupFollowsTheOptions) {
  WriteSchedule(QStringLiteral("diduvuv.txt"),
                {QStringLiteral("2001/05/15,　　,会議"), QStringLiteral("2001/05/15,時刻,10:00 歯医者")});
  ScheduleWindow& w = Open();
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  w.GetDaySchedule(QDate(2001, 5, 15), texts, kind);
  EXPECT_EQ(texts, (QStringList{QString(), QStringLiteral("　会議"), QStringLiteral("時10:00 歯医者")}));
  w.Chk_SyousaiPrint->setChecked(false);
  w.GetDaySchedule(QDate(), texts, kind);
  w.GetDaySchedule(QDate(2001, 5, 15), texts, kind);
  EXPECT_EQ(texts, (QStringList{QString(), QStringLiteral("　会議")}));
}

TEST_F(ClipboardCopy, TheCalendarButtonWithoutTheCalendarOnlySaysSo) {
  WriteSchedule(QStringLiteral("diduvuv.txt"), {QStringLiteral("2025/06/03,　　,会議")});
  ScheduleWindow& w = Open();
  WriteSchedule(QStringLiteral("diduvuv.txt"), {});
  w.cmd_bear->click();
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("jxcalpad")));
  EXPECT_EQ(w.List1->count(), 1) << "the list is not read again";
}

}  // namespace
