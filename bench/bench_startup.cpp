// Start-up as the user sees it: from creating the main window to its first
// paint offscreen, and to the end of the whole load step, in a program
// folder that has run before; and as whole processes, exec to first paint of
// the program and of a Qt Widgets hello world built beside it, run in turn,
// with the ratio of their medians (x_hello_world; the aim is at most 1.3 on
// a fresh folder); and the instructions the window's thread of each of the
// two runs, counted by valgrind, which no load on the machine changes: to
// the first paint on a fresh folder, and to the moment the user can act with
// nothing left to run (the main window enabled, its page focused, the event
// loop waiting with nothing queued) on a folder that has run before and on
// a first start. A count stands only when the probe reports that it reached
// its point; otherwise the case fails with how the process ended.
#include <time.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "BenchSupport.h"
#include "app/RegisterPages.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProgramExit.h"
#include "core/ui/MainWindow.h"

namespace {

// Notes the time of the first paint of the watched window.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(const QElapsedTimer& clock) : clock_(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && at < 0) at = clock_.nsecsElapsed();
    return QObject::eventFilter(watched, event);
  }
  qint64 at = -1;

 private:
  const QElapsedTimer& clock_;
};

void StartUp(benchmark::State& state, bool toFirstPaint) {
  QTemporaryDir home;
  qputenv("RINGPAD_HOME", home.path().toLocal8Bit());
  RegisterAllPages();
  platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
  platform::SetEndProgramHandler([](int) {});
  for (auto _ : state) {
    QElapsedTimer clock;
    FirstPaint paint(clock);
    clock.start();
    MainWindow window(StartupArgs{home.path() + QStringLiteral("/ringpad"), {}});
    window.installEventFilter(&paint);
    window.MDIForm_Load();
    const qint64 loaded = clock.nsecsElapsed();
    const qint64 at = toFirstPaint && paint.at >= 0 ? paint.at : loaded;
    state.SetIterationTime(static_cast<double>(at) / 1e9);
  }
  platform::SetEndProgramHandler({});
  platform::SetMessageHandler({});
  qunsetenv("RINGPAD_HOME");
}

// A probe runs offscreen with its program folder at home.
QProcessEnvironment ProbeEnvironment(const QString& home) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("RINGPAD_HOME"), home);
  return env;
}

// The probe's report: "reached <point> <nanoseconds>: <what was seen>"
// (bench/startup/StartupProbe.cpp), or nothing when the process ended some
// other way.
struct ProbeReport {
  bool reached = false;
  qint64 at = 0;  // CLOCK_MONOTONIC nanoseconds
  QString line;   // the report as written, empty when there was none
};

ProbeReport ReadProbeReport(const QByteArray& output, const QString& point) {
  ProbeReport report;
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("^(reached|stopped) (\\S+) (\\d+): (.*)$"), QRegularExpression::MultilineOption)
          .match(QString::fromLocal8Bit(output));
  if (!m.hasMatch()) return report;
  report.line = m.captured(0);
  report.reached = m.captured(1) == QLatin1String("reached") && m.captured(2) == point;
  report.at = m.captured(3).toLongLong();
  return report;
}

// How a process that gave no "reached" report ended, for the gate's reason.
QString HowItEnded(const QProcess& process, bool finished, const ProbeReport& report, const QString& point) {
  QString how;
  if (!finished)
    how = QStringLiteral("did not end within the time allowed and was killed");
  else if (process.exitStatus() == QProcess::CrashExit)
    how = QStringLiteral("crashed");
  else
    how = QStringLiteral("ended with status %1").arg(process.exitCode());
  const QString said = report.line.isEmpty() ? QStringLiteral("the probe wrote no report")
                                             : QStringLiteral("the probe wrote \"%1\"").arg(report.line);
  return QStringLiteral("the process %1 without reaching %2; %3").arg(how, point, said);
}

// Exec to first paint of one process in milliseconds; negative when it
// painted nothing.
double MillisecondsToFirstPaint(const QString& program, const QString& home) {
  QProcess process;
  process.setProcessEnvironment(ProbeEnvironment(home));
  // The probe ends the process at the first paint, leaving its instance lock
  // behind; a program that closed would have removed it.
  QFile::remove(home + QStringLiteral("/ringpad.lock"));
  timespec start {};
  ::clock_gettime(CLOCK_MONOTONIC, &start);
  process.start(program, {});
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
    return -1;
  }
  const ProbeReport report = ReadProbeReport(process.readAllStandardOutput(), QStringLiteral("first-paint"));
  if (!report.reached) return -1;
  return double(report.at - (qint64(start.tv_sec) * 1000000000LL + start.tv_nsec)) / 1e6;
}

// Runs the program's whole start-up in the folder and lets it quit, as a
// folder in daily use has been started before; false when it did not end.
bool SettleProgramFolder(const QString& program, const QString& home) {
  QProcess process;
  QProcessEnvironment env = ProbeEnvironment(home);
  env.insert(QStringLiteral("RINGPAD_PROBE_SETTLE"), QStringLiteral("1"));
  process.setProcessEnvironment(env);
  process.start(program, {});
  if (process.waitForFinished(60000)) return process.exitStatus() == QProcess::NormalExit;
  process.kill();
  process.waitForFinished();
  return false;
}

// Where a counted process ends (see bench/startup/StartupProbe.cpp).
enum class ProbePoint { FirstPaint, ReadyToUse };

// The instructions of one process from exec to the probe's point, or why
// there are none.
struct CountedStart {
  double instructions = -1;
  QString failure;
};

// Counts under callgrind, with the CPU features held fixed, the
// instructions the window's thread runs from exec to the probe's point in
// the program folder home: work moved to another thread does not hold the
// user up. The probe must report that it reached its point; a process that
// ended any other way gives the reason instead.
CountedStart InstructionsTo(ProbePoint point, const QString& program, const QString& home) {
  const QString pointName = point == ProbePoint::ReadyToUse ? QStringLiteral("ready") : QStringLiteral("first-paint");
  QTemporaryDir work;
  if (!work.isValid()) return {-1, QStringLiteral("no temporary folder for the count")};
  QProcess process;
  QProcessEnvironment env = CountingEnvironment();
  const QProcessEnvironment probe = ProbeEnvironment(home);
  for (const QString& key : probe.keys()) env.insert(key, probe.value(key));
  if (point == ProbePoint::ReadyToUse) env.insert(QStringLiteral("RINGPAD_PROBE_POINT"), pointName);
  process.setProcessEnvironment(env);
  // A probe ends the process where it counts, leaving its instance lock
  // behind; a program that closed would have removed it.
  QFile::remove(home + QStringLiteral("/ringpad.lock"));
  const QString out = work.filePath(QStringLiteral("callgrind.out"));
  process.start(QStringLiteral("valgrind"),
                {QStringLiteral("--tool=callgrind"), QStringLiteral("--separate-threads=yes"),
                 QStringLiteral("--callgrind-out-file=") + out, program});
  const bool finished = process.waitForFinished(180000);
  if (!finished) {
    process.kill();
    process.waitForFinished();
  }
  const ProbeReport report = ReadProbeReport(process.readAllStandardOutput(), pointName);
  if (!finished || !report.reached) return {-1, HowItEnded(process, finished, report, pointName)};
  // The first thread's file: the window's thread.
  const double instructions = CallgrindFileTotal(out + QStringLiteral("-01"));
  if (instructions <= 0) return {-1, QStringLiteral("callgrind counted nothing for the window's thread")};
  return {instructions, {}};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// Arg 0: every run of the program on a fresh folder; 1: on a folder that has
// run before.
void BM_WholeProcessToFirstPaint(benchmark::State& state) {
  const bool fresh = state.range(0) == 0;
  constexpr int kRuns = 15;
  QTemporaryDir used;
  if (!fresh && !SettleProgramFolder(QStringLiteral(RINGPAD_STARTUP_PROBE), used.path())) {
    state.SkipWithError("the program did not finish its start-up");
    return;
  }
  std::vector<double> program, hello;
  for (auto _ : state) {
    for (int i = 0; i < kRuns; ++i) {
      const QTemporaryDir fresher;
      const double h = MillisecondsToFirstPaint(QStringLiteral(HELLO_STARTUP_PROBE), fresher.path());
      const double p = MillisecondsToFirstPaint(QStringLiteral(RINGPAD_STARTUP_PROBE), fresh ? fresher.path() : used.path());
      if (h < 0 || p < 0) {
        state.SkipWithError("a process ended without painting");
        return;
      }
      hello.push_back(h);
      program.push_back(p);
    }
  }
  state.counters["program_ms"] = Median(program);
  state.counters["hello_ms"] = Median(hello);
  state.counters["x_hello_world"] = Median(program) / Median(hello);
}

bool ValgrindMissing(benchmark::State& state) {
  if (!QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty()) return false;
  state.SkipWithError("valgrind is not installed");
  return true;
}

// The counts of the program and the hello world to the same point, as
// counters; false (the case skipped with the reason) when either could not
// be had.
bool ReportInstructions(benchmark::State& state, const CountedStart& program, const CountedStart& hello) {
  if (!program.failure.isEmpty() || !hello.failure.isEmpty()) {
    const QString why = !program.failure.isEmpty() ? QStringLiteral("the program: ") + program.failure
                                                   : QStringLiteral("the hello world: ") + hello.failure;
    state.SkipWithError(why.toLocal8Bit().constData());
    return false;
  }
  state.counters["program_Minstr"] = program.instructions / 1e6;
  state.counters["hello_Minstr"] = hello.instructions / 1e6;
  state.counters["x_hello_world"] = program.instructions / hello.instructions;
  return true;
}

// To the first paint, on a fresh folder.
void BM_WholeProcessInstructions(benchmark::State& state) {
  if (ValgrindMissing(state)) return;
  CountedStart program, hello;
  for (auto _ : state) {
    const QTemporaryDir helloHome, home;
    hello = InstructionsTo(ProbePoint::FirstPaint, QStringLiteral(HELLO_STARTUP_PROBE), helloHome.path());
    program = InstructionsTo(ProbePoint::FirstPaint, QStringLiteral(RINGPAD_STARTUP_PROBE), home.path());
  }
  ReportInstructions(state, program, hello);
}

// To the moment the user can act. Arg 1: on a folder that has run before;
// 0: on a first start, its version box answered at once.
void BM_ReadyToUseInstructions(benchmark::State& state) {
  if (ValgrindMissing(state)) return;
  const bool fresh = state.range(0) == 0;
  const QTemporaryDir used;
  if (!fresh && !SettleProgramFolder(QStringLiteral(RINGPAD_STARTUP_PROBE), used.path())) {
    state.SkipWithError("the program did not finish its start-up");
    return;
  }
  CountedStart program, hello;
  for (auto _ : state) {
    const QTemporaryDir helloHome, freshHome;
    hello = InstructionsTo(ProbePoint::ReadyToUse, QStringLiteral(HELLO_STARTUP_PROBE), helloHome.path());
    program = InstructionsTo(ProbePoint::ReadyToUse, QStringLiteral(RINGPAD_STARTUP_PROBE),
                             fresh ? freshHome.path() : used.path());
  }
  ReportInstructions(state, program, hello);
}

void BM_StartupToFirstPaint(benchmark::State& state) { StartUp(state, true); }
void BM_StartupWholeLoadStep(benchmark::State& state) { StartUp(state, false); }

}  // namespace

BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StartupWholeLoadStep)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_WholeProcessToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WholeProcessInstructions)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadyToUseInstructions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);
