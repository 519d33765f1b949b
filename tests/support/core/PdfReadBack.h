#pragma once
// Reads a printed PDF back with poppler's tools, in millimetres.
#include <QImage>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <vector>

struct PdfWord {
  int page = 0;  // 1-based
  QString text;
  double xMinMm = 0, yMinMm = 0, xMaxMm = 0, yMaxMm = 0;
};

struct PdfPageSize {
  double widthMm = 0;
  double heightMm = 0;
};

// True when pdfinfo, pdftotext and pdftoppm can be run.
bool PopplerAvailable();
int PdfPageCount(const QString& path);
std::vector<PdfPageSize> PdfPageSizes(const QString& path);
std::vector<PdfWord> PdfWords(const QString& path);
// The first word with this text (page 0 when there is none).
PdfWord FindWord(const std::vector<PdfWord>& words, const QString& text);
// One page rendered in grey at the given resolution, without antialiasing.
QImage RenderPdfPage(const QString& path, int page, int dpi);
// Centre (mm) of the dark pixels in a band of a rendered page: the column
// centre of a vertical line or the row centre of a horizontal one.
double DarkColumnCentreMm(const QImage& page, int dpi, double yFromMm, double yToMm);
double DarkRowCentreMm(const QImage& page, int dpi, double xFromMm, double xToMm);
// Share of the dark pixels of two windows of rendered pages (top-left corners
// at aMm and bMm) that have no dark pixel next to them in the other window:
// near 0 for the same drawing rendered twice.
double DarkMismatch(const QImage& a, QPointF aMm, const QImage& b, QPointF bMm, QSizeF sizeMm, int dpi);
