#include "PrinterInfo.h"

// Placeholder until the printing layer lands: the PDF printer is always usable.
QString DefaultPrinterName() { return QStringLiteral("PDF"); }
double DefaultPrinterPhysicalOffsetXMm() { return -1; }
