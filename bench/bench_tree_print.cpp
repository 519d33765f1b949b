// A tree chart of many items printed to the recording surface: the item
// lines, page assignment and connector pass, and every page drawn. The
// connector pass visits each line once and each page draws only its own
// rows, so the job grows with the items and not with items times pages
// (compare the 1,000 and 10,000 item runs of each paging mode).
#include "BenchSupport.h"
#include "charts/TreePage.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/RecordingSurface.h"
#include "core/settings/PaperSettings.h"

namespace {

QString TreeText(int items) {
  QString text;
  const int pattern[] = {0, 1, 2, 2, 3, 1, 2, 3, 3, 2};
  for (int i = 0; i < items; ++i)
    text += QString(pattern[i % 10], QLatin1Char(' ')) + QStringLiteral("社員%1,内線%2,090-111-%3\r\n").arg(i).arg(i % 1000).arg(i % 10000);
  return text;
}

void BM_TreeJob(benchmark::State& state) {
  PaperSettings.PageLeft = 8;
  PaperSettings.PageWidth = 88;
  PaperSettings.DataHeight = 9;
  PaperSettings.FootHeight = 156;
  PaperSettings.DataFontSize = 9;
  PaperSettings.DefaultFontSize = 9;
  const QString items = TreeText(int(state.range(0)));
  RecordingSurface surface;
  InstallPrinterSurface(&surface);
  for (auto _ : state) {
    TreeChart chart;
    chart.title = QStringLiteral("組織図");
    chart.boxLayout = 7;
    chart.paging = TreePaging(state.range(1));
    chart.Prepare(items);
    const TreeConnectors connectors(chart.levels);
    for (int page = 1; page <= chart.pages.pageCount; ++page) {
      DrawTreePage(page, chart, connectors, PaperSettings.PageLeft, PaperSettings.PageWidth);
      surface.clearOps();
    }
    benchmark::DoNotOptimize(chart.pages.pageCount);
  }
  InstallPrinterSurface(nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TreeJob)->Args({1000, 0})->Args({10000, 0})->Args({1000, 1})->Args({10000, 1})->Unit(benchmark::kMillisecond);

}  // namespace
