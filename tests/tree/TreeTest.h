#pragma once
// Fixture of the tree chart tests: a program folder with default settings,
// the bible size loaded (page 8 to 88 mm, body 9 to 156 mm, 9-point data
// font), recording surfaces in place of the printer and the preview, and the
// print dialog answered with print.
#include <QComboBox>
#include <QStringList>
#include <memory>

#include "TestEnvironment.h"
#include "charts/windows/TreeWindow.h"
#include "core/print/SurfaceRecorder.h"

class TreeTest : public RingpadTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  RecordingSurface& printer() { return recorder_->printer; }
  TreeWindow& open();
  // Puts item lines (joined with CR LF) into the window with the options.
  void setItems(const QStringList& lines, int boxLayout = 0, int paging = 0);
  void print() { window_->Cmd_print_Click(); }
  // Boxes per page, in order, as the text of each box.
  std::vector<std::vector<RecordedOp>> boxesByPage() const;

  // Text ops joined into runs: the routines put one character at a time, so
  // consecutive characters on one line in one colour make one run.
  static std::vector<RecordedOp> TextRuns(const std::vector<RecordedOp>& ops);
  std::vector<RecordedOp> textRuns() const { return TextRuns(recorder_->printer.ops()); }

  std::unique_ptr<TreeWindow> window_;

 private:
  std::unique_ptr<SurfaceRecorder> recorder_;
};
