#include "PrintDialogModel.h"

#include "PrintJob.h"
#include "PrinterInfo.h"
#include "core/platform/MessageBox.h"

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

namespace {
// Why 印刷 cannot go ahead: "" while the current printer is one the
// system lists now.
QString NoPrinterToPrintOnText() {
  const QStringList installed = InstalledPrinterNames();
  const QString current = CurrentPrinterName();
  if (installed.contains(current)) return {};
  if (installed.isEmpty()) return kNoPrinterFoundEntry + QStringLiteral("。\r\n印刷できません。");
  if (current.isEmpty())
    return QStringLiteral("印刷するプリンターが選ばれていません。\r\nプリンターを選んでください。");
  return UnusablePrinterText(current) + QStringLiteral("\r\n印刷するプリンターを選んでください。");
}
}  // namespace

bool PrintDialogMayPrint() {
  const QString why = NoPrinterToPrintOnText();
  if (why.isEmpty()) return true;
  platform::ShowMessage(why, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  return false;
}

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
