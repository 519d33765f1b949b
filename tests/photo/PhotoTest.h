#pragma once
// Photo pages on the recording printer (600 dpi) with the bible size loaded
// as at start-up (page 8 to 88 mm, body 9 to 156 mm).
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "core/print/SurfaceRecorder.h"
#include "ruled_photo/PhotoPage.h"

class PhotoTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }
  std::vector<RecordedOp> ops(RecordedOp::Kind kind) { return printer().opsOf(kind); }
  // A picture of the size, left half red and right half blue.
  static QImage TwoColours(int width, int height);

  PhotoPageOptions options;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};
