#pragma once
// The printer: a CUPS queue, or the PDF printer that writes a whole job into
// one PDF file chosen when the job's first page begins. The paper is the one
// PaperForJob gives; the origin is the top-left of the printable area (the
// queue's own, or PrintMargin millimetres inside the sheet for PDF).
#include <QPrinter>
#include <memory>

#include "PaintedSurface.h"

class PrinterSurface : public PaintedSurface {
 public:
  PrinterSurface();
  ~PrinterSurface() override;

  // Takes up CurrentPrinterName() (any open job of the old printer ends).
  void followCurrentPrinter();
  const QString& printerName() const { return name_; }
  bool isPdf() const;
  // The PDF file of the current or last job ("" before any).
  const QString& pdfFileName() const { return pdfFile_; }

  bool jobOutputOpen() const override { return documentOpen() || pdfJobOpen_; }
  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;
  void setOrientation(int16_t orientation) override;

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
  QRectF paintRectMm() const;
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
  double pdfMarginMm_ = 0;    // the PDF job's PrintMargin, fixed when it opens
  static double currentPdfMarginMm();
  void movePdfOrigin();
};

// The one printer of the run; unlike PrinterSurfaceTarget() it is never
// replaced by a test surface.
PrinterSurface& ThePrinter();
