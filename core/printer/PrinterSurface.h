#pragma once
// The printer: a CUPS queue, or the PDF printer that writes a whole job into
// one PDF file chosen when the job's first page begins. The paper is the one
// PaperForJob gives; the pages' area lies PrintMargin millimetres inside
// each of the paper's edges, or at a queue's printable-area edge where that
// lies further in (PageAreaOnPaperMm).
#include <QPrinter>
#include <memory>

#include "core/print/PaintedSurface.h"

class PrinterSurface : public PaintedSurface {
 public:
  PrinterSurface();
  ~PrinterSurface() override;

  // Takes up CurrentPrinterName() (any open job of the old printer ends).
  void followCurrentPrinter() override;
  const QString& printerName() const { return name_; }
  bool isPdf() const;
  // The PDF file of the current or last job ("" before any).
  const QString& pdfFileName() const { return pdfFile_; }

  bool jobOutputOpen() const override { return documentOpen() || pdfJobOpen_; }
  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;
  void setOrientation(int16_t orientation) override;
  QPointF pageOriginOnPaperMm() const override;
  void paperMayHaveChanged() override;

 protected:
  double scaleWidthMm() const override;
  double scaleHeightMm() const override;
  QPainter* painter() override;
  QPaintDevice* metricsDevice() override { return printer_.get(); }
  OpenResult openDocument() override;
  void startNextPage() override;
  void closeDocument() override;
  void closeJob() override;

 private:
  void configure();
  void applyPaper();
  void applyMargins();
  // The pages' area on the paper, mm.
  QRectF paintRectMm() const;
  // Where the device's own drawing area starts on the paper, mm.
  QPointF printableOffsetMm() const;
  // How far the origin lies inside the device's drawing area, mm.
  QPointF originShiftMm() const;
  bool beginPainting();
  void endPainting();

  QString name_;
  std::unique_ptr<QPrinter> printer_;
  // The printer's dots per inch, asked once per QPrinter: every millimetre
  // drawn is converted with it, and the printer answers through its engine's
  // property table.
  int resolution_ = 600;
  QPainter painter_;
  QString pdfFile_;
  bool pdfJobOpen_ = false;  // the PDF file stays open across documents
  // The PrintMargin a job started with: pages of one job never move when the
  // settings change under it.
  double jobMarginMm_ = 0;
  bool jobMarginFixed_ = false;
  double marginMm() const;
  void moveOrigin();
};

// The one printer of the run; unlike PrinterSurfaceTarget() it is never
// replaced by a test surface.
PrinterSurface& ThePrinter();
