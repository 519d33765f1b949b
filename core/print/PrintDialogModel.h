#pragma once
// What the print dialog shows and what its controls do to the print job,
// apart from its window: the window and a scripted answer take the same
// steps, so the job cannot tell them apart.
#include <QString>

#include "PrintSeams.h"

// The one entry of the printer list when no printer is installed.
inline const QString kNoPrinterFoundEntry = QStringLiteral("プリンターが見つかりません");

// The dialog as it opens: the printer list (or the one entry saying none was
// found) with the current printer selected, and the check box as the last
// job left it.
PrintDialogView PrintDialogContents();

// The check box as the last job left it.
bool PrintDialogConfirmState();

// Every showing starts undecided: closing the dialog is cancelling.
void PrintDialogOpened();
// An entry of the list was chosen: a listed printer becomes current (any
// open document of the old one ends); the entry saying none was found
// changes nothing.
void PrintDialogPrinterChosen(const QString& entry);
// The check box: whether to ask before turning or loading paper.
void PrintDialogConfirmChecked(bool checked);
// Before 印刷 is taken: whether the current printer is one the system
// lists now. When none is chosen, or the chosen one is gone since the list
// was filled, says so and answers false; the dialog then stays for another
// choice. (A scripted answer prints on whatever printer its test made
// current.)
bool PrintDialogMayPrint();
// A button (0 cancel, 1 print, 2 preview) with the check box as it stands:
// checked also sends each page to the printer at once.
void PrintDialogButtonPressed(int index, bool confirmChecked);

// A scripted answer to the dialog as shown, taken as the user's clicks.
void ApplyPrintDialogAnswer(const PrintDialogView& shown, const PrintDialogAnswer& answer);
