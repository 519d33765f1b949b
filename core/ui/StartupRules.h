#pragma once
// The calculations and file chores of start-up, kept apart from the window.
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

// The position that centres a window on the screen, in twips: the difference
// taken to the nearest whole number, then halved toward zero.
int32_t CentredTwips(double screenTwips, double windowTwips);

// The print margin for this run: the printer's physical left offset (mm,
// negative when unknown) rounded to whole millimetres replaces the stored
// margin when it lies from 1 to 5 and differs from the page's left edge.
int16_t PrinterOffsetMargin(double offsetMm, int16_t pageLeft, int16_t printMargin);
