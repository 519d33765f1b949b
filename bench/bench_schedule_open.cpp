// A schedule file of 1,000,000 lines (some 40 MB) read, opened in the
// schedule window (weekday backup, code page check and month list), and
// looked up by day. Peak memory is reported above what the process held
// before; it should stay under three times the file's size, and under twice
// for the day lookup, on the plain file and on one with recurring entries
// mixed in, over a year and over 25. The window's open counts how often the whole file was
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

// The file's lines: dated entries over some 25 years from 2000, and with
// `recurring` set, as the schedules people keep hold them, a weekly, a
// monthly and a yearly entry in every hundred lines.
QByteArray MillionLineBytes(bool recurring) {
  static const char16_t* const kWeekdays = u"日月火水木金土";
  QByteArray bytes;
  bytes.reserve(kLines * 42);
  const QDate first(2000, 1, 1);
  for (int i = 0; i < kLines; ++i) {
    const QDate d = first.addDays(i % 9000);
    QString line;
    if (recurring && i % 100 == 0)
      line = QStringLiteral("    /  /  ,毎週,%1曜:定例 その%2").arg(QChar(kWeekdays[i / 100 % 7])).arg(i);
    else if (recurring && i % 100 == 1)
      line = QStringLiteral("    /  /%1,毎月,支払 その%2").arg(d.toString("dd")).arg(i);
    else if (recurring && i % 100 == 2)
      line = QStringLiteral("    /%1,毎年,誕生日 その%2").arg(d.toString("MM/dd")).arg(i);
    else
      line = QStringLiteral("%1,　　,打ち合わせ その%2").arg(d.toString("yyyy/MM/dd")).arg(i);
    bytes += platform::ToSjis(line);
    bytes += "\r\n";
  }
  return bytes;
}

// The program's folder, made once; the plain file is its schedule file.
const QString& ProgramHome() {
  static QTemporaryDir home;
  static const bool made = [] {
    qputenv("RINGPAD_HOME", home.path().toLocal8Bit());
    QDir::setCurrent(home.path());
    SetProgramPaths(home.path() + QStringLiteral("/ringpad"));
    QDir().mkpath(BackupFolder);
    platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
    return true;
  }();
  (void)made;
  return ProgramFolder;
}

struct MillionLineSchedule {
  QString path;
  qint64 size = 0;
  MillionLineSchedule(const QString& name, bool recurring) : path(ProgramHome() + name) {
    const QByteArray bytes = MillionLineBytes(recurring);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    size = bytes.size();
  }
};

MillionLineSchedule& Schedule() {
  static MillionLineSchedule schedule(ScheduleFile::DefaultName(), false);
  return schedule;
}

MillionLineSchedule& RecurringSchedule() {
  static MillionLineSchedule schedule(QStringLiteral("recurring.txt"), true);
  return schedule;
}

void Report(benchmark::State& state, long long before) { ReportPeakMemory(state, before, Schedule().size); }

void BM_ReadMillionLines(benchmark::State& state) {
  Schedule();
  long long before = 0;
  for (auto _ : state) {
    before = StartPeak();
    QStringList lines;
    ScheduleFile::ReadLines(Schedule().path, lines);
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

// Every day of `years` years from 2010 looked up, as a year calendar asks:
// the lookup keeps the file's bytes and decodes one month at a time.
void LookUpEveryDay(benchmark::State& state, const MillionLineSchedule& file, int years, bool recurring) {
  long long before = 0;
  for (auto _ : state) {
    before = StartPeak();
    DaySchedule schedule;
    DayScheduleOptions options;
    options.ScheduleFilePath = file.path;
    options.OptRecurring = recurring ? 1 : 0;
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    for (QDate d(2010, 1, 1); d.year() < 2010 + years; d = d.addDays(1))
      schedule.GetDaySchedule(d, options, texts, kind);
    benchmark::DoNotOptimize(texts);
  }
  ReportPeakMemory(state, before, file.size);
}

void BM_DayLookupMillionLines(benchmark::State& state) { LookUpEveryDay(state, Schedule(), 1, false); }
BENCHMARK(BM_DayLookupMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// The file with recurring entries over one year and over 25, the rules
// applied.
void BM_DayLookupRecurringMillionLines(benchmark::State& state) {
  LookUpEveryDay(state, RecurringSchedule(), int(state.range(0)), true);
}
BENCHMARK(BM_DayLookupRecurringMillionLines)->Arg(1)->Arg(25)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenMillionLinesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
