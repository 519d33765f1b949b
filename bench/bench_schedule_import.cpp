// A 200 MB schedule CSV imported into a fresh schedule file, as the window
// does it without the window: the columns pass, the rows pass into the
// merge, and the rewrite. Reports the time and the process's peak memory
// (which must stay under three times the file's size) beside the file's
// size.
#include <sys/resource.h>

#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/settings/AppGlobals.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleCsvImport.h"
#include "schedule/ScheduleCsvImportRun.h"
#include "schedule/ScheduleFile.h"

namespace {

constexpr qint64 kFileBytes = 200LL * 1024 * 1024;

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// Rows of the usual calendar shape, one in ten repeating an earlier one;
// written in pieces so that making the file costs no memory.
struct ImportFixture {
  QTemporaryDir dir;
  QString csv;
  QString schedule;
  qint64 bytes = 0;
  ImportFixture() : csv(dir.path() + "/big.csv"), schedule(dir.path() + "/diduvuv.txt") {
    ProgramFolder = dir.path() + "/";  // where the rewrite keeps ringpad.tmp
    QFile out(csv);
    if (!out.open(QIODevice::WriteOnly)) return;
    out.write(platform::ToSjis(QStringLiteral("件名,開始日,開始時刻,終了日,終了時刻,終日,内容,場所\r\n")));
    QByteArray chunk;
    for (qint64 i = 0; bytes < kFileBytes; ++i) {
      const qint64 n = i % 10 == 9 ? i - 5 : i;
      const QDate day = QDate(2000, 1, 1).addDays(n % 9000);
      chunk += platform::ToSjis(QStringLiteral("打合せ%1,%2,10:%3,%2,11:00,FALSE,資料を持参,会議室%4\r\n")
                                    .arg(n)
                                    .arg(day.toString(QStringLiteral("yyyy/M/d")))
                                    .arg(n % 60, 2, 10, QLatin1Char('0'))
                                    .arg(n % 7));
      if (chunk.size() > (1 << 20)) {
        bytes += out.write(chunk);
        chunk.clear();
      }
    }
    bytes += out.write(chunk);
  }
};

void BM_Import200MegabyteCsv(benchmark::State& state) {
  static ImportFixture fixture;
  for (auto _ : state) {
    state.PauseTiming();
    ScheduleFile::Write(fixture.schedule, HolidayLines());
    state.ResumeTiming();
    ScheduleCsvImportRun run(fixture.csv);
    run.detectColumns({});
    QStringList stored;
    ScheduleFile::ReadLines(fixture.schedule, stored);
    ScheduleLineMerge merge(stored);
    stored.clear();
    run.importRows(merge, {});
    state.counters["added_lines"] = merge.appendedCount();
    ScheduleFile::RewriteBytes(fixture.schedule, [&merge](QList<QByteArray>& lines) {
      merge.moveAddedInto(lines);
      return true;
    });
  }
  state.counters["file_MB"] = double(fixture.bytes) / (1024.0 * 1024.0);
  state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_Import200MegabyteCsv)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
