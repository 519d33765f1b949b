#pragma once
// One month as a calendar grid: a weekday header row and a row per week,
// each day's cell with its number, label, annotations and entries. The same
// renderer draws single pages, either page of the four spreads, two months
// stacked and the A4 wall calendar (GridMode, see MonthGridGeometry.h).
#include <QDate>

class SchedulePrintSource;

// pageFirstDay is the 1st of the month; pageX1..pageX2 the page on the sheet.
void DrawMonthGridPage(SchedulePrintSource& source, int gridMode, const QDate& pageFirstDay, double pageX1,
                       double pageX2);
