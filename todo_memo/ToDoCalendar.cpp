#include "ToDoCalendar.h"

#include <optional>

#include "core/text/StringHelpers.h"
#include "core/dates/Calendar.h"
#include "core/dates/DateFormat.h"
#include "schedule/EntryKind.h"
#include "schedule/ScheduleLine.h"

namespace todo {

namespace {

// Fields are looked at in place: the calendar reads every line of a
// schedule file of some thousand lines each time it is drawn.
bool IsBlankField(QStringView field) {
  for (QChar c : field)
    if (c != u' ') return false;
  return true;
}

QStringView YearOf(const ScheduleLine& line) { return line.columnsView(1, 4); }
QStringView MonthOf(const ScheduleLine& line) { return line.columnsView(6, 2); }
QStringView DayOf(const ScheduleLine& line) { return line.columnsView(9, 2); }

// The value of a year field as the holiday lines have always read it:
// blanks skipped, then the leading digits. "    " and "0000" give 0.
int LeadingNumber(QStringView field) {
  int value = 0;
  for (QChar c : field) {
    if (c == u' ') continue;
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c.unicode() - u'0');
    if (value > 100000) break;
  }
  return value;
}

// A holiday or rest-day line of the month (and of the day, with dayOnly)
// that belongs to the year, to every year (blank, 0 or 1900).
bool HolidayLineApplies(const ScheduleLine& line, const QString& yyyy, const QString& mm, const QString& dd,
                        bool dayOnly) {
  if (MonthOf(line) != mm) return false;
  if (dayOnly && DayOf(line) != dd) return false;
  const QStringView year = YearOf(line);
  return LeadingNumber(year) == 0 || year == u"1900" || year == yyyy;
}

// A line that recurs on the nth weekday: its weekday is the first character
// of its text, its ordinal the second character of its kind. The day shown
// is that weekday's date in the date's month.
bool NthWeekdayLineApplies(const ScheduleLine& line, const QDate& date, bool dayOnly, std::optional<QString>& dayPart) {
  const QString weekday = line.text().left(1);
  const QString ordinal = line.kind().mid(1, 1);
  if (dayOnly && !MatchesMonthlyRule(date, weekday, ordinal)) return false;
  const QString nth = NthWeekdayOfMonth(date, weekday, ordinal);
  if (!nth.isEmpty()) dayPart = nth.mid(8, 2);
  return true;
}

void SetFlagOfDay(const ScheduleLine& line, DayFlagTable& flags, int16_t flag, bool overwrite) {
  // A day that is no number sets nothing.
  const int day = line.dayNumber();
  if (day < 1 || day > 31) return;
  if (overwrite || flags[day] < flag) flags[day] = flag;
}

}  // namespace

QList<DayListEntry> ListDayScheduleLines(const QStringList& lines, const QDate& date, bool dayOnly,
                                         DayFlagTable& flags) {
  const QString yyyy = FormatDate(date, QStringLiteral("yyyy"));
  const QString mm = FormatDate(date, QStringLiteral("mm"));
  const QString dd = FormatDate(date, QStringLiteral("dd"));
  const int weekday = WeekdayNumber(date);
  QList<DayListEntry> entries;
  int number = 0;
  for (const QString& text : lines) {
    ++number;
    const ScheduleLine line(text);
    const QStringView kind = line.columnsView(12, 2);
    std::optional<QString> dayPart;  // the day column unless the rule names another day
    bool include = true;
    if (kind == EntryKind::EveryWeek) {
      include = !dayOnly || weekday == EntryKind::WeekdayOfRuleText(line.text());
    } else if (kind.size() == 2 && kind[0] == u'第' && EntryKind::Ordinal(kind.toString()) > 0) {
      include = NthWeekdayLineApplies(line, date, dayOnly, dayPart);
    } else if (kind.size() == 2 && kind[0] == u'月' && EntryKind::Ordinal(kind.toString()) > 0) {
      include = MonthOf(line) == mm && NthWeekdayLineApplies(line, date, dayOnly, dayPart);
    } else if (kind == EntryKind::Holiday) {
      include = HolidayLineApplies(line, yyyy, mm, dd, dayOnly);
      if (include) SetFlagOfDay(line, flags, kHolidayFlag, false);
    } else if (kind == EntryKind::RestDay) {
      include = HolidayLineApplies(line, yyyy, mm, dd, dayOnly);
      if (include) SetFlagOfDay(line, flags, kRestDayFlag, true);
    } else if (kind == EntryKind::Anniversary) {
      const QStringView month = MonthOf(line);
      const QStringView day = DayOf(line);
      include = (IsBlankField(month) || month == mm) && (!dayOnly || IsBlankField(day) || day == dd);
    } else if (kind == EntryKind::Secret) {
      include = false;
    } else {
      const QStringView year = YearOf(line);
      const QStringView month = MonthOf(line);
      const QStringView day = DayOf(line);
      include = (IsBlankField(year) || year == yyyy) && (IsBlankField(month) || month == mm) &&
                (!dayOnly || IsBlankField(day) || day == dd);
    }
    if (!include) continue;
    const QChar joiner = kind == EntryKind::Plain ? u':' : u' ';
    entries.append({(dayPart ? *dayPart : DayOf(line).toString()) + joiner + line.text(), number});
  }
  return entries;
}

void ApplySubstituteHolidays(DayFlagTable& flags, const QDate& month) {
  const QDate first = FirstDayOfMonth(month);
  const int days = first.daysInMonth();
  for (int day = 1; day <= 31; ++day) {
    if (flags[day] != kHolidayFlag || day > days) continue;
    if (first.addDays(day - 1).dayOfWeek() == Qt::Sunday) flags[day + 1] = kHolidayFlag;
  }
}

DayGridTable DayGridOf(const QDate& date) {
  DayGridTable grid{};
  QDate day = FirstDayOfMonth(date);
  int row = 1;
  for (int n = 1; day.month() == date.month(); ++n, day = day.addDays(1)) {
    const int column = WeekdayNumber(day) - 1;
    if (n != 1 && column == 0) ++row;
    grid[column][row] = static_cast<int16_t>(n);
  }
  return grid;
}

CalendarCell CalendarCellAt(double x, double y, double width, double height) {
  if (width <= 0 || height <= 0 || x < 0 || y < 0) return {};
  return {static_cast<int>(x / (width / 7)), static_cast<int>(y / (height / 7))};
}

QDate DayInCell(const DayGridTable& grid, const QDate& shownMonth, CalendarCell cell) {
  if (cell.column < 0 || cell.column > 7 || cell.row < 0 || cell.row > 7) return {};
  const int day = grid[cell.column][cell.row];
  if (day == 0 || !shownMonth.isValid()) return {};
  return QDate(shownMonth.year(), shownMonth.month(), day);
}

QDate DateAfterButton(int index, const QDate& selected, const QDate& today) {
  switch (index) {
    case 0: return selected.addDays(-1);
    case 1: return today;
    case 2: return selected.addDays(1);
    case 3: return FirstDayOfPrevMonth(selected);
    case 4: return FirstDayOfNextMonth(selected);
    default: return selected;
  }
}

QString CalendarCaption(const QDate& date) { return FormatDate(date, QStringLiteral("yyyy/mm/dd(aaa)")); }

}  // namespace todo
