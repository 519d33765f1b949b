#pragma once
// The task text of a Gantt chart is a CSV table the user types freely: its
// header row names the columns, so the columns are found from the header's
// words, with defaults for the common ones.
#include <QDate>
#include <QString>
#include <cstdint>

struct GanttColumnMap {
  int16_t OwnerColumn = 5;
  int16_t RemarksColumn = 0;  // 0 = none
  int16_t TypeColumn = 0;     // 0 = none
  int16_t StartColumn[2] = {2, 8};  // planned, actual
  int16_t EndColumn[2] = {3, 9};    // planned, actual
  float ProgressColumn = 0;   // 0 = none
};

// Fills the map from one header row. Every column starts from its default
// (0 for remarks, type and progress) so that one chart's header never lends
// its columns to the next chart; the last matching field wins.
void MapGanttColumns(const QString& header, GanttColumnMap& map);

// The number of leading half-width blanks: the task's level. A full-width
// blank is part of the name, as the samples and the help text indent with
// half-width blanks only.
int16_t GetIndentLevel(const QString& line);

QDate MonthStart(const QDate& day);
QDate NextMonthStart(const QDate& day);

// A field holds a date when, trimmed, it reads as a real calendar date
// "yyyy/m/d"; anything else (era dates, "2002/13/01") is not a date.
bool HoldsGanttDate(const QString& field);
QDate GanttDate(const QString& field);  // invalid when the field holds none

// The marks on a task's first non-blank character.
bool IsMilestoneMark(QChar c);  // ▽▼△▲
bool IsHiddenTaskMark(QChar c); // ＊ *
bool IsSameRowMark(QChar c);    // ＋ +
// The first character of the line after trimming blanks (a null QChar for
// an empty line).
QChar GanttFirstChar(const QString& line);
