#include "TreeTest.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void TreeTest::SetUp() {
  RingpadTest::SetUp();
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(0);
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().pageUsed = 0;
  CurrentLineColor = 0;
  recorder_ = std::make_unique<SurfaceRecorder>();
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, true, std::nullopt}; });
}

void TreeTest::TearDown() {
  window_.reset();
  SetPrintDialogHandler({});
  recorder_.reset();
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

TreeWindow& TreeTest::open() {
  window_ = std::make_unique<TreeWindow>();
  window_->Form_Load();
  return *window_;
}

void TreeTest::setItems(const QStringList& lines, int boxLayout, int paging) {
  if (!window_) open();
  window_->SetItemText(lines.join(QStringLiteral("\r\n")));
  window_->SetRemarkText(QString());
  window_->cmb_box->setCurrentIndex(boxLayout);
  window_->cmb_level->setCurrentIndex(paging);
  window_->chk_kaisoColor->setChecked(false);
}

std::vector<std::vector<RecordedOp>> TreeTest::boxesByPage() const {
  std::vector<std::vector<RecordedOp>> pages;
  for (const RecordedOp& op : recorder_->printer.ops()) {
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) pages.emplace_back();
    // Boxes of the body only: the header's decoration lies above it.
    if (op.kind == RecordedOp::Box && !pages.empty() && op.y1 >= PaperSettings.DataHeight) pages.back().push_back(op);
  }
  return pages;
}

std::vector<RecordedOp> TreeTest::TextRuns(const std::vector<RecordedOp>& ops) {
  std::vector<RecordedOp> runs;
  bool joinable = false;
  for (const RecordedOp& op : ops) {
    if (op.kind != RecordedOp::Text) {
      joinable = false;
      runs.push_back(op);
      continue;
    }
    if (joinable && !runs.empty() && std::abs(runs.back().y1 - op.y1) < 1e-6 && runs.back().color == op.color &&
        op.x1 > runs.back().x1) {
      runs.back().text += op.text;
    } else {
      runs.push_back(op);
    }
    joinable = true;
  }
  return runs;
}
