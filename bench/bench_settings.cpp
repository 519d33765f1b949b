// The settings file: writing the defaults of a first run in one rewrite, and
// a window's dozens of key reads served from one parse.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/Ini.h"
#include "core/settings/IniWriteBatch.h"
#include "core/settings/PaperSettings.h"

namespace {

struct SettingsFolder {
  QTemporaryDir home;
  SettingsFolder() {
    qputenv("RINGPAD_HOME", home.path().toLocal8Bit());
    SetProgramPaths(home.path() + QStringLiteral("/ringpad"));
  }
};

void BM_FirstRunWritesTheDefaults(benchmark::State& state) {
  SettingsFolder folder;
  for (auto _ : state) {
    QFile::remove(SettingsFilePath());
    WriteDefaultSettings();
  }
}
BENCHMARK(BM_FirstRunWritesTheDefaults)->Unit(benchmark::kMillisecond);

void BM_ManyReads(benchmark::State& state) {
  SettingsFolder folder;
  {
    IniWriteBatch batch;
    for (int i = 0; i < 300; ++i)
      WriteIniValue(QStringLiteral("S%1").arg(i % 30), QStringLiteral("K%1").arg(i), QString::number(i));
  }
  for (auto _ : state)
    for (int i = 0; i < 300; ++i)
      benchmark::DoNotOptimize(GetIniValue(QStringLiteral("s%1").arg(i % 30), QStringLiteral("k%1").arg(i)));
  state.SetItemsProcessed(state.iterations() * 300);
}
BENCHMARK(BM_ManyReads)->Unit(benchmark::kMicrosecond);

}  // namespace
