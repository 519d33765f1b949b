#include "PrinterInfo.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "PrintSeams.h"
#include "PrintSurface.h"
#include "PrinterSurface.h"

namespace {
std::optional<QStringList> queueOverride;
bool pdfListed = true;
QString currentPrinter;
bool currentChosen = false;
}  // namespace

void SetInstalledPrintersOverride(std::optional<QStringList> cupsQueues, bool includePdf) {
  queueOverride = std::move(cupsQueues);
  pdfListed = includePdf;
}

QStringList InstalledPrinterNames() {
  QStringList names = queueOverride ? *queueOverride : QPrinterInfo::availablePrinterNames();
  names.removeAll(kPdfPrinterName);
  if (pdfListed) names << kPdfPrinterName;
  return names;
}

QString DefaultPrinterName() {
  const QString queue = queueOverride ? QString() : QPrinterInfo::defaultPrinterName();
  if (!queue.isEmpty()) return queue;
  if (queueOverride && !queueOverride->isEmpty()) return queueOverride->first();
  return pdfListed ? kPdfPrinterName : QString();
}

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
