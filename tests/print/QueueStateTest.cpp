// What becomes of a job handed to a queue: CUPS's word on the queue, read as
// lpoptions lists it, and the job through a queue of the test's own that
// refuses jobs or is stopped.
#include <QCoreApplication>
#include <QProcess>

#include "EndToEndSupport.h"
#include "PrintTestSupport.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/CupsQueueState.h"

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
  OwnQueue() : name_(QStringLiteral("RingpadStateTest%1").arg(QCoreApplication::applicationPid())) {
    ok_ = RunCups(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name_, QStringLiteral("-E"), QStringLiteral("-v"),
                                              QStringLiteral("cups-pdf:/"), QStringLiteral("-P"),
                                              QStringLiteral("/etc/cups/ppd/%1.ppd").arg(kTestQueue)}) == 0;
  }
  ~OwnQueue() {
    RunCups(QStringLiteral("cancel"), {QStringLiteral("-a"), name_});
    RunCups(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name_});
  }
  bool ok() const { return ok_; }
  const QString& name() const { return name_; }
  bool run(const char* command) const { return RunCups(QString::fromLatin1(command), {name_}) == 0; }
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

}  // namespace
