#pragma once
// The command line and the executable name decide which page opens first.
#include <QString>
#include <QStringList>

// The whole command line as one text: the arguments joined by blanks. Page
// windows read their own switches from it (the schedule window's dates).
extern QString CommandLineText;
QString JoinCommandLine(const QStringList& arguments);

// The "CA" switch: copy the schedule to the clipboard and end.
inline const QString kClipboardSwitch = QStringLiteral("CA");

// True when the executable name begins with "RINGPAD" in any letter case:
// only then is the command line read.
bool ReadsCommandLine(const QString& exeName);

// The page keyword that the command line chooses ("action", "memo", "table",
// "yotei", "tel", "picture", "yousi"), or kClipboardSwitch.
QString StartupSwitch(const QString& commandLine);

// The page keyword that a single-page executable name opens ("" for none).
QString SinglePageVariant(const QString& exeName);
