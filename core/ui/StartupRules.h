#pragma once
// The calculations and file chores of start-up, kept apart from the window.
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>

// Makes the files writable again, by paths whose file names match with
// letter case ignored; a missing file or any failure is passed over
// silently.
void ClearReadOnlyFlags(const QStringList& fileNames);

// Creates the folder unless something (file or folder) of that name exists;
// failures are passed over.
void CreateFolderIfMissing(const QString& path);

// True when files can be created in the folder.
bool FolderWritable(const QString& folder);
// The one notice of a program folder that cannot be written.
QString UnwritableProgramFolderMessage(const QString& folder);

// Removes the hidden temporary files that saves killed half-way left in the
// folder (".NAME.XXXXXX", NAME a file kind this program writes), owned by
// this user and untouched for an hour, so that a save in progress by another
// copy is never touched. Nothing is removed through a link. The number
// removed.
int RemoveStaleSaveLeftovers(const QString& folder, const QDateTime& now);

// The position that centres a window on the screen, in twips: the difference
// taken to the nearest whole number, then halved toward zero.
int32_t CentredTwips(double screenTwips, double windowTwips);

// The print margin for this run: the printer's physical left offset (mm,
// negative when unknown) rounded to whole millimetres replaces the stored
// margin when it lies from 1 to 5 and differs from the page's left edge.
int16_t PrinterOffsetMargin(double offsetMm, int16_t pageLeft, int16_t printMargin);
