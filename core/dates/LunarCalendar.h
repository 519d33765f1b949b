#pragma once
// The six-day lucky-day cycle (rokuyou) of the lunisolar calendar and the
// moon marks of a date.
#include <QDate>
#include <QString>

// rokuyou: the cycle's name followed by one blank ("大安 ", "赤口 ", "先勝 ",
// "友引 ", "先負 ", "仏滅 "); moonMark: "●" on the first day of a lunar month,
// "○" on its fifteenth, else empty. Both are empty for dates before 1998 and
// for dates the table of new moons does not reach.
void LunarDayInfo(const QDate& d, QString& rokuyou, QString& moonMark);

// The lunar month (a leap month carries the number of the month before it)
// and day of a date; false outside the table.
bool LunarMonthAndDay(const QDate& d, int& month, int& day);
