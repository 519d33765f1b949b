#pragma once
// Which paper a print job goes onto, and whether the sheet it lays out fits.
// Plain values, so the rules are tested without a printer.
#include <QPageLayout>
#include <QPageSize>
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

// The rule itself. A choice from printer setup wins; otherwise a queue prints
// on its default media and the PDF printer on the smaller of A4 and A3 that
// holds the sheet. A landscape job turns whatever paper that is; a portrait
// job keeps the orientation printer setup chose.
JobPaper ChooseJobPaper(bool pdf, const std::optional<PaperChoice>& kept, const QPageSize& queueDefault,
                        int16_t jobOrientation, QSizeF sheetMm);

// The sheet a job lays out for the current organiser size, in millimetres,
// in the job's orientation: the page's extent from the sheet's top-left
// corner (PrintMargin plus the page), or for landscape the four page
// columns of a folded sheet.
QSizeF LaidOutSheetMm(int16_t jobOrientation);

// ChooseJobPaper for a printer by name, with its kept choice and default media.
JobPaper PaperForJob(const QString& printerName, int16_t jobOrientation);

// The message shown before the first page when the sheet is larger than the
// paper, naming both; "" when it fits.
QString SheetMismatchText(QSizeF sheetMm, const JobPaper& paper);
