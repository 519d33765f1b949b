#include "PrintTestSupport.h"

#include "core/print/PaperChoice.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void PrintTest::SetUp() {
  RingpadTest::SetUp();
  // A fresh job: the printer, paper prompts on, one document per page.
  CurrentPrintJob() = PrintJobState{};
  PaperSettings = PaperSettingsData{};
  PaperSettings.PrintMargin = 3;
  recorder_ = std::make_unique<SurfaceRecorder>();
  SetPrintDialogHandler([this](const PrintDialogView& view) {
    dialogsShown_.push_back(view);
    if (dialogAnswers_.empty()) return PrintDialogAnswer{};
    PrintDialogAnswer answer = dialogAnswers_.front();
    dialogAnswers_.pop_front();
    return answer;
  });
  SetPreviewPageHandler([this](const QImage&) { ++previewPages_; });
}

void PrintTest::TearDown() {
  SetPrintDialogHandler({});
  SetPreviewPageHandler({});
  SetInstalledPrintersOverride(std::nullopt);
  SetQueueDefaultMediaOverride({});
  ForgetPaperChoices();
  recorder_.reset();
  SetCurrentPrinter(DefaultPrinterName());
  CurrentPrintJob().previewMode = 0;
  RingpadTest::TearDown();
}
