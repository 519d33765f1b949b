#include "DaySchedule.h"

#include <QFile>
#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "core/dates/Calendar.h"
#include "EntryKind.h"
#include "core/dates/HolidayLaw.h"
#include "ScheduleFile.h"
#include "ScheduleLine.h"
#include "core/platform/Codec.h"
#include "core/platform/TextLines.h"
#include "core/text/Numbers.h"

namespace {

const QChar kDayFullWidthBlank = QChar(0x3000);
const QString kPlainMarker = QString(kDayFullWidthBlank);
const QString kSubstituteHolidayName = QStringLiteral("振替休日");
const QString kBetweenHolidaysName = QStringLiteral("国民の休日");
// The working-day override, held in the kind until the day's lines are done.
constexpr int kWorkDay = -1;

QString FourDigits(int n) { return ZeroPadded(n, 4); }

QString MonthKey(const QDate& day) { return FourDigits(day.year()) + TwoDigits(day.month()); }

bool IsBlank(QStringView field) {
  for (QChar c : field) {
    if (c != u' ') return false;
  }
  return true;
}

// count characters from column first (1-based); what a short line has.
QStringView Columns(QStringView line, qsizetype first, qsizetype count) {
  if (first > line.size()) return {};
  return line.sliced(first - 1, std::min(count, line.size() - first + 1));
}

// A field read as the lookup reads numbers: its leading number, 0 for none.
int NumberOf(const QString& field) { return ToInt32(ParseNumber(field)); }

// Lines of these kinds belong to every month, whatever their date columns.
bool IsRuleKind(QStringView kind) {
  if (kind.size() != 2) return false;
  if (kind == EntryKind::EveryWeek || kind == EntryKind::EveryMonth) return true;
  return (kind.at(0) == u'第' || kind.at(0) == u'月') && EntryKind::Ordinal(kind.toString()) > 0;
}

bool IsDetailKind(QStringView kind) { return kind == EntryKind::Detail || kind == EntryKind::Time; }

// Whether the line goes into the month's cache. This runs for every line the
// month might take (MonthLines), so it is kept cheap.
bool BelongsToMonth(QStringView line, QStringView kind, const QString& year, const QString& month,
                    const DayScheduleOptions& options) {
  if (IsRuleKind(kind)) return true;
  if (Columns(line, 6, 2) != month) return false;
  if (kind == EntryKind::Secret) return false;
  if (IsDetailKind(kind) && options.OptDetailEntries != 1) return false;
  if (Columns(line, 1, 4) == year) return true;
  const QStringView head = Columns(line, 1, 5);
  return head == QLatin1String("    /") || head == QLatin1String("0000/") || kind == EntryKind::Anniversary ||
         kind == EntryKind::EveryYear;
}

// Where a line of the file goes when the file is sorted out: the rules
// belong to every month, lines of any year to every year of their month,
// dated lines to their year and month; the rest to no month.
enum class LinePlace { None, Rule, AnyYear, Dated };
struct LineClass {
  LinePlace place = LinePlace::None;
  int month = 0;
  int year = 0;
};

int TwoDigitNumber(QChar a, QChar b) {
  if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
  return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

int FourDigitNumber(QStringView text) {
  if (text.size() != 4) return -1;
  const int high = TwoDigitNumber(text[0], text[1]), low = TwoDigitNumber(text[2], text[3]);
  return high < 0 || low < 0 ? -1 : high * 100 + low;
}

// The same questions BelongsToMonth asks of a line, on its first thirteen
// characters, leaving out those that depend on the options.
LineClass ClassOfLineStart(QStringView start) {
  LineClass c;
  const QStringView kind = Columns(start, 12, 2);
  if (IsRuleKind(kind)) {
    c.place = LinePlace::Rule;
    return c;
  }
  const QStringView month = Columns(start, 6, 2);
  c.month = month.size() == 2 ? TwoDigitNumber(month[0], month[1]) : -1;
  if (c.month < 1 || c.month > 12) return c;
  const QStringView head = Columns(start, 1, 5);
  if (head == QLatin1String("    /") || head == QLatin1String("0000/") || kind == EntryKind::Anniversary ||
      kind == EntryKind::EveryYear) {
    c.place = LinePlace::AnyYear;
    return c;
  }
  c.year = FourDigitNumber(Columns(start, 1, 4));
  if (c.year >= 0) c.place = LinePlace::Dated;
  return c;
}

// The kinds whose bytes decide a line's place, as the file holds them.
struct KindBytes {
  QByteArray everyWeek = platform::ToSjis(EntryKind::EveryWeek);
  QByteArray everyMonth = platform::ToSjis(EntryKind::EveryMonth);
  QByteArray anniversary = platform::ToSjis(EntryKind::Anniversary);
  QByteArray everyYear = platform::ToSjis(EntryKind::EveryYear);
  QByteArray ordinalWeek = platform::ToSjis(QStringLiteral("第"));
  QByteArray ordinalMonth = platform::ToSjis(QStringLiteral("月"));
};

// A line's place from its bytes. Most lines begin with eleven plain ASCII
// bytes (the date and a comma): their columns are those bytes and the kind
// follows, so only a line that may be a numbered rule is decoded; any other
// line has its first thirteen characters (at most 26 bytes) decoded.
LineClass ClassOfLineBytes(const char* p, qsizetype n) {
  static const KindBytes kinds;
  const bool plainStart = n >= 15 && std::all_of(p, p + 11, [](char b) { return (unsigned char)b < 0x80; });
  if (!plainStart) return ClassOfLineStart(platform::FromSjis(p, std::min<qsizetype>(n, 26)));
  const QByteArrayView kind(p + 11, 4);
  if (kind == kinds.everyWeek || kind == kinds.everyMonth) return {LinePlace::Rule, 0, 0};
  if (kind.startsWith(kinds.ordinalWeek) || kind.startsWith(kinds.ordinalMonth))
    return ClassOfLineStart(platform::FromSjis(p, std::min<qsizetype>(n, 26)));
  LineClass c;
  c.month = TwoDigitNumber(QChar(p[5]), QChar(p[6]));
  if (c.month < 1 || c.month > 12) return c;
  const QByteArrayView head(p, 5);
  if (head == "    /" || head == "0000/" || kind == kinds.anniversary || kind == kinds.everyYear) {
    c.place = LinePlace::AnyYear;
    return c;
  }
  const int high = TwoDigitNumber(QChar(p[0]), QChar(p[1])), low = TwoDigitNumber(QChar(p[2]), QChar(p[3]));
  if (high >= 0 && low >= 0) {
    c.place = LinePlace::Dated;
    c.year = high * 100 + low;
  }
  return c;
}

CachedScheduleLine Cached(const QString& text) {
  const ScheduleLine line(text);
  return {text, line.columns(6, 5), line.columns(12, 2), line.trimmedText()};
}

// Whether a cached holiday line names a day that the law makes a holiday of
// its own, which a substitute holiday passes over: not a substitute holiday
// written out, nor a day between two holidays.
bool IsNationalHolidayLine(const CachedScheduleLine& c) {
  return c.kind == EntryKind::Holiday && c.trimmedText != kSubstituteHolidayName &&
         c.trimmedText != kBetweenHolidaysName;
}

bool IsAnyHolidayLine(const CachedScheduleLine& c) {
  return c.kind == EntryKind::Holiday || c.kind == EntryKind::SubstituteHoliday;
}

// A dated holiday line on a Sunday brings a substitute holiday, placed
// right after it, on the day the law gives within the month; a holiday line
// without a year brings none. A day that has a holiday line of its own never
// gets one: it is a holiday already, and a written substitute is not given
// twice.
void AddSubstituteHolidays(ScheduleMonthCache& cache, const QDate& day) {
  const auto linesOn = [&cache](const QDate& d, bool (*test)(const CachedScheduleLine&)) {
    const QString md = TwoDigits(d.month()) + u'/' + TwoDigits(d.day());
    return std::any_of(cache.lines.cbegin(), cache.lines.cend(),
                       [&](const CachedScheduleLine& c) { return c.monthDay == md && test(c); });
  };
  const auto isNational = [&](const QDate& d) {
    return d.month() == day.month() && linesOn(d, &IsNationalHolidayLine);
  };

  std::vector<CachedScheduleLine> lines;
  lines.reserve(cache.lines.size() + 4);
  for (const CachedScheduleLine& c : cache.lines) {
    lines.push_back(c);
    const QStringView text = c.line;
    if (c.kind != EntryKind::Holiday || IsBlank(Columns(text, 1, 4)) || IsBlank(Columns(text, 6, 2)) ||
        IsBlank(Columns(text, 9, 2)))
      continue;
    const QDate date(day.year(), day.month(), NumberOf(Columns(text, 9, 2).toString()));
    if (!date.isValid() || WeekdayNumber(date) != 1) continue;
    const QDate substitute = HolidayLaw::SubstituteFor(date, isNational);
    if (!substitute.isValid() || substitute.month() != day.month()) continue;
    if (linesOn(substitute, &IsAnyHolidayLine)) continue;
    const bool derivedAlready = std::any_of(lines.cbegin(), lines.cend(), [&](const CachedScheduleLine& l) {
      return l.kind == EntryKind::SubstituteHoliday && l.line.startsWith(DateToText(substitute));
    });
    if (derivedAlready) continue;
    lines.push_back(Cached(DateToText(substitute) + u' ' + EntryKind::SubstituteHoliday + u' ' +
                           EntryKind::SubstituteHoliday));
  }
  cache.lines = std::move(lines);
}

// The day's kind and texts while its lines are applied.
struct DayState {
  int kind = 0;
  QStringList& texts;
  QString symbols;

  void addEntry(const QString& marker, const QString& text) { texts.append(marker + text); }
};

void ApplyDatedLine(const CachedScheduleLine& c, const QDate& day, const DayScheduleOptions& options,
                    DayState& state) {
  const QString& kind = c.kind;
  QString& heading = state.texts[0];
  if (kind == EntryKind::RestDay) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::RestDay);
    heading += c.trimmedText + u' ';
  } else if (kind == EntryKind::Holiday) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::Holiday);
    if (options.OptHolidayNames == 1) heading += c.trimmedText + u' ';
  } else if (kind == EntryKind::SubstituteHoliday) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::SubstituteHoliday);
    if (options.OptHolidayNames == 1) heading += EntryKind::SubstituteHoliday;
  } else if (kind == EntryKind::WorkDay) {
    state.kind = kWorkDay;
    heading += EntryKind::WorkDay;
  } else if (kind == EntryKind::Anniversary) {
    if (options.OptPrintEntries != 1) return;
    QString entry = c.trimmedText;
    const int eventYear = NumberOf(QStringLiteral("0") + c.line.left(4));
    if (eventYear != 0 && eventYear != day.year())
      entry += u'(' + QString::number(day.year() - eventYear) + u')';
    state.addEntry(kPlainMarker, entry);
  } else if (kind == EntryKind::Symbol) {
    const QString first = ScheduleLine(c.line).text().left(1);
    if (first != QStringLiteral(" ")) state.symbols += first;
  } else if (kind == EntryKind::Detail) {
    if (options.OptDetailEntries == 1) state.addEntry(kPlainMarker, c.trimmedText);
  } else if (kind == EntryKind::Time) {
    if (options.OptDetailEntries == 1) state.addEntry(kTimedEntryMarker, c.trimmedText);
  } else if (kind.size() == 2 && kind.at(0) != kDayFullWidthBlank && kind.at(1) == kDayFullWidthBlank) {
    if (options.OptPrintEntries == 1) state.addEntry(kind.left(1), c.trimmedText);
  } else {
    if (options.OptPrintEntries == 1) state.addEntry(kPlainMarker, c.trimmedText);
  }
}

bool RuleApplies(const CachedScheduleLine& c, const QDate& day) {
  const QString& kind = c.kind;
  if (kind == EntryKind::EveryMonth) return day.day() == NumberOf(c.line.mid(8, 2));
  const QString text = ScheduleLine(c.line).text();
  const int weekday = EntryKind::WeekdayOfRuleText(text);
  if (weekday == 0) return false;
  if (kind == EntryKind::EveryWeek) return weekday == WeekdayNumber(day);
  if (EntryKind::Ordinal(kind) == 0) return false;
  if (kind.at(0) == u'月' && c.line.mid(5, 2) != TwoDigits(day.month())) return false;
  return MatchesMonthlyRule(day, text.left(1), kind.mid(1, 1));
}

void ApplyRule(const CachedScheduleLine& c, const QDate& day, DayState& state) {
  if (!RuleApplies(c, day)) return;
  // Every-month lines keep their whole text; weekday rules drop "日曜:".
  const QString text = c.kind == EntryKind::EveryMonth ? c.trimmedText : c.trimmedText.mid(3);
  state.addEntry(kPlainMarker, text);
}

}  // namespace

ScheduleMonthCache BuildScheduleMonthCache(const QStringList& fileLines, const QDate& day,
                                           const DayScheduleOptions& options) {
  ScheduleMonthCache cache;
  if (!day.isValid()) return cache;
  const QString year = FourDigits(day.year());
  const QString month = TwoDigits(day.month());
  cache.lines.reserve(size_t(fileLines.size() / 8 + 16));
  for (const QString& text : fileLines) {
    const QStringView kind = Columns(text, 12, 2);
    if (!BelongsToMonth(text, kind, year, month, options)) continue;
    cache.lines.push_back(Cached(text));
  }
  AddSubstituteHolidays(cache, day);
  cache.key = MonthKey(day);
  return cache;
}

void LookUpDaySchedule(const ScheduleMonthCache& cache, const QDate& day,
                       const DayScheduleOptions& options, QStringList& texts, DayKind& kind) {
  texts = QStringList{QString()};
  DayState state{0, texts, QString()};
  const int weekday = WeekdayNumber(day);
  if (weekday == options.RedWeekday)
    state.kind = int(DayKind::RedWeekday);
  else if (weekday == options.BlueWeekday)
    state.kind = int(DayKind::BlueWeekday);

  const QString& pattern = options.ShiftPattern;
  if (!pattern.isEmpty()) {
    const qint64 serial = QDate(1899, 12, 30).daysTo(day);
    const qint64 length = pattern.size();
    texts[0] = pattern.at(((serial % length) + length) % length) + QStringLiteral(" ");
  }

  const int m = day.month(), d = day.day();
  const QChar md[] = {QChar(u'0' + m / 10), QChar(u'0' + m % 10), u'/', QChar(u'0' + d / 10), QChar(u'0' + d % 10)};
  const QString monthDay(md, 5);
  for (const CachedScheduleLine& c : cache.lines) {
    if (c.monthDay == monthDay)
      ApplyDatedLine(c, day, options, state);
    else if (options.OptRecurring == 1 && IsRuleKind(c.kind))
      ApplyRule(c, day, state);
  }
  texts[0] += state.symbols;
  if (state.kind == kWorkDay) state.kind = int(DayKind::Ordinary);
  kind = DayKind(state.kind);
}

DaySchedule::DaySchedule()
    : DaySchedule(ByteReader([](const QString& path, QByteArray& bytes) { return platform::ReadWholeFile(path, bytes); })) {}

DaySchedule::DaySchedule(ByteReader reader, ChangeStamp stamp)
    : reader_(std::move(reader)), stamp_(std::move(stamp)) {}

DaySchedule::DaySchedule(LineReader reader, ChangeStamp stamp)
    : DaySchedule(
          [reader = std::move(reader)](const QString& path, QByteArray& bytes) {
            QStringList lines;
            if (!reader(path, lines)) return false;
            bytes = WriteScheduleFile(lines);
            return true;
          },
          std::move(stamp)) {}

// Every save replaces the file (a new inode), so a rewrite within the same
// clock tick is still seen.
QString DaySchedule::FileChangeStamp(const QString& path) {
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  return QStringLiteral("%1/%2/%3.%4")
      .arg(qint64(st.st_size))
      .arg(quint64(st.st_ino))
      .arg(qint64(st.st_mtim.tv_sec))
      .arg(qint64(st.st_mtim.tv_nsec));
}

void DaySchedule::forgetLines() {
  linesRead_ = false;
  fileBytes_ = QByteArray();
  ruleSpans_ = {};
  anyYearSpans_ = {};
  datedSpans_ = {};
}

// Cuts the bytes into lines (at CR LF, LF or a lone CR, as the file is read
// everywhere else) and notes where each goes.
void DaySchedule::sortOutLines() {
  const char* const data = fileBytes_.constData();
  const qsizetype n = fileBytes_.size();
  const auto place = [&](qsizetype start, qsizetype end) {
    const LineClass c = ClassOfLineBytes(data + start, end - start);
    const LineSpan span{start, end - start};
    switch (c.place) {
      case LinePlace::Rule: ruleSpans_.push_back(span); break;
      case LinePlace::AnyYear: anyYearSpans_[size_t(c.month)].push_back(span); break;
      case LinePlace::Dated: datedSpans_[c.year * 100 + c.month].push_back(span); break;
      case LinePlace::None: break;
    }
  };
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    if (data[i] != '\r' && data[i] != '\n') continue;
    place(start, i);
    if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) place(start, n);
}

// Reading and decoding the whole file was most of a lookup's time when it
// happened on every change of month; a ten-year page run now reads it once,
// and each month decodes only its own lines.
bool DaySchedule::readLines(const QString& path) {
  if (holdFile_ && linesRead_ && linesPath_ == path) return true;
  const QString stamp = stamp_ ? stamp_(path) : QString();
  if (linesRead_ && linesPath_ == path && linesStamp_ == stamp) return true;
  forgetLines();
  recent_.clear();  // built from the lines that are gone
  linesRead_ = reader_(path, fileBytes_);
  if (!linesRead_) {
    fileBytes_ = QByteArray();
    return false;
  }
  sortOutLines();
  linesPath_ = path;
  linesStamp_ = stamp;
  return true;
}

QStringList DaySchedule::monthLines(const QDate& day) const {
  // The three lists merged back into file order.
  static const std::vector<LineSpan> kNoSpans;
  const auto dated = datedSpans_.constFind(day.year() * 100 + day.month());
  const std::vector<LineSpan>* lists[] = {&ruleSpans_, &anyYearSpans_[size_t(day.month())],
                                          dated == datedSpans_.cend() ? &kNoSpans : &*dated};
  size_t at[3] = {0, 0, 0};
  QStringList lines;
  lines.reserve(qsizetype(lists[0]->size() + lists[1]->size() + lists[2]->size()));
  for (;;) {
    int next = -1;
    for (int k = 0; k < 3; ++k)
      if (at[k] < lists[k]->size() &&
          (next < 0 || (*lists[k])[at[k]].offset < (*lists[next])[at[size_t(next)]].offset))
        next = k;
    if (next < 0) break;
    const LineSpan& span = (*lists[next])[at[size_t(next)]++];
    lines.append(platform::FromSjis(fileBytes_.constData() + span.offset, span.length));
  }
  return lines;
}

void DaySchedule::GetDaySchedule(const QDate& day, const DayScheduleOptions& options, QStringList& texts,
                                 DayKind& kind) {
  if (!day.isValid()) {
    cache_ = ScheduleMonthCache();
    recent_.clear();
    forgetLines();
    return;
  }
  // The month compared as a number: building its key for every day of a
  // year calendar cost more than the lookup itself.
  const int month = day.year() * 100 + day.month();
  if (cache_.key.isEmpty() || cachedMonth_ != month) {
    // Put aside first: reading the file anew below drops what was put aside.
    if (!cache_.key.isEmpty()) {
      constexpr size_t kRecentMonths = 12;
      if (recent_.size() == kRecentMonths) recent_.erase(recent_.begin());
      recent_.push_back({cachedMonth_, cachedOptions_, std::move(cache_)});
    }
    cache_ = ScheduleMonthCache();
    if (readLines(options.ScheduleFilePath)) {
      const auto again = std::find_if(recent_.begin(), recent_.end(), [&](const RecentMonth& r) {
        return r.month == month && r.options == options;
      });
      if (again != recent_.end()) {
        cache_ = std::move(again->cache);
        recent_.erase(again);
      } else {
        cache_ = BuildScheduleMonthCache(monthLines(day), day, options);
      }
    }
    cachedMonth_ = month;
    cachedOptions_ = options;
  }
  LookUpDaySchedule(cache_, day, options, texts, kind);
}
