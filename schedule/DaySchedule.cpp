#include "DaySchedule.h"

#include <QFile>
#include <sys/stat.h>

#include <algorithm>
#include <array>

#include "Calendar.h"
#include "EntryKind.h"
#include "HolidayLaw.h"
#include "ScheduleFile.h"
#include "ScheduleLine.h"
#include "core/text/Numbers.h"

namespace {

const QChar kFullWidthBlank = QChar(0x3000);
const QString kPlainMarker = QString(kFullWidthBlank);
const QString kTimeMarker = QStringLiteral("時");
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

// The lines that can go into a month's cache, in file order: those whose
// month columns name it, and the rules, which belong to every month.
// Sorting them out once per reading spares each month a scan of the whole
// file; BuildScheduleMonthCache drops every other line anyway.
std::array<QStringList, 13> LinesByMonth(const QStringList& fileLines) {
  std::array<QStringList, 13> months;  // [1..12]
  for (const QString& text : fileLines) {
    if (IsRuleKind(Columns(text, 12, 2))) {
      for (int m = 1; m <= 12; ++m) months[m].append(text);
      continue;
    }
    const QStringView month = Columns(text, 6, 2);
    const auto digit = [&](int i) { return month[i] >= u'0' && month[i] <= u'9' ? month[i].unicode() - u'0' : -1; };
    if (month.size() != 2 || digit(0) < 0 || digit(1) < 0) continue;
    const int m = digit(0) * 10 + digit(1);
    if (m >= 1 && m <= 12) months[m].append(text);
  }
  return months;
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
    if (options.OptDetailEntries == 1) state.addEntry(kTimeMarker, c.trimmedText);
  } else if (kind.size() == 2 && kind.at(0) != kFullWidthBlank && kind.at(1) == kFullWidthBlank) {
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
    : DaySchedule([](const QString& path, QStringList& lines) { return ScheduleFile::ReadLines(path, lines); }) {}

DaySchedule::DaySchedule(LineReader reader, ChangeStamp stamp)
    : reader_(std::move(reader)), stamp_(std::move(stamp)) {}

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

// Decoding the whole file was most of a lookup's time when it happened on
// every change of month; a ten-year page run now decodes it once.
const QStringList* DaySchedule::monthLines(const QString& path, int month) {
  if (holdFile_ && linesRead_ && linesPath_ == path) return &monthLines_[month];
  const QString stamp = stamp_ ? stamp_(path) : QString();
  if (!linesRead_ || linesPath_ != path || linesStamp_ != stamp) {
    QStringList lines;
    linesRead_ = reader_(path, lines);
    monthLines_ = {};
    recent_.clear();  // built from the lines that are gone
    if (!linesRead_) return nullptr;
    monthLines_ = LinesByMonth(lines);
    linesPath_ = path;
    linesStamp_ = stamp;
  }
  return &monthLines_[month];
}

void DaySchedule::GetDaySchedule(const QDate& day, const DayScheduleOptions& options, QStringList& texts,
                                 DayKind& kind) {
  if (!day.isValid()) {
    cache_ = ScheduleMonthCache();
    recent_.clear();
    linesRead_ = false;
    monthLines_ = {};
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
    const QStringList* lines = monthLines(options.ScheduleFilePath, day.month());
    if (lines) {
      const auto again = std::find_if(recent_.begin(), recent_.end(), [&](const RecentMonth& r) {
        return r.month == month && r.options == options;
      });
      if (again != recent_.end()) {
        cache_ = std::move(again->cache);
        recent_.erase(again);
      } else {
        cache_ = BuildScheduleMonthCache(*lines, day, options);
      }
    }
    cachedMonth_ = month;
    cachedOptions_ = options;
  }
  LookUpDaySchedule(cache_, day, options, texts, kind);
}
