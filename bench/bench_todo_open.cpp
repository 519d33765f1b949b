// A to-do file of 1,000,000 items (some 33 MB) opened in the to-do window,
// in the file's order. Peak memory is reported above what the process held
// before, as a ratio to the file's size; it should stay under three.
#include "BenchSupport.h"
#include "core/platform/Codec.h"
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

// In the file's order: the sorted orders use an exchange sort whose time
// grows with the square of the items, which a million would take hours over.
void BM_OpenMillionItemsInTheWindow(benchmark::State& state) {
  static BenchWindowHome<TodoWindow> home;
  static const qint64 size = WriteBenchDataFile(todo::kDefaultToDoFile, MillionItemToDoBytes());
  MeasureWindowOpening<TodoWindow>(state, size);
}
BENCHMARK(BM_OpenMillionItemsInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
