// A schedule file of 1,000,000 lines (some 40 MB) read, and opened in the
// schedule window: weekday backup, code page check and month list. Peak
// memory is reported above what the process held before; it should stay
// under three times the file's size.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleWindow.h"

namespace {

constexpr int kLines = 1000000;

struct MillionLineSchedule {
  QTemporaryDir home;
  qint64 size = 0;
  MillionLineSchedule() {
    qputenv("RINGPAD_HOME", home.path().toLocal8Bit());
    QDir::setCurrent(home.path());
    SetProgramPaths(home.path() + QStringLiteral("/ringpad"));
    QDir().mkpath(BackupFolder);
    platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
    QByteArray bytes;
    bytes.reserve(kLines * 42);
    const QDate first(2000, 1, 1);
    for (int i = 0; i < kLines; ++i) {
      const QDate d = first.addDays(i % 9000);
      bytes += platform::ToSjis(QStringLiteral("%1,　　,打ち合わせ その%2").arg(d.toString("yyyy/MM/dd")).arg(i));
      bytes += "\r\n";
    }
    QFile file(ProgramFolder + ScheduleFile::DefaultName());
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    size = bytes.size();
  }
};

MillionLineSchedule& Schedule() {
  static MillionLineSchedule schedule;
  return schedule;
}

void Report(benchmark::State& state, long long before) { ReportPeakMemory(state, before, Schedule().size); }

void BM_ReadMillionLines(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    before = ResidentMemoryBytes();
    QStringList lines;
    ScheduleFile::ReadLines(ProgramFolder + ScheduleFile::DefaultName(), lines);
    benchmark::DoNotOptimize(lines);
  }
  Report(state, before);
}
BENCHMARK(BM_ReadMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenMillionLinesInTheWindow(benchmark::State& state) {
  Schedule();
  MeasureWindowOpening<ScheduleWindow>(state, Schedule().size);
}
BENCHMARK(BM_OpenMillionLinesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
