#include "PrintDialogModel.h"

#include "PrintJob.h"
#include "PrinterInfo.h"

PrintDialogView PrintDialogContents() {
  PrintDialogView view;
  view.printers = InstalledPrinterNames();
  if (view.printers.isEmpty()) {
    view.printers << kNoPrinterFoundEntry;
    view.selected = kNoPrinterFoundEntry;
  } else if (view.printers.contains(CurrentPrinterName())) {
    view.selected = CurrentPrinterName();
  }
  view.confirmChecked = PrintDialogConfirmState();
  return view;
}

bool PrintDialogConfirmState() { return CurrentPrintJob().confirmPrompts == 1; }

void PrintDialogOpened() { CurrentPrintJob().choice = PrintDialogResult::Cancelled; }

void PrintDialogPrinterChosen(const QString& entry) {
  if (InstalledPrinterNames().contains(entry)) SetCurrentPrinter(entry);
}

void PrintDialogConfirmChecked(bool checked) { CurrentPrintJob().confirmPrompts = checked ? 1 : 0; }

void PrintDialogButtonPressed(int index, bool confirmChecked) {
  if (index < 0 || index > 2) return;
  CurrentPrintJob().choice = static_cast<PrintDialogResult>(index);
  CurrentPrintJob().endDocPerPage = confirmChecked ? 1 : 0;
}

void ApplyPrintDialogAnswer(const PrintDialogView& shown, const PrintDialogAnswer& answer) {
  if (answer.printer) PrintDialogPrinterChosen(*answer.printer);
  const bool checked = answer.confirmChecked.value_or(shown.confirmChecked);
  if (answer.confirmChecked) PrintDialogConfirmChecked(checked);
  PrintDialogButtonPressed(answer.button, checked);
}
