#pragma once
// Fixture of the ruled-paper tests: recording surfaces in place of the
// printer and the preview picture, the bible size loaded as at start-up
// (page 8 to 88 mm, body 9 to 156 mm), and the print dialog answered.
#include <memory>
#include <vector>

#include "QtPrint.h"
#include "TestEnvironment.h"
#include "core/print/SurfaceRecorder.h"
#include "ruled_photo/RuledPaperOptions.h"

class RuledTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }
  std::vector<RecordedOp> ops(RecordedOp::Kind kind) { return printer().opsOf(kind); }
  // Solid lines of the given pen width, and dotted lines as their first and
  // last dot, in drawing order.
  std::vector<RecordedOp> lines(int width = -1);
  struct Dotted {
    double x1, y1, x2, y2;
  };
  std::vector<Dotted> dottedLines();
  void loadSize(int index);
  // Answers the print dialog with print (or preview) and the check box.
  void answerPrintDialog(int button, bool confirm);

  RuledPaperOptions options;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};
