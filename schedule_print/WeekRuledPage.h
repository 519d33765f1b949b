#pragma once
// One organiser page of the weekly ruled designs: day bands with a date
// heading, the day's entries over ruled or shaded writing lines and an hour
// scale, then the extras of the arrangement, the week title and the footer.
#include <QDate>

class SchedulePrintSource;

// ruledPageKind: 0 a week in seven bands, 1 and 2 the left and right page of
// the 見開 spread, 3 and 4 those of the 見開土日並び spread, 5 a week with
// Saturday beside Sunday, 6 the week page of the memo design. The page
// spans pageX1 to pageX2 (mm) on the sheet; band i shows pageFirstDay + i.
void DrawWeekRuledPage(SchedulePrintSource& source, int ruledPageKind, const QDate& pageFirstDay, double pageX1,
                       double pageX2);
