// A schedule file of 1,000,000 lines (some 40 MB) read, and opened in the
// schedule window: weekday backup, code page check and month list. Peak
// memory is reported above what the process held before; it should stay
// under three times the file's size.
#include <malloc.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "schedule/ScheduleFile.h"
#include "schedule/ScheduleWindow.h"

namespace {

constexpr int kLines = 1000000;

// Resident memory now and at its peak, in bytes.
long long StatusBytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::string(field).size())) * 1024;
  return 0;
}
// Makes the peak start again from what is resident now, after memory that
// was freed is handed back, so that it does not hide the next peak.
void ResetPeak() {
  malloc_trim(0);
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

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

void Report(benchmark::State& state, long long before) {
  const double peak = double(StatusBytes("VmHWM:") - before);
  state.counters["file_MB"] = double(Schedule().size) / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_file"] = peak / double(Schedule().size);
}

void BM_ReadMillionLines(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    ResetPeak();
    before = StatusBytes("VmRSS:");
    QStringList lines;
    ScheduleFile::ReadLines(ProgramFolder + ScheduleFile::DefaultName(), lines);
    benchmark::DoNotOptimize(lines);
  }
  Report(state, before);
}
BENCHMARK(BM_ReadMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OpenMillionLinesInTheWindow(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    ResetPeak();
    before = StatusBytes("VmRSS:");
    ScheduleWindow window;
    window.Form_Load();
    window.Form_Activate();
    benchmark::DoNotOptimize(window);
  }
  Report(state, before);
}
BENCHMARK(BM_OpenMillionLinesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
