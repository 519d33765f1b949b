#pragma once
// The schedule window's print options: the variables that the printing, the
// per-date lookup and the month list read, and the keys of the settings
// section DIDUVUV that keep them.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The settings section of the schedule window.
inline const QString kScheduleSection = QStringLiteral("DIDUVUV");

struct ScheduleOptions {
  // Check-box options: 0 off, 1 on.
  int16_t OptRokuyou = 0;          // ROKUYOU: the six-day-cycle name
  int16_t OptMoonPhase = 0;        // GETUREI: full and new moon marks
  int16_t OptWeekNumber = 0;       // WEEKNO: week of the year with each Monday
  int16_t OptSundayStart = 0;      // START: weeks start on Sunday
  int16_t OptAprilStart = 0;       // 4GATU: the year calendar starts in April
  int16_t OptListDays = 0;         // DISPDAY: the month list has a row per day
  int16_t OptMemoEntries = 0;      // MEMO_YOTEI: entries in the memo area
  int16_t OptHourScale = 0;        // MEMORI: hour scale lines
  int16_t OptDottedScale = 0;      // MEMORI_TEN: dotted scale lines
  int16_t OptGridInvert = 0;       // KOUSI_HANTEN: the month grid inverted
  int16_t RuleFlags[2] = {0, 0};   // TATEKEI0 vertical rules, TATEKEI1 check column
  int16_t OptHorizontalRules = 0;  // YOKOKEI
  int16_t OptNoYear = 0;           // NENKESI: titles without the year
  int16_t OptColourPrint = 0;      // SUNDAY: red and blue days, colour entries
  int16_t OptEnglish = 0;          // EIGO
  int16_t OptPrintEntries = 0;     // NAIYOU: the day's entries are printed
  int16_t OptRecurring = 0;        // TEIKI: recurring entries applied
  int16_t OptHolidayNames = 0;     // YASUMI
  // SYOUSAI: 時刻 and 詳細 entries; the design chooser sets -1 for a design
  // without times while the box is ticked, and only 1 counts as on.
  int16_t OptDetailEntries = 0;
  int16_t OptNeighbourMonths = 0;  // NEXT
  int16_t OptShading = 0;          // AMIKAKE
  int16_t OptBrackets = 0;         // KAKKO: weekday names in brackets
  int16_t OptWeekdayRow = 0;       // YOUBI
  int16_t OptMiniCalendar = 0;     // MINI
  int16_t OptMiniCalendarBack = 0; // MINI_URA
  int16_t OptGridMargin = 0;       // KOUSIYOHAKU
  int16_t OptHideSixthWeek = 0;    // KOUSI5SYU
  int16_t OptHouseholdRows = 0;    // KAKEIBO
  int16_t OptMemo = 0;             // MEMO: written when changed, never read back

  // List and value options.
  int16_t HourRangeIndex = 0;      // MEMORI2: item of the hour numbering list
  int16_t RightEdgeMode = 0;       // KIRISUTE: 0 none, 1 cut, 2 wrap, 3 smaller, 4 run over
  int16_t DiaryYears = 0;          // years a page of the five-year diary (not saved)
  int16_t ProjectWeeks = 0;        // PRJ_WEEK: weeks of the project chart
  QString DesignStyleText;         // the chosen style item (not saved)
  int16_t MemoLineCount = 0;       // MEMO_GYO
  int16_t RedWeekday = 0;          // DAY_RED: weekday number (1 = Sunday) printed red
  int16_t BlueWeekday = 0;         // DAY_BRUE: weekday number printed blue
  int32_t RestDayShade = 0;        // AMI_KOKYU: shading of rest days, low byte red
  QString ShiftPattern;            // YAKIN: day marks, one per day in turn
};

// A key of the section: its default (nullptr when the key is read without
// one, so that a missing key reads 0 and is only written by a change) and,
// for the check-box options, the variable it keeps.
struct ScheduleOptionKey {
  const char* key;
  const char* defaultValue;
  int16_t& (*variable)(ScheduleOptions&);
};

// Every key of the options, check boxes first in the order of their panel.
const std::vector<ScheduleOptionKey>& ScheduleOptionKeys();
// The entry of a key; nullptr for an unknown key.
const ScheduleOptionKey* FindScheduleOptionKey(const QString& key);

// Reads a key of the section the way loading reads it: with its default
// written first when it has one and reads empty.
QString ReadScheduleOption(const QString& key);
int16_t ReadScheduleOptionInt16(const QString& key);
int32_t ReadScheduleOptionInt32(const QString& key);
// Writes the decimal text of a value.
void WriteScheduleOption(const QString& key, int value);

// What a stored check-box value shows: only 1 ticks the box. Any other
// number (the greyed third state of 2, or garbage) leaves it unticked.
int16_t CheckBoxValue(int16_t stored);
// A stored list index, or the fallback when the list has no such item.
int16_t ListIndexOrDefault(int stored, int itemCount, int16_t fallback);

// Items of the option lists.
QStringList HourRangeItems();     // cmb_memori2
QStringList RightEdgeItems();     // cmb_kirisute
QStringList RuleDivisionItems();  // cmb_tatekei
QStringList DiaryYearItems();     // cmb_5nen
QStringList ProjectWeekItems();   // cmb_week

// A page whose PageWidth (mm) is this or less is too narrow for the year
// calendar in two columns.
constexpr int16_t kTooNarrowForTwoColumns = 120;
