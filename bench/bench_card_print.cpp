// A card file of 10,000 records printed to the recording surface: the file
// is read once per job and every card page takes its records from memory,
// so the job grows with the records, not with pages times records.
#include <QStringList>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/RecordingSurface.h"
#include "core/settings/PaperSettings.h"
#include "tables_cards/CardFile.h"
#include "tables_cards/CardPrint.h"

namespace {

void BM_CardJob(benchmark::State& state) {
  PaperSettings.PageLeft = 8;
  PaperSettings.PageWidth = 88;
  PaperSettings.DataHeight = 9;
  PaperSettings.FootHeight = 156;
  PaperSettings.DataFontSize = 9;
  PaperSettings.DefaultFontSize = 9;
  QStringList lines = {QStringLiteral("@TABLE_ITEM_XY(英語)=ITEM,3.174603,1.587302"),
                       QStringLiteral("@TABLE_ITEM_XY(日本語)=ITEM,3.174603,7.936508"), QStringLiteral("英語,日本語")};
  for (int r = 0; r < state.range(0); ++r) lines << QStringLiteral("WORD%1,意味%1").arg(r);
  const QByteArray content = platform::ToSjis(lines.join(QStringLiteral("\r\n")));
  const CardHead head = ReadCardFile(content);
  RecordingSurface surface;
  InstallPrinterSurface(&surface);
  for (auto _ : state) {
    CardJob job;
    job.cardHeight = CardHeightOf(head.columns, 9);
    job.Load(content, head.columns);
    int pages = 0;
    for (int page = 1; page <= 1000; ++page) {
      ++pages;
      const bool done = PrintCardSheet(page, 8, 88, job);
      surface.clearOps();
      if (done) break;
    }
    benchmark::DoNotOptimize(pages);
  }
  InstallPrinterSurface(nullptr);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CardJob)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
