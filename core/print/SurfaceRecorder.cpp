#include "SurfaceRecorder.h"

SurfaceRecorder::SurfaceRecorder() {
  InstallPrinterSurface(&printer);
  InstallPreviewSurface(&preview);
}

SurfaceRecorder::~SurfaceRecorder() {
  InstallPrinterSurface(nullptr);
  InstallPreviewSurface(nullptr);
}
