#pragma once
// The title of a monthly page in the four spellings of the English and
// no-year options, drawn as the page header.
#include <QDate>
#include <QString>

#include "schedule/ScheduleOptions.h"

// "平成21年3月 (2009)", "3月", "2009/3 March" or "3 March".
QString MonthTitleText(const ScheduleOptions& options, const QDate& month);
// The title in the header band of the page between pageX1 and pageX2 (mm).
// Gives the bottom of the title's text box (mm), for what is put under it.
double DrawMonthTitle(const ScheduleOptions& options, const QDate& month, double pageX1, double pageX2);
