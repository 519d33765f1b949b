// The memo window's work on a large memo file: building the title index,
// showing one entry and updating it through the locked rewrite, searching,
// and reflowing a long body. Each must
// stay linear in the file's size (the sizes double; so should the times).
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "todo_memo/DataFiles.h"
#include "todo_memo/MemoFile.h"
#include "todo_memo/MemoTools.h"
#include "todo_memo/windows/MemoWindow.h"

namespace {

// Entries of 40 lines of 60 bytes, about 2.5 KB each, up to the size in KB.
QStringList MemoLines(int kilobytes) {
  QStringList lines;
  qint64 bytes = 0;
  for (int entry = 0; bytes < qint64(kilobytes) * 1024; ++entry) {
    lines << QStringLiteral("@TITLE(03-10-2009 08:30:00)=メモ%1").arg(entry) << QStringLiteral("@FONTNAME=ＭＳ 明朝")
          << QStringLiteral("@FONTSIZE=9");
    for (int i = 0; i < 40; ++i) lines << QStringLiteral("本文の行です。%1 ").arg(i).repeated(3);
    bytes += 40 * 60 + 70;
  }
  return lines;
}

struct MemoFileFixture {
  QTemporaryDir dir;
  QString path;
  explicit MemoFileFixture(int kilobytes) : path(dir.path() + QStringLiteral("/dudezu.txt")) {
    SetProgramPaths(dir.path() + QStringLiteral("/ringpad"));
    todo::WriteDataFile(path, MemoLines(kilobytes));
  }
};

QStringList ReadLines(const QString& path) {
  QStringList lines;
  platform::ReadTextLines(path, lines);
  return lines;
}

void BM_LoadIndex(benchmark::State& state) {
  MemoFileFixture file(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(memo::BuildMemoIndex(ReadLines(file.path)));
}

void BM_ShowMiddleEntry(benchmark::State& state) {
  MemoFileFixture file(int(state.range(0)));
  const QList<memo::MemoIndexItem> index = memo::BuildMemoIndex(ReadLines(file.path));
  const int start = index[index.size() / 2].StartLine;
  for (auto _ : state) benchmark::DoNotOptimize(memo::ReadMemoPart(ReadLines(file.path), start));
}

void BM_UpdateMiddleEntry(benchmark::State& state) {
  MemoFileFixture file(int(state.range(0)));
  const QList<memo::MemoIndexItem> index = memo::BuildMemoIndex(ReadLines(file.path));
  const int start = index[index.size() / 2].StartLine;
  const memo::MemoPart part = memo::ReadMemoPart(ReadLines(file.path), start);
  const QStringList block =
      memo::MemoBlock(part.title, part.body, QStringLiteral("ＭＳ 明朝"), 9, QDateTime(QDate(2009, 3, 10), QTime(9, 0)));
  for (auto _ : state)
    todo::ChangeDataFile(file.path, [&](QStringList& lines) { lines = memo::ReplacePart(lines, start, block); return true; },
                         true);
}

// A body of one long line, reflowed to 49 characters: the piece is never
// measured again from its start, so the time grows with the length only.
void BM_ReflowOneLongLine(benchmark::State& state) {
  const QString body = QStringLiteral("あいうえおabcde").repeated(int(state.range(0)) * 1024 / 15);
  for (auto _ : state) benchmark::DoNotOptimize(memo::ReflowText(body, 49));
}

void BM_SearchToTheEnd(benchmark::State& state) {
  MemoFileFixture file(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(memo::FindLine(ReadLines(file.path), QStringLiteral("NOWHERE"), 0));
}

// A memo file of 1,000,000 lines (entries of a title, two font lines and
// twenty body lines of 27 bytes, some 27 MB) opened in the memo window:
// weekday backup, index and the first entry shown. Peak memory above what the
// process held before, as a ratio to the file's size, should stay under three.
QByteArray MillionLineMemoBytes() {
  QByteArray bytes;
  bytes.reserve(28 * 1000000);
  for (int line = 0; line < 1000000;) {
    bytes += platform::ToSjis(
        QStringLiteral("@TITLE(03-10-2009 08:30:00)=メモ%1\r\n@FONTNAME=ＭＳ 明朝\r\n@FONTSIZE=9\r\n").arg(line));
    line += 3;
    for (int i = 0; i < 20 && line < 1000000; ++i, ++line)
      bytes += platform::ToSjis(QStringLiteral("メモ本文の行です。%1\r\n").arg(line, 7, 10, QChar(u'0')));
  }
  return bytes;
}

void BM_OpenMillionLinesInTheWindow(benchmark::State& state) {
  static BenchWindowHome<MemoWindow> home;
  static const qint64 size = WriteBenchDataFile(QStringLiteral("dudezu.txt"), MillionLineMemoBytes());
  MeasureWindowOpening<MemoWindow>(state, size);
}

}  // namespace

BENCHMARK(BM_OpenMillionLinesInTheWindow)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReflowOneLongLine)->Arg(256)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchToTheEnd)->Arg(1280)->Arg(2560)->Arg(5120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIndex)->Arg(1280)->Arg(2560)->Arg(5120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowMiddleEntry)->Arg(1280)->Arg(2560)->Arg(5120)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateMiddleEntry)->Arg(1280)->Arg(2560)->Arg(5120)->Unit(benchmark::kMillisecond);
