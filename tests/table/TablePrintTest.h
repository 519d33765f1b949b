#pragma once
// Recording surfaces in place of the printer and the preview, the bible size
// loaded as at start-up (page 8 to 88 mm) and the print dialog answered.
#include <memory>

#include "TestEnvironment.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

class TablePrintTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    CurrentPrintJob().previewMode = 0;
    CurrentPrintJob().pageUsed = 0;
    recorder_ = std::make_unique<SurfaceRecorder>();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    PaperSettings = PaperSettingsData{};
    WriteDefaultSettings();
    LoadPaperSettings(0);
    CurrentPrintJob().confirmPrompts = 1;
    // A paper queue, not the PDF file: PDF pages follow without prompts.
    SetInstalledPrintersOverride(QStringList{QStringLiteral("TestQueue")});
    SetPrintDialogHandler([](const PrintDialogView&) {
      PrintDialogAnswer answer;
      answer.button = 1;
      answer.confirmChecked = true;
      answer.printer = QStringLiteral("TestQueue");
      return answer;
    });
  }
  void TearDown() override {
    SetPrintDialogHandler({});
    SetInstalledPrintersOverride(std::nullopt);
    recorder_.reset();
    CurrentPrintJob().previewMode = 0;
    PaperSettings = PaperSettingsData{};
    RingpadTest::TearDown();
  }
  RecordingSurface& printer() { return recorder_->printer; }

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};
