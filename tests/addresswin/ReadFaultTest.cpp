// An address file that cannot be read, when the window opens, when the list
// is refilled and when an entry is added: the user is told once for each
// failure, and nothing is written. The failures come from a shim preloaded
// into a child process.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include <cerrno>

#include "AddressWindowTest.h"
#include "ChildProcess.h"
#include "core/platform/MessageBox.h"
#include "core/platform/SystemError.h"
#include "core/platform/TextLines.h"

namespace {

// In the child: opens the window (the shim armed from the start for "open",
// once the window has loaded for the others), does the operation, then
// reports every message and the list's length.
TEST(DISABLED_AddressFaultChild, Run) {
  SetProgramPaths(qEnvironmentVariable("RINGPAD_HOME") + QStringLiteral("ringpad"));
  platform::SetMessageHandler([](const platform::MessageRequest& r) {
    ReportToParent(r.text);
    return platform::MsgResult::Ok;
  });
  const QString op = qEnvironmentVariable("RINGPAD_CHILD_OPERATION");
  const QByteArray pattern = qgetenv("RINGPAD_CHILD_FAULT_PATH");
  if (op == QStringLiteral("open")) qputenv("RINGPAD_FAULT_PATH", pattern);
  AddressWindow w;
  w.Form_Load();
  qputenv("RINGPAD_FAULT_PATH", pattern);
  if (op == QStringLiteral("refill")) {
    // Two changes of the filter: the list is read at each.
    w.Cmb_bunrui->setCurrentIndex(1);
    w.Cmb_bunrui->setCurrentIndex(0);
  }
  if (op == QStringLiteral("add")) {
    w.Txt_Kana->setText(QStringLiteral("ｼﾝｷ"));
    w.Txt_Name->setText(QStringLiteral("新規"));
    w.cmd_update_click(1);
  }
  ReportToParent(QStringLiteral("listed %1").arg(w.List1->count()));
}

class AddressReadFaultTest : public AddressWindowTest {
 protected:
  ChildOutcome RunWithFailingReads(const char* operation) {
    QProcessEnvironment env;
    env.insert("RINGPAD_HOME", home());
    env.insert("RINGPAD_CHILD_OPERATION", operation);
    env.insert("RINGPAD_FAULT_CALL", "read");
    env.insert("RINGPAD_CHILD_FAULT_PATH", homeFile("doZir.csv"));
    return RunChildTest("DISABLED_AddressFaultChild.Run", env, RINGPAD_FAULT_SHIM);
  }
};

TEST_F(AddressReadFaultTest, EachFailedReadIsToldOnce) {
  WriteBook({"ｱｵｷ,友人,青木,,090-1,,0|1|", "ｲﾄｳ,友人,伊藤,,090-2,,0|1|"});
  const QByteArray before = ReadBytes(homeFile("doZir.csv"));
  // Every failed read names the file and the system's reason.
  const char* const operations[] = {
      // The list's read names it; the backup, which would fail the same
      // way, is not tried.
      "open",
      // Named at the first refill, not again at the second.
      "refill",
      // The add's own read under the lock names it; the list read after it
      // says nothing more.
      "add",
  };
  for (const char* operation : operations) {
    SCOPED_TRACE(operation);
    const ChildOutcome outcome = RunWithFailingReads(operation);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.log.toStdString();
    QStringList reports = outcome.reports;
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.takeLast(), QStringLiteral("listed 0"));
    ASSERT_EQ(reports.size(), 1) << reports.join("\n").toStdString();
    EXPECT_EQ(reports[0], platform::ReadFailureMessage(homeFile("doZir.csv"), platform::SystemErrorText(EIO)));
    EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
  }
}

}  // namespace
