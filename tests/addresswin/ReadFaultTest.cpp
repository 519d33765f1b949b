// An address file that cannot be read, when the window opens, when the list
// is refilled and when an entry is added: the user is told once for each
// failure, and nothing is written. The failures come from a shim preloaded
// into a child process.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "AddressWindowTest.h"
#include "ChildProcess.h"
#include "core/platform/MessageBox.h"

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
  const QString listCannotRead = "住所録ファイル「" + homeFile("doZir.csv") + "」を読み込めません。";
  const QString cycleCannotRead = "「" + homeFile("doZir.csv") + "」を読み込めませんでした。(";
  const struct {
    const char* operation;
    const char* told;  // the one message, or the start of it
  } rows[] = {
      // The list's read names it; the backup, which would fail the same
      // way, is not tried.
      {"open", nullptr},
      // Named at the first refill, not again at the second.
      {"refill", nullptr},
      // The add's own read under the lock names it; the list read after it
      // says nothing more.
      {"add", "cycle"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.operation);
    const ChildOutcome outcome = RunWithFailingReads(row.operation);
    ASSERT_EQ(outcome.exitCode, 0) << outcome.log.toStdString();
    QStringList reports = outcome.reports;
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(reports.takeLast(), QStringLiteral("listed 0"));
    ASSERT_EQ(reports.size(), 1) << reports.join("\n").toStdString();
    if (row.told)
      EXPECT_TRUE(reports[0].startsWith(cycleCannotRead)) << reports[0].toStdString();
    else
      EXPECT_EQ(reports[0], listCannotRead);
    EXPECT_EQ(ReadBytes(homeFile("doZir.csv")), before);
  }
}

}  // namespace
