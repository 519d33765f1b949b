#include "PrimitivesTest.h"

#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"

void PrimitivesTest::SetUp() {
  RingpadTest::SetUp();
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().pageUsed = 0;
  CurrentLineColor = 0;
  PaperSettings = PaperSettingsData{};
  recorder_ = std::make_unique<SurfaceRecorder>();
}

void PrimitivesTest::TearDown() {
  recorder_.reset();
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

RecordingSurface& PrimitivesTest::active() { return CurrentPrintJob().previewMode == 1 ? preview() : printer(); }
