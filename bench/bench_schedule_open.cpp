// A schedule file of 1,000,000 lines (some 40 MB) read, opened in the
// schedule window (weekday backup, code page check and month list), and
// looked up by day. Peak memory is reported above what the process held
// before; it should stay under three times the file's size, and under twice
// for the day lookup. The window's open counts how often the whole file was
// read (bytes read over the file's size: one read whose bytes serve the
// weekday backup, the code page check and the month list) and how often the
// month list was built.
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/platform/MessageBox.h"
#include "core/settings/AppGlobals.h"
#include "schedule/DaySchedule.h"
#include "schedule/ScheduleFile.h"
#include "schedule/windows/ScheduleWindow.h"

namespace {

constexpr int kLines = 1000000;

// Starts a peak measurement; what the process holds now.
long long StartPeak() {
  ResetPeakMemory();
  return ResidentMemoryBytes();
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

void Report(benchmark::State& state, long long before) { ReportPeakMemory(state, before, Schedule().size); }

void BM_ReadMillionLines(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    before = StartPeak();
    QStringList lines;
    ScheduleFile::ReadLines(ProgramFolder + ScheduleFile::DefaultName(), lines);
    benchmark::DoNotOptimize(lines);
  }
  Report(state, before);
}
BENCHMARK(BM_ReadMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// Bytes this process has read so far.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string line;
  while (std::getline(io, line))
    if (line.rfind("rchar:", 0) == 0) return std::stoll(line.substr(6));
  return 0;
}

void BM_OpenMillionLinesInTheWindow(benchmark::State& state) {
  Schedule();
  long long before = 0;
  double reads = 0;
  int builds = 0;
  int builtOnOpen = 0;
  for (auto _ : state) {
    before = StartPeak();
    const long long readBefore = BytesRead();
    ScheduleWindow window;
    builds = 0;
    QObject::connect(window.findChild<QListWidget*>(QStringLiteral("List1"))->model(),
                     &QAbstractItemModel::modelReset, [&] { ++builds; });
    window.Form_Load();
    window.Form_Activate();
    reads = double(BytesRead() - readBefore) / double(Schedule().size);
    builtOnOpen = builds;
    benchmark::DoNotOptimize(window);
  }
  Report(state, before);
  state.counters["file_reads"] = reads;
  state.counters["list_builds"] = builtOnOpen;
}

// Every day of a year looked up, as a year calendar asks: the lookup keeps
// the file's bytes and decodes one month at a time.
void BM_DayLookupMillionLines(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    before = StartPeak();
    DaySchedule schedule;
    DayScheduleOptions options;
    options.ScheduleFilePath = ProgramFolder + ScheduleFile::DefaultName();
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    for (QDate d(2010, 1, 1); d.year() == 2010; d = d.addDays(1)) schedule.GetDaySchedule(d, options, texts, kind);
    benchmark::DoNotOptimize(texts);
  }
  Report(state, before);
}
BENCHMARK(BM_DayLookupMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenMillionLinesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
