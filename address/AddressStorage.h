#pragma once
// How the address window names its files and keeps its backups; the writes
// themselves go through the shared data-file rewrite.
#include <QDate>
#include <QString>

// The path to open for a path as stored in the settings (folders may be
// separated by "\"); a bare name is a file of the program folder.
QString AddressFileLocation(const QString& storedPath);

// The path as the settings keep a file chosen in the open dialog: inside the
// program folder without it ("./" style for a subfolder), else unchanged.
QString AddressStoredPath(const QString& chosenPath);

// Copies the file to bak/dozir<weekday>.csv (1 Sunday to 7 Saturday); a
// failure is said in a message and loading goes on.
QString AddressWeekdayBackupPath(const QDate& today);
bool MakeAddressWeekdayBackup(const QString& path, const QDate& today);
