#include "JobPaper.h"

#include <algorithm>
#include <cmath>

#include "BinderMarks.h"
#include "PrintSeams.h"
#include "PrintSurface.h"
#include "PrinterInfo.h"
#include "core/settings/PaperSettings.h"

namespace {

// Measures are whole millimetres in the settings and fractions in the paper
// tables (Letter is 215.9 wide): half a millimetre is not a mismatch.
constexpr double kToleranceMm = 0.5;

QPageLayout::Orientation ToQt(int16_t orientation) {
  return orientation == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QSizeF Oriented(const QPageSize& size, QPageLayout::Orientation orientation) {
  const QSizeF mm = size.size(QPageSize::Millimeter);
  const double shortSide = std::min(mm.width(), mm.height());
  const double longSide = std::max(mm.width(), mm.height());
  return orientation == QPageLayout::Landscape ? QSizeF(longSide, shortSide) : QSizeF(shortSide, longSide);
}

bool Holds(QSizeF paper, QSizeF sheet) {
  return sheet.width() <= paper.width() + kToleranceMm && sheet.height() <= paper.height() + kToleranceMm;
}

QString Millimetres(QSizeF mm) {
  return QStringLiteral("%1×%2mm").arg(std::lround(mm.width())).arg(std::lround(mm.height()));
}

// The width the current job stated for its sides, none until it does, and
// the binder marks it draws on them.
std::optional<double> laidOutSideWidthMm;
int16_t laidOutBinderMarks = -1;

// The organiser size's name without the hole count the list adds.
QString OrganiserSizeName() {
  return PaperSizeListText(PaperSettings.PaperIndex).section(QLatin1Char(' '), 0, 0);
}

}  // namespace

QSizeF JobPaper::sizeMm() const { return Oriented(size, orientation); }

JobPaper ChooseJobPaper(bool pdf, const std::optional<PaperChoice>& kept, const QPageSize& queueDefault,
                        int16_t jobOrientation, QSizeF sheetMm) {
  JobPaper paper;
  const bool landscapeJob = jobOrientation == kLandscape;
  if (kept) {
    paper.size = kept->size;
    paper.paperSource = kept->paperSource;
    paper.orientation = landscapeJob ? QPageLayout::Landscape : ToQt(kept->orientation);
    return paper;
  }
  // A landscape job is drawn for the turned sheet; any other lies upright
  // unless the paper holds its sheet only turned. Turning paper a layout
  // does not need would put a page set against the right edge far from the
  // first and leave what is drawn below the pages off the paper.
  const auto holds = [&](const QPageSize& size) {
    return (!landscapeJob && Holds(Oriented(size, QPageLayout::Portrait), sheetMm)) ||
           Holds(Oriented(size, QPageLayout::Landscape), sheetMm);
  };
  if (pdf) {
    const QList<QPageSize>& papers = PdfPrinterPapers();
    const auto holding = std::find_if(papers.cbegin(), papers.cend(), holds);
    paper.size = holding != papers.cend() ? *holding : papers.back();
  } else {
    paper.size = queueDefault.isValid() ? queueDefault : QPageSize(QPageSize::A4);
  }
  const bool upright = !landscapeJob && (Holds(Oriented(paper.size, QPageLayout::Portrait), sheetMm) ||
                                         !Holds(Oriented(paper.size, QPageLayout::Landscape), sheetMm));
  paper.orientation = upright ? QPageLayout::Portrait : QPageLayout::Landscape;
  return paper;
}

const QList<QPageSize>& PdfPrinterPapers() {
  static const QList<QPageSize> papers{QPageSize(QPageSize::A4), QPageSize(QPageSize::A3)};
  return papers;
}

QPointF PageOriginOnPaperMm(QPointF printableOffsetMm, double printMargin) {
  const double margin = std::max(0.0, printMargin);
  return {std::max(margin, printableOffsetMm.x()), std::max(margin, printableOffsetMm.y())};
}

QPointF DefaultPageOriginMm() { return PageOriginOnPaperMm({}, PaperSettings.PrintMargin); }

QRectF PageAreaOnPaperMm(QSizeF paperMm, const QRectF& printableMm, double printMargin) {
  const QPointF topLeft = PageOriginOnPaperMm(printableMm.topLeft(), printMargin);
  const double margin = std::max(0.0, printMargin);
  const QPointF bottomRight(std::min(paperMm.width() - margin, printableMm.right()),
                            std::min(paperMm.height() - margin, printableMm.bottom()));
  return QRectF(topLeft, bottomRight);
}

void SetLaidOutSideWidthMm(double widthMm, int16_t binderMarks) {
  laidOutSideWidthMm = widthMm;
  laidOutBinderMarks = binderMarks;
  // The PDF printer's paper follows what the job lays out, and the driver
  // measures the sheet right after this.
  PrinterSurfaceTarget().paperMayHaveChanged();
}

void ForgetLaidOutSideWidth() {
  laidOutSideWidthMm.reset();
  laidOutBinderMarks = -1;
}

double FacingPagesWidthMm() { return 2.0 * (PaperSettings.PageWidth - PaperSettings.PageLeft); }

double TwoPagesAcrossWidthMm(double gapMm) {
  return 2.0 * PaperSettings.PageWidth - PaperSettings.PageLeft + gapMm;
}

QSizeF LaidOutSheetMm(int16_t jobOrientation, QPointF originMm) {
  const PaperSettingsData& p = PaperSettings;
  double width = p.PageWidth;
  if (laidOutSideWidthMm)
    width = *laidOutSideWidthMm;
  else if (jobOrientation == 2)
    width = std::max(p.PageWidth, p.SheetPageY[4]);
  const QSizeF marks = BinderMarksExtentMm(laidOutBinderMarks);
  return {originMm.x() + std::max(width, marks.width()), originMm.y() + std::max(double(p.PageHeight), marks.height())};
}

JobPaper PaperForJob(const QString& printerName, int16_t jobOrientation) {
  const bool pdf = printerName == kPdfPrinterName;
  return ChooseJobPaper(pdf, KeptPaperChoice(printerName),
                        pdf ? QPageSize() : QueueDefaultPageSize(printerName), jobOrientation,
                        LaidOutSheetMm(jobOrientation));
}

QString SheetMismatchText(QSizeF sheetMm, const JobPaper& paper) {
  const QSizeF paperMm = paper.sizeMm();
  if (Holds(paperMm, sheetMm)) return {};
  const QString turn = paper.orientation == QPageLayout::Landscape ? QStringLiteral("横") : QStringLiteral("縦");
  return QStringLiteral("印刷する大きさ（%1 %2）が用紙（%3%4 %5）に収まりません。\r\n"
                        "はみ出した部分は印刷されません。\r\n\r\n"
                        "このまま印刷しますか？")
      .arg(OrganiserSizeName(), Millimetres(sheetMm), paper.size.name(), turn, Millimetres(paperMm));
}
