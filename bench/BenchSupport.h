#pragma once
// What the benchmark programs share. BenchSupport.cpp also holds their
// main(): Google Benchmark inside an offscreen QApplication, so a benchmark
// source holds only its benchmarks.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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
