// The program ending while it starts, each way it can, in a child process
// that really ends (no end handler): what start-up held back for after the
// first paint is on disk when it has done that work, and a second copy, which
// stands down before it touches anything, leaves the folder as it was.
#include <QDir>
#include <QDirIterator>
#include <QLockFile>

#include "ChildProcess.h"
#include "TestEnvironment.h"
#include "app/RegisterPages.h"
#include "core/platform/Clipboard.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/InitApplication.h"
#include "core/ui/MainWindow.h"
#include "core/ui/PageRegistry.h"
#include "core/ui/PreviewWindow.h"
#include "core/ui/ScreenArea.h"

namespace {

const QString kStillRunning = QStringLiteral("still running");

// A first page whose load step meets the preview's forced end, answered OK.
class ForcedEndPage : public PageWindow {
 public:
  explicit ForcedEndPage(QWidget* parent = nullptr) : PageWindow(parent) {}
  void Form_Load() override {
    PreviewWindow preview;
    preview.cmd_end_Click();
  }
};

// In the child: a start in the program folder, ended the way
// RINGPAD_CHILD_WAY names; every message is reported and answered OK.
TEST(DISABLED_EndDuringStartupChild, Run) {
  RegisterAllPages();
  SetScreenAreaOverride(QRect(0, 0, 1920, 1080));
  platform::UseMemoryClipboard(true);
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ReportToParent(r.text);
    return platform::MsgResult::Ok;
  });
  const QString way = qEnvironmentVariable("RINGPAD_CHILD_WAY");
  QStringList arguments;
  if (way == QLatin1String("clipboard switch")) arguments << QStringLiteral("/CA/C:2025-05-01");
  if (way == QLatin1String("forced end")) RegisterPageWindowClass<ForcedEndPage>(QStringLiteral("action"));
  MainWindow window(StartupArgs{qEnvironmentVariable("RINGPAD_HOME") + QStringLiteral("/ringpad"), arguments});
  window.MDIForm_Load();
  ReportToParent(kStillRunning);
}

// The files under the folder, relative to it, sorted.
QStringList FilesUnder(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

using EndDuringStartupTest = RingpadTest;

TEST_F(EndDuringStartupTest, EachWayOutLeavesWhatStartUpHadDoneByThen) {
  struct Case {
    const char* way;
    bool otherCopyRuns;
    QStringList messages;
    bool settingsWritten;
  };
  const Case cases[] = {
      {"clipboard switch", false, {}, true},
      {"forced end", false, {QStringLiteral("ソフトを強制終了します。")}, true},
      {"second copy", true, {QStringLiteral("既に起動されています。")}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.way);
    const QString folder = home() + QString::fromLatin1(c.way).replace(u' ', u'-');
    ASSERT_TRUE(QDir().mkpath(folder));
    ProgramFolder = folder + u'/';
    ExeName = QStringLiteral("ringpad");
    QLockFile running(InstanceLockPath());
    if (c.otherCopyRuns) ASSERT_TRUE(running.tryLock(0));
    const QStringList before = FilesUnder(folder);

    QProcessEnvironment env;
    env.insert(QStringLiteral("RINGPAD_HOME"), folder);
    env.insert(QStringLiteral("RINGPAD_CHILD_WAY"), QString::fromLatin1(c.way));
    const ChildOutcome child = RunChildTest(QStringLiteral("DISABLED_EndDuringStartupChild.Run"), env);
    ASSERT_EQ(child.exitCode, 0) << child.log.toStdString();
    EXPECT_EQ(child.reports, c.messages) << "the program ends where it is asked to";

    if (c.settingsWritten) {
      const QByteArray settings = ReadBytes(folder + QStringLiteral("/ringpad.ini"));
      EXPECT_TRUE(settings.contains("VERSION=3.16.01\r\n")) << settings.left(200).toStdString();
      EXPECT_TRUE(settings.contains("\r\nYOHAKU=")) << "the default sections are written too";
      EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/ringpad.lock"))) << "the instance lock is let go of";
    } else {
      EXPECT_EQ(FilesUnder(folder), before) << "nothing is written";
    }
  }
}

}  // namespace
