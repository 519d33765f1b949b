#pragma once
// Reading another program's address CSV for the import: the header search
// with its messages, then one entry per data line.
#include <QList>
#include <QString>

#include "AddressRecord.h"

// The entries of the file in file order. False when the file cannot be read
// or has no header in its first three lines; the user has been told why.
bool ReadAddressImportSource(const QString& path, QList<AddressRecord>& records);
