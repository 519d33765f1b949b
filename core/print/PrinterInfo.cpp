#include "PrinterInfo.h"

#include <QHash>

#include "PrintSeams.h"
#include "PrintSurface.h"
#include "RecordingSurface.h"

namespace {
PrinterSystem printerSystem;
QString currentPrinter;
bool currentChosen = false;

// The printer while no printing system is installed: it draws nothing and
// its documents fail to open.
PrintSurface& UnusableStandInPrinter() {
  static RecordingSurface* printer = [] {
    auto* made = new RecordingSurface(200, 287, 600);
    made->setUnusable(true);
    return made;
  }();
  return *printer;
}
}  // namespace

void InstallPrinterSystem(PrinterSystem system) { printerSystem = std::move(system); }

PrintSurface& SystemPrinter() { return printerSystem.printer ? printerSystem.printer() : UnusableStandInPrinter(); }

QStringList InstalledPrinterNames() {
  const std::optional<QStringList>& queues = InstalledQueuesOverride();
  QStringList names = queues ? *queues : printerSystem.queueNames ? printerSystem.queueNames() : QStringList();
  names.removeAll(kPdfPrinterName);
  if (PdfPrinterListed()) names << kPdfPrinterName;
  return names;
}

QString DefaultPrinterName() {
  const std::optional<QStringList>& queues = InstalledQueuesOverride();
  const QString queue = queues || !printerSystem.defaultQueueName ? QString() : printerSystem.defaultQueueName();
  if (!queue.isEmpty()) return queue;
  if (queues && !queues->isEmpty()) return queues->first();
  return PdfPrinterListed() ? kPdfPrinterName : QString();
}

namespace {
// Asking CUPS means reading the queue's PPD; a job asks for every document
// (every page while each page is sent at once), so the answer is kept until
// the next job.
QHash<QString, QPageSize>& queueMedia() {
  static QHash<QString, QPageSize> media;
  return media;
}
}  // namespace

QPageSize QueueDefaultPageSize(const QString& queue) {
  const auto overridden = QueueDefaultMediaOverride().constFind(queue);
  if (overridden != QueueDefaultMediaOverride().cend()) return *overridden;
  const auto known = queueMedia().constFind(queue);
  if (known != queueMedia().cend()) return *known;
  QPageSize size = printerSystem.queueDefaultPageSize ? printerSystem.queueDefaultPageSize(queue) : QPageSize();
  if (!size.isValid()) size = QPageSize(QPageSize::A4);
  queueMedia().insert(queue, size);
  return size;
}

void ForgetQueueDefaultPageSizes() { queueMedia().clear(); }

QueueState QueueStateOf(const QString& queue) {
  const auto overridden = QueueStateOverride().constFind(queue);
  if (overridden != QueueStateOverride().cend()) return *overridden;
  // Queues that replace the system's list are not the system's to answer for.
  if (InstalledQueuesOverride()) return QueueState::Unknown;
  return printerSystem.queueState ? printerSystem.queueState(queue) : QueueState::Unknown;
}

QueueJobList QueueJobsOf(const QString& queue) {
  if (const QueueJobsOverride& overridden = CurrentQueueJobsOverride()) return overridden(queue);
  if (InstalledQueuesOverride()) return {};
  // What a test's surface records in the printer's place never reaches CUPS.
  if (&PrinterSurfaceTarget() != &SystemPrinter()) return {};
  return printerSystem.queueJobs ? printerSystem.queueJobs(queue) : QueueJobList{};
}

QString UnusablePrinterText(const QString& name) {
  return name.isEmpty() ? QStringLiteral("プリンターが使用できません。")
                        : QStringLiteral("プリンター「%1」が使用できません。").arg(name);
}

QString CurrentPrinterName() {
  if (!currentChosen) {
    currentPrinter = DefaultPrinterName();
    currentChosen = true;
  }
  return currentPrinter;
}

void SetCurrentPrinter(const QString& deviceName) {
  PrinterSurfaceTarget().endDocument();
  currentPrinter = deviceName;
  currentChosen = true;
  SystemPrinter().followCurrentPrinter();
}
