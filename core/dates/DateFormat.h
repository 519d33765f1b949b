#pragma once
// Dates as the printed titles and labels spell them, by format patterns:
//   yyyy year, yy its last two digits
//   m, mm month without / with a leading zero; mmm, mmmm English month name
//   d, dd day without / with a leading zero; ddd, dddd English weekday name
//   aaa, aaaa Japanese weekday (日 / 日曜日)
//   ggg, gg Japanese era name (平成), g its letter (H); e, ee era year (21)
//   ww week of the year: weeks start on Sunday, week 1 holds 1 January
//   \x the character x as it stands; any other character stands as it is.
// The era year is a plain number, so the first year of an era is 1 (令和1年).
#include <QDate>
#include <QString>

QString FormatDate(const QDate& day, const QString& pattern);

// The era of a date from 1868 on: name, letter and the year within the era;
// the name is empty before 明治.
struct JapaneseEra {
  QString name;
  QChar letter;
  int year = 0;
};
JapaneseEra JapaneseEraOf(const QDate& day);

// Week of the year with Sunday weeks, week 1 holding 1 January.
int SundayWeekOfYear(const QDate& day);
