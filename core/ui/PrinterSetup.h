#pragma once
// The File menu's "プリンタの設定": Qt's print set-up dialog, shown for the
// user's information only; what is chosen in it is not kept, a print job
// takes its printer from the print dialog.
#include <cstdint>
#include <functional>

class QWidget;

// Ends the printer's open document (the pages so far go to the printer),
// shows the dialog, ends the document again; non-zero when confirmed.
int16_t ShowPrinterSetup(QWidget* owner);

// A handler stands in for the dialog and returns its result (non-zero =
// confirmed); an empty handler restores the real dialog.
using PrinterSetupHandler = std::function<int16_t(QWidget* owner)>;
void SetPrinterSetupHandler(PrinterSetupHandler handler);
