#include "PaperBounds.h"

#include <QRectF>
#include <optional>

#include "core/platform/Codec.h"
#include "core/print/PrintSeams.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/PaperSettings.h"

namespace {

// The page area of the PDF printer's paper for the job as it stands.
QRectF PdfPageArea(int16_t orientation) {
  const QSizeF paper = PaperForJob(kPdfPrinterName, orientation).sizeMm();
  return PageAreaOnPaperMm(paper, QRectF(QPointF(), paper), PaperSettings.PrintMargin);
}

// What a recorded shape covers, in page millimetres; empty for events.
std::optional<QRectF> CoveredBy(const RecordedOp& op) {
  switch (op.kind) {
    case RecordedOp::Line:
    case RecordedOp::Box:
    case RecordedOp::FilledBox:
    case RecordedOp::Image: return QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2)).normalized();
    case RecordedOp::Circle: return QRectF(op.x1 - op.x2, op.y1 - op.x2, 2 * op.x2, 2 * op.x2);
    case RecordedOp::Point:
    case RecordedOp::RotatedText: return QRectF(op.x1, op.y1, 0, 0);
    case RecordedOp::Text:
      // As wide as layout counts it: Shift-JIS bytes times the half width.
      return QRectF(op.x1, op.y1, platform::SjisByteLength(op.text) * double(op.fontSize) / 5.67,
                    double(op.fontSize) * 25.4 / 72.0);
    default: return std::nullopt;
  }
}

}  // namespace

double PdfPaperRecorder::scaleWidthMm() const { return PdfPageArea(orientation()).width(); }
double PdfPaperRecorder::scaleHeightMm() const { return PdfPageArea(orientation()).height(); }

PrintSurface::OpenResult PdfPaperRecorder::openDocument() {
  paper_ = PaperForJob(kPdfPrinterName, orientation());
  return RecordingSurface::openDocument();
}

QStringList DrawnOffPaper(const std::vector<RecordedOp>& ops, QSizeF paperMm, QPointF originMm) {
  constexpr double kSlackMm = 0.5;
  const double left = -originMm.x() - kSlackMm, top = -originMm.y() - kSlackMm;
  const double right = paperMm.width() - originMm.x() + kSlackMm;
  const double bottom = paperMm.height() - originMm.y() + kSlackMm;
  QStringList off;
  for (const RecordedOp& op : ops) {
    const std::optional<QRectF> box = CoveredBy(op);
    if (!box || (box->left() >= left && box->top() >= top && box->right() <= right && box->bottom() <= bottom))
      continue;
    off << QStringLiteral("kind %1 (%2, %3)-(%4, %5) %6")
               .arg(int(op.kind))
               .arg(box->left(), 0, 'f', 1)
               .arg(box->top(), 0, 'f', 1)
               .arg(box->right(), 0, 'f', 1)
               .arg(box->bottom(), 0, 'f', 1)
               .arg(op.text);
  }
  return off;
}

QString PaperName(QPageSize::PageSizeId size, QPageLayout::Orientation orientation) {
  return QPageSize(size).key() +
         (orientation == QPageLayout::Landscape ? QStringLiteral(" landscape") : QStringLiteral(" portrait"));
}

QString PdfPaperRun::paperName() const { return PaperName(paper.size.id(), paper.orientation); }

PdfPaperRun RunOnPdfPaper(const std::function<void()>& job) {
  PdfPaperRecorder recorder;
  InstallPrinterSurface(&recorder);
  SetPrintDialogHandler([](const PrintDialogView&) { return PrintDialogAnswer{1, false, kPdfPrinterName}; });
  job();
  SetPrintDialogHandler({});
  InstallPrinterSurface(nullptr);
  SetCurrentPrinter(DefaultPrinterName());
  PdfPaperRun run;
  run.paper = recorder.paper();
  run.offPaper = DrawnOffPaper(recorder.ops(), run.paper.sizeMm(), DefaultPageOriginMm());
  for (const RecordedOp& op : recorder.ops())
    if (op.kind == RecordedOp::BeginDocument || op.kind == RecordedOp::NewPage) ++run.sheets;
  return run;
}

void LoadOrganiserSize(int index) {
  PaperSettings = PaperSettingsData{};
  LoadPaperSettings(index);
  PaperSettings.PaperIndex = int16_t(index);
}
