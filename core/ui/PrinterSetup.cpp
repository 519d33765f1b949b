#include "PrinterSetup.h"

#include "PrinterSetupDialog.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/PrinterSurface.h"

namespace {

PrinterSetupHandler& printerSetupHandler() {
  static PrinterSetupHandler h;
  return h;
}

// The dialog opens on the current printer, the PDF printer included.
PrinterSetupChoice CurrentChoice() {
  const QString printer = CurrentPrinterName();
  return {printer, ShownPaperChoice(printer)};
}

int16_t showReal(QWidget* owner, PrinterSetupChoice& choice) {
  PrinterSetupDialog dialog(choice, owner);
  if (dialog.exec() != QDialog::Accepted) return 0;
  choice = dialog.choice();
  return 1;
}

}  // namespace

PaperChoice ShownPaperChoice(const QString& printer) {
  const JobPaper paper = PaperForJob(printer, 1);
  return {paper.size, int16_t(paper.orientation == QPageLayout::Landscape ? kLandscape : kPortrait), paper.paperSource};
}

int16_t ShowPrinterSetup(QWidget* owner) {
  // The start-up's printer lookup may still be asking the printing system.
  RunWorkHeldForNextJob();
  ThePrinter().endDocument();
  ForgetQueueDefaultPageSizes();
  PrinterSetupChoice choice = CurrentChoice();
  const int16_t result = printerSetupHandler() ? printerSetupHandler()(owner, choice) : showReal(owner, choice);
  if (result != 0 && !choice.printer.isEmpty() && choice.paper.size.isValid()) {
    KeepPaperChoice(choice.printer, choice.paper);
    // The printer set up here is the one the next job goes to (the print
    // dialog opens on it), so the paper chosen applies where the user meant.
    SetCurrentPrinter(choice.printer);
  }
  ThePrinter().endDocument();
  return result;
}

void SetPrinterSetupHandler(PrinterSetupHandler h) {
  platform::RegisterSeamReset([] { SetPrinterSetupHandler({}); });
  printerSetupHandler() = std::move(h);
}
