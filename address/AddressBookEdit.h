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

// One change of the book on the file's lines as they stand now: the entry
// line of number removeLine goes (none for 0), but only while it is still
// expectedLine; the entry, when given, goes to its sorted place, its line
// number returned through inserted; the header is put in place. False, the
// lines untouched, when the line to remove is no longer the one the window
// showed: another writer changed the file.
bool ChangeAddressBook(QStringList& lines, int removeLine, const QString& expectedLine, const AddressRecord* entry,
                       int* inserted);
