#include "FurnitureTest.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

#include "core/print/DecorationImage.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {
// Spacing of the dots of a dotted line with LineType 0.
constexpr double kDotStep = 0.4;
}  // namespace

void FurnitureTest::SetUp() {
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
}

void FurnitureTest::TearDown() {
  recorder_.reset();
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

void FurnitureTest::loadSize(int index) {
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(index);
  PaperSettings.PaperIndex = int16_t(index);
}

void FurnitureTest::setSheetWidth(double sheetWidth) { printer().setSize(sheetWidth + 0.5, 287); }

std::vector<DotRun> FurnitureTest::dottedLines() {
  std::vector<DotRun> runs;
  for (const RecordedOp& dot : ops(RecordedOp::Point)) {
    if (!runs.empty()) {
      DotRun& run = runs.back();
      const bool sameColour = run.color == dot.color;
      const bool downwards = run.x2 == dot.x1 && std::abs(dot.y1 - run.y2 - kDotStep) < 1e-3 &&
                             (run.x1 == run.x2);
      const bool rightwards = run.y2 == dot.y1 && std::abs(dot.x1 - run.x2 - kDotStep) < 1e-3 &&
                              (run.y1 == run.y2);
      if (sameColour && (downwards || rightwards)) {
        run.x2 = dot.x1;
        run.y2 = dot.y1;
        continue;
      }
    }
    runs.push_back({dot.x1, dot.y1, dot.x1, dot.y1, dot.color});
  }
  return runs;
}

void WriteBitmap(const QString& path, int width, int height, Qt::GlobalColor colour) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  ASSERT_TRUE(image.save(path, "BMP")) << path.toStdString();
}

void ExpectDottedLines(const std::vector<DotRun>& runs, size_t from, const std::vector<Segment>& expected) {
  ASSERT_EQ(runs.size(), from + expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("dotted line " + std::to_string(from + i));
    const DotRun& run = runs[from + i];
    const Segment& line = expected[i];
    EXPECT_NEAR(run.x1, line.x1, 1e-3);
    EXPECT_NEAR(run.y1, line.y1, 1e-3);
    EXPECT_NEAR(run.x2, line.x2, kDotStep + 1e-3);
    EXPECT_LE(run.x2, line.x2 + 1e-3);
    EXPECT_NEAR(run.y2, line.y2, kDotStep + 1e-3);
    EXPECT_LE(run.y2, line.y2 + 1e-3);
  }
}
