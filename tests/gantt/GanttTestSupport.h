#pragma once
// A fresh program folder on the bible size with a fixed today, the Gantt
// window loaded in it, the print dialog answered "print" and the page
// drawing replaced by a stand-in that records what each page was given.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <deque>
#include <ostream>
#include <memory>
#include <vector>

#include "TestEnvironment.h"
#include "charts/GanttPage.h"
#include "charts/windows/GanttWindow.h"
#include "core/platform/Clock.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/PaperSettings.h"

// Readable texts in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

struct DrawnGanttPage {
  int page;
  std::vector<int16_t> LinePage;
  QStringList lines;
  GanttPageOptions options;
};

class GanttTest : public RingpadTest {
 protected:
  void SetUp() override {
    RingpadTest::SetUp();
    SetProgramPaths(home() + QStringLiteral("ringpad"));
    WriteDefaultSettings();
    LoadPaperSettings(0);  // the bible size
    CurrentPrintJob().previewMode = 0;
    CurrentPrintJob().confirmPrompts = 1;
    CurrentPrintJob().endDocPerPage = 1;
    CurrentPrintJob().pageUsed = 0;
    platform::SetFixedToday(QDate(2002, 2, 20));
    GanttWindow::CurrentGanttFile.clear();
    recorder_ = std::make_unique<SurfaceRecorder>();
    // These tests follow the dotted rules dot by dot.
    recorder_->printer.setDotsAsPoints(true);
    recorder_->preview.setDotsAsPoints(true);
    // A paper printer, so that the job asks for the back side between pages.
    SetInstalledPrintersOverride(QStringList{QStringLiteral("Paper")});
    SetCurrentPrinter(QStringLiteral("Paper"));
    SetPrintDialogHandler([this](const PrintDialogView&) {
      ++dialogsShown;
      return PrintDialogAnswer{dialogButton, std::nullopt, std::nullopt};
    });
    SetGanttPageDrawer([this](const GanttPageOptions& o, int16_t& page, const std::vector<int16_t>& linePage,
                              const QStringList& lines, int16_t, int16_t) {
      drawn.push_back({page, linePage, lines, o});
    });
  }
  void TearDown() override {
    window_.reset();
    SetGanttPageDrawer({});
    SetPrintDialogHandler({});
    SetInstalledPrintersOverride(std::nullopt);
    SetCurrentPrinter(DefaultPrinterName());
    platform::SetFileDialogHandler({});
    platform::SetFixedToday(QDate());
    recorder_.reset();
    GanttWindow::CurrentGanttFile.clear();
    RingpadTest::TearDown();
  }

  GanttWindow& Open() {
    window_ = std::make_unique<GanttWindow>();
    window_->Form_Load();
    return *window_;
  }
  GanttWindow& w() { return *window_; }

  // A task text of a header and the given lines, CR LF after each.
  static QString Tasks(const QStringList& lines) {
    QString out = QStringLiteral("項目名,予定開始,予定終了\r\n");
    for (const QString& l : lines) out += l + QStringLiteral("\r\n");
    return out;
  }

  // What the job put on the printer, page by page (the stand-in drawer off).
  std::vector<std::vector<RecordedOp>> PrintedPages() const {
    std::vector<std::vector<RecordedOp>> pages;
    for (const RecordedOp& op : recorder_->printer.ops()) {
      if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) pages.emplace_back();
      else if (!pages.empty() && op.kind != RecordedOp::EndDocument && op.kind != RecordedOp::EndJob)
        pages.back().push_back(op);
    }
    return pages;
  }

  // Sends the next jobs to the PDF printer, into the artefact folder.
  QString UsePdfPrinter(const QString& name) {
    recorder_.reset();
    const QString pdf = QStringLiteral(RINGPAD_ARTEFACT_DIR "/gantt-%1.pdf").arg(name);
    QFile::remove(pdf);
    platform::SetFileDialogHandler([pdf](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
    SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
    return pdf;
  }

  int dialogButton = 1;
  int dialogsShown = 0;
  std::vector<DrawnGanttPage> drawn;

 private:
  std::unique_ptr<GanttWindow> window_;
  std::unique_ptr<SurfaceRecorder> recorder_;
};
