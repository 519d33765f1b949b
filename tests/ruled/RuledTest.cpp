#include "RuledTest.h"

#include <cmath>

#include "core/print/DecorationImage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PaperChoice.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {
constexpr double kDotStep = 0.4;
}

void RuledTest::SetUp() {
  RingpadTest::SetUp();
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().pageUsed = 0;
  CurrentLineColor = 0;
  ResetDecorationCounter();
  recorder_ = std::make_unique<SurfaceRecorder>();
  // These tests follow the dotted rules dot by dot.
  recorder_->printer.setDotsAsPoints(true);
  recorder_->preview.setDotsAsPoints(true);
  loadSize(0);
  // A paper printer with A4 sheets: a PDF file would turn no paper and ask nothing.
  SetInstalledPrintersOverride(QStringList{QStringLiteral("Laser")});
  SetQueueDefaultMediaOverride({{QStringLiteral("Laser"), QPageSize(QPageSize::A4)}});
  SetCurrentPrinter(QStringLiteral("Laser"));
  answerPrintDialog(1, true);
}

void RuledTest::TearDown() {
  SetPrintDialogHandler({});
  SetInstalledPrintersOverride(std::nullopt);
  SetQueueDefaultMediaOverride({});
  ForgetPaperChoices();
  SetCurrentPrinter(DefaultPrinterName());
  recorder_.reset();
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

void RuledTest::loadSize(int index) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(index);
  PaperSettings.PaperIndex = int16_t(index);
}

void RuledTest::answerPrintDialog(int button, bool confirm) {
  SetPrintDialogHandler([button, confirm](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.button = button;
    answer.confirmChecked = confirm;
    return answer;
  });
}

std::vector<RecordedOp> RuledTest::lines(int width) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& op : ops(RecordedOp::Line))
    if (width < 0 || op.drawWidth == width) out.push_back(op);
  return out;
}

std::vector<RuledTest::Dotted> RuledTest::dottedLines() {
  std::vector<Dotted> runs;
  for (const RecordedOp& dot : ops(RecordedOp::Point)) {
    if (!runs.empty()) {
      Dotted& run = runs.back();
      const bool down = run.x1 == run.x2 && run.x2 == dot.x1 && std::abs(dot.y1 - run.y2 - kDotStep) < 1e-3;
      const bool right = run.y1 == run.y2 && run.y2 == dot.y1 && std::abs(dot.x1 - run.x2 - kDotStep) < 1e-3;
      if (down || right) {
        run.x2 = dot.x1;
        run.y2 = dot.y1;
        continue;
      }
    }
    runs.push_back({dot.x1, dot.y1, dot.x1, dot.y1});
  }
  return runs;
}
