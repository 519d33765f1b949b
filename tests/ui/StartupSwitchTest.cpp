#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TestEnvironment.h"
#include "core/ui/StartupRules.h"
#include "core/ui/StartupSwitch.h"

TEST(StartupSwitch, FirstSwitchChoosesThePage) {
  struct Case {
    const char* commandLine;
    const char* page;
  };
  const Case cases[] = {
      {"", "action"},
      {"m:", "action"},  // no slash: no switch at all
      {"/m:", "memo"},
      {"/M:/H:", "memo"},  // only the first switch counts
      {"abc /h:", "table"},  // the text before the first slash is not looked at
      {"/C:2001-05-10", "yotei"},
      {"/ca", "CA"},
      {"/T:", "tel"},
      {"/p:x", "picture"},
      {"/Y:", "yousi"},
      {"/X:", "action"},
      {"/M", "action"},
      {"///", "action"},
      {"/", "action"},
      {"/ｍ：", "action"},
      {"/予定", "action"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StartupSwitch(QString::fromUtf8(c.commandLine)), QString::fromUtf8(c.page)) << c.commandLine;
  EXPECT_EQ(StartupSwitch(QStringLiteral("/T:") + QString(100000, u'x')), QStringLiteral("tel"));
}

TEST(StartupSwitch, ArgumentsAreJoinedBeforeSplitting) {
  EXPECT_EQ(JoinCommandLine({QStringLiteral("/m:"), QStringLiteral("/H:")}), QStringLiteral("/m: /H:"));
  EXPECT_EQ(StartupSwitch(JoinCommandLine({QStringLiteral("x"), QStringLiteral("/t:")})), QStringLiteral("tel"));
}

TEST(StartupSwitch, ExecutableNameRules) {
  EXPECT_TRUE(ReadsCommandLine(QStringLiteral("ringpad")));
  EXPECT_TRUE(ReadsCommandLine(QStringLiteral("RingPad2")));
  EXPECT_FALSE(ReadsCommandLine(QStringLiteral("ringpa")));
  EXPECT_FALSE(ReadsCommandLine(QStringLiteral("myringpad")));

  EXPECT_EQ(SinglePageVariant(QStringLiteral("DoZiR")), QStringLiteral("tel"));
  EXPECT_EQ(SinglePageVariant(QStringLiteral("dudezu")), QStringLiteral("memo"));
  EXPECT_EQ(SinglePageVariant(QStringLiteral("JXTABLE")), QStringLiteral("table"));
  EXPECT_EQ(SinglePageVariant(QStringLiteral("diduvuv")), QStringLiteral("yotei"));
  EXPECT_EQ(SinglePageVariant(QStringLiteral("dozir2")), QString());
  EXPECT_EQ(SinglePageVariant(QString()), QString());
}

TEST(StartupRules, CentredPositionRoundsThenHalvesTowardZero) {
  EXPECT_EQ(CentredTwips(12000, 9675), 1162);
  EXPECT_EQ(CentredTwips(9000, 9675), -337);
  EXPECT_EQ(CentredTwips(9676.5, 9675), 1);    // 1.5 rounds to 2 before the halving
  EXPECT_EQ(CentredTwips(9671.5, 9675), -2);   // -3.5 rounds to the even -4
}

TEST(StartupRules, PrinterOffsetReplacesTheMarginOnlyFromOneToFiveMillimetres) {
  struct Case {
    double offset;
    int16_t pageLeft;
    int16_t expected;
  };
  const Case cases[] = {
      {4.0, 8, 4}, {4.4, 8, 4}, {4.5, 8, 4}, {0.6, 8, 1}, {5.4, 8, 5},
      {0.0, 8, 3}, {6.0, 8, 3}, {5.5, 8, 3}, {4.0, 4, 3}, {-1.0, 8, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PrinterOffsetMargin(c.offset, c.pageLeft, 3), c.expected) << c.offset << " " << c.pageLeft;
}

class ReadOnlyFlags : public RingpadTest {};

TEST_F(ReadOnlyFlags, ClearedWhereTheyCanBeAndMissingFilesPassedOver) {
  WriteBytes(homeFile("vidazu.txt"), "x");
  QFile::setPermissions(homeFile("vidazu.txt"), QFileDevice::ReadOwner);
  // The start-up names are written in lower case; the files may not be.
  WriteBytes(homeFile("DIDUVUV.txt"), "x");
  QFile::setPermissions(homeFile("DIDUVUV.txt"), QFileDevice::ReadOwner);
  // A name in another folder is looked for there, and only there.
  ASSERT_TRUE(QDir(homeFile("")).mkpath(QStringLiteral("sub")));
  WriteBytes(homeFile("sub/Dozir.txt"), "x");
  QFile::setPermissions(homeFile("sub/Dozir.txt"), QFileDevice::ReadOwner);
  WriteBytes(homeFile("dozir.txt"), "x");
  QFile::setPermissions(homeFile("dozir.txt"), QFileDevice::ReadOwner);
  ClearReadOnlyFlags({QStringLiteral("vidazu.txt"), QStringLiteral("diduvuv.txt"), QStringLiteral("missing.txt"),
                      homeFile("sub/dozir.txt")});
  EXPECT_TRUE(QFileInfo(homeFile("vidazu.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_TRUE(QFileInfo(homeFile("DIDUVUV.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_TRUE(QFileInfo(homeFile("sub/Dozir.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_FALSE(QFileInfo(homeFile("dozir.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_FALSE(QFileInfo::exists(homeFile("missing.txt")));
}
