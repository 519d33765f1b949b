#include "EntryShowing.h"

#include "core/dates/DateLists.h"
#include "EntryComposer.h"
#include "ScheduleLine.h"
#include "core/text/Numbers.h"
#include "core/text/StringHelpers.h"

bool HasRuleDate(const QString& row) {
  if (row.left(10) == QLatin1String("    /  /  ")) return true;
  return row.left(5) == QLatin1String("    /") && row.mid(7, 3) == QLatin1String("/  ");
}

int ShownDayIndex(const QString& row) {
  const int day = ScheduleLine::DigitsValue(row.mid(8, 2));
  return day >= 1 && day <= 31 ? day - 1 : -1;
}

int ShownYearIndex(const QString& row, int shownYearIndex) {
  const QString field = row.left(4);
  const int year = ToInt32(ParseNumber(field));
  if (year == 0 || field == QLatin1String("1900")) return -1;
  const int index = YearListIndex(year);
  return index == shownYearIndex ? -1 : index;
}

QString ShownEntryText(const QString& text) { return TrimBlanks(text).isEmpty() ? kBlankEntryText : text; }
