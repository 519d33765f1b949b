#pragma once
// For tests: puts recording surfaces in place of the printer and the preview
// picture for as long as it lives, and puts the real ones back afterwards.
#include "RecordingSurface.h"

class SurfaceRecorder {
 public:
  SurfaceRecorder();
  ~SurfaceRecorder();
  SurfaceRecorder(const SurfaceRecorder&) = delete;
  SurfaceRecorder& operator=(const SurfaceRecorder&) = delete;

  RecordingSurface printer{200, 287, 600};  // an A4 sheet with 5 mm margins, 600 dpi
  RecordingSurface preview{201.3, 201.3 * 297 / 210, 96};  // the preview picture
};
