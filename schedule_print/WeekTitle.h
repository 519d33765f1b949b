#pragma once
// The title of a weekly page: the month of the week's last day (or of its
// first, when the title follows the week start), with the week number when
// asked. Ruled and time-axis pages spell it alike.
#include <QDate>
#include <QString>
#include <cstdint>

#include "schedule/ScheduleOptions.h"

// "平成21年3月 (2009)", "平成21年3月 (2009/10週)", "2009/3 March" or
// "2009/3 March (10)". byWeekStart is the 表題の月を週始基準 box.
QString WeekTitleText(const ScheduleOptions& options, const QDate& pageFirstDay, int16_t byWeekStart);
