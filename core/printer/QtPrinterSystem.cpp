#include "QtPrinterSystem.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include "CupsQueueState.h"
#include "PrinterSurface.h"
#include "core/print/PrinterInfo.h"

void InstallQtPrinterSystem() {
  PrinterSystem system;
  system.queueNames = [] { return QPrinterInfo::availablePrinterNames(); };
  system.defaultQueueName = [] { return QPrinterInfo::defaultPrinterName(); };
  system.queueDefaultPageSize = [](const QString& queue) { return QPrinterInfo::printerInfo(queue).defaultPageSize(); };
  system.queueState = AskCupsQueueState;
  system.queueJobs = AskCupsQueueJobs;
  system.printer = []() -> PrintSurface& { return ThePrinter(); };
  InstallPrinterSystem(std::move(system));
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
