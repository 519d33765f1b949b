#pragma once
// Whether the line numbers that the month list carries still name the lines
// it shows. The list is built from the file as it was at the last refresh;
// when another writer (the to-do window's calendar, another program) has
// changed the file since, a number may name another line, and deleting or
// replacing by it would hit the wrong entry.
#include <QList>
#include <QString>
#include <QStringList>

#include "MonthList.h"

// The shown rows are exactly the rows the file gives now for the same year,
// month and options.
bool MonthListIsCurrent(const QList<MonthListRow>& shown, const QStringList& fileLines,
                        const QString& yearText, const QString& monthText, const MonthListOptions& options);

// The file's line of that number is still the line that was shown.
bool ShownLineIsIntact(const QStringList& fileLines, int lineNumber, const QString& shownLine);

// Said when a press found the list out of date and rebuilt it.
QString StaleListMessage();
