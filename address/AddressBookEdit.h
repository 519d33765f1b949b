#pragma once
// Changes of the address file made on its lines in memory (line 1 the header,
// entries from line 2), so that an update (removal and insertion) is written
// as one rewrite.
#include <QString>
#include <QStringList>

class AddressRecord;

// Puts the header in place of line 1 (adding it to an empty file).
void SetAddressHeader(QStringList& lines);

// Whether the file's line of that number is still the given one.
bool AddressLineIsIntact(const QStringList& lines, int lineNumber, const QString& expected);

// Removes the line of that number (1-based, the header being 1); false when
// there is no such entry line.
bool RemoveAddressLine(QStringList& lines, int lineNumber);

// Inserts the entry before the first line whose sort key is greater than its
// own (after every equal one), or at the end; returns its line number.
int InsertAddressSorted(QStringList& lines, const AddressRecord& record);
