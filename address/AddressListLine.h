#pragma once
// What the entry list shows of an entry: the initial in brackets, the name
// (or the nickname in parentheses) padded to 15 bytes, a tab and the first
// telephone number the entry has.
#include <QString>
#include <QStringList>

class AddressRecord;

QString AddressListLine(const AddressRecord& record);

// The entry's initial as the list line carries it (its second character),
// or "" for a line too short to hold one.
QString InitialOfListLine(const QString& listLine);

// Keyboard jumps over the list lines' initials: from row `from`, the first
// row up (direction -1) or down (+1) whose initial differs, or the first or
// last row when none does; -1 when from is not a row.
int InitialJumpRow(const QStringList& listLines, int from, int direction);

// The first row whose initial is at or after the key by character code; -1
// when there is none.
int FirstRowFromInitial(const QStringList& listLines, const QString& key);
