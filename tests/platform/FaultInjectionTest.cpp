// Failing system calls, one at a time, on each way the program saves or
// loads a file: the old file keeps its bytes, the user is told, and no
// temporary file is left behind. The failures come from a shim preloaded
// into a child process.
#include <QDir>
#include <QDirIterator>
#include <QMap>

#include "ChildProcess.h"
#include "TestEnvironment.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "schedule/ScheduleFile.h"

namespace {

const QDate kTuesday(2024, 6, 4);  // weekday backup 3

// In the child: runs one operation, reporting every message and the result.
TEST(DISABLED_FaultChild, Run) {
  SetProgramPaths(qEnvironmentVariable("RINGPAD_HOME") + QStringLiteral("/ringpad"));
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ReportToParent(r.text);
    return platform::MsgResult::Ok;
  });
  const QString op = qEnvironmentVariable("RINGPAD_CHILD_OPERATION");
  const QString schedule = ProgramFolder + QStringLiteral("diduvuv.txt");
  bool ok = false;
  if (op == "schedule-add")
    ok = ScheduleFile::Rewrite(schedule, [](QStringList& lines) {
      lines.append(QStringLiteral("2024/06/04,　　,追加"));
      return true;
    });
  else if (op == "schedule-write")
    ok = ScheduleFile::Write(schedule, {QStringLiteral("2024/06/04,　　,全部")});
  else if (op == "backup")
    ok = ScheduleFile::MakeWeekdayBackup(schedule, kTuesday);
  else if (op == "settings-write")
    ok = WriteIniValue(QStringLiteral("DIDUVUV"), QStringLiteral("FILE"), QStringLiteral("other.txt")) != 0;
  ReportToParent(ok ? QStringLiteral("result: ok") : QStringLiteral("result: failed"));
}

class FaultInjectionTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    for (int i = 1; i <= 28; ++i)
      schedule_ += platform::ToSjis(QStringLiteral("2024/06/%1,　　,予定%2\r\n").arg(i, 2, 10, QChar(u'0')).arg(i));
    WriteBytes(homeFile("diduvuv.txt"), schedule_);
    WriteBytes(homeFile("bak/diduvuv3.txt"), "last week\r\n");
    WriteBytes(homeFile("ringpad.ini"), platform::ToSjis("[DIDUVUV]\r\nFILE=diduvuv.txt\r\nMEMO_GYO=3\r\n"));
  }
  // Every file under the program folder, hidden ones too, with its bytes.
  QMap<QString, QByteArray> Files() const {
    QMap<QString, QByteArray> files;
    QDirIterator it(home(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      files.insert(path.mid(home().size()), ReadBytes(path));
    }
    return files;
  }
  QByteArray schedule_;
};

TEST_F(FaultInjectionTest, EveryFailedCallLeavesTheOldFiles) {
  const struct {
    const char* operation;
    const char* call;
    const char* pattern;  // under the program folder
    const char* message;  // a message starting so, "" for none
  } rows[] = {
      {"schedule-add", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"schedule-add", "fdatasync", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-add", "close", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-add", "rename", "diduvuv.txt", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-write", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"schedule-write", "fdatasync", ".diduvuv.txt.*", "%1diduvuv.txt に書き込めませんでした。"},
      {"schedule-write", "rename", "diduvuv.txt", "%1diduvuv.txt に書き込めませんでした。"},
      {"backup", "read", "diduvuv.txt", "「%1diduvuv.txt」を読み込めませんでした。("},
      {"backup", "fdatasync", "bak/.diduvuv3.txt.*", "バックアップファイルが書き込み禁止になっています。"},
      {"backup", "close", "bak/.diduvuv3.txt.*", "バックアップファイルが書き込み禁止になっています。"},
      {"backup", "rename", "bak/diduvuv3.txt", "バックアップファイルが書き込み禁止になっています。"},
      {"settings-write", "read", "ringpad.ini", "「%1ringpad.ini」を読み込めませんでした。("},
      // Settings writes fail without a word, as they always have; the
      // value simply is not kept.
      {"settings-write", "fdatasync", ".ringpad.ini.*", ""},
      {"settings-write", "close", ".ringpad.ini.*", ""},
      {"settings-write", "rename", "ringpad.ini", ""},
  };
  const QMap<QString, QByteArray> before = Files();
  for (const auto& row : rows) {
    const std::string where = std::string(row.operation) + " × " + row.call;
    QProcessEnvironment env;
    env.insert("RINGPAD_CHILD_OPERATION", row.operation);
    env.insert("RINGPAD_FAULT_CALL", row.call);
    env.insert("RINGPAD_FAULT_PATH", home() + row.pattern);
    const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
    ASSERT_EQ(outcome.exitCode, 0) << where << "\n" << outcome.log.toStdString();
    ASSERT_FALSE(outcome.reports.isEmpty()) << where;
    EXPECT_EQ(outcome.reports.last(), "result: failed") << where;
    const QStringList messages = outcome.reports.mid(0, outcome.reports.size() - 1);
    if (*row.message) {
      ASSERT_EQ(messages.size(), 1) << where << "\n" << messages.join("\n").toStdString();
      EXPECT_TRUE(messages[0].startsWith(QString::fromUtf8(row.message).arg(home()))) << where << " said "
                                                                                         << messages[0].toStdString();
    } else {
      EXPECT_TRUE(messages.isEmpty()) << where;
    }
    // The temporary copy of an entry edit is made before the replace fails;
    // it holds the file as it was.
    QMap<QString, QByteArray> after = Files();
    if (after.contains("ringpad.tmp")) {
      EXPECT_EQ(after.take("ringpad.tmp"), schedule_) << where;
    }
    EXPECT_EQ(after, before) << where;
  }
}

// The same child without a fault changes its file: the rows above fail
// because of the shim, not because the operation cannot work.
TEST_F(FaultInjectionTest, WithoutAFaultEachOperationWrites) {
  for (const char* operation : {"schedule-add", "schedule-write", "backup", "settings-write"}) {
    QProcessEnvironment env;
    env.insert("RINGPAD_CHILD_OPERATION", operation);
    const ChildOutcome outcome = RunChildTest("DISABLED_FaultChild.Run", env, RINGPAD_FAULT_SHIM);
    EXPECT_EQ(outcome.reports, QStringList{"result: ok"}) << operation << "\n" << outcome.log.toStdString();
  }
  EXPECT_EQ(ReadBytes(homeFile("bak/diduvuv3.txt")), platform::ToSjis("2024/06/04,　　,全部\r\n"));
  EXPECT_TRUE(platform::FromSjis(ReadBytes(homeFile("ringpad.ini"))).contains("FILE=other.txt"));
}

}  // namespace
