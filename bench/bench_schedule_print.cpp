// Schedule printing jobs through the driver to the PDF printer, each against
// the same job recorded once and replayed straight into a QPainter (target:
// within 1.5 times the replay).
#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "BenchSupport.h"
#include "RecordedOpsReplay.h"
#include "core/platform/FileDialog.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/print/SurfaceRecorder.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/PaperSettings.h"
#include "schedule/DaySchedule.h"
#include "schedule/SchedulePrintSource.h"
#include "schedule_print/ScheduleDrivers.h"

namespace {

// A schedule as people keep one, over the two years the jobs print (2008
// and 2009): entries on most days, one to three a day of the kinds the file
// holds, and recurring entries: weekly, monthly, on an nth weekday and
// yearly.
QStringList KeptSchedule() {
  QStringList lines{
      QStringLiteral("    /  /  ,毎週,月曜:定例会"),   QStringLiteral("    /  /  ,毎週,水曜:ノー残業デー"),
      QStringLiteral("    /  /  ,毎週,金曜:週報"),     QStringLiteral("    /  /25,毎月,給料日"),
      QStringLiteral("    /  /10,毎月,カード支払"),    QStringLiteral("    /  /  ,第２,火曜:役員会"),
      QStringLiteral("    /  /  ,第４,土曜:町内清掃"), QStringLiteral("    /  /  ,第５,金曜:月末会")};
  for (int i = 0; i < 24; ++i)
    lines << QStringLiteral("    /%1,毎年,誕生日 知人%2")
                 .arg(QDate(2008, 1, 1).addDays(i * 15 + 3).toString("MM/dd"))
                 .arg(i);
  static const char16_t* const kKinds[] = {u"　　", u"時刻", u"赤　", u"記号", u"詳細"};
  static const char16_t* const kTexts[] = {u"打合せ 山田商事", u"□電話 見積の件",  u"締切 企画書", u"歯医者",
                                           u"出張 大阪",       u"会議 第二会議室", u"納品 A社",    u"研修"};
  for (QDate d(2008, 1, 1); d <= QDate(2009, 12, 31); d = d.addDays(1)) {
    const qint64 n = d.toJulianDay();
    if ((n * 37) % 100 < 15) continue;  // about one day in seven is empty
    const int entries = 1 + int(n * 13 % 3);
    for (int e = 0; e < entries; ++e) {
      const int k = int((n + e) % 5);
      QString text = QString::fromUtf16(kTexts[(n * 3 + e) % 8]);
      if (k == 1)
        text = QStringLiteral("%1:%2 ").arg(9 + (n + e) % 9).arg((e * 15) % 60, 2, 10, QLatin1Char('0')) + text;
      lines << QStringLiteral("%1,%2,%3").arg(d.toString("yyyy/MM/dd"), QString::fromUtf16(kKinds[k]), text);
    }
  }
  return lines;
}

// A schedule window of plain values over the schedule above.
class BenchSource : public SchedulePrintSource {
 public:
  BenchSource()
      : lookup_([this](const QString&, QStringList& out) {
          out = lines;
          return true;
        }) {
    options.OptPrintEntries = 1;
    options.OptHolidayNames = 1;
    options.OptRecurring = 1;
    options.OptShading = 1;
    options.OptMiniCalendar = 1;
    options.OptColourPrint = 1;
    options.MemoLineCount = 12;
    options.RedWeekday = 1;
    options.BlueWeekday = 7;
    lines = KeptSchedule();
    controls.Txt_maisu = QStringLiteral("12");
    controls.Chk_naiyou = 1;
    controls.Cmb_Nen = QStringLiteral("2008");
    controls.Cmb_Tuki = QStringLiteral("01");
    controls.Cmb_Hi = QStringLiteral("01");
    options.HourRangeIndex = 1;
  }
  ScheduleOptions options;
  SchedulePrintControls controls;
  QStringList lines;
  ScheduleOptions& PrintOptions() override { return options; }
  SchedulePrintControls PrintControls() const override { return controls; }
  void GetDaySchedule(const QDate& day, QStringList& texts, DayKind& kind) override {
    DayScheduleOptions o;
    o.OptPrintEntries = 1;
    o.OptRecurring = 1;
    lookup_.GetDaySchedule(day, o, texts, kind);
  }
  QString PrintScheduleFileName() const override { return QStringLiteral("diduvuv.txt"); }
  bool ScheduleFileReadable() const override { return true; }
  QWidget* PrintBusyWindow() override { return nullptr; }

 private:
  DaySchedule lookup_;
};

struct BenchHome : BenchProgramHome {
  BenchHome() {
    CurrentPrintJob().confirmPrompts = 0;
    CurrentPrintJob().endDocPerPage = 0;
  }
  // Where the job's PDF goes: RINGPAD_ARTEFACT_DIR keeps it to be looked at.
  QString pdfPath(int16_t code, const char* kind) const {
    const QString kept = qEnvironmentVariable("RINGPAD_ARTEFACT_DIR");
    const QString folder = kept.isEmpty() ? dir.path() : kept;
    return QStringLiteral("%1/job%2-%3.pdf").arg(folder).arg(code).arg(QLatin1String(kind));
  }
};

// One job of a driver code from the start day, on whatever surface is active.
void RunJob(BenchSource& source, int16_t code, const QDate& start) {
  SetPrinterScaleMode(kScaleMillimetres);
  QDate day = start;
  int16_t c = code;
  if (code >= 250) PrintCalendarPlanDesigns(source, c, day);
  else if (code >= 210) PrintDailyDesigns(source, c, day);
  else if (code >= 120) PrintWeeklyDesigns(source, c, day);
  else PrintYearMonthDesigns(source, c, day);
  EndPrintDocument();
}

// Times the job through the PDF printer or, with replay, the replay of its
// recorded drawing in the orientation its sheets were printed in.
void TimeJobOrReplay(benchmark::State& state, bool replay, const QString& pdf, const std::function<void()>& job,
                     QPageLayout::Orientation orientation = QPageLayout::Portrait) {
  if (replay) {
    std::vector<RecordedOp> ops;
    {
      SurfaceRecorder recorder;
      CurrentPrintJob().previewMode = 0;
      job();
      ops = recorder.printer.ops();
    }
    for (auto _ : state) {
      const CountedRegion counted;
      ReplayRecordedOps(ops, pdf, PaperSettings.PrintMargin, orientation);
    }
    state.counters["ops"] = double(ops.size());
    return;
  }
  platform::SetFileDialogHandler([&](const platform::FileDialogRequest&) { return std::optional<QString>(pdf); });
  SetCurrentPrinter(kPdfPrinterName);
  CurrentPrintJob().previewMode = 0;
  // One job untimed first, as the replay records one: fonts, the font
  // database and the printer are set up once per run, not per job.
  job();
  for (auto _ : state) {
    const CountedRegion counted;
    job();
  }
  platform::SetFileDialogHandler({});
}

void DriverJobBench(benchmark::State& state, int16_t code, const QString& sheets, bool replay) {
  BenchHome home;
  BenchSource source;
  source.controls.Txt_maisu = sheets;
  TimeJobOrReplay(state, replay, home.pdfPath(code, replay ? "replay" : "driver"),
                  [&] { RunJob(source, code, QDate(2009, 1, 1)); });
}

// Every day of the two years looked up as the day pages do, one after
// another: the share of each job that the schedule's size sets.
void BM_LookUpEveryDay(benchmark::State& state) {
  BenchSource source;
  QStringList texts;
  DayKind kind{};
  for (auto _ : state) {
    const CountedRegion counted;
    for (QDate d(2008, 1, 1); d <= QDate(2009, 12, 31); d = d.addDays(1)) source.GetDaySchedule(d, texts, kind);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_LookUpEveryDay)->Iterations(BenchIterations(5))->Unit(benchmark::kMillisecond);
const int kLookUpCounted = RegisterInstructionCounts("BM_LookUpEveryDay");

// Each job printed through the PDF printer and, beside it, the replay of its
// recorded drawing: the yardstick the printing is measured against.
struct DriverJob {
  const char* name;
  int16_t code;
  const char* sheets;
  int iterations;
};
const DriverJob kDriverJobs[] = {
    // A leap year of day pages, one a sheet (366 pages).
    {"DayPagesLeapYear", 211, "366", 2},
    // A year of large calendars: turned text on every page, and the wall
    // calendar.
    {"TurnedCalendarYear", 251, "12", 3},
    {"WallCalendarYear", 261, "12", 3},
    // A year of the margin spread on A4 sides (six sheets, twelve sides), and
    // twelve years of year calendars on fronts.
    {"SpreadYear", 62, "6", 5},
    {"YearCalendars", 2, "12", 5},
    {"MonthGridYear", 53, "12", 5},
    // A year of monthly lists on fronts, and a year of one-month spreads on
    // A4 sides (twelve sides, two half-month pages each).
    {"MonthListYear", 23, "12", 5},
    {"HalfMonthSpreadYear", 42, "6", 5},
    // Weekly pages: a year of weeks one a sheet, and of four weeks to an A4
    // sheet; time-axis spreads, two to an A4 sheet (26 sheets, 52 sides).
    {"WeekPagesYear", 123, "52", 3},
    {"WeekA4SidesYear", 122, "13", 3},
    {"TimeAxisSpreadYear", 172, "26", 3},
};

const bool kDriverJobsRegistered = [] {
  for (const DriverJob& job : kDriverJobs) {
    const std::string name = std::string("BM_") + job.name;
    benchmark::RegisterBenchmark(
        (name + "_PdfPrinter").c_str(),
        [job](benchmark::State& state) { DriverJobBench(state, job.code, QString::fromLatin1(job.sheets), false); })
        ->Iterations(BenchIterations(job.iterations))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        (name + "_Replay").c_str(),
        [job](benchmark::State& state) { DriverJobBench(state, job.code, QString::fromLatin1(job.sheets), true); })
        ->Iterations(BenchIterations(job.iterations))
        ->Unit(benchmark::kMillisecond);
    RegisterInstructionCounts(name + "_PdfPrinter");
    RegisterInstructionCounts(name + "_Replay");
  }
  return true;
}();

}  // namespace

// --- Diary pages and four-up sheets.
namespace {

// A leap year of diary pages with five year bands, fronts only (366 pages).
void DiaryJob(benchmark::State& state, bool replay) {
  BenchHome home;
  BenchSource source;
  source.options.DiaryYears = 5;
  source.controls.Txt_maisu = QStringLiteral("366");
  const QString pdf = home.pdfPath(242, replay ? "replay" : "diary");
  const auto job = [&] {
    SetPrinterScaleMode(kScaleMillimetres);
    QDate day;
    int16_t code = 242;
    PrintDailyDesigns(source, code, day);
    EndPrintDocument();
  };
  TimeJobOrReplay(state, replay, pdf, job);
}

// A year of day pages four to a landscape sheet (92 sheets) in the four-fold
// A4 size.
void FourUpDaysJob(benchmark::State& state, bool replay) {
  BenchHome home;
  LoadPaperSettings(15);
  BenchSource source;
  source.controls.Txt_maisu = QStringLiteral("92");
  const QString pdf = home.pdfPath(211, replay ? "fourup-replay" : "fourup");
  const auto job = [&] {
    SetPrinterScaleMode(kScaleMillimetres);
    SetPrinterOrientation(kLandscape);
    QDate day(2008, 1, 1);
    int16_t code = 211;
    PrintFourUpSheets(source, code, day);
    EndPrintDocument();
    SetPrinterOrientation(kPortrait);
  };
  // Landscape, as the sheets were printed, so no page is clipped away.
  TimeJobOrReplay(state, replay, pdf, job, QPageLayout::Landscape);
}

void BM_DiaryLeapYear_PdfPrinter(benchmark::State& state) { DiaryJob(state, false); }
void BM_DiaryLeapYear_Replay(benchmark::State& state) { DiaryJob(state, true); }
void BM_FourUpDayYear_PdfPrinter(benchmark::State& state) { FourUpDaysJob(state, false); }
void BM_FourUpDayYear_Replay(benchmark::State& state) { FourUpDaysJob(state, true); }

BENCHMARK(BM_DiaryLeapYear_PdfPrinter)->Iterations(BenchIterations(2))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiaryLeapYear_Replay)->Iterations(BenchIterations(2))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourUpDayYear_PdfPrinter)->Iterations(BenchIterations(2))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FourUpDayYear_Replay)->Iterations(BenchIterations(2))->Unit(benchmark::kMillisecond);
const int kDiaryCounted =
    RegisterInstructionCounts("BM_DiaryLeapYear_PdfPrinter") + RegisterInstructionCounts("BM_DiaryLeapYear_Replay") +
    RegisterInstructionCounts("BM_FourUpDayYear_PdfPrinter") + RegisterInstructionCounts("BM_FourUpDayYear_Replay");

}  // namespace
