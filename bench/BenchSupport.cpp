#include "BenchSupport.h"

#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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
