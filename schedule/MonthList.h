#pragma once
// The rows of the schedule window's month list, made from the schedule
// file's lines for one year and month. The rows are ordered by the day in
// columns 9-10 of their text: lines without a day (weekday rules) first,
// and lines of one day in file order after that day's own row.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>

struct MonthListRow {
  QString text;
  // 1-based number of the row's line in the file; 0 for a day row.
  int lineNumber = 0;
};

struct MonthListOptions {
  bool listDays = false;          // one row for every day of the month
  bool designHasTimes = false;    // the chosen design prints times
  int16_t optDetailEntries = 0;   // 時刻 and 詳細 lines shown only with 1
};

// yearText and monthText are the texts of the year and month lists. For the
// blank year the list shows the lines that belong to no one year, without
// day rows and without anniversary counts, since no year is known.
QList<MonthListRow> BuildMonthList(const QStringList& fileLines, const QString& yearText,
                                   const QString& monthText, const MonthListOptions& options);

// The same list made while the file's lines go past one by one, so that a
// schedule of a million lines is never held whole for the few of a month.
class MonthListBuilder {
 public:
  MonthListBuilder(const QString& yearText, const QString& monthText, const MonthListOptions& options);
  // The next line of the file.
  void add(const QString& line);
  // The rows in their order; the builder is spent.
  QList<MonthListRow> take();

 private:
  QString yearText_;
  QString monthText_;
  MonthListOptions options_;
  QList<MonthListRow> rows_;
  int lineNumber_ = 0;
};

// The day row of a date: "yyyy/mm/dd", eleven "￣", the weekday name in
// parentheses on Saturdays and Sundays or between blanks on other days,
// the six-day-cycle name (ending in a blank, empty before 1998) and a blank.
QString DayRowText(const QDate& date);

// The first row whose columns 9-10 are, as text, not less than the day in
// two digits; -1 when there is none.
int FirstRowFromDay(const QList<MonthListRow>& rows, int day);

// The day list index to show for the texts of the year, month and day
// lists: the day itself when the date is valid, else the month's last day.
// The blank year is read as yearForBlank. -1 when a text is missing or the
// month is not one.
int ClampedDayIndex(const QString& yearText, const QString& monthText, const QString& dayText,
                    int yearForBlank);
