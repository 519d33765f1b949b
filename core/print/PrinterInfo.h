#pragma once
// What start-up needs to know about the printers.
#include <QString>

// Device name of the default printer: the CUPS default queue, else "PDF";
// "" when no printer can be used.
QString DefaultPrinterName();

// The default printer's physical left offset in millimetres (unrounded);
// negative when it cannot be read.
double DefaultPrinterPhysicalOffsetXMm();
