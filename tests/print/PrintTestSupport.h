#pragma once
// Fixture of the print tests: a fresh program folder, scripted message boxes,
// recording surfaces for the printer and the preview picture, and a scripted
// print dialog that records what it showed.
#include <deque>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "core/print/PrintSeams.h"
#include "core/print/SurfaceRecorder.h"

class PrintTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Answers for the next print dialogs, in order (print, when none is left).
  void answerDialog(PrintDialogAnswer answer) { dialogAnswers_.push_back(answer); }
  const std::vector<PrintDialogView>& dialogsShown() const { return dialogsShown_; }
  int previewPagesShown() const { return previewPages_; }

  // Leaves the recording surfaces for a test that prints for real.
  void useRealSurfaces() { recorder_.reset(); }
  RecordingSurface& printer() { return recorder_->printer; }
  RecordingSurface& preview() { return recorder_->preview; }

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
  std::deque<PrintDialogAnswer> dialogAnswers_;
  std::vector<PrintDialogView> dialogsShown_;
  int previewPages_ = 0;
};
