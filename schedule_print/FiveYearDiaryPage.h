#pragma once
// One page of the multi-year diary: a month and day as the title, and one
// band per year below it, each with that date's year, weekday, annotations
// and entries, the years running down the page.
#include <QDate>
#include <QString>

class SchedulePrintSource;

// diaryDay is the text "yyyy/mm/dd": the first year and the month and day.
// The year may be four blanks, which leaves every band empty.
void DrawFiveYearDiaryPage(SchedulePrintSource& source, int diaryYears, const QString& diaryDay, double pageX1,
                           double pageX2);

// The month and day of a diary text in the leap year 2000, so that
// 29 February has its page; invalid when they make no date there.
QDate DiaryDayIn2000(const QString& diaryDay);
