// The launcher submenu starts the companion programs it names, and explains
// one that is missing.
#include <QDir>
#include <QSet>

#include "ShellRecorder.h"
#include "core/ui/Launcher.h"

namespace {

using LauncherTest = ShellRecorderTest;

TEST_F(LauncherTest, LauncherCaptionsNameTheirPrograms) {
  QStringList names;
  for (int i = 0; i < kLauncherItemCount; ++i) {
    const QString caption = LauncherCaption(i);
    EXPECT_TRUE(caption.endsWith(u')')) << caption.toStdString();
    names << LauncherProgramName(caption);
  }
  EXPECT_EQ(names.mid(0, 3), QStringList({"jxcalpad", "jxpostal", "jxsender"}));
  EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), kLauncherItemCount);
  EXPECT_EQ(LauncherProgramName("題名(a(b)c)"), "a(b)c");
  EXPECT_EQ(LauncherProgramName("no parenthesis"), "");
  EXPECT_EQ(LauncherCaption(kLauncherItemCount), "");
}

TEST_F(LauncherTest, LauncherRunsThePresentProgramMinimised) {
  makeFile("jxpostal", true);
  RunLauncherItem("郵便番号検索(jxpostal)");
  EXPECT_EQ(recorded(), QStringList({"wait2|HOME/jxpostal"}));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(LauncherTest, LauncherExplainsAMissingProgram) {
  RunLauncherItem("メール送信(jxsender)");
  EXPECT_TRUE(actions.empty());
  ASSERT_EQ(messages().shown().size(), 1u);
  const platform::MessageRequest& box = messages().shown().front();
  EXPECT_EQ(box.text,
            "姉妹ソフト「メール送信(jxsender)」をringpadと同じフォルダに入れると、\r\nこのメニューから起動できます。"
            "\r\n\r\n「jxsender」が見つからないため、起動できません。\r\n置き場所：" +
                QDir::cleanPath(ProgramFolder) + "\r\n");
  EXPECT_EQ(box.buttons, platform::MsgButtons::Ok);
}

// Every launcher item names a program the shell lets through.
TEST_F(LauncherTest, EveryItemIsACompanionProgram) {
  for (int i = 0; i < kLauncherItemCount; ++i)
    EXPECT_TRUE(platform::IsCompanionProgramName(LauncherProgramName(LauncherCaption(i)))) << i;
}

}  // namespace
