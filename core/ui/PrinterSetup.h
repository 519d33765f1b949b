#pragma once
// The File menu's "プリンタの設定": the printer setup dialog. What is chosen
// there (paper size, orientation, paper source) is kept for the printer it
// was chosen for, for the rest of the run, and that printer becomes the one
// the next job goes to (the print dialog still lets a job choose another).
#include <QString>
#include <cstdint>
#include <functional>

#include "core/print/PaperChoice.h"

class QWidget;

// The printer and paper the dialog shows, and what the user leaves in it.
struct PrinterSetupChoice {
  QString printer;  // a CUPS queue or "PDF"
  PaperChoice paper;
};

// The paper a portrait job would get on a printer now, as the dialog shows
// it: the one kept for it, else its default.
PaperChoice ShownPaperChoice(const QString& printer);

// Ends the printer's open document (the pages so far go to the printer),
// shows the dialog, ends the document again; non-zero when confirmed, and the
// choice is then kept.
int16_t ShowPrinterSetup(QWidget* owner);

// A handler stands in for the dialog: it gets the current printer with the
// paper it would print on, changes the choice as a user would and returns the
// dialog's result (non-zero = confirmed). An empty handler restores the real
// dialog.
using PrinterSetupHandler = std::function<int16_t(QWidget* owner, PrinterSetupChoice& choice)>;
void SetPrinterSetupHandler(PrinterSetupHandler handler);
