#pragma once
// A small calendar of one month in a box on the page, upright or with every
// text turned a quarter turn (for pages printed sideways on the sheet).
// Day numbers take their ink from the day's kind; holidays and days off are
// circled, so they stand out also in black.
#include <QDate>

class SchedulePrintSource;

// The font size that fills the box: 14 half-width characters across the
// smaller side (seven two-digit numbers).
float MiniCalendarFontSize(double x1, double y1, double x2, double y2);
float MiniCalendarApiFontSize(double x1, double y1, double x2, double y2);

// monthDate is the first day shown, normally the 1st; the calendar runs to
// the end of its month. The box is (x1, y1) top left to (x2, y2) bottom
// right, in mm. Both leave the fore colour at DefaultColor.
void DrawMiniCalendar(SchedulePrintSource& source, const QDate& monthDate, double x1, double y1, double x2,
                      double y2);
void DrawMiniCalendarApi(SchedulePrintSource& source, const QDate& monthDate, double x1, double y1, double x2,
                         double y2);
