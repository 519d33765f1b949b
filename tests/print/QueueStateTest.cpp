// What becomes of a job handed to a queue: CUPS's word on the queue, read as
// lpoptions lists it, the queue's jobs as lpstat lists them, and the job
// through a queue of the test's own that refuses jobs, is stopped, holds
// every job or is removed during the job.
#include <QComboBox>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>

#include "EndToEndSupport.h"
#include "PrintTestSupport.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/CupsQueueState.h"
#include "core/ui/PrintDialog.h"

namespace {

TEST(QueueStateFromCupsOptions, TakesOnlyTheQueuesOwnAttributes) {
  const QByteArray head = "copies=1 device-uri=cups-pdf:/ printer-info=Office ";
  struct Row {
    const char* what;
    QByteArray listed;
    QueueState state;
  } rows[] = {
      {"idle", head + "printer-is-accepting-jobs=true printer-state=3 printer-state-reasons=none", QueueState::Ready},
      {"printing", head + "printer-is-accepting-jobs=true printer-state=4", QueueState::Ready},
      {"rejecting", head + "printer-is-accepting-jobs=false printer-state=3", QueueState::Refusing},
      {"stopped", head + "printer-is-accepting-jobs=true printer-state=5 printer-state-reasons=paused",
       QueueState::Stopped},
      {"rejecting and stopped: nothing is held", "printer-is-accepting-jobs=false printer-state=5",
       QueueState::Refusing},
      {"quoted values are not attributes",
       "printer-location='Room 5 printer-state=5' printer-info=\"a printer-is-accepting-jobs=false\" "
       "printer-is-accepting-jobs=true printer-state=3",
       QueueState::Ready},
      {"escaped blanks stay in their value", "printer-info=a\\ printer-state=5 printer-state=4", QueueState::Ready},
      {"line ends", "printer-is-accepting-jobs=true\nprinter-state=5\n", QueueState::Stopped},
      {"no such queue: nothing listed", "", QueueState::Unknown},
      {"neither attribute", head, QueueState::Unknown},
  };
  for (const Row& r : rows) EXPECT_EQ(QueueStateFromCupsOptions(r.listed), r.state) << r.what;
}

TEST(QueueJobsFromLpstat, ReadsTheQueuesJobsAndWhichAreHeld) {
  const QByteArray heldJob =
      "Laser-12               root              1024   Fri Dec 11 16:37:10 2026\n"
      "\tAlerts: job-hold-until-specified\n"
      "\tqueued for Laser\n";
  const QByteArray doneJob =
      "Laser-9                root              1024   Fri Dec 11 16:30:00 2026\n"
      "\tStatus: \n"
      "\tAlerts: processing-to-stop-point\n"
      "\tqueued for Laser\n";
  struct Row {
    const char* what;
    QByteArray listed;
    QList<QueueJob> jobs;
  } rows[] = {
      {"none", "", {}},
      {"a done job and a held one", doneJob + heldJob, {{9, false}, {12, true}}},
      {"the hold belongs to its own job", heldJob + doneJob, {{12, true}, {9, false}}},
      {"another queue named alike is not this one",
       "Laser-Color-14         root              1024   Fri Dec 11 16:37:10 2026\n"
       "\tAlerts: job-hold-until-specified\n" +
           doneJob,
       {{9, false}}},
      {"short lines", "Laser-3 root 1\n\tjob-hold-until-specified\nLaser-x\n", {{3, true}}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const QList<QueueJob> jobs = QueueJobsFromLpstat(QStringLiteral("Laser"), r.listed);
    ASSERT_EQ(jobs.size(), r.jobs.size());
    for (qsizetype i = 0; i < jobs.size(); ++i) {
      EXPECT_EQ(jobs[i].id, r.jobs[i].id);
      EXPECT_EQ(jobs[i].held, r.jobs[i].held);
    }
  }
}

int RunCups(const QString& program, const QStringList& args) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, args);
  if (!process.waitForFinished(30000)) return -1;
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A queue of the cups-pdf driver for one test, so that rejecting or stopping
// it disturbs no other test's queue; removed with any job it holds.
class OwnQueue {
 public:
  explicit OwnQueue(const QStringList& options = {})
      : name_(QStringLiteral("RingpadStateTest%1").arg(QCoreApplication::applicationPid())) {
    ok_ = RunCups(QStringLiteral("lpadmin"),
                  QStringList{QStringLiteral("-p"), name_, QStringLiteral("-E"), QStringLiteral("-v"),
                              QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                              QStringLiteral("/etc/cups/ppd/%1.ppd").arg(kTestQueue)} +
                      options) == 0;
  }
  ~OwnQueue() {
    RunCups(QStringLiteral("cancel"), {QStringLiteral("-a"), name_});
    RunCups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name_});
  }
  bool ok() const { return ok_; }
  const QString& name() const { return name_; }
  bool run(const char* command) const { return RunCups(QString::fromLatin1(command), {name_}) == 0; }
  // Removes the queue as an administrator would, jobs and all.
  bool remove() const {
    RunCups(QStringLiteral("cancel"), {QStringLiteral("-a"), name_});
    return RunCups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name_}) == 0;
  }
  // Whether the queue holds a job (lpstat lists one line per job, in any language).
  bool holdsAJob() const {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), name_});
    return lpstat.waitForFinished(30000) && !lpstat.readAllStandardOutput().trimmed().isEmpty();
  }

 private:
  QString name_;
  bool ok_ = false;
};

class QueueStateTest : public PrintTest {
 protected:
  void SetUp() override {
    PrintTest::SetUp();
    useRealSurfaces();
  }

  // A two-page job, each page its own document, a prompt between them.
  void printTwoPages(const QString& queue) {
    answerDialog({1, true, queue});
    ASSERT_TRUE(PrintTwoEndToEndPages());
  }
};

TEST_F(QueueStateTest, ARefusedJobAndAJobAStoppedQueueHoldsAreTold) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  OwnQueue queue;
  if (!queue.ok()) GTEST_SKIP() << "no queue can be added here";
  EXPECT_EQ(QueueStateOf(queue.name()), QueueState::Ready);

  ASSERT_TRUE(queue.run("cupsreject"));
  EXPECT_EQ(QueueStateOf(queue.name()), QueueState::Refusing);
  printTwoPages(queue.name());
  EXPECT_EQ(
      messages().texts(),
      QStringList{
          QStringLiteral("プリンター「%1」が印刷を受け付けませんでした。\r\n印刷されていません。").arg(queue.name())})
      << "no prompt for a sheet that will not come";
  EXPECT_FALSE(queue.holdsAJob());

  messages().clear();
  ASSERT_TRUE(queue.run("cupsaccept"));
  ASSERT_TRUE(queue.run("cupsdisable"));
  EXPECT_EQ(QueueStateOf(queue.name()), QueueState::Stopped);
  printTwoPages(queue.name());
  const QStringList texts = messages().texts();
  ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
  EXPECT_EQ(texts[0],
            QStringLiteral("プリンター「%1」は停止しています。\r\n印刷は、プリンターが再開されるまで待機します。")
                .arg(queue.name()));
  EXPECT_TRUE(texts[1].startsWith(QStringLiteral("印刷が終わるのを待ってください。"))) << "told once, then on";
  EXPECT_TRUE(queue.holdsAJob());
}

// A queue that holds every job by its own default takes the job and keeps
// it: the user is told once, naming the printer, and the job goes on.
TEST_F(QueueStateTest, AJobTheQueueHoldsByDefaultIsTold) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  OwnQueue queue({QStringLiteral("-o"), QStringLiteral("job-hold-until-default=indefinite")});
  if (!queue.ok()) GTEST_SKIP() << "no queue can be added here";
  printTwoPages(queue.name());
  const QStringList texts = messages().texts();
  ASSERT_EQ(texts.size(), 2) << texts.join('|').toStdString();
  EXPECT_EQ(texts[0], QStringLiteral("プリンター「%1」は印刷を保留しました。\r\n保留が解除されるまで印刷されません。")
                          .arg(queue.name()));
  EXPECT_TRUE(texts[1].startsWith(QStringLiteral("印刷が終わるのを待ってください。")));
  EXPECT_TRUE(queue.holdsAJob());
}

// A queue removed at the paper prompt: the sheet after it is told, naming
// the printer, rather than lost without a word; the printer's list no longer
// offers the queue and 印刷 then says that no printer is there to print on.
TEST_F(QueueStateTest, AQueueRemovedDuringTheJobIsNamed) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  OwnQueue queue;
  if (!queue.ok()) GTEST_SKIP() << "no queue can be added here";
  const QString gone = QStringLiteral("プリンター「%1」が使用できません。").arg(queue.name());
  QStringList told;
  platform::SetMessageHandler([&](const platform::MessageRequest& box) {
    told << box.text;
    if (box.text.startsWith(QStringLiteral("印刷が終わるのを待ってください。"))) {
      EXPECT_TRUE(queue.remove());
    }
    return platform::MsgResult::Ok;
  });
  printTwoPages(queue.name());
  ASSERT_EQ(told.size(), 2) << told.join('|').toStdString();
  EXPECT_EQ(told[1], gone + QStringLiteral("\r\n印刷を中止します。"));

  told.clear();
  PrintDialog dialog;
  dialog.Form_Activate();
  EXPECT_EQ(dialog.Combo1->findText(queue.name()), -1);
  EXPECT_EQ(dialog.Combo1->currentIndex(), -1);
  dialog.cmd_run[1]->click();
  EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Cancelled);
  EXPECT_EQ(told, QStringList{gone + QStringLiteral("\r\n印刷するプリンターを選んでください。")});
}

// Removed after the dialog closed and before the first page: nothing is
// printed anywhere else, and the user is told which printer is gone.
TEST_F(QueueStateTest, AQueueRemovedAfterTheDialogIsNamedBeforeThePage) {
  const QString why = CupsUnavailableReason();
  if (!why.isEmpty()) GTEST_SKIP() << why.toStdString();
  OwnQueue queue;
  if (!queue.ok()) GTEST_SKIP() << "no queue can be added here";
  answerDialog({1, true, queue.name()});
  ASSERT_EQ(ShowPrintDialog(), PrintDialogResult::Print);
  ASSERT_TRUE(queue.remove());
  SetPrinterScaleMode(kScaleMillimetres);
  BeginPage();
  DrawEndToEndPage(1);
  FinishOutput();
  EXPECT_FALSE(ConfirmPaperSet(2));
  EndPrintDocument();
  EXPECT_EQ(messages().texts(),
            QStringList{QStringLiteral("プリンター「%1」が使用できません。\r\n印刷を中止します。").arg(queue.name())});
}

}  // namespace
