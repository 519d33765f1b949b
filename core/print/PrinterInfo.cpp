#include "PrinterInfo.h"

#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "PrintSeams.h"
#include "PrintSurface.h"
#include "PrinterSurface.h"

namespace {
QString currentPrinter;
bool currentChosen = false;
}  // namespace

QStringList InstalledPrinterNames() {
  const std::optional<QStringList>& queues = InstalledQueuesOverride();
  QStringList names = queues ? *queues : QPrinterInfo::availablePrinterNames();
  names.removeAll(kPdfPrinterName);
  if (PdfPrinterListed()) names << kPdfPrinterName;
  return names;
}

QString DefaultPrinterName() {
  const std::optional<QStringList>& queues = InstalledQueuesOverride();
  const QString queue = queues ? QString() : QPrinterInfo::defaultPrinterName();
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
  QPageSize size = QPrinterInfo::printerInfo(queue).defaultPageSize();
  if (!size.isValid()) size = QPageSize(QPageSize::A4);
  queueMedia().insert(queue, size);
  return size;
}

void ForgetQueueDefaultPageSizes() { queueMedia().clear(); }

double DefaultPrinterPhysicalOffsetXMm() {
  const QString name = DefaultPrinterName();
  if (name.isEmpty() || name == kPdfPrinterName) return -1;
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (info.isNull()) return -1;
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(printer.pageLayout().minimumMargins(), printer.pageLayout().units());
  return printer.pageLayout().margins(QPageLayout::Millimeter).left();
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
  ThePrinter().followCurrentPrinter();
}
