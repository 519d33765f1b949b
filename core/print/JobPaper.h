#pragma once
// Which paper a print job goes onto, and whether the sheet it lays out fits.
// Plain values, so the rules are tested without a printer.
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>

#include "PaperChoice.h"

struct JobPaper {
  QPageSize size = QPageSize(QPageSize::A4);
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  int paperSource = 0;
  // The paper as it lies under the job, in millimetres.
  QSizeF sizeMm() const;
};

// The rule itself. A choice from printer setup wins, as it was made; a
// landscape job turns it. Otherwise a queue prints on its default media and
// the PDF printer on the smallest of its papers (PdfPrinterPapers) that holds
// the sheet, upright or turned; that paper lies upright unless the sheet
// fits it only turned, or the job is landscape.
JobPaper ChooseJobPaper(bool pdf, const std::optional<PaperChoice>& kept, const QPageSize& queueDefault,
                        int16_t jobOrientation, QSizeF sheetMm);

// The papers the PDF printer chooses among on its own, smallest first: the
// sheets users load, so that the file prints at its own size.
const QList<QPageSize>& PdfPrinterPapers();

// Where the pages' origin lies on the paper, in millimetres from its top-left
// corner: PrintMargin in, or the printer's printable-area edge where that
// lies further in. A page then lands at the same place on the PDF printer and
// on every queue, and no queue draws on paper it cannot print.
QPointF PageOriginOnPaperMm(QPointF printableOffsetMm, double printMargin);
// The origin on a printer without margins of its own (the PDF printer).
QPointF DefaultPageOriginMm();
// The area the pages may use, in millimetres from the paper's top-left
// corner: every edge PrintMargin in from the paper's, or at the printer's
// printable-area edge where that lies further in. One rule for all four
// edges, so that a page set against the right edge lands where it does on
// the PDF printer as well as one set against the left.
QRectF PageAreaOnPaperMm(QSizeF paperMm, const QRectF& printableMm, double printMargin);

// The width a job's layout draws across one side, from the origin, in
// millimetres, and the binder marks (a BinderLayout) it draws on its sides.
// A job that sets several organiser pages side by side states them before
// its first page and before it measures the sheet: the paper check counts
// the pages and the marks' cut lines, cut guides and blank page, and the PDF
// printer takes the paper that holds them. Each print dialog starts the next
// job without them.
void SetLaidOutSideWidthMm(double widthMm, int16_t binderMarks = -1);
void ForgetLaidOutSideWidth();
// Two pages side by side, the right one set against the sheet's right edge:
// they need twice a back page's width, or the right one covers the left.
double FacingPagesWidthMm();
// A front page with a back page's width beside it, gapMm apart (2 mm past
// the fold of a sheet folded in two).
double TwoPagesAcrossWidthMm(double gapMm);

// The sheet a job lays out for the current organiser size, in millimetres,
// in the job's orientation, from the paper's top-left corner: the origin
// plus the width stated for the job, else one organiser page, or for
// landscape the four page columns of a folded sheet; as far down as the
// pages; each further where the stated binder marks reach further.
QSizeF LaidOutSheetMm(int16_t jobOrientation, QPointF originMm = DefaultPageOriginMm());

// ChooseJobPaper for a printer by name, with its kept choice and default media.
JobPaper PaperForJob(const QString& printerName, int16_t jobOrientation);

// The message shown before the first page when the sheet is larger than the
// paper, naming both; "" when it fits.
QString SheetMismatchText(QSizeF sheetMm, const JobPaper& paper);
