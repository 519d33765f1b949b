#include "PrinterSurface.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "core/print/JobPaper.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"

namespace {
constexpr int kPdfResolution = 600;  // dots per inch of the PDF printer's "pixels"

// Qt's PDF writer takes buffers of several megabytes to compress every
// finished page. With the C library's default limits the freed buffers went
// back to the kernel after each page and the next page faulted them in
// again, which cost more than drawing the page. Buffers of that size now stay in the
// heap for the next page; pictures far larger still get memory of their own,
// returned as soon as they are freed.
void KeepPageBuffersInHeap() {
#if defined(__GLIBC__)
  static const bool done = [] {
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    return true;
  }();
  (void)done;
#endif
}

}  // namespace

PrinterSurface::PrinterSurface() {
  KeepPageBuffersInHeap();
  configure();
}

PrinterSurface::~PrinterSurface() {
  if (painter_.isActive()) painter_.end();
}

bool PrinterSurface::isPdf() const { return name_ == kPdfPrinterName; }

void PrinterSurface::followCurrentPrinter() {
  if (name_ == CurrentPrinterName()) return;
  endJob();
  configure();
}

// A fresh QPrinter for the current printer, on the job's paper, the origin at
// the top-left of the printable area.
void PrinterSurface::configure() {
  name_ = CurrentPrinterName();
  if (isPdf()) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setResolution(kPdfResolution);
  } else {
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(name_), QPrinter::HighResolution);
  }
  printer_->setFullPage(false);
  applyPaper();
  printer_->setDocName(QStringLiteral("Ringpad"));
  resolution_ = std::max(1, printer_->resolution());
}

// The paper printer setup chose for this printer, else the queue's default
// media (for PDF the smaller of A4 and A3 holding the sheet), turned for a
// landscape job or a sheet that fits the paper only turned. A fixed A4 would make
// CUPS scale or crop the job on other paper, and the holes and cut lines
// would move.
void PrinterSurface::applyPaper() {
  const JobPaper paper = PaperForJob(name_, orientation_);
  printer_->setPageSize(paper.size);
  printer_->setPageOrientation(paper.orientation);
  if (printer_->paperSource() != QPrinter::PaperSource(paper.paperSource))
    printer_->setPaperSource(QPrinter::PaperSource(paper.paperSource));
  applyMargins();
}

// The printable area: the queue's own (Qt would otherwise leave a margin of
// its own choosing), or PrintMargin millimetres all round for PDF. The PDF
// writer rounds page margins to whole points (3 mm would start at 3.175 mm),
// so for PDF the page is used whole and the origin moved by the painter.
void PrinterSurface::applyMargins() {
  if (isPdf()) {
    printer_->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  } else {
    printer_->setPageMargins(printer_->pageLayout().minimumMargins(), printer_->pageLayout().units());
  }
}

float PrinterSurface::twipsPerPixelX() const { return float(1440.0 / resolution_); }
float PrinterSurface::twipsPerPixelY() const { return float(1440.0 / resolution_); }

void PrinterSurface::setOrientation(int16_t orientation) {
  PrintSurface::setOrientation(orientation);
  // During a document the change applies from the next page on.
  applyPaper();
}

double PrinterSurface::marginMm() const {
  return jobMarginFixed_ ? jobMarginMm_ : std::max<int16_t>(0, PaperSettings.PrintMargin);
}

QPointF PrinterSurface::printableOffsetMm() const {
  if (isPdf()) return {};
  const QPageLayout layout = printer_->pageLayout();
  return layout.paintRect(QPageLayout::Millimeter).topLeft() - layout.fullRect(QPageLayout::Millimeter).topLeft();
}

QPointF PrinterSurface::pageOriginOnPaperMm() const { return paintRectMm().topLeft(); }

QPointF PrinterSurface::originShiftMm() const { return pageOriginOnPaperMm() - printableOffsetMm(); }

void PrinterSurface::paperMayHaveChanged() {
  if (!jobOutputOpen()) applyPaper();
}

// The area the pages may use, in the device's drawing area: PageAreaOnPaperMm
// of the paper and the device's printable area, the PDF printer's being the
// whole paper. Between jobs it follows the current PrintMargin; during a job
// it keeps the margin the job started with.
QRectF PrinterSurface::paintRectMm() const {
  const QPageLayout layout = printer_->pageLayout();
  const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
  const QRectF printable = isPdf() ? paper : layout.paintRect(QPageLayout::Millimeter);
  return PageAreaOnPaperMm(paper.size(), printable.translated(-paper.topLeft()), marginMm());
}

// Every page starts with the origin where PageOriginOnPaperMm puts it; the
// device's painter starts at its own drawing area.
void PrinterSurface::moveOrigin() {
  if (!painter_.isActive()) return;
  painter_.resetTransform();
  const QPointF shift = originShiftMm();
  setDeviceOrigin(QPointF(shift.x() * resolution_ / 25.4, shift.y() * resolution_ / 25.4));
}

double PrinterSurface::scaleWidthMm() const { return paintRectMm().width(); }
double PrinterSurface::scaleHeightMm() const { return paintRectMm().height(); }

QPainter* PrinterSurface::painter() { return painter_.isActive() ? &painter_ : nullptr; }

bool PrinterSurface::beginPainting() {
  if (painter_.begin(printer_.get())) {
    moveOrigin();
    return true;
  }
  failureText_ = QStringLiteral("プリンター「%1」に出力できません。").arg(name_);
  return false;
}

void PrinterSurface::endPainting() {
  if (painter_.isActive()) painter_.end();
}

PrintSurface::OpenResult PrinterSurface::openDocument() {
  if (name_ != CurrentPrinterName()) configure();
  if (!isPdf()) {
    // Qt quietly puts a queue it does not know (removed since it was chosen)
    // in place of another one; the sheets must not come out of a printer the
    // user did not choose. A queue added since is taken up afresh.
    if (printer_->printerName() != name_) configure();
    if (printer_->printerName() != name_) {
      failureText_ = UnusablePrinterText(name_);
      return OpenResult::Failed;
    }
    applyPaper();  // printer setup may have chosen since the last document
    if (!jobMarginFixed_) {
      jobMarginMm_ = marginMm();
      jobMarginFixed_ = true;
    }
    if (!printer_->isValid() || !beginPainting()) {
      if (failureText_.isEmpty() || printer_->isValid()) failureText_ = UnusablePrinterText(name_);
      return OpenResult::Failed;
    }
    return OpenResult::Opened;
  }
  // All documents of a job go into the one PDF file, page after page.
  if (pdfJobOpen_) {
    printer_->newPage();
    moveOrigin();
    return OpenResult::Opened;
  }
  const QString file = AskPdfFileName();
  if (file.isEmpty()) return OpenResult::Cancelled;
  // The PDF printer of the last job serves again with this job's paper: a
  // new QPrinter asks CUPS for its default queue, which cost more than
  // printing a page.
  applyPaper();
  printer_->setOutputFileName(file);
  pdfFile_ = file;
  jobMarginMm_ = marginMm();
  jobMarginFixed_ = true;
  if (!beginPainting()) {
    // A missing folder or a folder chosen as the file: the file is at fault,
    // not the printer.
    failureText_ = QStringLiteral("ファイル「%1」に書き込めません。").arg(file);
    return OpenResult::Failed;
  }
  pdfJobOpen_ = true;
  return OpenResult::Opened;
}

void PrinterSurface::startNextPage() {
  printer_->newPage();
  moveOrigin();
}

void PrinterSurface::closeDocument() {
  if (!isPdf()) endPainting();  // the document goes to the spooler now
}

void PrinterSurface::closeJob() {
  endPainting();
  pdfJobOpen_ = false;
  jobMarginFixed_ = false;
}

PrinterSurface& ThePrinter() {
  static PrinterSurface* printer = new PrinterSurface();
  return *printer;
}
