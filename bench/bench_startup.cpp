// Start-up as the user sees it: from creating the main window to its first
// paint offscreen, and to the end of the whole load step, in a program
// folder that has run before; and as whole processes, exec to first paint of
// the program and of a Qt Widgets hello world built beside it, run in turn,
// with the ratio of their medians (x_hello_world; the aim is at most 1.3 on
// a fresh folder); and the instructions each of the two runs, counted by
// valgrind, which no load on the machine changes: to the first paint on a
// fresh folder, and to the moment the user can act (the main window enabled,
// its page focused, the event loop about to wait) on a folder that has run
// before and on a first start.
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

// Exec to first paint of one process in milliseconds; negative when it
// painted nothing (the probe writes the time of the first paint and ends).
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
  bool ok = false;
  const qint64 painted = process.readAllStandardOutput().trimmed().toLongLong(&ok);
  if (!ok) return -1;
  return double(painted - (qint64(start.tv_sec) * 1000000000LL + start.tv_nsec)) / 1e6;
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

// Instructions from exec to the probe's point of one process in the program
// folder home, counted under valgrind; negative when the count could not be
// had.
double InstructionsTo(ProbePoint point, const QString& program, const QString& home) {
  QProcess process;
  QProcessEnvironment env = ProbeEnvironment(home);
  if (point == ProbePoint::ReadyToUse) env.insert(QStringLiteral("RINGPAD_PROBE_POINT"), QStringLiteral("ready"));
  process.setProcessEnvironment(env);
  // A probe ends the process where it counts, leaving its instance lock
  // behind; a program that closed would have removed it.
  QFile::remove(home + QStringLiteral("/ringpad.lock"));
  process.start(QStringLiteral("valgrind"),
                {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=/dev/null"), program});
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished();
    return -1;
  }
  const QRegularExpressionMatch collected =
      QRegularExpression(QStringLiteral("Collected : (\\d+)")).match(QString::fromLocal8Bit(process.readAllStandardError()));
  return collected.hasMatch() ? collected.captured(1).toDouble() : -1;
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
// counters; false (the case skipped) when either could not be had.
bool ReportInstructions(benchmark::State& state, double program, double hello) {
  if (program <= 0 || hello <= 0) {
    state.SkipWithError("valgrind counted no instructions");
    return false;
  }
  state.counters["program_Minstr"] = program / 1e6;
  state.counters["hello_Minstr"] = hello / 1e6;
  state.counters["x_hello_world"] = program / hello;
  return true;
}

// To the first paint, on a fresh folder.
void BM_WholeProcessInstructions(benchmark::State& state) {
  if (ValgrindMissing(state)) return;
  double program = -1, hello = -1;
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
  double program = -1, hello = -1;
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
