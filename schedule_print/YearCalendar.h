#pragma once
// A whole year on one organiser page: twelve small month blocks in three
// columns (two with "2列"), under the year with its era and zodiac animal
// and an optional heading line.
#include <QDate>

class SchedulePrintSource;

// Only the year of pageFirstDay counts.
void DrawYearCalendar(SchedulePrintSource& source, const QDate& pageFirstDay, double pageX1, double pageX2);
