#pragma once
// How the address window touches files: the stored path, the rewrite through
// the temporary copy, the weekday backup and the check of typed text against
// the code page. Kept in one place so that the window never writes by itself.
#include <QDate>
#include <QString>
#include <QStringList>

// The path to open for a path as stored in the settings (folders may be
// separated by "\"); a bare name is a file of the program folder.
QString AddressFileLocation(const QString& storedPath);

// The path as the settings keep a file chosen in the open dialog: inside the
// program folder without it (".\" style for a subfolder), else unchanged.
QString AddressStoredPath(const QString& chosenPath);

// Rewrites the file with the lines: a copy of the old file is left as
// "ringpad.tmp" in the program folder, then the file is replaced in one
// step. A failure names the file in a message and leaves it as it was.
bool RewriteAddressFile(const QString& path, const QStringList& lines);

// Copies the file to bak/dozir<weekday>.csv (1 Sunday to 7 Saturday); a
// failure is said in a message and loading goes on.
QString AddressWeekdayBackupPath(const QDate& today);
bool MakeAddressWeekdayBackup(const QString& path, const QDate& today);

// True when every text can be written in code page 932; otherwise a message
// says so and nothing may be written.
bool AddressTextsFitCodePage(const QStringList& texts);
