#include "PrinterSetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <memory>

#include "core/print/JobPaper.h"
#include "core/print/PrinterInfo.h"
#include "core/print/PrinterSurface.h"

namespace {

PrinterSetupHandler& printerSetupHandler() {
  static PrinterSetupHandler h;
  return h;
}

// The dialog opens on the current printer with the paper a portrait job
// would get there now.
PrinterSetupChoice CurrentChoice() {
  PrinterSetupChoice choice;
  choice.printer = CurrentPrinterName();
  const JobPaper paper = PaperForJob(choice.printer, 1);
  choice.paper.size = paper.size;
  choice.paper.orientation = paper.orientation == QPageLayout::Landscape ? 2 : 1;
  choice.paper.paperSource = paper.paperSource;
  return choice;
}

int16_t showReal(QWidget* owner, PrinterSetupChoice& choice) {
  std::unique_ptr<QPrinter> printer;
  if (choice.printer == kPdfPrinterName) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
  } else {
    printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(choice.printer), QPrinter::HighResolution);
  }
  printer->setPageSize(choice.paper.size);
  printer->setPageOrientation(choice.paper.orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
  QPrintDialog dialog(printer.get(), owner);
  dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // Nothing is printed from here: the confirming button says so.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  if (dialog.exec() != QDialog::Accepted) return 0;
  choice.printer = printer->outputFormat() == QPrinter::PdfFormat ? kPdfPrinterName : printer->printerName();
  choice.paper.size = printer->pageLayout().pageSize();
  choice.paper.orientation = printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  choice.paper.paperSource = int(printer->paperSource());
  return 1;
}

}  // namespace

int16_t ShowPrinterSetup(QWidget* owner) {
  ThePrinter().endDocument();
  ForgetQueueDefaultPageSizes();
  PrinterSetupChoice choice = CurrentChoice();
  const int16_t result = printerSetupHandler() ? printerSetupHandler()(owner, choice) : showReal(owner, choice);
  if (result != 0 && !choice.printer.isEmpty() && choice.paper.size.isValid())
    KeepPaperChoice(choice.printer, choice.paper);
  ThePrinter().endDocument();
  return result;
}

void SetPrinterSetupHandler(PrinterSetupHandler h) { printerSetupHandler() = std::move(h); }
