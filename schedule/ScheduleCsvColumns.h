#pragma once
// Which columns of another program's schedule CSV hold the date, the kind,
// the time and the text: from a header row, or, without one, from the
// values themselves.
//
// Besides the plain header ("日付", "種類", "時刻"), the headers of the usual
// calendar exports are known (件名/Subject, 開始日/Start Date, 開始時刻/Start
// Time, 終了日, 終了時刻, 終日/All day event, 内容/説明/Description, 場所/
// Location): the subject becomes the text, the start time the time, and
// end dates, flags and unknown columns never become text.
#include <QList>
#include <QStringList>

// How the date column writes its dates.
enum class ImportDateOrder {
  YearFirst,   // 2001/5/3, as Japanese programs write them
  MonthFirst,  // 5/3/2001
  DayFirst,    // 3/5/2001
};

// Column numbers count from 1; 0 means not found, and the field array's
// element 0, always empty, is what an absent column reads as.
struct ScheduleCsvColumns {
  int date = 0;
  int kind = 0;
  int time = 0;
  // Found by its values only; it pushes the text column to its right and
  // is not imported itself.
  int endTime = 0;
  int text = 0;
  // The record number (from 1) of the header; 0 when every record is data.
  int headerLine = 0;

  // Found by name only. A true value of the all-day flag makes the row
  // untimed, whatever its start time says.
  int allDay = 0;
  // Columns joined after the text with ",", when not empty. Without named
  // headers the one field right after the text column is.
  QList<int> joined;
  bool namedHeader = false;
  // The program's own export (日付,種類,内容): the text is the rest of the
  // record as written, every comma and quote kept.
  bool ownExport = false;
  ImportDateOrder dateOrder = ImportDateOrder::YearFirst;
};

// Header lines are looked for among the first 30 records; the file's last
// record never counts as one.
constexpr int kHeaderSearchLines = 30;

// The detection over the records of a file, fed one by one, so that a file
// need not be held whole.
class ScheduleCsvColumnDetector {
 public:
  void feed(const QString& record);
  // True once a header has settled every column: the rest of the file
  // need not be read. (Dates that are not year-first keep it reading, to
  // settle their day-month order.)
  bool settled() const;
  ScheduleCsvColumns finish();

 private:
  // Evidence of day-month order in the dates of one column.
  struct OrderEvidence {
    bool dates = false;        // values of the form n/n/yyyy
    bool firstOver12 = false;  // 13/5/2001: day first
    bool secondOver12 = false; // 5/13/2001: month first
    int other = 0;             // non-empty values of another form
  };

  void updateOrder(const QStringList& fields, int first, int last);
  ScheduleCsvColumns headerColumns(qsizetype examined) const;

  QStringList head_;  // the first kHeaderSearchLines + 1 records
  // Found once the header search lines are read; then only the date
  // column's values are still looked at.
  bool headerDecided_ = false;
  ScheduleCsvColumns header_;
  QString firstRecord_;
  ScheduleCsvColumns content_;
  QList<OrderEvidence> order_;
  int records_ = 0;
};

// The header detection over the file's first records: the first three
// fields of each line, "日付" making that line the header.
void DetectHeaderColumns(const QStringList& lines, ScheduleCsvColumns& columns);

// All of it over the records of a whole file. No date column means the
// file cannot be imported.
ScheduleCsvColumns DetectScheduleCsvColumns(const QStringList& lines);
