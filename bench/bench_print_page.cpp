// Drawing one dense page (200 lines, 100 texts) on the PDF printer, the
// preview picture and the recording surface: the figure page drawing is held to.
#include "BenchSupport.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/SurfaceRecorder.h"

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
  CurrentPrintJob().pageUsed = 1;
}

void BM_PdfPrinter(benchmark::State& state) { PrintPagesOnPdfPrinter(state, DrawDensePage); }
void BM_PreviewPicture(benchmark::State& state) { PrintPagesOnPreview(state, DrawDensePage); }

void BM_RecordingSurface(benchmark::State& state) {
  SurfaceRecorder recorder;
  CurrentPrintJob().previewMode = 0;
  PrintPages(state, DrawDensePage);
  benchmark::DoNotOptimize(recorder.printer.ops().size());
}

BENCHMARK(BM_PdfPrinter)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewPicture)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordingSurface)->Iterations(100)->Unit(benchmark::kMillisecond);

}  // namespace
