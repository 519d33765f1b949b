#pragma once
// The installed printers: the CUPS queues and the PDF printer.
#include <QPageSize>
#include <QString>
#include <QStringList>

// Device name of the PDF printer.
inline const QString kPdfPrinterName = QStringLiteral("PDF");

// Device names in the platform's order: the CUPS queues, then "PDF".
QStringList InstalledPrinterNames();

// Device name of the default printer: the CUPS default queue, else "PDF";
// "" when no printer can be used.
QString DefaultPrinterName();

// The paper a queue prints on unless told otherwise: its default media in
// CUPS, A4 when CUPS names none. The answer is kept until
// ForgetQueueDefaultPageSizes, which every print job and printer setup call
// first, so a change made in CUPS counts from the next job on.
QPageSize QueueDefaultPageSize(const QString& queue);
void ForgetQueueDefaultPageSizes();

// The default printer's physical left offset in millimetres (unrounded);
// negative when it cannot be read (the PDF printer has none).
double DefaultPrinterPhysicalOffsetXMm();

// The printer that jobs print on; the default printer until one is chosen.
QString CurrentPrinterName();
// Makes a printer current; any open document of the previous one ends.
void SetCurrentPrinter(const QString& deviceName);
