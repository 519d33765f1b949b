#pragma once
// Which columns of another program's schedule CSV hold the date, the kind,
// the time and the text: from a header row ("日付", "種類", "時刻"), or,
// without one, from the values themselves.
#include <QStringList>

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
  // The line number (from 1) of the header; 0 when every line is data.
  int headerLine = 0;
};

// Header lines are looked for among the first 30 lines; the file's last
// line never counts as one.
constexpr int kHeaderSearchLines = 30;

// The header detection over the file's lines: the first three fields of
// each line, "日付" making that line the header.
void DetectHeaderColumns(const QStringList& lines, ScheduleCsvColumns& columns);

// The detection by values over every line, the first ten fields of each;
// it goes on from what the header detection found. A date column found
// makes every line data (header line 0).
void DetectContentColumns(const QStringList& lines, ScheduleCsvColumns& columns);

// The header detection, then, when it found no date column, the detection
// by values. No date column means the file cannot be imported.
ScheduleCsvColumns DetectScheduleCsvColumns(const QStringList& lines);
