// The per-date lookup as the schedule pages use it: every day of a span is
// asked for in turn, on a schedule file of 5,000 lines. The file is read and
// decoded once per job, so the time per day must not grow with the span.
//
// BM_EveryDayOfASpanAsBefore keeps the lookup as it was before the file's
// lines were kept between months: the file read, split and decoded
// character by character at every change of month. BM_TenYearsSpeedUp runs
// both on ten years of days and reports how many times faster the lookup is
// now (the aim is at least 5).
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <iconv.h>

#include <array>

#include "BenchSupport.h"
#include "core/platform/TextLines.h"
#include "schedule/DaySchedule.h"
#include "schedule/HolidayLines.h"
#include "schedule/ScheduleFile.h"

namespace {

constexpr int kFileLines = 5000;
const QDate kFirstDay(2020, 1, 1);
constexpr int kTenYears = 3652;

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

const ScheduleFileFixture& File() {
  static ScheduleFileFixture file;
  return file;
}

DayScheduleOptions Options() {
  DayScheduleOptions options;
  options.ScheduleFilePath = File().path;
  options.OptRecurring = 1;
  return options;
}

// --- The lookup as it was: a code page 932 decoder that appends one
// character at a time, run on every line at every change of month.
class OldDecoder {
 public:
  OldDecoder() {
    for (int b = 0; b < 0x80; ++b) decode_[b] = char16_t(b);
    for (int b = 0xA1; b <= 0xDF; ++b) decode_[b] = char16_t(0xFF61 + b - 0xA1);
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLead(static_cast<unsigned char>(lead))) continue;
      for (int trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail == 0x7F) continue;
        char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 2, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1) && sizeof out - outLeft == 2)
          decode_[(lead << 8) | trail] =
              char16_t(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
      }
    }
    iconv_close(cd);
  }

  QString fromSjis(const QByteArray& bytes) const {
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
      const unsigned char b = p[i];
      if (IsLead(b)) {
        if (i + 1 < size) {
          const char16_t u = decode_[(b << 8) | p[i + 1]];
          if (u != 0) {
            out.append(QChar(u));
            ++i;
            continue;
          }
          const unsigned char trail = p[i + 1];
          if (trail >= 0x40 && trail <= 0xFC && trail != 0x7F) {
            out.append(QChar(0x30FB));
            ++i;
            continue;
          }
        }
        out.append(QChar(0x30FB));
        continue;
      }
      out.append(QChar(decode_[b]));
    }
    return out;
  }

 private:
  static bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
  std::array<char16_t, 65536> decode_{};
};

bool OldReadLines(const QString& path, QStringList& lines) {
  static const OldDecoder decoder;
  lines.clear();
  QByteArray content;
  if (!platform::ReadWholeFile(path, content)) return false;
  for (const QByteArray& raw : platform::SplitLines(content)) lines.append(decoder.fromSjis(raw));
  return true;
}

// The month cache as it was: the file read anew for every month.
class OldDaySchedule {
 public:
  void GetDaySchedule(const QDate& day, const DayScheduleOptions& options, QStringList& texts, DayKind& kind) {
    if (cache_.key != day.toString(QStringLiteral("yyyyMM"))) {
      QStringList lines;
      cache_ = OldReadLines(options.ScheduleFilePath, lines) ? BuildScheduleMonthCache(lines, day, options)
                                                             : ScheduleMonthCache();
    }
    LookUpDaySchedule(cache_, day, options, texts, kind);
  }

 private:
  ScheduleMonthCache cache_;
};

// --- The runs.

template <typename Schedule>
void LookUpDays(Schedule& schedule, int days, const DayScheduleOptions& options) {
  QStringList texts;
  DayKind kind = DayKind::Ordinary;
  for (int i = 0; i < days; ++i) {
    schedule.GetDaySchedule(kFirstDay.addDays(i), options, texts, kind);
    benchmark::DoNotOptimize(texts);
  }
}

void BM_EveryDayOfASpan(benchmark::State& state) {
  const DayScheduleOptions options = Options();
  const int days = int(state.range(0));
  int reads = 0;
  for (auto _ : state) {
    reads = 0;
    DaySchedule schedule([&](const QString& path, QStringList& lines) {
      ++reads;
      return ScheduleFile::ReadLines(path, lines);
    });
    LookUpDays(schedule, days, options);
  }
  if (reads != 1) state.SkipWithError("the file was read more than once in one job");
  state.SetItemsProcessed(state.iterations() * days);
  state.SetComplexityN(days);
}
BENCHMARK(BM_EveryDayOfASpan)->Arg(365)->Arg(730)->Arg(1826)->Arg(kTenYears)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_EveryDayOfASpanAsBefore(benchmark::State& state) {
  const DayScheduleOptions options = Options();
  const int days = int(state.range(0));
  for (auto _ : state) {
    OldDaySchedule schedule;
    LookUpDays(schedule, days, options);
  }
  state.SetItemsProcessed(state.iterations() * days);
}
BENCHMARK(BM_EveryDayOfASpanAsBefore)->Arg(365)->Arg(kTenYears)->Unit(benchmark::kMillisecond);

// Both lookups in turn on ten years of days; the counter is the ratio of the
// old time to the new one, both from the same run of the program. The pages
// must say the same either way.
void BM_TenYearsSpeedUp(benchmark::State& state) {
  const DayScheduleOptions options = Options();
  qint64 oldNs = 0;
  qint64 newNs = 0;
  QElapsedTimer timer;
  for (auto _ : state) {
    OldDaySchedule before;
    timer.start();
    LookUpDays(before, kTenYears, options);
    oldNs += timer.nsecsElapsed();
    DaySchedule now;
    timer.start();
    LookUpDays(now, kTenYears, options);
    newNs += timer.nsecsElapsed();
  }
  {
    OldDaySchedule before;
    DaySchedule now;
    QStringList a, b;
    DayKind ka = DayKind::Ordinary, kb = DayKind::Ordinary;
    for (int i = 0; i < kTenYears; i += 7) {
      before.GetDaySchedule(kFirstDay.addDays(i), options, a, ka);
      now.GetDaySchedule(kFirstDay.addDays(i), options, b, kb);
      if (a != b || ka != kb) {
        state.SkipWithError("the lookups disagree");
        break;
      }
    }
  }
  state.counters["old_ms"] = double(oldNs) / 1e6 / double(state.iterations());
  state.counters["new_ms"] = double(newNs) / 1e6 / double(state.iterations());
  state.counters["speedup"] = newNs > 0 ? double(oldNs) / double(newNs) : 0;
}
BENCHMARK(BM_TenYearsSpeedUp)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
