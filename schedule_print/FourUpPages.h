#pragma once
// The weekly ruled page as the four-up sheets draw it (one week from the
// given day between x1 and x2). Until a weekly page is set here the
// four-up sheets refuse the weekly designs, so the print button says they
// cannot be printed yet instead of printing blank pages.
#include <QDate>
#include <functional>

class SchedulePrintSource;

using FourUpWeekPage = std::function<void(SchedulePrintSource& source, const QDate& weekFirstDay, double pageX1,
                                          double pageX2)>;

// The page drawer in use; empty while there is none.
const FourUpWeekPage& FourUpWeekRuledPage();
// Puts a drawer in place (an empty one refuses the weekly designs again).
void SetFourUpWeekRuledPage(FourUpWeekPage page);
