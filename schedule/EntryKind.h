#pragma once
// The two-character kinds of schedule lines (columns 12 and 13) and what each
// means to the readers.
#include <QString>
#include <QStringList>

// What a reader does with a line, decided by its kind alone.
enum class EntryKindClass {
  Plain,            // "　　" and any two full-width characters not listed below
  Colour,           // a character and a full-width blank: "赤　", "黄　", ...
  Time,             // 時刻: "hh:mm " and the text
  Detail,           // 詳細: shown like a timed entry, printed as a plain one
  Symbol,           // 記号: the first character of the text is the day's mark
  EveryYear,        // 毎年
  EveryMonth,       // 毎月: day in columns 9-10
  EveryWeek,        // 毎週: weekday name and ":" before the text
  NthWeekday,       // 第１ to 第５: nth weekday of every month
  MonthNthWeekday,  // 月１ to 月５: nth weekday of the month in columns 6-7
  Anniversary,      // 記念: the year in columns 1-4 is the year of the event
  RestDay,          // 公休
  Holiday,          // 祝日
  SubstituteHoliday,// 振休
  WorkDay,          // 出勤: overrides holidays, rest days and coloured weekdays
  Secret,           // 秘密: listed, never looked up, printed or copied
  Plan,             // 予定: a project span
  Actual,           // 実績: a project span
  Done,             // 完了
  Invalid,          // not two full-width characters: the line matches nothing
};

class EntryKind {
 public:
  static const QString Plain;       // two full-width blanks
  static const QString Time;
  static const QString Detail;
  static const QString Symbol;
  static const QString EveryYear;
  static const QString EveryMonth;
  static const QString EveryWeek;
  static const QString Anniversary;
  static const QString RestDay;
  static const QString Holiday;
  static const QString SubstituteHoliday;
  static const QString WorkDay;
  static const QString Secret;
  static const QString Plan;
  static const QString Actual;
  static const QString Done;
  static const QString Separator;   // "－－" rows of the kind list, never written

  // The kind list of the schedule window, separators included, in its order.
  static QStringList KindList();
  // The five colour kinds of the kind list.
  static QStringList ColourKinds();

  static EntryKindClass Classify(const QString& kind);

  // 1 to 5 for 第１..第５ and 月１..月５, else 0.
  static int Ordinal(const QString& kind);

  // True for the kinds that apply by rule rather than by date (every month,
  // every week, nth weekday).
  static bool IsRecurringRule(const QString& kind);

  // The weekday number 1 (Sunday) to 7 named by the first two characters of
  // a weekly rule's text ("日曜" ... "土曜"), 0 when they name none.
  static int WeekdayOfRuleText(const QString& text);
  // The seven two-character weekday names, Sunday first.
  static const QString WeekdayNames;
};
