#include "EndToEndSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"

const QString kTestQueue = QStringLiteral("RingpadTestPDF");

void DrawEndToEndPage(int n) {
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  SetFontSize(12);
  SetDrawWidth(5);
  SetDrawStyle(0);
  ActiveSurface().line(10, 20, 10, 60, 0);
  ActiveSurface().line(10, 20, 100, 20, 0);
  SetCurrentX(30);
  SetCurrentY(80);
  ActiveSurface().print(QStringLiteral("RINGPADP%1").arg(n), false);
  CurrentPrintJob().pageUsed = 1;
}

bool PrintTwoEndToEndPages() {
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return false;
  SetPrinterScaleMode(kScaleMillimetres);
  for (int page = 1; page <= 2; ++page) {
    BeginPage();
    DrawEndToEndPage(page);
    FinishOutput();
    if (page == 1 && !ConfirmPaperSet(2)) break;
  }
  EndPrintDocument();
  return true;
}

namespace {
QString RunText(const QString& program, const QStringList& args, int* exitCode = nullptr) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, args);
  if (!process.waitForFinished(60000)) {
    if (exitCode) *exitCode = -1;
    return {};
  }
  if (exitCode) *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return QString::fromLocal8Bit(process.readAll());
}

bool QueueReady() {
  int code = 0;
  const QString out = RunText(QStringLiteral("lpstat"), {QStringLiteral("-p"), kTestQueue}, &code);
  return code == 0 && out.contains(kTestQueue) && !out.contains(QStringLiteral("disabled"));
}
}  // namespace

QString CupsPdfFolder() {
  const QByteArray env = qgetenv("RINGPAD_CUPS_PDF_DIR");
  return env.isEmpty() ? QStringLiteral("/var/spool/cups-pdf/ringpad") : QString::fromLocal8Bit(env);
}

namespace {

// Test programs run side by side and the queue writes every job into one
// folder, so a test counting the new files would count another program's
// job too. The first test of a program that uses the queue takes it for the
// rest of the program's run; the kernel lets go when the process ends.
void HoldTheQueueForThisProgram() {
  static const bool held = [] {
    const int fd = ::open("/tmp/ringpad-test-queue.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    return fd >= 0 && ::flock(fd, LOCK_EX) == 0;
  }();
  (void)held;
}

}  // namespace

QString CupsUnavailableReason() {
  if (!QueueReady()) {
    // Not started by the test command (e.g. a single test run): try once.
    const QString script = QStringLiteral(RINGPAD_SOURCE_DIR "/tools/start-cups.sh");
    const QString log = RunText(QStringLiteral("bash"), {script});
    if (!QueueReady())
      return QStringLiteral("the cups-pdf queue %1 is not available: %2").arg(kTestQueue, log.trimmed());
  }
  HoldTheQueueForThisProgram();
  return {};
}

bool QueueImageableOrigin(double* leftMm, double* topMm) {
  QFile ppd(QStringLiteral("/etc/cups/ppd/%1.ppd").arg(kTestQueue));
  if (!ppd.open(QIODevice::ReadOnly)) return false;
  const QString text = QString::fromLatin1(ppd.readAll());
  const QRegularExpression area(
      QStringLiteral("\\*ImageableArea A4[^:]*:\\s*\"([\\d.]+)\\s+([\\d.]+)\\s+([\\d.]+)\\s+([\\d.]+)\""));
  const QRegularExpression size(
      QStringLiteral("\\*PaperDimension A4[^:]*:\\s*\"([\\d.]+)\\s+([\\d.]+)\""));
  const auto a = area.match(text);
  const auto s = size.match(text);
  if (!a.hasMatch() || !s.hasMatch()) return false;
  const double mmPerPt = 25.4 / 72.0;
  *leftMm = a.captured(1).toDouble() * mmPerPt;
  *topMm = (s.captured(2).toDouble() - a.captured(4).toDouble()) * mmPerPt;
  return true;
}

QStringList PdfFilesIn(const QString& folder) {
  QStringList files;
  const QFileInfoList infos = QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
  for (const QFileInfo& info : infos) files << info.absoluteFilePath();
  return files;
}

QStringList WaitForNewPdfs(const QStringList& before, int count, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  QStringList fresh;
  while (timer.elapsed() < timeoutMs) {
    const bool idle = RunText(QStringLiteral("lpstat"), {QStringLiteral("-o"), kTestQueue}).trimmed().isEmpty();
    fresh.clear();
    for (const QString& file : PdfFilesIn(CupsPdfFolder()))
      if (!before.contains(file)) fresh << file;
    if (idle && fresh.size() >= count) {
      QThread::msleep(300);  // let cups-pdf finish writing the last file
      break;
    }
    QThread::msleep(200);
  }
  // Oldest job first: cups-pdf labels the files "..-job_N.pdf".
  const QRegularExpression job(QStringLiteral("job_(\\d+)"));
  std::sort(fresh.begin(), fresh.end(), [&](const QString& a, const QString& b) {
    return job.match(a).captured(1).toInt() < job.match(b).captured(1).toInt();
  });
  return fresh;
}
