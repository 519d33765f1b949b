#pragma once
// Fixture of the primitive and text routine tests: recording surfaces in
// place of the printer and the preview picture, printer mode, default paper
// settings and the module state of the routines reset.
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "core/print/SurfaceRecorder.h"

class PrimitivesTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }
  // The active recording surface (printer or preview, as the print job draws).
  RecordingSurface& active();
  std::vector<RecordedOp> ops(RecordedOp::Kind kind) { return active().opsOf(kind); }

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};

// 0x00BBGGRR as the surface stores it.
constexpr uint32_t Rgb(int red, int green, int blue) { return uint32_t(red + 256 * green + 65536 * blue); }
