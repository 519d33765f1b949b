#pragma once
// What the schedule file says about one day: the day's heading, its entries
// and its DayKind, with recurring rules, holidays, substitute holidays and
// working-day overrides applied under the print options.
//
// The schedule file is read once per print job (or when it changes on
// disk) and kept as its bytes, with where each line lies sorted out by year
// and month; a month decodes only the lines that can apply to it, and those
// are kept between calls, so a page that asks for each of its days looks at
// the file's lines once per month. A large schedule then costs little more
// memory than the file itself.
#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "DayKind.h"

// The schedule window's options that decide what a day shows. The Opt
// values count as on only when they are 1.
struct DayScheduleOptions {
  QString ScheduleFilePath;
  int16_t OptRecurring = 0;      // 毎月, 毎週, 第１-第５, 月１-月５ rules applied
  int16_t OptDetailEntries = 1;  // 時刻 and 詳細 lines taken
  int16_t OptHolidayNames = 1;   // holiday names and "振休" in the heading
  int16_t OptPrintEntries = 1;   // entry texts taken
  int16_t RedWeekday = 1;        // weekday number (1 = Sunday) of DayKind 1
  int16_t BlueWeekday = 7;       // weekday number of DayKind 4
  QString ShiftPattern;          // day marks, one per day in turn

  bool operator==(const DayScheduleOptions&) const = default;
};

// One line of the month cache, with the columns the lookup compares taken
// apart once. Kept small: a diary page keeps a dozen months at a time.
struct CachedScheduleLine {
  QString line;
  qsizetype position = 0;  // where the line lies in the file, to keep the day's entries in file order
  int monthDay = -1;       // columns 6-10 "mm/dd" as mm * 100 + dd; -1 when they are not of that form
  char16_t kindChars[2] = {};
  qint8 kindSize = 0;

  QStringView kind() const { return QStringView(kindChars, kindSize); }  // columns 12-13
  QStringView trimmedText() const;  // column 15 on, trailing half-width blanks removed
};

// The recurring rules of a file (毎月, 毎週, 第１-第５, 月１-月５), taken
// apart once and shared by every month built from the same lines.
struct ScheduleRules;

// The lines of one month that can apply to its days, in file order, each
// generated substitute-holiday line right after the holiday that caused it,
// and the file's rules when they are applied. There is no limit on their
// number: a busy month loses no entry.
struct ScheduleMonthCache {
  QString key;  // year and month "yyyymm"; empty when nothing is cached
  std::vector<CachedScheduleLine> lines;
  std::shared_ptr<const ScheduleRules> rules;
};

// The cache of day's month, made from the schedule file's lines.
ScheduleMonthCache BuildScheduleMonthCache(const QStringList& fileLines, const QDate& day,
                                           const DayScheduleOptions& options);

// The marker that begins a timed entry among a day's texts.
inline const QString kTimedEntryMarker = QStringLiteral("時");

// The heading and entries of the day (texts[0] the heading, every further
// element an entry beginning with its marker "　", "時" or a colour
// character) and its DayKind, from a cache of the day's month.
void LookUpDaySchedule(const ScheduleMonthCache& cache, const QDate& day,
                       const DayScheduleOptions& options, QStringList& texts, DayKind& kind);

// The lookup with its month cache, as the schedule window keeps it.
class DaySchedule {
 public:
  // Reads the schedule file's lines; false when it cannot be read.
  using LineReader = std::function<bool(const QString& path, QStringList& lines)>;
  // Reads the schedule file's bytes (code page 932); false when it cannot
  // be read.
  using ByteReader = std::function<bool(const QString& path, QByteArray& bytes)>;
  // Something that changes whenever the file does (its size and time of
  // change on disk).
  using ChangeStamp = std::function<QString(const QString& path)>;

  DaySchedule();  // reads the file named in the options
  explicit DaySchedule(ByteReader reader, ChangeStamp stamp = FileChangeStamp);
  // Lines handed over as text are kept as their code page 932 bytes.
  explicit DaySchedule(LineReader reader, ChangeStamp stamp = FileChangeStamp);

  // A null day empties the cache, forgets the file's lines and leaves texts
  // and kind as they are; otherwise the cache is loaded when the day lies in
  // another month than the cached one, from the lines read before unless
  // the file changed since (a month built from those same lines under the
  // same options is taken up again), and the day is looked up. A schedule file that
  // cannot be read gives the days no entries and is tried again on the next
  // call.
  void GetDaySchedule(const QDate& day, const DayScheduleOptions& options, QStringList& texts,
                      DayKind& kind);

  const ScheduleMonthCache& cache() const { return cache_; }

  // While held, the file's lines once read are used without asking the
  // disk whether the file changed: a print job reads the file at its start
  // (the null day) and a diary page changes month five times.
  void HoldFile(bool hold) { holdFile_ = hold; }

  static QString FileChangeStamp(const QString& path);

 private:
  // Reads the file unless the lines read before are still its lines; false
  // when it cannot be read.
  bool readLines(const QString& path);
  // The day's month built from the lines read.
  ScheduleMonthCache buildMonth(const QDate& day, const DayScheduleOptions& options);
  // Keeps a month for a later call while the months kept stay small beside
  // the file.
  void putAside(int month, const DayScheduleOptions& options, ScheduleMonthCache cache);

  ByteReader reader_;
  ChangeStamp stamp_;
  ScheduleMonthCache cache_;
  int cachedMonth_ = 0;  // year * 100 + month of cache_ while its key is set
  DayScheduleOptions cachedOptions_;  // what cache_ was built under
  // Months looked up before the current one, built from the lines as last
  // read and under the options they name: a diary page asks for one day in
  // each of five years, and rebuilding each month every time was a fifth of
  // its printing.
  struct RecentMonth {
    int month = 0;
    DayScheduleOptions options;
    ScheduleMonthCache cache;
    qsizetype bytes = 0;  // what its lines hold, roughly
  };
  std::vector<RecentMonth> recent_;
  // The file's bytes as last read, with the path and stamp they came from,
  // and where the lines begin that a month may take, grouped by where they
  // go: each group of lines in file order, one after another in lineStarts_,
  // found by its key in groups_ (lines of any year by -month, dated lines by
  // year * 100 + month). The rules' lines are kept apart, since every month
  // shares them; a rule that also names a month and day is a dated line on
  // that day of every year, and is in that month's group of any year too.
  bool linesRead_ = false;
  bool holdFile_ = false;
  QString linesPath_;
  QString linesStamp_;
  QByteArray fileBytes_;
  std::vector<qsizetype> lineStarts_;
  QHash<int, std::pair<qsizetype, qsizetype>> groups_;  // [first, end) of lineStarts_
  std::vector<qsizetype> ruleStarts_;
  std::shared_ptr<const ScheduleRules> rules_;  // taken apart on first need
  void sortOutLines();
  void forgetLines();
  QString lineAt(qsizetype start) const;
};
