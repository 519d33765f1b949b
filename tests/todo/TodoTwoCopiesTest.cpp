// Two real copies of the program (two processes of this test program) with
// the to-do window open on one folder: neither waits on the other's message
// box, and every add of both goes in at the first press.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QThread>
#include <functional>
#include <memory>

#include "ChildProcess.h"
#include "TestEnvironment.h"
#include "TinyFileSystem.h"
#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/platform/FileLock.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"
#include "todo_memo/windows/TodoWindow.h"

namespace {

constexpr int kAddsPerCopy = 100;
// A turn that has not come after this long means the other copy is stuck.
constexpr int kGiveUpMs = 60000;

QString CopyFolder() { return qEnvironmentVariable("RINGPAD_HOME"); }
QString ToDoPath() { return CopyFolder() + QStringLiteral("/VIDAZU.txt"); }

int ToDoLineCount() {
  QFile file(ToDoPath());
  if (!file.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(file.readAll().count("\r\n"));
}

// Polls until the condition holds; false when it never did.
bool WaitForTurnOrGiveUp(const std::function<bool()>& condition) {
  QElapsedTimer waited;
  waited.start();
  while (!condition()) {
    if (waited.elapsed() > kGiveUpMs) return false;
    QThread::msleep(1);
  }
  return true;
}

// The to-do window of one copy, opened as the main window opens it.
std::unique_ptr<TodoWindow> OpenCopysWindow() {
  SetProgramPaths(CopyFolder() + QStringLiteral("/ringpad"));
  PaperSettings = PaperSettingsData{};
  platform::SetFixedToday(QDate(2009, 3, 10));
  auto window = std::make_unique<TodoWindow>();
  window->Form_Load();
  return window;
}

bool PressAddWith(TodoWindow& w, const QString& text) {
  w.Txt_ToDoItem->setText(text);
  w.Cmd_Update[1]->click();
  return w.Txt_ToDoItem->text().isEmpty();
}

// In each copy: its adds, taking turns with the other copy by the number of
// lines the file holds; no add is pressed twice.
TEST(DISABLED_TodoCopyChild, AddInTurns) {
  const QString name = qEnvironmentVariable("RINGPAD_COPY");
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ReportToParent(QStringLiteral("box: ") + r.text);
    return platform::MsgResult::Ok;
  });
  auto w = OpenCopysWindow();
  const int first = name == QStringLiteral("A") ? 0 : 1;
  int added = 0;
  for (int i = 0; i < kAddsPerCopy; ++i) {
    if (!WaitForTurnOrGiveUp([&] { return ToDoLineCount() == 2 * i + first; })) break;
    if (!PressAddWith(*w, QStringLiteral("%1 %2").arg(name).arg(i))) break;
    ++added;
  }
  ReportToParent(QStringLiteral("added %1").arg(added));
}

// Copy A asks its user about the file's bytes and waits for an answer until
// copy B has made its add; B adds meanwhile.
TEST(DISABLED_TodoCopyChild, AddBesideAnOpenBox) {
  const QString name = qEnvironmentVariable("RINGPAD_COPY");
  const QString asking = CopyFolder() + QStringLiteral("/a-asking");
  const QString bDone = CopyFolder() + QStringLiteral("/b-done");
  if (name == QStringLiteral("A")) {
    platform::SetMessageHandler([&](const platform::MessageRequest& r) {
      ReportToParent(QStringLiteral("box: ") + r.text);
      QFile(asking).open(QIODevice::WriteOnly);
      // The user reads the question while the other copy works.
      ReportToParent(WaitForTurnOrGiveUp([&] { return QFile::exists(bDone); }) ? QStringLiteral("answered after B")
                                                                    : QStringLiteral("B never finished"));
      return platform::MsgResult::Ok;
    });
  } else {
    platform::SetMessageHandler([](const platform::MessageRequest& r) {
      ReportToParent(QStringLiteral("box: ") + r.text);
      return platform::MsgResult::Ok;
    });
    // Long enough for any rewrite, short enough that a held lock shows soon.
    platform::FileLock::SetWaitMilliseconds(3000);
  }
  auto w = OpenCopysWindow();
  if (name == QStringLiteral("B")) {
    if (!WaitForTurnOrGiveUp([&] { return QFile::exists(asking); })) return ReportToParent(QStringLiteral("A never asked"));
    const bool added = PressAddWith(*w, QStringLiteral("from B"));
    QFile(bDone).open(QIODevice::WriteOnly);
    ReportToParent(added ? QStringLiteral("B added") : QStringLiteral("B failed"));
    return;
  }
  ReportToParent(PressAddWith(*w, QStringLiteral("from A")) ? QStringLiteral("A added") : QStringLiteral("A failed"));
}

class TodoTwoCopiesTest : public RingpadTest {
 protected:
  // Each save waits for the disk; in memory the saves take far less time.
  // Where no memory file system can be mounted the program folder serves.
  void SetUp() override {
    RingpadTest::SetUp();
    memory_ = std::make_unique<TinyFileSystem>(homeFile("memory"), "size=16m");
    folder_ = memory_->mounted() ? homeFile("memory") : home().chopped(1);
    QDir().mkpath(folder_ + "/bak");
    WriteBytes(folder_ + "/diduvuv.txt", QByteArray());
    WriteBytes(folder_ + "/ringpad.ini", "[DIDUVUV]\r\nFILE=diduvuv.txt\r\n");
  }
  void TearDown() override {
    memory_.reset();
    RingpadTest::TearDown();
  }
  std::vector<ChildOutcome> RunBoth(const char* test) {
    std::vector<QProcess*> children;
    for (const char* name : {"A", "B"}) {
      QProcessEnvironment env;
      env.insert("RINGPAD_HOME", folder_);
      env.insert("RINGPAD_COPY", name);
      children.push_back(StartChildTest(QStringLiteral("DISABLED_TodoCopyChild.") + test, env));
    }
    std::vector<ChildOutcome> outcomes;
    for (QProcess* child : children) outcomes.push_back(FinishChildTest(child));
    return outcomes;
  }
  QStringList ToDoLines() const {
    QStringList lines = platform::FromSjis(ReadBytes(folder_ + "/VIDAZU.txt")).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }
  std::unique_ptr<TinyFileSystem> memory_;
  QString folder_;
};

TEST_F(TodoTwoCopiesTest, AddsInTurnEachGoInAtTheFirstPress) {
  WriteBytes(folder_ + "/VIDAZU.txt", QByteArray());
  const std::vector<ChildOutcome> outcomes = RunBoth("AddInTurns");
  for (const ChildOutcome& outcome : outcomes)
    EXPECT_EQ(outcome.reports, QStringList{QStringLiteral("added %1").arg(kAddsPerCopy)}) << outcome.log.toStdString();
  const QStringList lines = ToDoLines();
  EXPECT_EQ(lines.size(), 2 * kAddsPerCopy);
  QSet<QString> items;
  for (const QString& line : lines) items.insert(line.section(u'\t', 0, 0).mid(3));
  for (const char* name : {"A", "B"})
    for (int i = 0; i < kAddsPerCopy; ++i)
      EXPECT_TRUE(items.contains(QStringLiteral("%1 %2").arg(name).arg(i))) << name << " " << i;
}

TEST_F(TodoTwoCopiesTest, ABoxInOneCopyNeitherStopsNorLosesTheOthersAdd) {
  // A line from another program's editor: rewriting it needs the user's word.
  const QByteArray foreign("\x81\xA0 \x85\x7F\r\n");
  WriteBytes(folder_ + "/VIDAZU.txt", foreign);
  const QString question = "「" + folder_ + "/VIDAZU.txt」はShift-JISのテキストではないようです。\n"
                           "書き換えると元の内容に戻せなくなります。書き換えますか？";
  const std::vector<ChildOutcome> outcomes = RunBoth("AddBesideAnOpenBox");
  EXPECT_EQ(outcomes[0].reports, QStringList({"box: " + question, "answered after B", "A added"}))
      << outcomes[0].log.toStdString();
  EXPECT_EQ(outcomes[1].reports, QStringList({"box: " + question, "B added"})) << outcomes[1].log.toStdString();
  // No entry was current in either copy: each add went first.
  const QByteArray file = ReadBytes(folder_ + "/VIDAZU.txt");
  EXPECT_EQ(file, platform::ToSjis("□ 　from A\t2009/03/10\r\n□ 　from B\t2009/03/10\r\n") + foreign);
}

}  // namespace
