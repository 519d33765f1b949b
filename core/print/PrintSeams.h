#pragma once
// The interactions of a print job that tests script: the print dialog's
// answer, the preview page shown, and the installed printers with their
// default media and states (the PDF file name comes from the file-dialog
// seam). An empty handler restores the real behaviour: the windows
// InstallPrintWindows put in place, or, where none were installed, the safe
// answers described there.
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "PrinterInfo.h"

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

class QWidget;

// The windows of a print job. They need widgets, which this library does not
// use: the program installs them at start-up, and a scripted handler above
// answers in a window's place. Where none is installed (a program without
// windows), the print dialog answers as if cancelled, a preview page is not
// shown, a modal step simply runs and a busy window only changes the cursor.
struct PrintWindows {
  // Shows the print dialog modally; its controls leave the answer in the
  // print job (PrintDialogOpened ... PrintDialogButtonPressed).
  std::function<void()> printDialog;
  // Shows a finished preview page modally until the user presses OK.
  PreviewPageHandler previewPage;
  // Runs one modal step of a job (a dialog, shown or scripted) and gives the
  // user back the place in the program the step took away.
  std::function<void(const std::function<void()>& step)> modalStep;
  // Makes a page window busy (it takes no input) or lets it take input again.
  std::function<void(QWidget* window, bool busy)> busyWindow;
};
void InstallPrintWindows(PrintWindows windows);
const PrintWindows& InstalledPrintWindows();
// Runs a modal step of a job through the installed windows' modalStep.
void RunModalPrintStep(const std::function<void()>& step);

// Replaces the CUPS queues in the printer list ("PDF" is always added after
// them unless includePdf is false); nullopt = the real queues.
void SetInstalledPrintersOverride(std::optional<QStringList> cupsQueues, bool includePdf = true);
const std::optional<QStringList>& InstalledQueuesOverride();
bool PdfPrinterListed();

// Gives queues a default media of their own (a queue not named keeps what
// CUPS says, A4 for a queue CUPS does not know); empty = CUPS for all.
void SetQueueDefaultMediaOverride(QHash<QString, QPageSize> media);
const QHash<QString, QPageSize>& QueueDefaultMediaOverride();

// Gives queues a state of their own, as if CUPS said it (a queue not named
// keeps what CUPS says); empty = CUPS for all.
void SetQueueStateOverride(QHash<QString, QueueState> states);
const QHash<QString, QueueState>& QueueStateOverride();

// Answers in CUPS's place what jobs a queue lists (every queue, the
// replaced queue list's included); empty = CUPS.
using QueueJobsOverride = std::function<QueueJobList(const QString& queue)>;
void SetQueueJobsOverride(QueueJobsOverride lister);
const QueueJobsOverride& CurrentQueueJobsOverride();
