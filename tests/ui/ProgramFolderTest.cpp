// Where the program keeps its data, the lock that refuses a second start,
// and the order of the start-up's file steps.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "core/platform/ProgramPaths.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/InitApplication.h"

namespace {

// Gives the test its own per-user folders and no RINGPAD_HOME.
class ProgramFolderTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(user_.isValid());
    oldData_ = qgetenv("XDG_DATA_HOME");
    oldRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    QDir().mkpath(user_.filePath("data"));
    QDir().mkpath(user_.filePath("run"));
    QFile::setPermissions(user_.filePath("run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                       QFileDevice::ExeOwner);
    qputenv("XDG_DATA_HOME", user_.filePath("data").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", user_.filePath("run").toLocal8Bit());
  }
  void TearDown() override {
    platform::SetReadOnlyFolderOverride(QString());
    restore("XDG_DATA_HOME", oldData_);
    restore("XDG_RUNTIME_DIR", oldRuntime_);
    MainWindowTest::TearDown();
  }
  static void restore(const char* name, const QByteArray& value) {
    if (value.isEmpty())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  QString userData() const { return user_.filePath("data") + QStringLiteral("/ringpad/"); }
  QString folder(const QString& name) const {
    const QString path = user_.filePath(name);
    QDir().mkpath(path);
    return path + u'/';
  }

 private:
  QTemporaryDir user_;
  QByteArray oldData_, oldRuntime_;
};

}  // namespace

TEST_F(ProgramFolderTest, TheProgramFolderIsChosenInThreeWays) {
  const QString build = folder(QStringLiteral("build"));
  const QString portable = folder(QStringLiteral("portable"));
  WriteBytes(portable + QStringLiteral("ringpad.ini"), "[ringpad]\r\n");
  WriteBytes(build + QStringLiteral("other.ini"), "[other]\r\n");

  // RINGPAD_HOME wins wherever the executable is.
  EXPECT_EQ(platform::ResolveProgramFolder(portable + QStringLiteral("ringpad")), home());

  qunsetenv("RINGPAD_HOME");
  // A copy that carries its settings file keeps its data beside it.
  EXPECT_EQ(platform::ResolveProgramFolder(portable + QStringLiteral("ringpad")), portable);
  // A build folder (no settings file of this name) never holds the data.
  EXPECT_EQ(platform::ResolveProgramFolder(build + QStringLiteral("ringpad")), userData());
  EXPECT_EQ(platform::ResolveProgramFolder(portable + QStringLiteral("dozir")), userData());
  EXPECT_EQ(platform::ResolveProgramFolder(QString()), userData());
  EXPECT_TRUE(QFileInfo(userData()).isDir());
  // A copy in a read-only folder cannot keep its data there.
  platform::SetReadOnlyFolderOverride(portable);
  EXPECT_EQ(platform::ResolveProgramFolder(portable + QStringLiteral("ringpad")), userData());
  qputenv("RINGPAD_HOME", home().toLocal8Bit());
}

TEST_F(ProgramFolderTest, AReadOnlyProgramFolderKeepsItsLockInTheRuntimeFolder) {
  platform::SetReadOnlyFolderOverride(home());
  WriteBytes(homeFile("ringpad.ini"), "[ringpad]\r\nVERSION=3.16.01\r\n");
  Start();
  EXPECT_EQ(endRequests, 0);
  ProgramFolder = home();
  ExeName = QStringLiteral("ringpad");
  EXPECT_EQ(InstanceLockPath(), RuntimeInstanceLockPath());
  EXPECT_FALSE(QFileInfo::exists(homeFile("ringpad.lock")));
  QLockFile second(RuntimeInstanceLockPath());
  EXPECT_FALSE(second.tryLock(0));  // the running program holds it
}

TEST_F(ProgramFolderTest, ARunningProgramRefusesASecondStartInAReadOnlyFolder) {
  platform::SetReadOnlyFolderOverride(home());
  WriteBytes(homeFile("ringpad.ini"), "[ringpad]\r\nVERSION=3.16.01\r\n");
  const QByteArray before = ReadBytes(homeFile("ringpad.ini"));
  ProgramFolder = home();
  ExeName = QStringLiteral("ringpad");
  QLockFile running(RuntimeInstanceLockPath());
  ASSERT_TRUE(running.tryLock(0));
  Start();
  EXPECT_EQ(messages().texts(), QStringList({QStringLiteral("既に起動されています。")}));
  EXPECT_EQ(endRequests, 1);
  EXPECT_EQ(ReadBytes(homeFile("ringpad.ini")), before);
}

TEST_F(ProgramFolderTest, ReadOnlyFlagsAreClearedInTheProgramFolderOnly) {
  const QString launch = folder(QStringLiteral("launch"));
  const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser;
  for (const QString& path : {homeFile("DIDUVUV.txt"), launch + QStringLiteral("diduvuv.txt"),
                              homeFile("Vidazu.txt"), launch + QStringLiteral("jxmemo.txt")}) {
    WriteBytes(path, "x");
    QFile::setPermissions(path, readOnly);
  }
  WriteBytes(homeFile("ringpad.ini"), "[ringpad]\r\nVERSION=3.16.01\r\n");
  QDir::setCurrent(launch);
  Start();
  EXPECT_TRUE(QFileInfo(homeFile("DIDUVUV.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_TRUE(QFileInfo(homeFile("Vidazu.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_FALSE(QFileInfo(launch + QStringLiteral("diduvuv.txt")).permissions() & QFileDevice::WriteOwner);
  EXPECT_FALSE(QFileInfo(launch + QStringLiteral("jxmemo.txt")).permissions() & QFileDevice::WriteOwner);
}

TEST_F(ProgramFolderTest, TheVersionMarkIsWrittenAfterTheDefaults) {
  // The settings file keeps keys in the order they were first written.
  Start();
  const QString text = QString::fromLatin1(ReadBytes(homeFile("ringpad.ini")));
  const qsizetype version = text.indexOf(QStringLiteral("\nVERSION="));
  ASSERT_GT(version, 0);
  for (const char* key : {"\nX=", "\nY=", "\nYOHAKU=", "\nKAZARI=", "\nAMIKAKE_COLOR="})
    EXPECT_LT(text.indexOf(QString::fromLatin1(key)), version) << key;

  // A start-up cut short before the mark (defaults half written) writes the
  // defaults again at the next start.
  WriteBytes(homeFile("ringpad.ini"), "[ringpad]\r\nX=1500\r\nY=750\r\nYOHAKU=3\r\n");
  messages().clear();
  Start();
  EXPECT_EQ(Ini("VERSION"), QStringLiteral("3.16.01"));
  EXPECT_FALSE(Ini("KAZARI").isEmpty());
}
