#pragma once
// Turning the rows of another program's schedule CSV into schedule lines and
// adding those that the schedule does not hold yet at its end.
#include <QSet>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

#include "ScheduleCsvColumns.h"

// What one row of the imported file gives.
struct ImportedRow {
  enum class Result {
    Line,        // line holds the schedule line
    Nothing,     // a plain entry without text
    BrokenDate,  // the date column holds no date: the row is skipped with a message
  };
  Result result = Result::Nothing;
  QString line;
};

// The row as a schedule line "yyyy/mm/dd,kind,text": the kind 時刻 and the
// text after "hh:mm " when the time column holds a time (and the all-day
// flag is not set), else the kind column made full-width and padded to two
// characters (or the plain kind); the text column and, when not empty, the
// joined fields after it, joined by ","; the program's own export keeps
// the rest of its row as written. A time column value that is no time stays
// at the start of the text. Date parts written "*" are blank, and the date
// parts a recurring kind does not fix are blanked as the editor does. Line
// breaks inside quoted fields become blanks.
ImportedRow ConvertImportedRow(const QString& csvLine, const ScheduleCsvColumns& columns);

// The characters of the text that code page 932 cannot hold, each once.
QString CharactersOutsideCodePage932(const QString& text);

// A stored line with a half-width blank at column 11 or 14 turned into ",",
// as the import writes every line back.
QString WithCommaSeparators(const QString& line);

// The schedule's lines held in memory while rows are added: a line equal,
// character for character, to one held already is dropped. The lines are
// held as the code page 932 bytes they will be written as, which is half
// the memory of the decoded text, and looked up by hash through a table of
// line numbers, so each row costs the same however long the schedule.
class ScheduleLineMerge {
 public:
  // The lines as read from the schedule file; they take part in the
  // duplicate test with their separators made commas.
  explicit ScheduleLineMerge(const QStringList& storedLines);

  // Appends the line unless it is held already; true when appended.
  bool append(const QString& line);

  // The lines held, decoded again.
  QStringList lines() const;
  int appendedCount() const { return appended_; }

  // Appends the lines this merge added to the file's lines (their code page
  // 932 bytes) as they stand now (read again under the file's lock, so another program's change made
  // meanwhile is kept), their separators made commas, leaving out those the
  // file holds by now. The added lines are released as they move over, so
  // the merge is spent afterwards.
  void moveAddedInto(QList<QByteArray>& current);

 private:
  bool holds(const QByteArray& line, size_t hash) const;
  void add(QByteArray line, size_t hash);
  void grow();

  std::vector<QByteArray> lines_;
  // Open addressing: line number + 1 of each held line, 0 for a free slot;
  // never more than half full.
  std::vector<uint32_t> table_;
  qsizetype held_ = 0;
  int appended_ = 0;
  size_t stored_ = 0;  // lines read from the file, before the added ones
};

// Called with the whole CSV line of a row whose date is broken.
using BrokenDateReport = std::function<void(const QString& csvLine)>;

// Adds the rows of the CSV lines after the header line (blank lines
// skipped) to the merge, in order.
void ImportScheduleCsvRows(const QStringList& csvLines, const ScheduleCsvColumns& columns, ScheduleLineMerge& merge,
                           const BrokenDateReport& brokenDate);
