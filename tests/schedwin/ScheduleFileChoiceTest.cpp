// Which schedule file the window shows, and its weekday backup.
#include <QDir>
#include <QListWidget>

#include <cerrno>

#include "core/platform/SafeSave.h"
#include "core/platform/SystemError.h"
#include "ScheduleWindowTest.h"

namespace {

using ScheduleFileChoice = ScheduleWindowTest;

const QStringList kLines = {QStringLiteral("2025/06/03,　　,会議"), QStringLiteral("2025/06/20,赤　,締切")};
const QString kSwitchMessage = QStringLiteral("予定ファイルが見つからなかったので、「diduvuv.txt」に切り替えます。");

TEST_F(ScheduleFileChoice, ABareNameIsTakenFromTheProgramFolder) {
  WriteSchedule(QStringLiteral("mine.txt"), kLines);
  SetKey("FILE", QStringLiteral("mine.txt"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.ScheduleFilePath, home() + QStringLiteral("mine.txt"));
  EXPECT_EQ(ListTexts(w), (QStringList{"2025/06/03 　　 会議", "2025/06/20 赤　 締切"}));
  EXPECT_EQ(Key("FILE"), QStringLiteral("mine.txt"));
  EXPECT_EQ(ReadBytes(home() + QStringLiteral("bak/diduvuv1.txt")), ReadBytes(homeFile(QStringLiteral("mine.txt"))));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("diduvuv.txt"))));
}

TEST_F(ScheduleFileChoice, APathWithBackslashesIsUsedAsItStands) {
  WriteSchedule(QStringLiteral("sub/x.txt"), kLines);
  SetKey("FILE", QStringLiteral(".\\sub\\x.txt"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.ScheduleFilePath, QStringLiteral(".\\sub\\x.txt"));
  EXPECT_EQ(w.List1->count(), 2);
  EXPECT_TRUE(messages().shown().empty());
}

// A file that went away, a folder, a drive that is not there: the window
// falls back to "diduvuv.txt" and says so when that file exists.
TEST_F(ScheduleFileChoice, AMissingFileFallsBackToTheDefaultFile) {
  QDir().mkpath(homeFile(QStringLiteral("folder")));
  const QString missing[] = {QStringLiteral("gone.txt"), QStringLiteral("folder"), QStringLiteral("E:\\data\\x.txt"),
                             QStringLiteral("*.txt")};
  WriteSchedule(QStringLiteral("diduvuv.txt"), kLines);
  const QByteArray kept = ReadBytes(homeFile(QStringLiteral("diduvuv.txt")));
  for (const QString& path : missing) {
    messages().clear();
    SetKey("FILE", path);
    ScheduleWindow& w = Open();
    EXPECT_EQ(w.ScheduleFilePath, QStringLiteral("diduvuv.txt")) << path.toStdString();
    EXPECT_EQ(Key("FILE"), QStringLiteral("diduvuv.txt"));
    ASSERT_EQ(messages().shown().size(), 1u) << path.toStdString();
    EXPECT_EQ(messages().shown()[0].text, kSwitchMessage);
    EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(w.List1->count(), 2);
    EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))), kept);
  }
  EXPECT_TRUE(QDir(homeFile(QStringLiteral("folder"))).exists());
}

TEST_F(ScheduleFileChoice, WithTheDefaultFileMissingTooItIsCreatedSilently) {
  SetKey("FILE", QStringLiteral("gone.txt"));
  ScheduleWindow& w = Open();
  EXPECT_EQ(w.ScheduleFilePath, QStringLiteral("diduvuv.txt"));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))), FixtureBytes(QStringLiteral("new_schedule.txt")));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(ScheduleFileChoice, ARefusedBackupIsReportedAndLoadingGoesOn) {
  WriteSchedule(QStringLiteral("diduvuv.txt"), kLines);
  QDir().mkpath(home() + QStringLiteral("bak/diduvuv1.txt"));  // a folder where the copy goes
  ScheduleWindow& w = Open();
  ASSERT_EQ(messages().texts(), QStringList{platform::SaveFailureMessage(home() + QStringLiteral("bak/diduvuv1.txt"),
                                                                         platform::SystemErrorText(EISDIR))});
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Critical);
  EXPECT_EQ(w.List1->count(), 2);
  EXPECT_EQ(Key("KAKKO"), QStringLiteral("1")) << "the options after the backup are read";
}

// Short lines, empty lines and bytes that are no characters are listed as
// they are, and the file stays byte for byte as it was; the bytes that are
// no characters are named once.
TEST_F(ScheduleFileChoice, BrokenLinesOpenTheWindowAndLoseNothing) {
  QByteArray bytes = platform::ToSjis(QStringLiteral("2025/06/03,　　,会議\r\n\r\n2025/06\r\n"));
  bytes += QByteArray("2025/06/04,\x81\xff\x82,text\r\n");
  bytes += platform::ToSjis(QStringLiteral("    /  /  ,毎週,月曜:朝会"));  // no line end
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), bytes);
  ScheduleWindow& w = Open();
  const QStringList texts = ListTexts(w);
  ASSERT_EQ(texts.size(), 4) << texts.join(u'|').toStdString();
  // A line too short for a day sorts before the blank day of a weekly rule.
  EXPECT_EQ(texts[0], QStringLiteral("2025/06"));
  EXPECT_EQ(texts[1], QStringLiteral("    /  /   毎週 月曜:朝会"));
  EXPECT_EQ(texts[2], QStringLiteral("2025/06/03 　　 会議"));
  EXPECT_TRUE(texts[3].startsWith(QStringLiteral("2025/06/04 ")));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("diduvuv.txt"))), bytes);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith(QStringLiteral("「") + w.ScheduleFilePath + QStringLiteral("」はShift-JISのテキストではないようです。")));
}

}  // namespace
