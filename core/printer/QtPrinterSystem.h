#pragma once
// Qt's print support as the printing system of the jobs: the CUPS queues,
// their default media and the printer surface (PrinterSurface).

// Installs it for every print job (InstallPrinterSystem); the program does
// at start-up, as do the tests and benchmarks that print.
void InstallQtPrinterSystem();

// The default printer's physical left offset in millimetres (unrounded);
// negative when it cannot be read (the PDF printer has none).
double DefaultPrinterPhysicalOffsetXMm();
