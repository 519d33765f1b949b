#include "PrintSeams.h"


#include "core/platform/FileDialog.h"
#include "core/settings/AppGlobals.h"

namespace {
PrintDialogHandler printDialogHandler;
PreviewPageHandler previewPageHandler;
}  // namespace

void SetPrintDialogHandler(PrintDialogHandler handler) { printDialogHandler = std::move(handler); }
const PrintDialogHandler& CurrentPrintDialogHandler() { return printDialogHandler; }

QString AskPdfFileName() {
  int32_t flags = platform::OFN_OVERWRITEPROMPT | platform::OFN_HIDEREADONLY | platform::OFN_NOCHANGEDIR;
  return ShowFileDialog(false, &flags, ProgramFolder, QStringLiteral("ringpad.pdf"),
                        QStringLiteral("PDFファイルに印刷"), QStringLiteral("PDF (*.pdf)|*.pdf"), 1,
                        QStringLiteral("pdf"));
}

void SetPreviewPageHandler(PreviewPageHandler handler) { previewPageHandler = std::move(handler); }
const PreviewPageHandler& CurrentPreviewPageHandler() { return previewPageHandler; }
