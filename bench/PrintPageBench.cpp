// Drawing one dense page (200 lines, 100 texts) on the PDF printer, the
// preview picture and the recording surface: the figure page drawing is held to.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"

namespace {

void DrawDensePage() {
  SetFontName(QStringLiteral("ＭＳ ゴシック"));
  SetFontSize(9);
  SetDrawWidth(1);
  for (int i = 0; i < 100; ++i) {
    const float y = 10 + i * 2.7f;
    ActiveSurface().line(10, y, 190, y, 0x808080);
    ActiveSurface().line(10 + i * 1.8f, 10, 10 + i * 1.8f, 280, 0);
  }
  for (int i = 0; i < 100; ++i) {
    SetCurrentX(12 + (i % 4) * 45);
    SetCurrentY(11 + (i / 4) * 10.8);
    ActiveSurface().print(QStringLiteral("予定 %1 会議 10:00-12:00").arg(i), false);
  }
  PageUsed = 1;
}

// One job of state.iterations() pages on the active surface.
void PrintPages(benchmark::State& state) {
  ConfirmPrompts = 0;
  EndDocPerPage = 0;
  SetPrinterScaleMode(6);
  for (auto _ : state) {
    BeginPage();
    DrawDensePage();
    FinishOutput();
  }
  EndPrintDocument();
}

void BM_PdfPrinter(benchmark::State& state) {
  QTemporaryDir dir;
  const QString pdf = dir.path() + QStringLiteral("/bench.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  PreviewMode = 0;
  PrintPages(state);
  platform::SetFileDialogHandler({});
}

void BM_PreviewPicture(benchmark::State& state) {
  SetPreviewPageHandler([](const QImage&) {});
  PreviewMode = 1;
  PrintPages(state);
  PreviewMode = 0;
  SetPreviewPageHandler({});
}

void BM_RecordingSurface(benchmark::State& state) {
  SurfaceRecorder recorder;
  PreviewMode = 0;
  PrintPages(state);
  benchmark::DoNotOptimize(recorder.printer.ops().size());
}

BENCHMARK(BM_PdfPrinter)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPicture)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordingSurface)->Iterations(100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
