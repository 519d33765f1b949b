// A to-do file of 1,000,000 items (some 33 MB) opened in the to-do window,
// in the file's order. Peak memory is reported above what the process held
// before, as a ratio to the file's size; it should stay under three.
//
// The sorted display orders on lists of 10,000 to 1,000,000 items: the
// time must grow as n log n (ten times the items, at most twelve times the
// instructions), and a million items sort in well under two seconds.
#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "todo_memo/ToDoOrder.h"
#include "todo_memo/ToDoSettings.h"
#include "todo_memo/windows/TodoWindow.h"

namespace {

QByteArray MillionItemToDoBytes() {
  QByteArray bytes;
  bytes.reserve(qsizetype(1000000) * 34);
  for (int i = 0; i < 1000000; ++i) {
    // "□A1 2009/03/10 電話する0123456": status, importance, level, date, text.
    bytes += platform::ToSjis(QStringLiteral("□%1%2 2009/%3/%4 電話する%5")
                                  .arg(QChar(u'A' + i % 3))
                                  .arg(i % 4)
                                  .arg(1 + i % 12, 2, 10, QChar(u'0'))
                                  .arg(1 + i % 28, 2, 10, QChar(u'0'))
                                  .arg(i, 7, 10, QChar(u'0')));
    bytes += "\r\n";
  }
  return bytes;
}

void BM_OpenMillionItemsInTheWindow(benchmark::State& state) {
  static BenchWindowHome<TodoWindow> home;
  static const qint64 size = WriteBenchDataFile(todo::kDefaultToDoFile, MillionItemToDoBytes());
  MeasureWindowOpening<TodoWindow>(state, size);
}
BENCHMARK(BM_OpenMillionItemsInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

// Items as a list grows them: every status and importance, three levels,
// texts that repeat now and then (equal keys) and dates over some years.
QStringList ToDoItems(int count) {
  static const QStringList kWords = {"電話する", "打ち合わせ", "資料作成", "買い物", "支払い", "予約", "返信"};
  QStringList lines;
  lines.reserve(count);
  const QDate first(2020, 1, 1);
  for (int i = 0; i < count; ++i) {
    const int n = int((quint64(i) * 2654435761u) % quint64(count));  // scattered, so the list is not near sorted
    lines << QStringLiteral("%1%2%3%4%5\t%6")
                 .arg(QChar(i % 3 ? u'□' : u'■'))
                 .arg(QChar(u" DCBA"[n % 5]))
                 .arg(QString(n % 3, QChar(0x3000)))
                 .arg(kWords[n % kWords.size()])
                 .arg(n / 2)
                 .arg(first.addDays(n % 2000).toString(QStringLiteral("yyyy/MM/dd")));
  }
  return lines;
}

// The list in a sorted display order, of state.range(0) items.
void SortInOrder(benchmark::State& state, todo::DisplayOrder order) {
  const QStringList lines = ToDoItems(int(state.range(0)));
  for (auto _ : state) {
    const CountedRegion counted;
    const todo::ToDoList shown = todo::ListInDisplayOrder(lines, order);
    benchmark::DoNotOptimize(shown);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
void BM_ToDoImportanceOrder(benchmark::State& state) { SortInOrder(state, todo::DisplayOrder::Importance); }
void BM_ToDoNewestOrder(benchmark::State& state) { SortInOrder(state, todo::DisplayOrder::Newest); }
void BM_ToDoItemTextOrder(benchmark::State& state) { SortInOrder(state, todo::DisplayOrder::ItemText); }
BENCHMARK(BM_ToDoImportanceOrder)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToDoNewestOrder)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToDoItemTextOrder)->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
// The growth gated: instructions of ten times the items.
const int kOrderCounted = RegisterInstructionCounts("BM_ToDoImportanceOrder", {10000, 100000}) +
                          RegisterInstructionCounts("BM_ToDoNewestOrder", {10000, 100000}) +
                          RegisterInstructionCounts("BM_ToDoItemTextOrder", {10000, 100000});

}  // namespace
