#include "PrinterSetup.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>

#include "core/print/PrinterSurface.h"

namespace {

PrinterSetupHandler& handler() {
  static PrinterSetupHandler h;
  return h;
}

int16_t showReal(QWidget* owner) {
  // A printer of its own: the choice is thrown away with it.
  QPrinter printer;
  QPrintDialog dialog(&printer, owner);
  dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  // Nothing is printed from here: the confirming button says so.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
  return dialog.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace

int16_t ShowPrinterSetup(QWidget* owner) {
  ThePrinter().endDocument();
  const int16_t result = handler() ? handler()(owner) : showReal(owner);
  ThePrinter().endDocument();
  return result;
}

void SetPrinterSetupHandler(PrinterSetupHandler h) { handler() = std::move(h); }
