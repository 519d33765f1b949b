#pragma once
// One day over a two-page spread: the left page carries the day's title and
// the hours 0 to 11, the right page an empty header and the hours 12 to 23.
// Both are ruled into hour rows and two columns above a free band; the
// day's entries are left for the user to write in.
#include <QDate>

class SchedulePrintSource;

// spreadHalf 1 draws the left page, 2 the right page; any other value draws
// the frame and the footer only.
void DrawDayHeader(SchedulePrintSource& source, int spreadHalf, const QDate& pageDay, double pageX1, double pageX2);
