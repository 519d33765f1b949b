// The to-do window's print button.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "ToDoPrintJob.h"
#include "TodoWindow.h"
#include "core/print/PrintJob.h"

ToDoPageOptions TodoWindow::PageOptions() const {
  ToDoPageOptions options;
  options.items = TakeList().texts;
  options.HourScaleKind = static_cast<int16_t>(std::max(0, Cmb_jikan->currentIndex()));
  options.RowsText = Txt_KmkSu->text();
  options.PrintItems = Chk_naiyo->isChecked();
  options.PrintDone = Chk_sumi->isChecked();
  options.ByLevel = Chk_bunrui->isChecked();
  options.FileTitle = Cmb_file->currentText();
  options.DoneMark = DoneMark();
  return options;
}

void TodoWindow::Cmd_print_Click() {
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  // The whole window waits for the job; the menus and other windows do not.
  BeginBusy(this);
  RunToDoPrintJob(PageOptions(), std::max(0, Cmb_men->currentIndex()), Cmb_men->currentText());
  EndBusy(this);
}
