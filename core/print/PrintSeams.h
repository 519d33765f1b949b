#pragma once
// The interactions of a print job that tests script: the print dialog's
// answer, the preview page shown, and the installed printers with their
// default media (the PDF file name comes from the file-dialog seam). An empty handler restores the real behaviour.
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// What the print dialog shows when it opens.
struct PrintDialogView {
  QStringList printers;   // the entries of the printer list
  QString selected;       // the selected entry ("" when none)
  bool confirmChecked = true;
};

// What the user does in the print dialog: optionally pick a printer and set
// the check box, then press a button (0 cancel, 1 print, 2 preview) or close
// the dialog without one (-1).
struct PrintDialogAnswer {
  int button = 1;
  std::optional<bool> confirmChecked;
  std::optional<QString> printer;
};

using PrintDialogHandler = std::function<PrintDialogAnswer(const PrintDialogView&)>;
void SetPrintDialogHandler(PrintDialogHandler handler);
const PrintDialogHandler& CurrentPrintDialogHandler();

// Asks for the PDF file of a job with the save dialog (ShowFileDialog, which
// tests script); "" = cancelled.
QString AskPdfFileName();

// Shows a finished preview page modally; the handler gets the page picture
// and returns when the user would have pressed OK.
using PreviewPageHandler = std::function<void(const QImage& page)>;
void SetPreviewPageHandler(PreviewPageHandler handler);
const PreviewPageHandler& CurrentPreviewPageHandler();

// Replaces the CUPS queues in the printer list ("PDF" is always added after
// them unless includePdf is false); nullopt = the real queues.
void SetInstalledPrintersOverride(std::optional<QStringList> cupsQueues, bool includePdf = true);
const std::optional<QStringList>& InstalledQueuesOverride();
bool PdfPrinterListed();

// Gives queues a default media of their own (a queue not named keeps what
// CUPS says, A4 for a queue CUPS does not know); empty = CUPS for all.
void SetQueueDefaultMediaOverride(QHash<QString, QPageSize> media);
const QHash<QString, QPageSize>& QueueDefaultMediaOverride();
