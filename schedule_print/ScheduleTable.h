#pragma once
// The blank list table under a month grid for plans written by hand: a
// header row (No, 予定, 日付, 時刻) and one lettered row per memo line. On the
// right page of a spread the letters go on from the left page's.
class SchedulePrintSource;

// The rows divide tableTop..FootHeight; tableBottom is the outer frame's
// bottom edge. secondPageTable non-zero continues the letters.
void DrawScheduleTable(SchedulePrintSource& source, int secondPageTable, double pageX1, double tableTop,
                       double pageX2, double tableBottom);

// The rows of the table: MEMO_GYO, or the usual 12 when it is below 1.
int ScheduleTableRowCount(int memoLineCount);
