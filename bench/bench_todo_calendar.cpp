// The to-do calendar reads the whole schedule file on every drawing: the
// day list and the day flags of one month must stay linear in the file's
// lines (the sizes double; so should the times).
#include <QDate>
#include <QStringList>

#include "BenchSupport.h"
#include "todo_memo/ToDoCalendar.h"
#include "todo_memo/ToDoScheduleEntries.h"

namespace {

// Dated, coloured, weekly, nth-weekday and holiday lines over some years.
QStringList ScheduleLines(int count) {
  QStringList lines;
  lines.reserve(count);
  const QDate start(2020, 1, 1);
  const QString kinds[] = {QStringLiteral("　　"), QStringLiteral("赤　"), QStringLiteral("祝日"),
                           QStringLiteral("公休"), QStringLiteral("記念")};
  for (int i = 0; i < count; ++i) {
    const QDate day = start.addDays(i % 2000);
    if (i % 50 == 0)
      lines << QStringLiteral("    /  /   毎週 水曜:定例");
    else if (i % 50 == 1)
      lines << QStringLiteral("    /  /   第２ 月:会議");
    else
      lines << day.toString(QStringLiteral("yyyy/MM/dd")) + u' ' + kinds[i % 5] + QStringLiteral(" 予定の本文 %1").arg(i);
  }
  return lines;
}

void BM_MonthDayList(benchmark::State& state) {
  const QStringList lines = ScheduleLines(int(state.range(0)));
  for (auto _ : state) {
    todo::DayFlagTable flags{};
    benchmark::DoNotOptimize(todo::ListDayScheduleLines(lines, QDate(2021, 5, 10), false, flags));
  }
  state.SetComplexityN(state.range(0));
}

void BM_InsertScheduleLine(benchmark::State& state) {
  const QStringList lines = ScheduleLines(int(state.range(0)));
  for (auto _ : state) {
    QStringList copy = lines;
    todo::InsertInScheduleOrder(copy, QStringLiteral("2021/05/10 赤　 ﾃｽﾄ"));
    benchmark::DoNotOptimize(copy);
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_MonthDayList)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_InsertScheduleLine)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
