#pragma once
// Two consecutive days on one organiser page, one above the other: each
// half a heading strip with the date, and the day's entries one to a 5 mm
// row.
#include <QDate>

class SchedulePrintSource;

// pageSide is accepted for the drivers' symmetry; both sides look the same.
void DrawTwoDayPage(SchedulePrintSource& source, int pageSide, const QDate& pageFirstDay, double pageX1,
                    double pageX2);

// Entry rows of one half on a page whose halves are halfHeight mm high.
long TwoDayPageRows(double halfHeight);
