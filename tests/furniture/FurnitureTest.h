#pragma once
// Fixture of the page furniture tests: recording surfaces in place of the
// printer and the preview picture, printer mode, the default settings of an
// organiser size loaded as at start-up, and the module state reset.
#include <QImage>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "core/print/SurfaceRecorder.h"

// A dotted line as drawn: its first and last dot.
struct DotRun {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  uint32_t color = 0;
};

class FurnitureTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }
  std::vector<RecordedOp> ops(RecordedOp::Kind kind) { return printer().opsOf(kind); }
  // The dots of the printer's recording, joined into their lines.
  std::vector<DotRun> dottedLines();
  // The printer's usable width (GetScaleWidth) becomes sheetWidth.
  void setSheetWidth(double sheetWidth);

  // Leaves the recording surfaces for a test that prints for real.
  void useRealSurfaces() { recorder_.reset(); }

  // Writes the default settings (first run) and loads organiser size index.
  void loadSize(int index);

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};

// 0x00BBGGRR as the surface stores it.
constexpr uint32_t Rgb(int red, int green, int blue) { return uint32_t(red + 256 * green + 65536 * blue); }

// Writes a bitmap file of a plain colour.
void WriteBitmap(const QString& path, int width, int height, Qt::GlobalColor colour = Qt::darkCyan);

// A line as (x1, y1, x2, y2).
struct Segment {
  double x1, y1, x2, y2;
};

// Expects the dotted lines from index `from` on to run as the segments say:
// each starts on its first point and its last dot lies no further than one
// dot step before the end.
void ExpectDottedLines(const std::vector<DotRun>& runs, size_t from, const std::vector<Segment>& expected);
