// A Gantt chart of 2,000 tasks (about 180 pages on the bible size) planned
// and drawn, on the recording surface and on the PDF printer. Each page
// splits only its own task lines; the others cost one look at their page.

#include "BenchSupport.h"
#include "charts/GanttPage.h"
#include "charts/GanttPrintPlan.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

QString Chart(int tasks) {
  QString text = QStringLiteral("項目名,予定開始,予定終了,,担当,,タイプ,実績開始,実績終了,,,,備考\r\n");
  for (int i = 0; i < tasks; ++i) {
    const int month = i % 12 + 1;
    text += QStringLiteral(" 作業%1,2002/%2/01,2002/%2/20,,担当%3,,青,2002/%2/05,2002/%2/25,,,,備考%1\r\n")
                .arg(i)
                .arg(month, 2, 10, QLatin1Char('0'))
                .arg(i % 7);
  }
  return text;
}

struct Job {
  GanttPrintPlan plan;
  GanttPageOptions options;
  int16_t page = 0;
};
Job* current = nullptr;

Job MakeJob(int tasks) {
  GanttPrintInput in;
  in.data = Chart(tasks);
  in.today = QDate(2002, 2, 20);
  in.PageLeft = PaperSettings.PageLeft;
  in.PageWidth = PaperSettings.PageWidth;
  in.DataFontSize = PaperSettings.DataFontSize;
  in.HeadFontSize = PaperSettings.HeadFontSize;
  Job job;
  job.plan = PlanGanttPrint(in, job.options.columns);
  job.options.title = QStringLiteral("大きな計画");
  job.options.TitleBlockHeight = job.plan.TitleBlockHeight;
  job.options.PeriodStart = job.plan.PeriodStart;
  job.options.PeriodEnd = job.plan.PeriodEnd;
  job.options.CellHeight = job.plan.CellHeight;
  job.options.biko = true;
  return job;
}

void DrawNextPage() {
  Job& job = *current;
  job.page = static_cast<int16_t>(job.page % job.plan.pageCount + 1);
  int16_t page = job.page;
  DrawGanttPage(job.options, page, job.plan.LinePage, job.plan.lines, PaperSettings.PageLeft, PaperSettings.PageWidth);
}

void BM_PlanChart(benchmark::State& state) {
  const BenchProgramHome home;
  for (auto _ : state) benchmark::DoNotOptimize(MakeJob(int(state.range(0))));
}

void BM_EveryPageRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  Job job = MakeJob(int(state.range(0)));
  current = &job;
  for (auto _ : state) {
    for (int16_t page = 1; page <= job.plan.pageCount; ++page) {
      recorder.printer.clearOps();
      int16_t p = page;
      DrawGanttPage(job.options, p, job.plan.LinePage, job.plan.lines, PaperSettings.PageLeft, PaperSettings.PageWidth);
    }
  }
  state.counters["pages"] = job.plan.pageCount;
  current = nullptr;
}

void BM_PagesOnPdfPrinter(benchmark::State& state) {
  const BenchProgramHome home;
  Job job = MakeJob(2000);
  current = &job;
  PrintPagesOnPdfPrinter(state, DrawNextPage);
  current = nullptr;
}

}  // namespace

BENCHMARK(BM_PlanChart)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryPageRecorded)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PagesOnPdfPrinter)->Unit(benchmark::kMillisecond)->Iterations(180);
