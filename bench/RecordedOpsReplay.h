#pragma once
// The yardstick of the print benchmarks: a job recorded once on the
// recording surface, its primitives replayed straight into a QPainter on a
// PDF with the same mapped fonts, pens, fills and PDF settings as the PDF
// printer (A4 at 600 dots per inch, the origin PrintMargin inside the
// sheet). What the real printer path costs beyond this is the cost of the
// surface layer and of the page logic.
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <cmath>
#include <vector>

#include "core/print/FontMapping.h"
#include "core/print/PaintedSurface.h"
#include "core/print/RecordingSurface.h"
#include "core/print/SurfaceFont.h"
#include "core/print/SurfaceState.h"
#include "core/text/ColorTable.h"

class RecordedOpsReplay {
 public:
  RecordedOpsReplay(const QString& pdfPath, double marginMm,
                    QPageLayout::Orientation orientation = QPageLayout::Portrait)
      : pdf_(pdfPath), marginMm_(marginMm) {
    pdf_.setPageSize(QPageSize(QPageSize::A4));
    pdf_.setPageOrientation(orientation);
    pdf_.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf_.setResolution(kDpi);
    pdf_.setTitle(QStringLiteral("Ringpad"));
  }

  void play(const std::vector<RecordedOp>& ops) {
    for (const RecordedOp& op : ops) {
      switch (op.kind) {
        case RecordedOp::BeginDocument: begin(); continue;
        case RecordedOp::NewPage:
          pdf_.newPage();
          continue;
        case RecordedOp::EndDocument:
        case RecordedOp::EndJob: continue;
        default: break;
      }
      begin();
      draw(op);
    }
    if (painter_.isActive()) painter_.end();
  }

 private:
  static constexpr int kDpi = 600;
  static constexpr double kPx = kDpi / 25.4;

  void begin() {
    if (painter_.isActive()) return;
    painter_.begin(&pdf_);
  }
  QPointF at(double xMm, double yMm) const { return {(xMm + marginMm_) * kPx, (yMm + marginMm_) * kPx}; }
  void fill(const QRectF& r, const QColor& colour) {
    if (painter_.pen().style() != Qt::NoPen) painter_.setPen(Qt::NoPen);
    if (painter_.brush().style() != Qt::SolidPattern || painter_.brush().color() != colour)
      painter_.setBrush(colour);
    painter_.drawRect(r);
  }
  const SurfaceFont& font(const QString& name, float points, bool bold) {
    const QString key = name + QString::number(points) + (bold ? u'b' : u'n');
    auto it = fonts_.find(key);
    if (it == fonts_.end())
      it = fonts_.insert(key, SurfaceFont(QFont(MakeSurfaceFont(name, points, bold), &pdf_), kPx));
    return *it;
  }

  void draw(const RecordedOp& op) {
    const QColor colour = QColorFromRgbValue(int32_t(op.color));
    const QPen pen = PaintedSurface::PenFor(op.color, op.drawWidth, op.drawStyle, op.dotSize * kPx, op.dotPitch * kPx);
    switch (op.kind) {
      case RecordedOp::Line:
        painter_.setPen(pen);
        painter_.drawLine(at(op.x1, op.y1), at(op.x2, op.y2));
        break;
      case RecordedOp::Box: {
        QRectF r(at(op.x1, op.y1), at(op.x2, op.y2));
        if (op.drawStyle == kDrawInsideSolid) {
          const double half = std::max<int>(1, op.drawWidth) / 2.0;
          r.adjust(half, half, -half, -half);
        }
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(r);
        break;
      }
      case RecordedOp::FilledBox:
        fill(QRectF(at(op.x1, op.y1), at(op.x2, op.y2)).adjusted(-0.5, -0.5, 0.5, 0.5), colour);
        break;
      case RecordedOp::Circle:
        painter_.setPen(pen);
        if (op.fillStyle == 0)
          painter_.setBrush(QColorFromRgbValue(int32_t(op.fillColor)));
        else
          painter_.setBrush(Qt::NoBrush);
        painter_.drawEllipse(at(op.x1, op.y1), op.x2 * kPx, op.x2 * kPx);
        break;
      case RecordedOp::Point: {
        const QPointF c = at(op.x1, op.y1);
        const int width = std::max<int>(1, op.drawWidth);
        if (width == 1) {
          fill(QRectF(std::floor(c.x()), std::floor(c.y()), 1, 1), colour);
        } else {
          painter_.setPen(Qt::NoPen);
          painter_.setBrush(colour);
          painter_.drawEllipse(c, width / 2.0, width / 2.0);
        }
        break;
      }
      case RecordedOp::Text:
        painter_.setPen(colour);
        font(op.fontName, op.fontSize, op.fontBold).draw(painter_, at(op.x1, op.y1), op.text);
        break;
      case RecordedOp::RotatedText: {
        const double height = std::abs(op.rotated.heightPx);
        if (height <= 0) break;
        const SurfaceFont& face = font(op.rotated.faceName, float(height * (1440.0 / kDpi) / 20), false);
        painter_.save();
        painter_.translate(at(op.x1, op.y1));
        painter_.rotate(-op.rotated.escapement / 10.0);
        if (op.rotated.widthPx > 0) painter_.scale(2 * op.rotated.widthPx / height, 1);
        painter_.setPen(colour);
        face.draw(painter_, QPointF(0, 0), op.text);
        painter_.restore();
        break;
      }
      // An Image op keeps the picture's size, scaling and turn but not its
      // pixels, so it cannot be replayed; the jobs replayed here print none
      // (decorations go to the preview only).
      case RecordedOp::Image:
      default: break;
    }
  }

  QPdfWriter pdf_;
  double marginMm_;
  QPainter painter_;
  QHash<QString, SurfaceFont> fonts_;
};

// A landscape job needs a landscape sheet, or everything past 210 mm is
// clipped away and the replay looks faster than it is.
inline void ReplayRecordedOps(const std::vector<RecordedOp>& ops, const QString& pdfPath, double marginMm,
                              QPageLayout::Orientation orientation = QPageLayout::Portrait) {
  RecordedOpsReplay(pdfPath, marginMm, orientation).play(ops);
}
