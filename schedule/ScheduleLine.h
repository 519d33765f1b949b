#pragma once
// One line of the schedule file, read by character columns (a full-width
// character is one column):
//   1-4 year | 5 "/" | 6-7 month | 8 "/" | 9-10 day | 11 sep | 12-13 kind | 14 sep | 15- text
// Blanks in the date columns make an entry recur. The separators are never
// read: writers put "," or a blank there. Which days a line applies to is
// the lookup's one rule (GetDaySchedule), not a question for a single line.
#include <QChar>
#include <QDate>
#include <QString>
#include <QStringView>

#include "EntryKind.h"

class ScheduleLine {
 public:
  ScheduleLine() = default;
  explicit ScheduleLine(const QString& line) : line_(line) {}

  const QString& line() const { return line_; }

  // count characters from column first (1-based); a short line gives what
  // it has, possibly nothing.
  QString columns(int first, int count) const { return columnsView(first, count).toString(); }
  // The same columns read in place, for a reader that only compares them.
  QStringView columnsView(int first, int count) const;

  QString yearField() const { return columns(1, 4); }
  QString monthField() const { return columns(6, 2); }
  QString dayField() const { return columns(9, 2); }
  QString dateField() const { return columns(1, 10); }
  // Columns 12-13; empty for a line shorter than 12 characters.
  QString kind() const { return columns(12, 2); }
  EntryKindClass kindClass() const { return EntryKind::Classify(kind()); }
  // Column 15 to the end; empty for a line shorter than 15 characters.
  QString text() const;
  // The text without its trailing half-width blanks.
  QString trimmedText() const;

  // Blank or "0000" in the year columns: the entry belongs to no one year.
  bool hasNoYear() const;
  // The blank year columns of an entry of every year.
  static inline const QString kNoYear = QStringLiteral("    ");
  // The field read as a whole number, 0 unless it is all digits.
  int yearNumber() const { return DigitsValue(yearField()); }
  int monthNumber() const { return DigitsValue(monthField()); }
  int dayNumber() const { return DigitsValue(dayField()); }

  // Builds a line from its fields; the text is written as it stands.
  static QString Compose(const QString& year, const QString& month, const QString& day,
                         QChar separator, const QString& kind, const QString& text);
  // A dated line "yyyy/mm/dd" with blank separators, as the holiday writer
  // and the to-do window write them.
  static QString ComposeDated(const QDate& date, const QString& kind, const QString& text);

  // The value of a field made only of ASCII digits, else 0.
  static int DigitsValue(const QString& field);

 private:
  QString line_;
};
