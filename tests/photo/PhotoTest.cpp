#include "PhotoTest.h"

#include <QPainter>

#include "core/print/DecorationImage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PaperChoice.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void PhotoTest::SetUp() {
  RingpadTest::SetUp();
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().pageUsed = 0;
  CurrentLineColor = 0;
  ResetDecorationCounter();
  recorder_ = std::make_unique<SurfaceRecorder>();
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(0);
  PaperSettings.PaperIndex = 0;
  SetInstalledPrintersOverride(QStringList{QStringLiteral("Laser")});
  SetQueueDefaultMediaOverride({{QStringLiteral("Laser"), QPageSize(QPageSize::A4)}});
  SetCurrentPrinter(QStringLiteral("Laser"));
  SetPrintDialogHandler([](const PrintDialogView&) {
    PrintDialogAnswer answer;
    answer.button = 1;
    answer.confirmChecked = true;
    return answer;
  });
}

void PhotoTest::TearDown() {
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

QImage PhotoTest::TwoColours(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::red);
  QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
  return image;
}
