#pragma once
// The schedule as a CSV file for other programs: a header line, then each
// line of the schedule file but the public holidays, with its two separator
// columns turned into commas and the blanks of its date field into "*"
// (****/05/03 recurs every year). Nothing is quoted: a comma in an entry's
// text makes further fields, as the readers of this file expect.
#include <QByteArray>
#include <QStringList>

// "日付,種類,内容"
QString ScheduleCsvHeader();

// The CSV lines of the schedule file's lines, header first, in file order.
// A line too short to have both separator columns is copied as it stands.
QStringList ScheduleCsvExport(const QStringList& scheduleLines);

// The export file's bytes: those lines in code page 932, each ended by CR LF.
QByteArray WriteScheduleCsvFile(const QStringList& scheduleLines);
