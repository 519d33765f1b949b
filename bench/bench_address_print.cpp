// The address book printed: entries chosen, put in company order and drawn
// as the ruled design 0, every page, on the recording surface, and as the
// print button runs the whole job on the PDF printer, and as the packed list
// on the recording surface. The choice sorts
// in n log n and each page starts where the job's walk first reached it, so
// a job grows with the entries and a page costs the same at any book size
// (the ms_per_page counters stay flat from 1,000 to 100,000 entries).

#include <algorithm>
#include <chrono>

#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"

#include "BenchSupport.h"
#include "address/AddressCategoryGroups.h"
#include "address/AddressPrintJob.h"
#include "address/AddressPrintLines.h"
#include "address/PhoneBookListPage.h"
#include "address/RuledPhoneBook.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"

namespace {

QStringList Book(int entries) {
  QStringList lines{kAddressHeader};
  for (int i = 0; i < entries; ++i) {
    AddressRecord r;
    r.setField(kFieldKana, QStringLiteral("ｶﾅ%1").arg(i, 6, 10, QChar(u'0')));
    r.setField(kFieldBunrui, QStringLiteral("仕事"));
    r.setField(kFieldName, QStringLiteral("名前%1").arg(i));
    r.setField(kFieldTel, QStringLiteral("090-%1").arg(i));
    r.setField(kFieldKaisyaName, QStringLiteral("会社%1").arg((i * 7919) % entries));
    lines << r.toLine();
  }
  return lines;
}

void BM_ChooseCompanyOrder(benchmark::State& state) {
  const QStringList file = Book(int(state.range(0)));
  AddressPrintChoice choice;
  choice.category = kCategoryAll;
  choice.sortIndex = 2;
  const AddressCategoryGroups groups = AddressCategoryGroups::Parse({});
  for (auto _ : state) benchmark::DoNotOptimize(ChooseAddressPrintLines(file, choice, groups));
}

AddressPrintLines CompanyOrder(int entries) {
  AddressPrintChoice choice;
  choice.category = kCategoryAll;
  choice.sortIndex = 2;
  return ChooseAddressPrintLines(Book(entries), choice, AddressCategoryGroups::Parse({}));
}

// Counts the pages of a job and the time they took, started before the job.
struct PageClock {
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
  void report(benchmark::State& state, int pages) const {
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    state.counters["pages"] = pages;
    state.counters["ms_per_page"] = ms / double(state.iterations()) / std::max(pages, 1);
  }
};

void BM_PrintEveryPage(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  const AddressPrintLines chosen = CompanyOrder(int(state.range(0)));
  int pages = 0;
  const PageClock clock;
  for (auto _ : state) {
    // A fresh copy per run: a job remembers its page starts with its lines.
    const AddressPrintLines lines = chosen;
    for (int page = 1;; ++page) {
      recorder.printer.clearOps();
      pages = page;
      if (PrintRuledPhoneBook(0, 2, kCategoryAll, page, 8, 88, lines, {})) break;
    }
  }
  clock.report(state, pages);
}

// The packed list: an entry takes as many lines as its fields need, so the
// walk measures each entry once a job and counts from then on.
void BM_PrintEveryPackedPage(benchmark::State& state) {
  const BenchProgramHome home;
  SurfaceRecorder recorder;
  const AddressPrintLines chosen = CompanyOrder(int(state.range(0)));
  int pages = 0;
  const PageClock clock;
  for (auto _ : state) {
    // A fresh copy per run, as each job chooses its lines anew.
    const AddressPrintLines lines = chosen;
    for (int page = 1;; ++page) {
      recorder.printer.clearOps();
      pages = page;
      if (PrintPhoneBookListPage(0, 2, kCategoryAll, page, 8, 88, lines, QStringLiteral("予備"), QStringLiteral("番号")))
        break;
    }
  }
  clock.report(state, pages);
}

// What the print button hands over for the ruled design 0, both sides, in
// company order.
AddressPrintJob RuledBookJob() {
  AddressPrintJob job;
  job.design = QStringLiteral("横罫");
  job.sortIndex = 2;
  job.category = kCategoryAll;
  return job;
}

// The pages of the job, counted on the recording surface.
int RuledBookPages(const AddressPrintJob& job, const AddressPrintLines& chosen) {
  SurfaceRecorder recorder;
  const AddressPrintLines lines = chosen;
  PrintAddressJob(job, lines);
  const std::vector<RecordedOp>& ops = recorder.printer.ops();
  return int(std::count_if(ops.begin(), ops.end(), [](const RecordedOp& op) {
    return op.kind == RecordedOp::NewPage || op.kind == RecordedOp::BeginDocument;
  }));
}

// The whole job as the print button runs it on the PDF printer: the entries
// chosen and sorted, then PrintAddressJob: the job's sheet plan, the sheet
// runner, the design drawing every page, and the end of the document,
// written out.
void BM_PrintEveryPageOnPdfPrinter(benchmark::State& state) {
  const BenchProgramHome home;
  const QString pdf = home.dir.path() + QStringLiteral("/book.pdf");
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  CurrentPrintJob().previewMode = 0;
  CurrentPrintJob().confirmPrompts = 0;
  CurrentPrintJob().endDocPerPage = 0;
  const QStringList file = Book(int(state.range(0)));
  AddressPrintChoice choice;
  choice.category = kCategoryAll;
  choice.sortIndex = 2;
  const AddressCategoryGroups groups = AddressCategoryGroups::Parse({});
  const AddressPrintJob job = RuledBookJob();
  const int pages = RuledBookPages(job, ChooseAddressPrintLines(file, choice, groups));
  SetCurrentPrinter(kPdfPrinterName);
  const PageClock clock;
  for (auto _ : state) {
    const CountedRegion counted;
    PrintAddressJob(job, ChooseAddressPrintLines(file, choice, groups));
  }
  clock.report(state, pages);
  platform::SetFileDialogHandler({});
}

}  // namespace

BENCHMARK(BM_ChooseCompanyOrder)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintEveryPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintEveryPackedPage)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PrintEveryPageOnPdfPrinter)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
const int kPrintCounted = RegisterInstructionCounts("BM_PrintEveryPageOnPdfPrinter", {1000, 10000});

namespace {

// The same job on the recording surface, where the drawing costs a fraction
// of the PDF output's, so that work of the job's own that grows faster than
// its pages stands out: up to 30,000 entries, which a count can afford.
void BM_PrintAddressJobRecorded(benchmark::State& state) {
  const BenchProgramHome home;
  CurrentPrintJob().confirmPrompts = 0;
  CurrentPrintJob().endDocPerPage = 0;
  const AddressPrintLines chosen = CompanyOrder(int(state.range(0)));
  const AddressPrintJob job = RuledBookJob();
  const int pages = RuledBookPages(job, chosen);
  SurfaceRecorder recorder;
  const PageClock clock;
  for (auto _ : state) {
    const AddressPrintLines lines = chosen;  // a job remembers its page starts
    recorder.printer.clearOps();
    const CountedRegion counted;
    PrintAddressJob(job, lines);
  }
  clock.report(state, pages);
}

}  // namespace

BENCHMARK(BM_PrintAddressJobRecorded)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(1);
const int kJobCounted = RegisterInstructionCounts("BM_PrintAddressJobRecorded", {1000, 10000, 30000});
