#include "PrimitivesTest.h"

#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"

void PrimitivesTest::SetUp() {
  RingpadTest::SetUp();
  PreviewMode = 0;
  PageUsed = 0;
  CurrentLineColor = 0;
  PaperSettings = PaperSettingsData{};
  recorder_ = std::make_unique<SurfaceRecorder>();
}

void PrimitivesTest::TearDown() {
  recorder_.reset();
  PreviewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

RecordingSurface& PrimitivesTest::active() { return PreviewMode == 1 ? preview() : printer(); }
