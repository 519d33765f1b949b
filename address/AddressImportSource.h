#pragma once
// Reading another program's address CSV for the import: the header search
// with its messages, then one entry per data line.
#include <QByteArray>
#include <QList>
#include <QString>

#include "AddressCsvImport.h"
#include "AddressRecord.h"

// What the bytes of such a file hold. The header is looked for in the first
// three lines; each line passed over on the way is one the user is told of.
struct AddressImportFile {
  int skippedHeaderLines = 0;
  bool hasHeader = false;
  QList<AddressRecord> records;  // file order; empty without a header
};

// Decodes and reads the file's bytes; the postal lookup completes addresses
// from their codes. Shows nothing and touches no file of its own.
AddressImportFile ReadAddressImportFile(const QByteArray& bytes, const PostalLineLookup& lookup);

// The entries of the file in file order. False when the file cannot be read
// or has no header in its first three lines; the user has been told why.
bool ReadAddressImportSource(const QString& path, QList<AddressRecord>& records);
