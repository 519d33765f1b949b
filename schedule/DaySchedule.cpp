#include "DaySchedule.h"

#include <QFile>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>

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

int TwoDigitNumber(QChar a, QChar b) {
  if (a < u'0' || a > u'9' || b < u'0' || b > u'9') return -1;
  return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

// Columns 6-10 "mm/dd" as mm * 100 + dd, the form a day is compared in;
// -1 for anything else, which no day matches.
int MonthDayCode(QStringView line) {
  const QStringView md = Columns(line, 6, 5);
  if (md.size() != 5 || md[2] != u'/') return -1;
  const int m = TwoDigitNumber(md[0], md[1]), d = TwoDigitNumber(md[3], md[4]);
  return m < 0 || d < 0 ? -1 : m * 100 + d;
}

// The month a rule line names with a whole month and day, 0 for none: on
// that day of every year the line counts as a dated one.
int DatedMonthOfRule(int monthDay) {
  const int month = monthDay < 0 ? 0 : monthDay / 100;
  return month >= 1 && month <= 12 ? month : 0;
}

// Whether the line goes into the month's cache. This runs for every line the
// month might take, so it is kept cheap.
// A rule is one only when it names the month and day too; the rules as
// such are kept apart from the months (ScheduleRules).
bool BelongsToMonth(QStringView line, QStringView kind, const QString& year, const QString& month, int monthNumber,
                    const DayScheduleOptions& options) {
  if (IsRuleKind(kind)) return DatedMonthOfRule(MonthDayCode(line)) == monthNumber;
  if (Columns(line, 6, 2) != month) return false;
  if (kind == EntryKind::Secret) return false;
  if (IsDetailKind(kind) && options.OptDetailEntries != 1) return false;
  if (Columns(line, 1, 4) == year) return true;
  const QStringView head = Columns(line, 1, 5);
  return head == QLatin1String("    /") || head == QLatin1String("0000/") || kind == EntryKind::Anniversary ||
         kind == EntryKind::EveryYear;
}

// Where a line of the file goes when the file is sorted out: the rules
// belong to every month (and, naming a month and day, to that month of any
// year too), lines of any year to every year of their month, dated lines to
// their year and month; the rest to no month.
enum class LinePlace { None, Rule, AnyYear, Dated };
struct LineClass {
  LinePlace place = LinePlace::None;
  int month = 0;  // a rule's dated month, 0 for none
  int year = 0;
};

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
    c.month = DatedMonthOfRule(MonthDayCode(start));
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
  if (kind == kinds.everyWeek || kind == kinds.everyMonth) {
    const int m = TwoDigitNumber(QChar(p[5]), QChar(p[6])), d = TwoDigitNumber(QChar(p[8]), QChar(p[9]));
    return {LinePlace::Rule, p[7] == '/' && m >= 0 && d >= 0 ? DatedMonthOfRule(m * 100 + d) : 0, 0};
  }
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

CachedScheduleLine Cached(const QString& text, qsizetype position) {
  CachedScheduleLine c;
  c.line = text;
  c.position = position;
  c.monthDay = MonthDayCode(text);
  const QStringView kind = Columns(text, 12, 2);
  std::copy(kind.utf16(), kind.utf16() + kind.size(), c.kindChars);
  c.kindSize = qint8(kind.size());
  return c;
}

// Whether a cached holiday line names a day that the law makes a holiday of
// its own, which a substitute holiday passes over: not a substitute holiday
// written out, nor a day between two holidays.
bool IsNationalHolidayLine(const CachedScheduleLine& c) {
  return c.kind() == EntryKind::Holiday && c.trimmedText() != kSubstituteHolidayName &&
         c.trimmedText() != kBetweenHolidaysName;
}

bool IsAnyHolidayLine(const CachedScheduleLine& c) {
  return c.kind() == EntryKind::Holiday || c.kind() == EntryKind::SubstituteHoliday;
}

// A dated holiday line on a Sunday brings a substitute holiday, placed
// right after it, on the day the law gives within the month; a holiday line
// without a year brings none. A day that has a holiday line of its own never
// gets one: it is a holiday already, and a written substitute is not given
// twice.
void AddSubstituteHolidays(ScheduleMonthCache& cache, const QDate& day) {
  const auto linesOn = [&cache](const QDate& d, bool (*test)(const CachedScheduleLine&)) {
    const int md = d.month() * 100 + d.day();
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
    if (c.kind() != EntryKind::Holiday || IsBlank(Columns(text, 1, 4)) || IsBlank(Columns(text, 6, 2)) ||
        IsBlank(Columns(text, 9, 2)))
      continue;
    const QDate date(day.year(), day.month(), NumberOf(Columns(text, 9, 2).toString()));
    if (!date.isValid() || WeekdayNumber(date) != 1) continue;
    const QDate substitute = HolidayLaw::SubstituteFor(date, isNational);
    if (!substitute.isValid() || substitute.month() != day.month()) continue;
    if (linesOn(substitute, &IsAnyHolidayLine)) continue;
    const bool derivedAlready = std::any_of(lines.cbegin(), lines.cend(), [&](const CachedScheduleLine& l) {
      return l.kind() == EntryKind::SubstituteHoliday && l.line.startsWith(DateToText(substitute));
    });
    if (derivedAlready) continue;
    lines.push_back(
        Cached(DateToText(substitute) + u' ' + EntryKind::SubstituteHoliday + u' ' + EntryKind::SubstituteHoliday,
               c.position));
  }
  cache.lines = std::move(lines);
}

// Takes a line of the file into the month's cache when it belongs there.
struct MonthBuild {
  QString year;
  QString month;
  int monthNumber;
  const DayScheduleOptions& options;
  ScheduleMonthCache cache;

  MonthBuild(const QDate& day, const DayScheduleOptions& o)
      : year(FourDigits(day.year())), month(TwoDigits(day.month())), monthNumber(day.month()), options(o) {}

  void take(const QString& text, qsizetype position) {
    if (BelongsToMonth(text, Columns(text, 12, 2), year, month, monthNumber, options))
      cache.lines.push_back(Cached(text, position));
  }
  ScheduleMonthCache finish(const QDate& day) {
    AddSubstituteHolidays(cache, day);
    cache.key = MonthKey(day);
    return std::move(cache);
  }
};

// The day's kind and texts while its lines are applied.
struct DayState {
  int kind = 0;
  QStringList& texts;
  QString symbols;

  void addEntry(const QString& marker, QStringView text) {
    QString entry;
    entry.reserve(marker.size() + text.size());
    entry.append(marker).append(text);
    texts.append(entry);
  }
};

void ApplyDatedLine(const CachedScheduleLine& c, const QDate& day, const DayScheduleOptions& options,
                    DayState& state) {
  const QStringView kind = c.kind();
  QString& heading = state.texts[0];
  if (kind == EntryKind::RestDay) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::RestDay);
    heading.append(c.trimmedText()).append(u' ');
  } else if (kind == EntryKind::Holiday) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::Holiday);
    if (options.OptHolidayNames == 1) heading.append(c.trimmedText()).append(u' ');
  } else if (kind == EntryKind::SubstituteHoliday) {
    if (state.kind != kWorkDay) state.kind = int(DayKind::SubstituteHoliday);
    if (options.OptHolidayNames == 1) heading += EntryKind::SubstituteHoliday;
  } else if (kind == EntryKind::WorkDay) {
    state.kind = kWorkDay;
    heading += EntryKind::WorkDay;
  } else if (kind == EntryKind::Anniversary) {
    if (options.OptPrintEntries != 1) return;
    QString entry = c.trimmedText().toString();
    const int eventYear = NumberOf(QStringLiteral("0") + c.line.left(4));
    if (eventYear != 0 && eventYear != day.year())
      entry += u'(' + QString::number(day.year() - eventYear) + u')';
    state.addEntry(kPlainMarker, entry);
  } else if (kind == EntryKind::Symbol) {
    const QString first = ScheduleLine(c.line).text().left(1);
    if (first != QStringLiteral(" ")) state.symbols += first;
  } else if (kind == EntryKind::Detail) {
    if (options.OptDetailEntries == 1) state.addEntry(kPlainMarker, c.trimmedText());
  } else if (kind == EntryKind::Time) {
    if (options.OptDetailEntries == 1) state.addEntry(kTimedEntryMarker, c.trimmedText());
  } else if (kind.size() == 2 && kind.at(0) != kDayFullWidthBlank && kind.at(1) == kDayFullWidthBlank) {
    if (options.OptPrintEntries == 1) state.addEntry(kind.left(1).toString(), c.trimmedText());
  } else {
    if (options.OptPrintEntries == 1) state.addEntry(kPlainMarker, c.trimmedText());
  }
}

}  // namespace

// One rule taken apart: the days it may fall on are found by day of month
// or by weekday, and the entry it adds is made once.
struct ScheduleRule {
  qsizetype position = 0;
  int monthDay = -1;      // a whole month and day: on it the line is a dated entry instead
  int month = 0;          // 月１-月５: the month columns as a number (-1 unless digits); 0 for any month
  QString weekdayLetter;  // 第１-第５ and 月１-月５; empty for the rules that need no more test
  QString ordinalLetter;
  QString entry;  // marker and text
};

// Each rule that can apply to a day is met only on its own days: a year
// calendar over a file of ten thousand weekly entries asked every rule on
// every day, and decoded its text each time.
struct ScheduleRules {
  std::vector<ScheduleRule> rules;                     // file order
  std::array<std::vector<uint32_t>, 32> onDayOfMonth;  // 毎月
  std::array<std::vector<uint32_t>, 8> onWeekday;      // 毎週, 第１-第５, 月１-月５

  // A rule line that can apply to no day is left out.
  void add(const QString& text, qsizetype position) {
    const ScheduleLine line(text);
    const QString kind = line.kind();
    ScheduleRule r;
    r.position = position;
    r.monthDay = MonthDayCode(text);
    const auto index = uint32_t(rules.size());
    if (kind == EntryKind::EveryMonth) {
      const int day = NumberOf(text.mid(8, 2));
      if (day < 1 || day > 31) return;
      // Every-month lines keep their whole text.
      r.entry = kPlainMarker + line.trimmedText();
      onDayOfMonth[size_t(day)].push_back(index);
    } else {
      const QString ruleText = line.text();
      const int weekday = EntryKind::WeekdayOfRuleText(ruleText);
      if (weekday == 0) return;
      if (kind != EntryKind::EveryWeek) {
        r.weekdayLetter = ruleText.left(1);
        r.ordinalLetter = kind.mid(1, 1);
        if (kind.at(0) == u'月') {
          const QStringView month = Columns(text, 6, 2);
          r.month = month.size() == 2 ? TwoDigitNumber(month[0], month[1]) : -1;
        }
      }
      // Weekday rules drop "日曜:".
      r.entry = kPlainMarker + line.trimmedText().mid(3);
      onWeekday[size_t(weekday)].push_back(index);
    }
    rules.push_back(std::move(r));
  }

  // The rules that add an entry to the day, in file order.
  void applyingTo(const QDate& day, std::vector<uint32_t>& found) const {
    const std::vector<uint32_t>& byDay = onDayOfMonth[size_t(day.day())];
    const std::vector<uint32_t>& byWeekday = onWeekday[size_t(WeekdayNumber(day))];
    found.clear();
    std::merge(byDay.begin(), byDay.end(), byWeekday.begin(), byWeekday.end(), std::back_inserter(found));
    const int monthDay = day.month() * 100 + day.day();
    std::erase_if(found, [&](uint32_t i) {
      const ScheduleRule& r = rules[i];
      if (r.monthDay == monthDay) return true;
      if (r.ordinalLetter.isEmpty()) return false;
      if (r.month != 0 && r.month != day.month()) return true;
      return !MatchesMonthlyRule(day, r.weekdayLetter, r.ordinalLetter);
    });
  }
};

QStringView CachedScheduleLine::trimmedText() const {
  if (line.size() < 15) return {};
  QStringView text = QStringView(line).sliced(14);
  while (!text.isEmpty() && text.back() == u' ') text.chop(1);
  return text;
}

ScheduleMonthCache BuildScheduleMonthCache(const QStringList& fileLines, const QDate& day,
                                           const DayScheduleOptions& options) {
  if (!day.isValid()) return {};
  MonthBuild build(day, options);
  auto rules = std::make_shared<ScheduleRules>();
  for (qsizetype i = 0; i < fileLines.size(); ++i) {
    build.take(fileLines[i], i);
    if (IsRuleKind(Columns(fileLines[i], 12, 2))) rules->add(fileLines[i], i);
  }
  ScheduleMonthCache cache = build.finish(day);
  cache.rules = std::move(rules);
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

  // The day's dated lines and the rules that fall on it, in file order.
  std::vector<uint32_t> rules;
  if (options.OptRecurring == 1 && cache.rules) cache.rules->applyingTo(day, rules);
  size_t nextRule = 0;
  const auto applyRulesBefore = [&](qsizetype position) {
    for (; nextRule < rules.size(); ++nextRule) {
      const ScheduleRule& r = cache.rules->rules[rules[nextRule]];
      if (r.position >= position) break;
      texts.append(r.entry);
    }
  };
  const int monthDay = day.month() * 100 + day.day();
  for (const CachedScheduleLine& c : cache.lines) {
    if (c.monthDay != monthDay) continue;
    applyRulesBefore(c.position);
    ApplyDatedLine(c, day, options, state);
  }
  applyRulesBefore(std::numeric_limits<qsizetype>::max());
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
  lineStarts_ = {};
  groups_ = {};
  ruleStarts_ = {};
  rules_.reset();
}

namespace {

// Calls line(start, end) for each line of the bytes, cut at CR LF, LF or a
// lone CR as the file is read everywhere else.
template <typename LineFn>
void ForEachLine(const QByteArray& bytes, LineFn&& line) {
  const char* const data = bytes.constData();
  const qsizetype n = bytes.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < n; ++i) {
    if (data[i] != '\r' && data[i] != '\n') continue;
    line(start, i);
    if (data[i] == '\r' && i + 1 < n && data[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) line(start, n);
}

}  // namespace

// Notes where each line goes. The lines are counted and grouped first, and
// the groups laid out in one list of the size they need: lists that grow by
// doubling held up to twice what they needed, beside the file's bytes.
void DaySchedule::sortOutLines() {
  const char* const data = fileBytes_.constData();
  qsizetype lineCount = 0;
  ForEachLine(fileBytes_, [&](qsizetype, qsizetype) { ++lineCount; });
  std::vector<int> groupOfLine;
  groupOfLine.reserve(size_t(lineCount));
  std::vector<int> keyOfGroup;
  std::vector<qsizetype> groupSize;
  QHash<int, int> groupOfKey;
  int lastKey = 0, lastGroup = -1;  // neighbouring lines mostly share a month
  ForEachLine(fileBytes_, [&](qsizetype start, qsizetype end) {
    const LineClass c = ClassOfLineBytes(data + start, end - start);
    int key = 0;
    if (c.place == LinePlace::Rule) ruleStarts_.push_back(start);
    if (c.place == LinePlace::AnyYear || (c.place == LinePlace::Rule && c.month != 0))
      key = -c.month;
    else if (c.place == LinePlace::Dated)
      key = c.year * 100 + c.month;
    if (key == 0) {
      groupOfLine.push_back(-1);
      return;
    }
    if (lastGroup < 0 || key != lastKey) {
      const auto found = groupOfKey.constFind(key);
      if (found != groupOfKey.cend()) {
        lastGroup = *found;
      } else {
        lastGroup = int(keyOfGroup.size());
        groupOfKey.insert(key, lastGroup);
        keyOfGroup.push_back(key);
        groupSize.push_back(0);
      }
      lastKey = key;
    }
    ++groupSize[size_t(lastGroup)];
    groupOfLine.push_back(lastGroup);
  });
  std::vector<qsizetype> next(keyOfGroup.size());
  qsizetype total = 0;
  for (size_t g = 0; g < keyOfGroup.size(); ++g) {
    next[g] = total;
    groups_.insert(keyOfGroup[g], {total, total + groupSize[g]});
    total += groupSize[g];
  }
  lineStarts_.resize(size_t(total));
  size_t line = 0;
  ForEachLine(fileBytes_, [&](qsizetype start, qsizetype) {
    const int g = groupOfLine[line++];
    if (g >= 0) lineStarts_[size_t(next[size_t(g)]++)] = start;
  });
}

QString DaySchedule::lineAt(qsizetype start) const {
  const char* const data = fileBytes_.constData();
  qsizetype end = start;
  while (end < fileBytes_.size() && data[end] != '\r' && data[end] != '\n') ++end;
  return platform::FromSjis(data + start, end - start);
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

ScheduleMonthCache DaySchedule::buildMonth(const QDate& day, const DayScheduleOptions& options) {
  // The month's two groups merged back into file order.
  const auto anyYear = groups_.value(-day.month());
  const auto dated = groups_.value(day.year() * 100 + day.month());
  MonthBuild build(day, options);
  build.cache.lines.reserve(size_t(anyYear.second - anyYear.first + dated.second - dated.first + 4));
  qsizetype a = anyYear.first, d = dated.first;
  while (a < anyYear.second || d < dated.second) {
    const bool fromAnyYear =
        d == dated.second || (a < anyYear.second && lineStarts_[size_t(a)] < lineStarts_[size_t(d)]);
    const qsizetype start = lineStarts_[size_t(fromAnyYear ? a++ : d++)];
    build.take(lineAt(start), start);
  }
  return build.finish(day);
}

void DaySchedule::putAside(int month, const DayScheduleOptions& options, ScheduleMonthCache cache) {
  // A file of yearly entries gives each month a twelfth of its lines: a
  // dozen such months decoded would hold several times the file.
  constexpr size_t kRecentMonths = 12;
  qsizetype bytes = 0;
  for (const CachedScheduleLine& c : cache.lines) bytes += qsizetype(sizeof c) + 2 * c.line.size() + 32;
  recent_.push_back({month, options, std::move(cache), bytes});
  const qsizetype budget = fileBytes_.size() / 2;
  qsizetype held = 0;
  for (const RecentMonth& r : recent_) held += r.bytes;
  while (!recent_.empty() && (recent_.size() > kRecentMonths || held > budget)) {
    held -= recent_.front().bytes;
    recent_.erase(recent_.begin());
  }
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
    if (!cache_.key.isEmpty()) putAside(cachedMonth_, cachedOptions_, std::move(cache_));
    cache_ = ScheduleMonthCache();
    if (readLines(options.ScheduleFilePath)) {
      const auto again = std::find_if(recent_.begin(), recent_.end(), [&](const RecentMonth& r) {
        return r.month == month && r.options == options;
      });
      if (again != recent_.end()) {
        cache_ = std::move(again->cache);
        recent_.erase(again);
      } else {
        cache_ = buildMonth(day, options);
      }
    }
    cachedMonth_ = month;
    cachedOptions_ = options;
  }
  // The rules are taken apart once the first lookup applies them, and serve
  // every month after, whichever options it was built under.
  if (options.OptRecurring == 1 && !cache_.key.isEmpty() && !cache_.rules) {
    if (!rules_) {
      auto rules = std::make_shared<ScheduleRules>();
      for (const qsizetype start : ruleStarts_) rules->add(lineAt(start), start);
      rules_ = std::move(rules);
    }
    cache_.rules = rules_;
  }
  LookUpDaySchedule(cache_, day, options, texts, kind);
}
