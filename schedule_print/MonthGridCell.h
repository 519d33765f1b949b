#pragma once
// One day's cell of a month grid: its fill, number decoration, number,
// label, annotations and entries.
#include <QDate>
#include <QString>

class SchedulePrintSource;

// What every cell of one band shares.
struct CellLayout {
  double x1 = 0;         // page's left x
  double w = 0;          // page width
  double hw = 0;         // half-width character of the day-number font, mm
  double gridTop = 0;    // bottom of the weekday header row
  double rowHeight = 0;  // one week row
};

void DrawMonthGridCell(SchedulePrintSource& source, const QDate& day, double cellX, double cellY, double cellW,
                       const CellLayout& layout);

// An entry cut to the half-width places that a cell of width mm holds at
// the given font size (a full-width character takes two).
QString CutEntryToCell(const QString& entry, double widthMm, float fontSize);
