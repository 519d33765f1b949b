#pragma once
// Whether a job's drawing stays on the paper it prints on. A recording
// printer takes the PDF printer's paper as a job states what it lays out
// (the page area PrintMargin inside every edge, as on the PDF printer), and
// the recorded drawing is held against that paper.
#include <QSizeF>
#include <QStringList>
#include <functional>
#include <vector>

#include "core/print/JobPaper.h"
#include "core/print/RecordingSurface.h"

class PdfPaperRecorder : public RecordingSurface {
 public:
  PdfPaperRecorder() : RecordingSurface(200, 287, 600) {}
  // The paper the job's document was opened on (the PDF printer keeps it for
  // the whole job).
  const JobPaper& paper() const { return paper_; }

 protected:
  double scaleWidthMm() const override;
  double scaleHeightMm() const override;
  OpenResult openDocument() override;

 private:
  JobPaper paper_;
};

// Each recorded shape that reaches past the paper's edge by more than half a
// millimetre, described; none when everything is on the paper. Pages are
// drawn from originMm on the paper.
QStringList DrawnOffPaper(const std::vector<RecordedOp>& ops, QSizeF paperMm, QPointF originMm);

// A job run with the print dialog answering the PDF printer without paper
// prompts, drawn on a PdfPaperRecorder; the real printer is put back after.
struct PdfPaperRun {
  JobPaper paper;
  QStringList offPaper;  // DrawnOffPaper of the whole job
  int sheets = 0;        // printer pages begun
  // "A4 portrait", "A3 landscape": what a table of cases compares.
  QString paperName() const;
};
PdfPaperRun RunOnPdfPaper(const std::function<void()>& job);
// Makes an organiser size current with its settings from the settings file,
// as choosing it in the settings form does.
void LoadOrganiserSize(int index);
// The paper as paperName() names it.
QString PaperName(QPageSize::PageSizeId size, QPageLayout::Orientation orientation);
