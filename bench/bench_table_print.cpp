// Tables of 5,000 and 10,000 rows (20 rows a page, 250 and 500 pages)
// printed as the print button runs them: the job made from the options, then
// PrintTablePages, whose sheet runner begins, draws and finishes each page
// until the table's end, and the end of the document; on the recording
// surface, upright and turned, and on the PDF printer, written out. Each page
// takes up where the walk to the page before it ended, so a job grows with
// its rows (at most 2.1 times for twice the rows); the body is cut into
// lines once per job.

#include "BenchSupport.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "tables_cards/TablePage.h"
#include "tables_cards/TablePrinting.h"
#include "tables_cards/TableTemplates.h"

namespace {

constexpr int kRowsPerPage = 20;

TableOptions BigTable(int rows) {
  TableOptions o;
  ApplyTableTemplate(o, 3, false);
  QString body;
  for (int i = 0; i < rows; ++i) body += QStringLiteral("5/%1,項目%2,,%3,\r\n").arg(i % 31 + 1).arg(i).arg(i * 7);
  o.body = body;
  o.rowsPos = kRowsPerPage - 3;
  return o;
}

using TablePageDrawer = int16_t (*)(const TablePrintJob&, int16_t, double, double);

// One job of the front-only side, as the print button runs it.
void PrintTableJobs(benchmark::State& state, TablePageDrawer draw) {
  const TableOptions options = BigTable(int(state.range(0)));
  CurrentPrintJob().confirmPrompts = 0;
  CurrentPrintJob().endDocPerPage = 0;
  int pages = 0;
  for (auto _ : state) {
    const CountedRegion counted;
    const TablePrintJob job(options);
    SetPrinterScaleMode(kScaleMillimetres);
    pages = 0;
    PrintTablePages(TableSideCode(0, 0), [&](int16_t page, double left, double right) {
      ++pages;
      return draw(job, page, left, right);
    });
    EndPrintDocument();
  }
  state.counters["pages"] = pages;
}

void BM_TableJobRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  PrintTableJobs(state, PrintTablePortrait);
}

void BM_TableJobTurnedRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  PrintTableJobs(state, PrintTableLandscape);
}

void BM_TableJobPdf(benchmark::State& state) {
  const BenchProgramHome home;
  QTemporaryDir dir;
  const QString pdf = dir.path() + QStringLiteral("/bench.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  CurrentPrintJob().previewMode = 0;
  PrintTableJobs(state, PrintTablePortrait);
  platform::SetFileDialogHandler({});
}

}  // namespace

BENCHMARK(BM_TableJobRecorded)->Arg(5000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableJobTurnedRecorded)->Arg(5000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TableJobPdf)->Arg(5000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
const int kTableCounted = RegisterInstructionCounts("BM_TableJobRecorded", {5000, 10000}) +
                          RegisterInstructionCounts("BM_TableJobTurnedRecorded", {5000, 10000}) +
                          RegisterInstructionCounts("BM_TableJobPdf", {5000, 10000});
