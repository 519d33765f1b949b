#pragma once
// The plain companion pages of the schedule designs: seven day bands (with
// the days' entries in the right half, or a small month calendar in the last
// band's corner), a check-list memo page, a memo page ruled in thirds, and a
// blank memo page with only the frame, header and footer.
#include <QDate>

class SchedulePrintSource;

// pageMode 0 day bands from pageFirstDay, 2 check list, 3 thirds, 4 bands
// with the mini calendar of pageFirstDay's month; any other value blank.
void DrawDayRowsOrMemoPage(SchedulePrintSource& source, int pageMode, const QDate& pageFirstDay, double pageX1,
                           double pageX2);
