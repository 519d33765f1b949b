// Data files change under a lock, from what is on disk, and never lose what
// nobody edited.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTimer>
#include <functional>
#include <memory>

#include <cerrno>

#include "SettingsTestSupport.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/FileLock.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/SafeSave.h"
#include "core/platform/ScreenCursor.h"
#include "core/platform/SystemError.h"
#include "core/platform/TextLines.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/WeekdayBackup.h"

namespace {

class DataFileRewriteTest : public SettingsTest {
 protected:
  void SetUp() override {
    SettingsTest::SetUp();
    platform::ForgetForeignBytesAnswers();
    platform::FileLock::SetWaitMilliseconds(200);
  }
  void TearDown() override {
    platform::FileLock::SetWaitMilliseconds(10000);
    SettingsTest::TearDown();
  }
  QString path() const { return homeFile(QStringLiteral("data.txt")); }
  QString temp() const { return homeFile(QStringLiteral("ringpad.tmp")); }
  static bool appendLine(QStringList& lines) {
    lines.append(QStringLiteral("追加"));
    return true;
  }
};

TEST_F(DataFileRewriteTest, EditSeesTheFileAsItStandsAndKeepsACopy) {
  WriteBytes(path(), sjis("一\r\n二\n"));
  WriteBytes(temp(), "stale");
  QStringList seen;
  ASSERT_TRUE(RewriteDataFile(path(), [&](QStringList& lines) {
    seen = lines;
    return appendLine(lines);
  }, {.keepTempCopy = true}));
  EXPECT_EQ(seen, QStringList({"一", "二"}));
  EXPECT_EQ(ReadBytes(path()), sjis("一\r\n二\r\n追加\r\n"));
  EXPECT_EQ(ReadBytes(temp()), sjis("一\r\n二\n"));
  EXPECT_TRUE(messages().shown().empty());
  EXPECT_FALSE(QFile::exists(platform::FileLock::LockPathOf(path()))) << "the lock goes with the cycle";
}

TEST_F(DataFileRewriteTest, DeclinedEditAndMissingFile) {
  WriteBytes(path(), "keep\r\n");
  EXPECT_FALSE(RewriteDataFile(path(), [](QStringList&) { return false; }, {.keepTempCopy = true}));
  EXPECT_EQ(ReadBytes(path()), "keep\r\n");
  EXPECT_FALSE(QFile::exists(temp()));

  // A file not there yet reads as no lines and is created; no copy of nothing.
  const QString fresh = homeFile(QStringLiteral("new.txt"));
  WriteBytes(temp(), "stale");
  ASSERT_TRUE(RewriteDataFile(fresh, appendLine, {.keepTempCopy = true}));
  EXPECT_EQ(ReadBytes(fresh), sjis("追加\r\n"));
  EXPECT_FALSE(QFile::exists(temp()));
  EXPECT_TRUE(messages().shown().empty());
}

// Bytes that are not code page 932 (a line from another program) ask once;
// untouched lines keep their bytes whatever the answer allowed.
TEST_F(DataFileRewriteTest, ForeignBytesAskOnceAndUntouchedLinesKeepThem) {
  const QByteArray foreign("\xE5\xAE\x9A\x0D\x0A" "2025/01/02,\xFF\xFE\x85\x7F\r\n");
  WriteBytes(path(), foreign);

  messages().answer(platform::MsgResult::Cancel);
  EXPECT_FALSE(RewriteDataFile(path(), appendLine));
  EXPECT_EQ(ReadBytes(path()), foreign);
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_EQ(messages().shown()[0].text, "「" + path() + "」はShift-JISのテキストではないようです。\n"
                                        "書き換えると元の内容に戻せなくなります。書き換えますか？");
  EXPECT_EQ(messages().shown()[0].buttons, platform::MsgButtons::OkCancel);

  ASSERT_TRUE(RewriteDataFile(path(), appendLine));
  ASSERT_TRUE(RewriteDataFile(path(), appendLine));
  EXPECT_EQ(messages().shown().size(), 2u) << "asked once per session";
  EXPECT_EQ(ReadBytes(path()), foreign + sjis("追加\r\n追加\r\n"));

  // The whole-file form keeps them too when its lines are the file's.
  QStringList lines;
  ASSERT_TRUE(platform::ReadTextLines(path(), lines));
  lines.removeLast();
  ASSERT_TRUE(WriteDataFile(path(), lines));
  EXPECT_EQ(ReadBytes(path()), foreign + sjis("追加\r\n"));
}

// A stray lead byte reads as the same mark as a real "・", so lines are told
// apart by order, not by text: each keeps its own bytes, and a line added with
// that text is encoded afresh.
TEST_F(DataFileRewriteTest, LinesThatReadAlikeKeepTheirOwnBytes) {
  const QByteArray plainThenForeign("a\x81\x45@\r\na\x85@\r\n");
  const QByteArray foreignThenPlain("a\x85@\r\na\x81\x45@\r\n");
  for (const QByteArray& before : {plainThenForeign, foreignThenPlain}) {
    WriteBytes(path(), before);
    QStringList lines;
    ASSERT_TRUE(platform::ReadTextLines(path(), lines));
    ASSERT_EQ(lines.at(0), lines.at(1));
    lines.append(lines.at(0));
    ASSERT_TRUE(WriteDataFile(path(), lines, {.confirmForeignBytes = false}));
    EXPECT_EQ(ReadBytes(path()), before + "a\x81\x45@\r\n");
  }
}

TEST_F(DataFileRewriteTest, BusyLockRefusesAndADeadHoldersLockIsRecovered) {
  WriteBytes(path(), "old\r\n");
  {
    QLockFile other(platform::FileLock::LockPathOf(path()));
    ASSERT_TRUE(other.tryLock());
    EXPECT_FALSE(RewriteDataFile(path(), appendLine));
    EXPECT_EQ(ReadBytes(path()), "old\r\n");
    ASSERT_EQ(messages().shown().size(), 1u);
    EXPECT_TRUE(messages().shown()[0].text.contains("「" + path() + "」"));
  }
  // A lock file of a program that is no longer running.
  WriteBytes(platform::FileLock::LockPathOf(path()),
             "4194000\nringpad\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  ASSERT_TRUE(WriteDataFile(path(), {"new"}));
  EXPECT_EQ(ReadBytes(path()), "new\r\n");
}

// A lock file that names no live holder does not block a change: one naming
// a process of this machine that is gone is taken over at once, one naming
// nobody (its program killed before it wrote its name) once it is a few
// seconds old. One from another machine, and any lock a live holder still
// has locked, keep blocking.
TEST_F(DataFileRewriteTest, LocksNobodyHoldsAreTakenOver) {
  const QString lockPath = platform::FileLock::LockPathOf(path());
  const QByteArray here = QSysInfo::machineHostName().toUtf8();
  const QDateTime old = QDateTime::currentDateTime().addSecs(-60);
  struct Row {
    const char* what;
    QByteArray content;
    bool old;
    bool readable;
    bool takenOver;
  };
  const Row rows[] = {
      {"empty", "", true, true, true},
      {"empty and just made", "", false, true, false},
      {"not a lock's content", "\x81\x40garbage\n", true, true, true},
      {"unreadable", "", true, false, true},
      {"a process gone from this machine", "4194000\nringpad\n" + here + "\n", false, true, true},
      {"a process of another machine", "4194000\nringpad\nsomewhere-else\n", true, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    messages().clear();
    WriteBytes(path(), "old\r\n");
    WriteBytes(lockPath, row.content);
    if (row.old) {
      QFile lock(lockPath);
      ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
      ASSERT_TRUE(lock.setFileTime(old, QFileDevice::FileModificationTime));
    }
    if (!row.readable) QFile::setPermissions(lockPath, QFileDevice::Permissions());
    EXPECT_EQ(WriteDataFile(path(), {"new"}), row.takenOver);
    EXPECT_EQ(ReadBytes(path()), row.takenOver ? "new\r\n" : "old\r\n");
    EXPECT_EQ(messages().shown().size(), row.takenOver ? 0u : 1u);
    EXPECT_EQ(QFile::exists(lockPath), !row.takenOver) << "a taken-over lock goes with the cycle";
    QFile::remove(lockPath);
  }

  // A live holder's lock file is not taken, whatever it has come to say.
  QLockFile holder(lockPath);
  ASSERT_TRUE(holder.tryLock());
  {
    QFile emptied(lockPath);
    ASSERT_TRUE(emptied.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(emptied.setFileTime(old, QFileDevice::FileModificationTime));
  }
  EXPECT_FALSE(WriteDataFile(path(), {"new"}));
  EXPECT_EQ(ReadBytes(path()), "old\r\n");
}

// A folder or a link to nothing where the lock file goes is no one's lock:
// the user is told what stands there and where, nothing is written or
// removed, and once it has gone the next change is saved.
TEST_F(DataFileRewriteTest, ALockPlaceThatIsNoFileIsNamedAndStopsOnlyUntilItGoes) {
  const QString lockPath = platform::FileLock::LockPathOf(path());
  const struct {
    const char* what;
    std::function<bool()> make;
    const char* told;
  } rows[] = {
      {"a folder", [&] { return QDir().mkpath(lockPath + "/inside"); }, "」がフォルダーになっています。"},
      {"a link to nothing", [&] { return QFile::link(homeFile("gone"), lockPath); },
       "」が、存在しない場所を指すリンクになっています。"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    messages().clear();
    WriteBytes(path(), "old\r\n");
    ASSERT_TRUE(row.make());
    for (int attempt = 0; attempt < 2; ++attempt) EXPECT_FALSE(RewriteDataFile(path(), appendLine));
    EXPECT_EQ(ReadBytes(path()), "old\r\n");
    ASSERT_EQ(messages().texts().size(), 2);
    const QString said = messages().texts().at(0);
    EXPECT_TRUE(said.contains("「" + path() + "」")) << said.toStdString();
    EXPECT_TRUE(said.contains("「" + lockPath + row.told)) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("書き込み中"))) << "no holder is waited for";
    EXPECT_TRUE(QFileInfo(lockPath).isSymLink() || QFileInfo::exists(lockPath + "/inside")) << "left to its owner";

    if (QFileInfo(lockPath).isSymLink())
      QFile::remove(lockPath);
    else
      QDir(lockPath).removeRecursively();
    messages().clear();
    ASSERT_TRUE(RewriteDataFile(path(), appendLine));
    EXPECT_EQ(ReadBytes(path()), sjis("old\r\n追加\r\n"));
    EXPECT_TRUE(messages().texts().isEmpty());
  }
}

// The cycle's failures are reported by kind, naming the file as the caller
// gave it: a handler sees them instead of the user.
TEST_F(DataFileRewriteTest, FailuresAreReportedByKind) {
  std::vector<platform::ProblemReport> reports;
  const platform::ProblemHandlerScope collect([&](const platform::ProblemReport& r) {
    reports.push_back(r);
    return false;
  });
  WriteBytes(path(), "old\r\n");
  {
    QLockFile other(platform::FileLock::LockPathOf(path()));
    ASSERT_TRUE(other.tryLock());
    EXPECT_FALSE(RewriteDataFile(path(), appendLine));
  }
  QDir().mkpath(homeFile("folder.txt"));
  EXPECT_FALSE(RewriteDataFile(homeFile("folder.txt"), appendLine));
  EXPECT_FALSE(WriteDataFile(homeFile("missing/data.txt"), {"new"}));
  EXPECT_TRUE(messages().shown().empty());
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[0].problem, platform::Problem::LockFailed);
  EXPECT_EQ(reports[0].subject, path());
  EXPECT_EQ(reports[1].problem, platform::Problem::ReadFailed);
  EXPECT_EQ(reports[1].subject, homeFile("folder.txt"));
  EXPECT_EQ(reports[1].reason, platform::SystemErrorText(EISDIR));
  EXPECT_EQ(reports[2].problem, platform::Problem::LockFailed) << "no lock file in a missing folder";
  EXPECT_EQ(reports[2].subject, homeFile("missing/data.txt"));
  EXPECT_EQ(ReadBytes(path()), "old\r\n");
}

// In a folder the user has been told cannot be written, a change the user
// made that could not be saved is still told, each time; only the program's
// own writes stay quiet there.
TEST_F(DataFileRewriteTest, InAFolderToldUnwritableTheUsersChangesAreStillTold) {
  platform::QuietWriteFailuresIn(home());
  const QString missing = homeFile("missing/data.txt");
  const struct {
    const char* what;
    std::function<bool()> write;
    bool told;
  } rows[] = {
      {"a change", [&] { return RewriteDataFile(missing, appendLine); }, true},
      {"a whole file", [&] { return WriteDataFile(missing, {"new"}); }, true},
      {"a saved file", [&] { return platform::SaveFileOrReport(missing, "new\r\n"); }, true},
      {"the program's own file", [&] { return WriteDataFile(missing, {"new"}, {.ownAccord = true}); }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    messages().clear();
    EXPECT_FALSE(row.write());
    ASSERT_EQ(messages().texts().size(), row.told ? 1 : 0);
    if (row.told) EXPECT_TRUE(messages().texts()[0].contains(QDir::toNativeSeparators(missing)));
  }
}

// A link the user made to keep the data elsewhere is followed; links planted
// where the program keeps its own copies are replaced, never written through.
TEST_F(DataFileRewriteTest, LinksToDataAreFollowedLinksToCopiesReplaced) {
  QTemporaryDir outside;
  const QString real = outside.path() + "/schedule.txt";
  const QString victim = outside.path() + "/victim.txt";
  WriteBytes(real, "real\r\n");
  WriteBytes(victim, "victim\r\n");
  ASSERT_TRUE(QFile::link(real, path()));
  ASSERT_TRUE(QFile::link(victim, temp()));
  QDir().mkpath(BackupFolder);
  ASSERT_TRUE(QFile::link(victim, BackupFolder + "data3.txt"));

  ASSERT_TRUE(RewriteDataFile(path(), appendLine, {.keepTempCopy = true}));
  EXPECT_EQ(ReadBytes(real), sjis("real\r\n追加\r\n"));
  EXPECT_TRUE(QFileInfo(path()).isSymLink());
  ASSERT_TRUE(MakeWeekdayBackup(path(), "data", "txt", "x", QDate(2024, 6, 4)));

  EXPECT_EQ(ReadBytes(victim), "victim\r\n");
  EXPECT_FALSE(QFileInfo(temp()).isSymLink());
  EXPECT_EQ(ReadBytes(temp()), "real\r\n");
  EXPECT_FALSE(QFileInfo(BackupFolder + "data3.txt").isSymLink());
  EXPECT_EQ(ReadBytes(BackupFolder + "data3.txt"), sjis("real\r\n追加\r\n"));
}

// Whoever holds the lock shows no box meanwhile: a second copy of the
// program would wait on this one's user. The question about foreign bytes is
// asked with the lock free, and the edit then sees what another writer put
// in the file during the question; a read failure is told with it free too.
TEST_F(DataFileRewriteTest, NoBoxIsShownWhileTheLockIsHeld) {
  const QByteArray foreign("2025/01/02,\xFF\xFE\x85\x7F\r\n");
  WriteBytes(path(), foreign);
  QStringList lockFreeAtEachBox;
  platform::SetMessageHandler([&](const platform::MessageRequest&) {
    QLockFile probe(platform::FileLock::LockPathOf(path()));
    lockFreeAtEachBox << (probe.tryLock(0) ? "free" : "held");
    // Another copy writes while this one's user reads the question.
    WriteBytes(path(), foreign + sjis("他\r\n"));
    return platform::MsgResult::Ok;
  });
  QStringList seen;
  ASSERT_TRUE(RewriteDataFile(path(), [&](QStringList& lines) {
    seen = lines;
    return appendLine(lines);
  }));
  EXPECT_EQ(lockFreeAtEachBox, QStringList{"free"});
  EXPECT_EQ(seen.size(), 2) << "the edit ran once, on the file as the other left it";
  EXPECT_EQ(ReadBytes(path()), foreign + sjis("他\r\n追加\r\n"));

  lockFreeAtEachBox.clear();
  const QString folder = homeFile(QStringLiteral("folder.txt"));
  QDir().mkpath(folder);
  EXPECT_FALSE(RewriteDataFile(folder, appendLine));
  EXPECT_EQ(lockFreeAtEachBox, QStringList{"free"});
}

// A lock held by another writer is waited for with the event loop turning
// and the busy pointer shown; the pointer is the caller's again afterwards.
TEST_F(DataFileRewriteTest, WaitingForALockKeepsTheEventLoopTurning) {
  platform::FileLock::SetWaitMilliseconds(5000);
  WriteBytes(path(), "old\r\n");
  auto other = std::make_unique<QLockFile>(platform::FileLock::LockPathOf(path()));
  ASSERT_TRUE(other->tryLock());
  bool pointerBusy = false;
  QTimer::singleShot(300, [&] {
    pointerBusy = platform::HourglassShown();
    other->unlock();
  });
  ASSERT_TRUE(RewriteDataFile(path(), appendLine));
  EXPECT_TRUE(pointerBusy);
  EXPECT_FALSE(platform::HourglassShown());
  EXPECT_EQ(ReadBytes(path()), sjis("old\r\n追加\r\n"));
  EXPECT_TRUE(messages().shown().empty());
}

TEST_F(DataFileRewriteTest, WeekdayBackupNamesAndFailures) {
  // 2 June 2024 was a Sunday (1), 8 June a Saturday (7).
  EXPECT_EQ(WeekdayBackupPath("vidazu", "txt", QDate(2024, 6, 2)), BackupFolder + "vidazu1.txt");
  EXPECT_EQ(WeekdayBackupPath("memo", "dat", QDate(2024, 6, 8)), BackupFolder + "memo7.dat");
  EXPECT_TRUE(MakeWeekdayBackup(homeFile("none.txt"), "data", "txt", "x", QDate(2024, 6, 4)));
  WriteBytes(path(), "entries\r\n");
  EXPECT_FALSE(MakeWeekdayBackup(path(), "data", "txt", "バックアップできません。", QDate(2024, 6, 4)))
      << "no backup folder";
  // Not write protection: the system's reason is given.
  EXPECT_EQ(messages().texts(),
            QStringList{platform::SaveFailureMessage(BackupFolder + "data3.txt", platform::SystemErrorText(ENOENT))});
  // A file that cannot be read is reported as such, and nothing is copied.
  messages().clear();
  QDir().mkpath(BackupFolder);
  QDir().mkpath(homeFile("folder.txt"));
  EXPECT_FALSE(MakeWeekdayBackup(homeFile("folder.txt"), "data", "txt", "x", QDate(2024, 6, 4)));
  ASSERT_EQ(messages().shown().size(), 1u);
  EXPECT_TRUE(messages().shown()[0].text.startsWith("「" + homeFile("folder.txt") + "」を読み込めませんでした。("));
  EXPECT_FALSE(QFile::exists(BackupFolder + "data3.txt"));
}

}  // namespace
