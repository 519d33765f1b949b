#include "CardTest.h"

#include <QLineEdit>

#include "core/platform/Clock.h"
#include "core/platform/Codec.h"
#include "core/print/DrawStyledLine.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

void CardTest::SetUp() {
  RingpadTest::SetUp();
  SetProgramPaths(home() + QStringLiteral("ringpad"));
  QDir().mkpath(BackupFolder);
  PaperSettings = PaperSettingsData{};
  WriteDefaultSettings();
  LoadPaperSettings(0);
  PaperSettings.DataFontSize = 9;
  PaperSettings.DefaultFontSize = 9;
  platform::SetFixedToday(QDate(2009, 3, 10));  // a Tuesday
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().pageUsed = 0;
  CurrentLineColor = 0;
  recorder_ = std::make_unique<SurfaceRecorder>();
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, std::nullopt}; });
}

void CardTest::TearDown() {
  window_.reset();
  SetPrintDialogHandler({});
  recorder_.reset();
  platform::SetFixedToday(QDate());
  CurrentPrintJob().previewMode = 0;
  PaperSettings = PaperSettingsData{};
  RingpadTest::TearDown();
}

CardWindow& CardTest::open() {
  window_ = std::make_unique<CardWindow>();
  window_->Form_Load();
  return *window_;
}

CardWindow& CardTest::openFile(const QString& name, const QStringList& lines) {
  WriteBytes(ProgramFolder + name, platform::ToSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
  WriteIniValue(QStringLiteral("VOREVA"), QStringLiteral("FILE"), name);
  return open();
}

std::vector<std::vector<CardRun>> CardTest::pageRuns() const {
  std::vector<std::vector<CardRun>> pages;
  bool joinable = false;
  double lastX = 0;
  double lastWidth = 0;  // a full-width character of 9 points per character, at most
  for (const RecordedOp& op : recorder_->printer.ops()) {
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) pages.emplace_back();
    if (op.kind != RecordedOp::Text || pages.empty()) {
      joinable = false;
      continue;
    }
    // The body only: the header's title lies above it.
    if (op.y1 < PaperSettings.DataHeight) continue;
    std::vector<CardRun>& runs = pages.back();
    // The next character of a run follows the last one closely.
    if (joinable && !runs.empty() && std::abs(runs.back().y - op.y1) < 1e-6 && op.x1 > lastX && op.x1 - lastX < lastWidth + 0.5)
      runs.back().text += op.text;
    else
      runs.push_back({op.text, op.x1, op.y1});
    joinable = !op.newLine;
    lastX = op.x1;
    lastWidth = 3.2 * op.text.size();
  }
  return pages;
}
