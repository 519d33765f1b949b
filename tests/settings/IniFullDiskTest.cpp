// A settings write that cannot be stored leaves the file as it was, and the
// user hears of it once.
#include "SettingsTestSupport.h"
#include "TinyFileSystem.h"
#include "core/settings/IniWriteBatch.h"

namespace {

class IniFullDiskTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    disk_ = std::make_unique<TinyFileSystem>(home() + QStringLiteral("disk"));
    if (!disk_->mounted()) GTEST_SKIP() << disk_->skipReason();
    ProgramFolder = home() + QStringLiteral("disk/");
    WriteDefaultSettings();
    before_ = settingsBytes();
    ASSERT_FALSE(before_.isEmpty());
    ASSERT_EQ(GetIniValue(QString(), QStringLiteral("YOHAKU")), QStringLiteral("3"));
    ASSERT_TRUE(disk_->fill());
  }
  void TearDown() override {
    disk_.reset();
    SettingsTest::TearDown();
  }
  void expectUnchanged() {
    EXPECT_EQ(settingsBytes(), before_);
    EXPECT_EQ(disk_->entries(), QStringList({QStringLiteral("filler"), QStringLiteral("ringpad.ini")}))
        << "no temporary file is left behind";
    EXPECT_EQ(GetIniValue(QString(), QStringLiteral("YOHAKU")), QStringLiteral("3"));
    // Settings are written at every change of a control: the failure is told
    // once, however many writes fail after it.
    ASSERT_EQ(messages().texts().size(), 1);
    EXPECT_TRUE(messages().texts()[0].startsWith(SettingsFilePath() + QStringLiteral(" に書き込めませんでした。")))
        << messages().texts()[0].toStdString();
  }

  std::unique_ptr<TinyFileSystem> disk_;
  QByteArray before_;
};

TEST_F(IniFullDiskTest, FailedWriteReturnsZeroAndKeepsTheOldFile) {
  EXPECT_EQ(WriteIniValue(QString(), QStringLiteral("YOHAKU"), QStringLiteral("5")), 0);
  expectUnchanged();
  EXPECT_EQ(GetIniValueOrDefault(QStringLiteral("NEW"), QStringLiteral("KEY"), QStringLiteral("x")), QString());
  expectUnchanged();
}

TEST_F(IniFullDiskTest, FailedBatchKeepsTheOldFile) {
  IniWriteBatch batch;
  WriteIniValue(QString(), QStringLiteral("YOHAKU"), QStringLiteral("5"));
  WriteIniValue(QStringLiteral("NEW"), QStringLiteral("KEY"), QString(5000, u'x'));
  EXPECT_FALSE(batch.commit());
  expectUnchanged();
}

TEST_F(IniFullDiskTest, SavingThePaperSettingsKeepsTheOldFile) {
  LoadPaperSettings(0);
  PaperSettings.PrintMargin = 5;
  PaperSettings.LineType = 2;
  SavePaperSettings();
  expectUnchanged();
}

}  // namespace
