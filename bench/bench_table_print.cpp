// A table of 10,000 rows (20 rows a page, 500 pages) printed page by page on
// the recording surface, upright and turned, and on the PDF printer. Each page walks the body from
// its first line, so a whole job is quadratic in the pages; the body is cut
// into lines once per job.

#include "BenchSupport.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "tables_cards/TablePage.h"
#include "tables_cards/TableTemplates.h"

namespace {

TablePrintJob* job = nullptr;
int nextPage = 1;

TableOptions BigTable() {
  TableOptions o;
  ApplyTableTemplate(o, 3, false);
  QString body;
  for (int i = 0; i < 10000; ++i) body += QStringLiteral("5/%1,項目%2,,%3,\r\n").arg(i % 31 + 1).arg(i).arg(i * 7);
  o.body = body;
  o.rowsPos = 17;  // 20 rows
  return o;
}

void DrawNextPage() {
  PrintTablePortrait(*job, static_cast<int16_t>(nextPage), 8, 88);
  nextPage = nextPage % 500 + 1;
}

void DrawNextTurnedPage() {
  PrintTableLandscape(*job, static_cast<int16_t>(nextPage), 8, 88);
  nextPage = nextPage % 500 + 1;
}

void BM_TablePagesRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  TablePrintJob table(BigTable());
  job = &table;
  nextPage = 1;
  PrintPages(state, DrawNextPage);
  job = nullptr;
}

void BM_TablePagesTurnedRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  TablePrintJob table(BigTable());
  job = &table;
  nextPage = 1;
  PrintPages(state, DrawNextTurnedPage);
  job = nullptr;
}

void BM_TablePagesPdf(benchmark::State& state) {
  const BenchProgramHome home;
  TablePrintJob table(BigTable());
  job = &table;
  nextPage = 1;
  PrintPagesOnPdfPrinter(state, DrawNextPage);
  job = nullptr;
}

}  // namespace

BENCHMARK(BM_TablePagesRecorded)->Iterations(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePagesTurnedRecorded)->Iterations(500)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePagesPdf)->Iterations(500)->Unit(benchmark::kMillisecond);
