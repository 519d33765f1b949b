#pragma once
// The weekly ruled page as the four-up sheets draw it (one week from the
// given day between x1 and x2): the standard weekly ruled page, or a
// stand-in that tests put in its place to see where each week lands.
#include <QDate>
#include <functional>

class SchedulePrintSource;

using FourUpWeekPage = std::function<void(SchedulePrintSource& source, const QDate& weekFirstDay, double pageX1,
                                          double pageX2)>;

// Puts a drawer in place (an empty one restores the standard page).
void SetFourUpWeekRuledPage(FourUpWeekPage page);
