// Paths stored relative to the program folder, and telling whether two
// paths name one file.
#include <QDir>
#include <QFile>

#include "TestEnvironment.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/ProgramRelativePath.h"

namespace {

class ProgramRelativePathTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
  }
};

TEST_F(ProgramRelativePathTest, APathInsideTheProgramFolderLosesTheFolder) {
  struct Case {
    QString path;
    QString bare;
    QString dotted;
  };
  QDir().mkpath(home() + QStringLiteral("sub"));
  const QString outside = QDir::tempPath() + QStringLiteral("/y.txt");
  const Case cases[] = {
      {home() + QStringLiteral("work.txt"), QStringLiteral("work.txt"), QStringLiteral("work.txt")},
      {home() + QStringLiteral("sub/x.txt"), QStringLiteral("sub/x.txt"), QStringLiteral("./sub/x.txt")},
      {outside, outside, outside},
      {home(), home(), home()},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgramRelativePath(c.path, RelativeStyle::Bare), c.bare) << c.path.toStdString();
    EXPECT_EQ(ProgramRelativePath(c.path, RelativeStyle::DotPrefixed), c.dotted) << c.path.toStdString();
  }
}

// The folder compares regardless of case only where it still names the
// program folder; here, on a file system that tells cases apart, another
// spelling is another folder and the path is kept whole.
TEST_F(ProgramRelativePathTest, AnotherSpellingOfTheFolderCountsOnlyWhenItIsTheSameFolder) {
  const QString upper = home().toUpper() + QStringLiteral("work.txt");
  if (QFileInfo(home().toUpper()).exists()) GTEST_SKIP() << "case-insensitive file system";
  EXPECT_EQ(ProgramRelativePath(upper, RelativeStyle::Bare), upper);
}

TEST_F(ProgramRelativePathTest, SameFileSeesThroughSpellingsAndLinks) {
  WriteBytes(homeFile(QStringLiteral("diduvuv.txt")), "x\r\n");
  QDir().mkpath(home() + QStringLiteral("sub"));
  ASSERT_TRUE(QFile::link(homeFile(QStringLiteral("diduvuv.txt")), homeFile(QStringLiteral("sub/link.txt"))));
  const QString file = homeFile(QStringLiteral("diduvuv.txt"));
  for (const QString& other :
       {QStringLiteral("diduvuv.txt"), QStringLiteral("./sub/../diduvuv.txt"), QStringLiteral(".\\diduvuv.txt"),
        home() + QStringLiteral("sub/../diduvuv.txt"), homeFile(QStringLiteral("sub/link.txt"))})
    EXPECT_TRUE(SameFile(file, other)) << other.toStdString();
  for (const QString& other : {homeFile(QStringLiteral("diduvuv.csv")), homeFile(QStringLiteral("sub/diduvuv.txt")),
                               homeFile(QStringLiteral("DIDUVUV.TXT")), QString()})
    EXPECT_FALSE(SameFile(file, other)) << other.toStdString();
  // Files that do not exist yet compare by folder and name.
  EXPECT_TRUE(SameFile(QStringLiteral("new.csv"), homeFile(QStringLiteral("sub/../new.csv"))));
}

}  // namespace
