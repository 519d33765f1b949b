// Files are replaced whole or not at all.
#include "TestEnvironment.h"
#include "core/platform/SafeSave.h"
#include "TinyFileSystem.h"

namespace {

using SafeSaveTest = RingpadTest;

TEST_F(SafeSaveTest, ReplacesAndCreatesFiles) {
  const QString path = homeFile(QStringLiteral("data.txt"));
  ASSERT_TRUE(platform::SaveFileAtomically(path, "first\r\n"));
  EXPECT_EQ(ReadBytes(path), QByteArray("first\r\n"));
  ASSERT_TRUE(platform::SaveFileOrReport(path, "second"));
  EXPECT_EQ(ReadBytes(path), QByteArray("second"));
  ASSERT_TRUE(platform::CopyFileAtomically(path, homeFile(QStringLiteral("copy.txt"))));
  EXPECT_EQ(ReadBytes(homeFile(QStringLiteral("copy.txt"))), QByteArray("second"));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(SafeSaveTest, MissingFolderOrSourceFails) {
  QString error;
  EXPECT_FALSE(platform::SaveFileAtomically(homeFile(QStringLiteral("no/such/file.txt")), "x", &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(platform::CopyFileAtomically(homeFile(QStringLiteral("none.txt")), homeFile(QStringLiteral("c.txt"))));
  EXPECT_FALSE(QFile::exists(homeFile(QStringLiteral("c.txt"))));
}

TEST_F(SafeSaveTest, FullFileSystemKeepsTheOldFileAndReportsIt) {
  TinyFileSystem disk(homeFile(QStringLiteral("disk")));
  if (!disk.mounted()) GTEST_SKIP() << disk.skipReason();
  const QString path = disk.path(QStringLiteral("data.txt"));
  QByteArray old;
  for (int i = 0; i < 300; ++i) old += "line " + QByteArray::number(i) + "\r\n";
  ASSERT_TRUE(platform::SaveFileAtomically(path, old));
  ASSERT_TRUE(disk.fill());

  QString error;
  EXPECT_FALSE(platform::SaveFileAtomically(path, old + "more", &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_FALSE(platform::SaveFileAtomically(path, "short", &error)) << "even a smaller file needs a new block";
  EXPECT_EQ(ReadBytes(path), old);

  EXPECT_FALSE(platform::SaveFileOrReport(path, "new content"));
  EXPECT_EQ(ReadBytes(path), old);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.contains(QStringLiteral("書き込めませんでした")));
  EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Critical);

  EXPECT_FALSE(platform::CopyFileAtomically(path, disk.path(QStringLiteral("copy.txt"))));
  EXPECT_EQ(disk.entries(), QStringList({QStringLiteral("data.txt"), QStringLiteral("filler")}))
      << "no temporary or partial file is left behind";
}

}  // namespace
