#include "PrintSeams.h"

#include "core/platform/FileDialog.h"
#include "core/platform/TestSeamRegistry.h"
#include "core/settings/AppGlobals.h"

namespace {
PrintDialogHandler printDialogHandler;
PreviewPageHandler previewPageHandler;
PrintWindows printWindows;
std::optional<QStringList> queueOverride;
bool pdfListed = true;
QHash<QString, QPageSize> mediaOverride;
QHash<QString, QueueState> stateOverride;
QueueJobsOverride jobsOverride;
}  // namespace

void SetPrintDialogHandler(PrintDialogHandler handler) {
  platform::RegisterSeamReset([] { SetPrintDialogHandler({}); });
  printDialogHandler = std::move(handler);
}
const PrintDialogHandler& CurrentPrintDialogHandler() { return printDialogHandler; }

QString AskPdfFileName() {
  int32_t flags = platform::OFN_OVERWRITEPROMPT | platform::OFN_HIDEREADONLY | platform::OFN_NOCHANGEDIR;
  return ShowFileDialog(false, &flags, ProgramFolder, QStringLiteral("ringpad.pdf"),
                        QStringLiteral("PDFファイルに印刷"), QStringLiteral("PDF (*.pdf)|*.pdf"), 1,
                        QStringLiteral("pdf"));
}

void SetPreviewPageHandler(PreviewPageHandler handler) {
  platform::RegisterSeamReset([] { SetPreviewPageHandler({}); });
  previewPageHandler = std::move(handler);
}
const PreviewPageHandler& CurrentPreviewPageHandler() { return previewPageHandler; }

void InstallPrintWindows(PrintWindows windows) { printWindows = std::move(windows); }
const PrintWindows& InstalledPrintWindows() { return printWindows; }

void RunModalPrintStep(const std::function<void()>& step) {
  if (printWindows.modalStep)
    printWindows.modalStep(step);
  else
    step();
}

void SetInstalledPrintersOverride(std::optional<QStringList> cupsQueues, bool includePdf) {
  platform::RegisterSeamReset([] { SetInstalledPrintersOverride(std::nullopt); });
  queueOverride = std::move(cupsQueues);
  pdfListed = includePdf;
}
const std::optional<QStringList>& InstalledQueuesOverride() { return queueOverride; }
bool PdfPrinterListed() { return pdfListed; }

void SetQueueDefaultMediaOverride(QHash<QString, QPageSize> media) {
  platform::RegisterSeamReset([] { SetQueueDefaultMediaOverride({}); });
  mediaOverride = std::move(media);
}
const QHash<QString, QPageSize>& QueueDefaultMediaOverride() { return mediaOverride; }

void SetQueueStateOverride(QHash<QString, QueueState> states) {
  platform::RegisterSeamReset([] { SetQueueStateOverride({}); });
  stateOverride = std::move(states);
}
const QHash<QString, QueueState>& QueueStateOverride() { return stateOverride; }

void SetQueueJobsOverride(QueueJobsOverride lister) {
  platform::RegisterSeamReset([] { SetQueueJobsOverride({}); });
  jobsOverride = std::move(lister);
}
const QueueJobsOverride& CurrentQueueJobsOverride() { return jobsOverride; }
