#pragma once
// What the benchmark programs share. BenchSupport.cpp also holds their
// main(): Google Benchmark inside an offscreen QApplication, so a benchmark
// source holds only its benchmarks.
#include <benchmark/benchmark.h>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <cstdint>
#include <string>
#include <vector>

// Draws one page on the active surface, between BeginPage and FinishOutput.
using PageDrawer = void (*)();

// One print job of state.iterations() pages on the active surface, in
// millimetres, without any prompt.
void PrintPages(benchmark::State& state, PageDrawer draw);
// The job on the PDF printer, into a file in a temporary folder.
void PrintPagesOnPdfPrinter(benchmark::State& state, PageDrawer draw);
// The job as a preview; the finished pages are shown to nobody.
void PrintPagesOnPreview(benchmark::State& state, PageDrawer draw);

// A program folder of its own in a temporary folder, with the default
// settings written and the first organiser size loaded.
struct BenchProgramHome {
  BenchProgramHome();
  QTemporaryDir dir;
};

// Peak memory of one step as a ratio to a file's size: ResetPeakMemory()
// before the step makes the peak start from what is resident now (memory
// freed earlier handed back first), and ReportPeakMemory() after it sets the
// counters file_MB, peak_MB and peak_per_file from the peak above `before`.
long long ResidentMemoryBytes();  // VmRSS
long long PeakResidentMemoryBytes();  // VmHWM, since the last reset
void ResetPeakMemory();
void ReportPeakMemory(benchmark::State& state, long long before, qint64 fileBytes);

// A program folder for a window opened on one large data file: made the
// current folder, every message answered OK, and a window of the kind opened
// once on its sample file first, so that what Qt sets up once per program
// (fonts, styles) is not counted against the file.
void PrepareBenchWindowHome(const QString& path);
template <typename Window>
struct BenchWindowHome : BenchProgramHome {
  BenchWindowHome() {
    PrepareBenchWindowHome(dir.path());
    Window warm;
    warm.Form_Load();
  }
};
// Writes the data file into the program folder; its size in bytes.
qint64 WriteBenchDataFile(const QString& name, const QByteArray& bytes);

// Opens the window as the main window does (load, then activation) and
// reports the peak memory of it as a ratio to the file's size.
template <typename Window>
void MeasureWindowOpening(benchmark::State& state, qint64 fileBytes) {
  long long before = 0;
  for (auto _ : state) {
    ResetPeakMemory();
    before = ResidentMemoryBytes();
    Window window;
    window.Form_Load();
    window.Form_Activate();
    benchmark::DoNotOptimize(window);
  }
  ReportPeakMemory(state, before, fileBytes);
}

// Instruction counts, which no load on the machine changes: what a gate of
// tools/bench.sh may hold the code to on any machine, busy or not.
//
// A CountedRegion marks the work a case measures: while one lives, callgrind
// instruments and counts; outside valgrind it costs a few instructions, so
// the timed cases keep theirs in their loops and the timing is unchanged.
struct CountedRegion {
  CountedRegion();
  ~CountedRegion();
  CountedRegion(const CountedRegion&) = delete;
  CountedRegion& operator=(const CountedRegion&) = delete;
};

// The environment of a counted child: this process's, with the CPU features
// that glibc's and Qt's own dispatch choose between held at the x86-64
// baseline, the cache sizes that steer glibc's copies held fixed, and Qt's
// hash seed fixed, so that a count is the same on any x86-64 machine and
// from one run to the next (DEVELOPING.md, Benchmarks).
QProcessEnvironment CountingEnvironment();

// The instructions a callgrind output file holds (its "totals:" or
// "summary:" line); negative when it cannot be read.
double CallgrindFileTotal(const QString& outPath);

// Runs the case `caseName` of this program ("BM_Name/arg") once more in a
// child process under callgrind, with nothing counted outside its
// CountedRegion, and sets the counters of `state`: `instructions` per
// iteration of the case, `Minstr` the same in millions, and the child's own
// counters. When the count cannot be had (no valgrind, the child failed or
// counted nothing) the case is skipped with an error naming why, so that its
// gate reports no result and fails.
void ReportChildInstructions(benchmark::State& state, const std::string& caseName);

// Registers, for each arg, a case "<name>_Instructions/<arg>" that reports
// the instructions of "<name>/<arg>" as above (no args: "<name>_Instructions"
// for "<name>"). Use it at namespace scope:
//   const int kCounted = RegisterInstructionCounts("BM_TableJobRecorded", {10000, 20000});
int RegisterInstructionCounts(const std::string& name, const std::vector<int64_t>& args = {});

// The iterations of a case: `timed` in a timed run, one in the counted
// child, whose count does not vary from one iteration to the next and whose
// every iteration costs tens of times as long under callgrind.
int BenchIterations(int timed);
