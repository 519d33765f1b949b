// Two programs adding entries to one schedule file at the same time (the
// full program and the schedule-only one, say) keep every entry.
#include <QSet>

#include "ChildProcess.h"
#include "TestEnvironment.h"
#include "TinyFileSystem.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "schedule/ScheduleFile.h"

namespace {

constexpr int kAddsPerWriter = 300;

// In each child: one entry at a time, each add its own locked rewrite.
TEST(DISABLED_ScheduleWriterChild, AddEntries) {
  SetProgramPaths(qEnvironmentVariable("RINGPAD_HOME") + QStringLiteral("/ringpad"));
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ReportToParent(r.text);
    return platform::MsgResult::Ok;
  });
  const QString name = qEnvironmentVariable("RINGPAD_WRITER");
  int written = 0;
  for (int i = 0; i < kAddsPerWriter; ++i) {
    const QString line = QStringLiteral("2024/06/04,　　,%1 %2").arg(name).arg(i);
    if (ScheduleFile::Rewrite(ProgramFolder + ScheduleFile::DefaultName(), [&](QStringList& lines) {
          lines.append(line);
          return true;
        }))
      ++written;
  }
  ReportToParent(QString::number(written));
}

using ConcurrentWritersTest = RingpadTest;

TEST_F(ConcurrentWritersTest, TwoWritersKeepEveryEntry) {
  // Each save waits for the disk; in memory the 1,200 saves take seconds
  // instead of half a minute. Where no memory file system can be mounted
  // the program folder serves.
  TinyFileSystem memory(homeFile("memory"), "size=16m");
  const QString folder = memory.mounted() ? homeFile("memory") : home();
  QList<QProcess*> children;
  for (const char* name : {"A", "B"}) {
    QProcessEnvironment env;
    env.insert("RINGPAD_HOME", folder);
    env.insert("RINGPAD_WRITER", name);
    children.append(StartChildTest("DISABLED_ScheduleWriterChild.AddEntries", env));
  }
  for (QProcess* child : children) {
    const ChildOutcome outcome = FinishChildTest(child);
    EXPECT_EQ(outcome.reports, QStringList{QString::number(kAddsPerWriter)}) << outcome.log.toStdString();
  }
  QStringList lines;
  ASSERT_TRUE(ScheduleFile::ReadLines(folder + "/" + ScheduleFile::DefaultName(), lines));
  EXPECT_EQ(lines.size(), 2 * kAddsPerWriter);
  EXPECT_EQ(QSet<QString>(lines.begin(), lines.end()).size(), 2 * kAddsPerWriter);
  for (const char* name : {"A", "B"})
    EXPECT_TRUE(lines.contains(QStringLiteral("2024/06/04,　　,%1 %2").arg(name).arg(kAddsPerWriter - 1)));
}

}  // namespace
