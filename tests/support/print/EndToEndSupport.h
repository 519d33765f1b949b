#pragma once
// What the end-to-end print tests share: the test page they print and the
// cups-pdf queue they print through.
#include <QString>
#include <QStringList>

// Draws test page n through the surface routines: a vertical line at x 10 mm
// (y 20 to 60), a horizontal one at y 20 mm (x 10 to 100), both 5 printer
// pixels wide, and the word "RINGPADP<n>" with its top-left at (30, 80) mm.
void DrawEndToEndPage(int n);
// A job of test pages 1 and 2 as the page windows run one, after the print
// dialog (which the test answers): a paper prompt between the pages. False
// when the dialog was cancelled.
bool PrintTwoEndToEndPages();

// The cups-pdf test queue and the folder its PDF files go to.
extern const QString kTestQueue;
QString CupsPdfFolder();
// Empty when the queue can print; otherwise why not (starting CUPS once).
QString CupsUnavailableReason();
// The queue's printable area for A4 portrait from its PPD (left, top in mm).
bool QueueImageableOrigin(double* leftMm, double* topMm);
// Waits until the queue is idle and `count` PDF files that were not in
// `before` exist; returns them oldest job first.
QStringList WaitForNewPdfs(const QStringList& before, int count, int timeoutMs = 90000);
QStringList PdfFilesIn(const QString& folder);
