#pragma once
// Where the entry editor puts a line in the schedule file and which line it
// takes out. Line numbers are 1-based, as the month list's rows carry them.
#include <QList>
#include <QString>
#include <QStringList>

// The line number that a new line of the same date goes right before: the
// number of the row after the selected one (the first row when none is
// selected), 0 when the selected row is the last. rowNumbers are the
// numbers of the month list's rows in list order (0 for a day row).
int PlacementAnchor(const QList<int>& rowNumbers, int selectedRow);

// The lines without the line of that number (all of them when there is no
// such line).
QStringList WithoutLine(const QStringList& lines, int lineNumber);

// The lines with the new line inserted: before the line numbered anchor when
// it has the same date field (columns 1-10) as the new line, otherwise
// before the first line whose date field is greater, otherwise at the end.
// Date fields compare character by character, so blanks sort before digits.
QStringList WithLineInserted(const QStringList& lines, const QString& newLine, int anchor);
