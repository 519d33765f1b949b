// The per-date lookup as the schedule pages use it: every day of a span is
// asked for in turn, on a schedule file of 5,000 lines. The time per day
// must not grow with the span (the file is read once per month, and a day
// scans only its month's lines).
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/platform/TextLines.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleFile.h"

namespace {

constexpr int kFileLines = 5000;
const QDate kFirstDay(2020, 1, 1);

// Holiday lines, a few rules, and dated entries spread over ten years.
QStringList ScheduleLines() {
  QStringList lines = HolidayLines();
  lines << "    /  /25,毎月,給料日" << "    /  /  ,毎週,月曜:ゴミ出し" << "    /  /  ,第２,火曜:定例"
        << "    /  /  ,第５,金曜:月末会" << "    /11/  ,月４,木曜:感謝祭" << "1990/06/01,記念,結婚";
  static const char* const kinds[] = {"　　", "赤　", "時刻", "記号", "公休", "毎年"};
  for (int i = 0; lines.size() < kFileLines; ++i) {
    const QDate d = kFirstDay.addDays((i * 37) % 3653);
    lines << QStringLiteral("%1,%2,%3").arg(d.toString("yyyy/MM/dd"), QString::fromUtf8(kinds[i % 6]),
                                            QStringLiteral("10:00 予定その%1").arg(i));
  }
  return lines;
}

struct ScheduleFileFixture {
  QTemporaryDir dir;
  QString path;
  ScheduleFileFixture() : path(dir.path() + "/diduvuv.txt") { ScheduleFile::Write(path, ScheduleLines()); }
};

void BM_EveryDayOfASpan(benchmark::State& state) {
  static ScheduleFileFixture file;
  DayScheduleOptions options;
  options.ScheduleFilePath = file.path;
  options.OptRecurring = 1;
  const int days = int(state.range(0));
  int reads = 0;
  int months = 0;
  for (auto _ : state) {
    reads = 0;
    DaySchedule schedule([&](const QString& path, QStringList& lines) {
      ++reads;
      return ScheduleFile::ReadLines(path, lines);
    });
    QStringList texts;
    DayKind kind = DayKind::Ordinary;
    months = 0;
    for (int i = 0; i < days; ++i) {
      const QDate day = kFirstDay.addDays(i);
      if (i == 0 || day.day() == 1) ++months;
      schedule.GetDaySchedule(day, options, texts, kind);
      benchmark::DoNotOptimize(texts);
    }
  }
  if (reads != months) state.SkipWithError("the file was read more than once per month");
  state.counters["file_reads"] = reads;
  state.SetItemsProcessed(state.iterations() * days);
  state.SetComplexityN(days);
}
BENCHMARK(BM_EveryDayOfASpan)->Arg(365)->Arg(730)->Arg(1826)->Arg(3652)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
