#include "BenchSupport.h"

#include <malloc.h>

#include <valgrind/callgrind.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>
#include <string>

#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/printer/QtPrinterSystem.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "core/ui/PrintWindowSetup.h"

void PrintPages(benchmark::State& state, PageDrawer draw) {
  CurrentPrintJob().confirmPrompts = 0;
  CurrentPrintJob().endDocPerPage = 0;
  SetPrinterScaleMode(kScaleMillimetres);
  for (auto _ : state) {
    BeginPage();
    draw();
    FinishOutput();
  }
  EndPrintDocument();
}

void PrintPagesOnPdfPrinter(benchmark::State& state, PageDrawer draw) {
  QTemporaryDir dir;
  const QString pdf = dir.path() + QStringLiteral("/bench.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  CurrentPrintJob().previewMode = 0;
  PrintPages(state, draw);
  platform::SetFileDialogHandler({});
}

void PrintPagesOnPreview(benchmark::State& state, PageDrawer draw) {
  SetPreviewPageHandler([](const QImage&) {});
  CurrentPrintJob().previewMode = 1;
  PrintPages(state, draw);
  CurrentPrintJob().previewMode = 0;
  SetPreviewPageHandler({});
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallQtPrinterSystem();
  InstallWidgetPrintWindows();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

namespace {
long long BenchStatusBytes(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::string(field).size())) * 1024;
  return 0;
}
}  // namespace

long long ResidentMemoryBytes() { return BenchStatusBytes("VmRSS:"); }
long long PeakResidentMemoryBytes() { return BenchStatusBytes("VmHWM:"); }

void ResetPeakMemory() {
  malloc_trim(0);
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

void ReportPeakMemory(benchmark::State& state, long long before, qint64 fileBytes) {
  const double peak = double(PeakResidentMemoryBytes() - before);
  state.counters["file_MB"] = double(fileBytes) / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["peak_per_file"] = peak / double(fileBytes);
}

void PrepareBenchWindowHome(const QString& path) {
  qputenv("RINGPAD_HOME", path.toLocal8Bit());
  QDir::setCurrent(path);
  QDir().mkpath(BackupFolder);
  platform::SetMessageHandler([](const platform::MessageRequest&) { return platform::MsgResult::Ok; });
}

qint64 WriteBenchDataFile(const QString& name, const QByteArray& bytes) {
  QFile file(ProgramFolder + name);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  return bytes.size();
}

BenchProgramHome::BenchProgramHome() {
  SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
  WriteDefaultSettings();
  LoadPaperSettings(0);
}

CountedRegion::CountedRegion() {
  CALLGRIND_START_INSTRUMENTATION;
  CALLGRIND_TOGGLE_COLLECT;
}

CountedRegion::~CountedRegion() {
  CALLGRIND_TOGGLE_COLLECT;
  CALLGRIND_STOP_INSTRUMENTATION;
}

namespace {
// The child's JSON: its first iteration row (iterations and counters).
QJsonObject ChildRunRow(const QString& jsonPath) {
  QFile file(jsonPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QJsonArray rows =
      QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("benchmarks")).toArray();
  for (const QJsonValue& row : rows)
    if (row.toObject().value(QStringLiteral("run_type")).toString() == QStringLiteral("iteration"))
      return row.toObject();
  return {};
}

}  // namespace

// The events line of a callgrind output file ("totals:" or "summary:"): the
// instructions counted.
double CallgrindFileTotal(const QString& outPath) {
  QFile file(outPath);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
  double total = -1;
  while (!file.atEnd()) {
    const QByteArray line = file.readLine().trimmed();
    if (line.startsWith("totals:") || line.startsWith("summary:"))
      total = std::max(total, line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble());
  }
  return total;
}

QProcessEnvironment CountingEnvironment() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // Valgrind shows a program one of a few CPU models, chosen by what the
  // machine has; glibc and Qt then pick their string, copy and drawing
  // routines by the features shown, and glibc its copy strategy by the
  // caches. Held at the baseline, every machine runs the same routines.
  environment.insert(QStringLiteral("GLIBC_TUNABLES"),
                     QStringLiteral("glibc.cpu.hwcaps=-AVX,-AVX2,-AVX512F,-AVX512BW,-AVX512CD,-AVX512DQ,-AVX512VL,"
                                    "-ERMS,-FSRM,-SSSE3,-SSE4_1,-SSE4_2,-POPCNT,-BMI1,-BMI2,-LZCNT,-MOVBE,-FMA,-FMA4,"
                                    "-RTM,-XSAVEC,-Fast_Rep_String,-Fast_Unaligned_Load,-Fast_Unaligned_Copy,"
                                    "-Prefer_PMINUB_for_stringop,-AVX_Fast_Unaligned_Load"
                                    ":glibc.cpu.x86_data_cache_size=32768:glibc.cpu.x86_shared_cache_size=1048576"
                                    ":glibc.cpu.x86_non_temporal_threshold=786432"
                                    ":glibc.cpu.x86_rep_movsb_threshold=2048:glibc.cpu.x86_rep_stosb_threshold=2048"));
  environment.insert(QStringLiteral("QT_NO_CPU_FEATURE"),
                     QStringLiteral("sse3 ssse3 fma sse4.1 sse4.2 movbe popcnt aes avx f16c rdrnd bmi avx2 bmi2 "
                                    "avx512f avx512dq rdseed avx512ifma avx512cd sha avx512bw avx512vl avx512vbmi "
                                    "avx512vbmi2 shstk gfni vaes avx512vnni avx512bitalg avx512vpopcntdq hybrid ibt "
                                    "avx512fp16"));
  // Qt seeds its hashes at random: the order of a hash's walk, and so the
  // work of some lookups, would change from run to run.
  environment.insert(QStringLiteral("QT_HASH_SEED"), QStringLiteral("0"));
  return environment;
}

void ReportChildInstructions(benchmark::State& state, const std::string& caseName) {
  const auto fail = [&](const std::string& why) { state.SkipWithError((caseName + ": " + why).c_str()); };
  if (RUNNING_ON_VALGRIND) return fail("already running under valgrind");
  const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
  if (valgrind.isEmpty()) return fail("valgrind is not installed, so no instructions can be counted");
  QTemporaryDir work;
  if (!work.isValid()) return fail("no temporary folder for the count: " + work.errorString().toStdString());
  const QString out = work.filePath(QStringLiteral("callgrind.out"));
  const QString json = work.filePath(QStringLiteral("child.json"));
  QProcess child;
  QProcessEnvironment environment = CountingEnvironment();
  environment.insert(QStringLiteral("RINGPAD_BENCH_COUNTING"), QStringLiteral("1"));
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.setStandardOutputFile(work.filePath(QStringLiteral("child.log")));
  // Whole words of the case name only: "BM_X/1000" must not run "BM_X/10000".
  // The benchmark library's expressions are POSIX ones, which take no "\/".
  QString escaped;
  for (const QChar c : QString::fromStdString(caseName)) {
    if (QStringLiteral(".[]()*+?^$|{}\\").contains(c)) escaped += QLatin1Char('\\');
    escaped += c;
  }
  const QString filter = QStringLiteral("^%1(/iterations:|/repeats:|/min_time:|$)").arg(escaped);
  double instructions = -1;
  for (auto _ : state) {
    child.start(valgrind, {QStringLiteral("--tool=callgrind"), QStringLiteral("--instr-atstart=no"),
                           QStringLiteral("--collect-atstart=no"), QStringLiteral("--callgrind-out-file=") + out,
                           QCoreApplication::applicationFilePath(), QStringLiteral("--benchmark_filter=") + filter,
                           QStringLiteral("--benchmark_repetitions=1"), QStringLiteral("--benchmark_out=") + json,
                           QStringLiteral("--benchmark_out_format=json")});
    if (!child.waitForFinished(20 * 60 * 1000)) {
      child.kill();
      child.waitForFinished();
      return fail("the counted run did not finish within 20 minutes");
    }
    instructions = CallgrindFileTotal(out);
  }
  QFile log(work.filePath(QStringLiteral("child.log")));
  const std::string tail = log.open(QIODevice::ReadOnly) ? log.readAll().right(2000).toStdString() : std::string();
  if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
    return fail("the counted run failed:\n" + tail);
  const QJsonObject row = ChildRunRow(json);
  if (row.isEmpty()) return fail("the counted run ran no such case:\n" + tail);
  if (row.value(QStringLiteral("error_occurred")).toBool())
    return fail("the counted run reported: " + row.value(QStringLiteral("error_message")).toString().toStdString());
  const double iterations = row.value(QStringLiteral("iterations")).toDouble();
  if (instructions <= 0 || iterations <= 0)
    return fail("callgrind counted nothing: does the case hold a CountedRegion?");
  static const QStringList kStandard{"name",
                                     "family_index",
                                     "per_family_instance_index",
                                     "run_name",
                                     "run_type",
                                     "repetitions",
                                     "repetition_index",
                                     "threads",
                                     "iterations",
                                     "real_time",
                                     "cpu_time",
                                     "time_unit",
                                     "error_occurred",
                                     "error_message"};
  for (auto it = row.begin(); it != row.end(); ++it)
    if (!kStandard.contains(it.key()) && it.value().isDouble())
      state.counters[it.key().toStdString()] = it.value().toDouble();
  state.counters["instructions"] = instructions / iterations;
  state.counters["Minstr"] = instructions / iterations / 1e6;
}

int BenchIterations(int timed) { return qEnvironmentVariableIsSet("RINGPAD_BENCH_COUNTING") ? 1 : timed; }

int RegisterInstructionCounts(const std::string& name, const std::vector<int64_t>& args) {
  const auto one = [&](const std::string& suffix) {
    const std::string counted = name + suffix;
    benchmark::RegisterBenchmark((name + "_Instructions" + suffix).c_str(),
                                 [counted](benchmark::State& state) { ReportChildInstructions(state, counted); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  };
  if (args.empty()) one("");
  for (const int64_t arg : args) one("/" + std::to_string(arg));
  return 0;
}
