#include "BenchSupport.h"

#include <QApplication>
#include <QTemporaryDir>

#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

void PrintPages(benchmark::State& state, PageDrawer draw) {
  ConfirmPrompts = 0;
  EndDocPerPage = 0;
  SetPrinterScaleMode(6);
  for (auto _ : state) {
    BeginPage();
    draw();
    FinishOutput();
  }
  EndPrintDocument();
}

void PrintPagesOnPdfPrinter(benchmark::State& state, PageDrawer draw) {
  QTemporaryDir dir;
  const QString pdf = dir.path() + QStringLiteral("/bench.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  PreviewMode = 0;
  PrintPages(state, draw);
  platform::SetFileDialogHandler({});
}

void PrintPagesOnPreview(benchmark::State& state, PageDrawer draw) {
  SetPreviewPageHandler([](const QImage&) {});
  PreviewMode = 1;
  PrintPages(state, draw);
  PreviewMode = 0;
  SetPreviewPageHandler({});
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

BenchProgramHome::BenchProgramHome() {
  SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);
}
