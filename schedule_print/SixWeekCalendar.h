#pragma once
// One month as a landscape calendar turned a quarter turn on the sheet:
// weekday columns along y (the sheet's bottom edge on the reader's left),
// week rows along x, every text reading upwards. It fills an organiser
// page, or an A4 sheet as the large calendars.
#include <QDate>

class SchedulePrintSource;

// calendarSizeKind 0: in the organiser page between pageX1 and pageX2;
// 1: a whole A4 sheet; 2: the band y 5 to 202.5; 3: the band y pageX1 to
// pageX2 of two calendars on a sheet.
void DrawSixWeekCalendar(SchedulePrintSource& source, int calendarSizeKind, const QDate& pageFirstDay,
                         double pageX1, double pageX2);

// The calendar's extent and fonts for a kind.
struct SixWeekGeometry {
  double x1 = 0, x2 = 0, top = 0, bottom = 0;
  QString dayFont, entryFont;  // empty: keep the current font
  float daySize = 0, entrySize = 0;
};
SixWeekGeometry SixWeekGeometryOf(int calendarSizeKind, double pageX1, double pageX2);
