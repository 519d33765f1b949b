#pragma once
// The yardstick of the print benchmarks: a job recorded once on the
// recording surface, its primitives replayed straight into a QPainter on a
// PDF with the same mapped fonts. What the real printer path costs beyond
// this is the cost of the surface layer.
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>
#include <vector>

#include "core/print/FontMapping.h"
#include "core/print/RecordingSurface.h"
#include "core/print/SurfaceFont.h"
#include "core/text/ColorTable.h"

inline void ReplayRecordedOps(const std::vector<RecordedOp>& ops, const QString& pdfPath, double marginMm,
                              QPageLayout::Orientation orientation = QPageLayout::Portrait) {
  QPdfWriter pdf(pdfPath);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(orientation);
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setResolution(600);
  QPainter painter;
  const double px = pdf.resolution() / 25.4;
  const auto at = [&](double xMm, double yMm) { return QPointF((xMm + marginMm) * px, (yMm + marginMm) * px); };
  QHash<QString, SurfaceFont> fonts;
  for (const RecordedOp& op : ops) {
    switch (op.kind) {
      case RecordedOp::BeginDocument:
        if (!painter.isActive()) painter.begin(&pdf);
        continue;
      case RecordedOp::NewPage:
        pdf.newPage();
        continue;
      case RecordedOp::EndDocument:
      case RecordedOp::EndJob: continue;
      default: break;
    }
    if (!painter.isActive()) painter.begin(&pdf);
    const QColor colour = QColorFromRgbValue(int32_t(op.color));
    QPen pen(colour);
    pen.setWidthF(std::max<int>(1, op.drawWidth));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (op.kind) {
      case RecordedOp::Line: painter.drawLine(at(op.x1, op.y1), at(op.x2, op.y2)); break;
      case RecordedOp::Box: painter.drawRect(QRectF(at(op.x1, op.y1), at(op.x2, op.y2))); break;
      case RecordedOp::FilledBox: painter.fillRect(QRectF(at(op.x1, op.y1), at(op.x2, op.y2)), colour); break;
      case RecordedOp::Circle: painter.drawEllipse(at(op.x1, op.y1), op.x2 * px, op.x2 * px); break;
      case RecordedOp::Point: painter.drawPoint(at(op.x1, op.y1)); break;
      case RecordedOp::Text:
      case RecordedOp::RotatedText: {
        const QString key = op.fontName + QString::number(op.fontSize) + (op.fontBold ? u'b' : u'n');
        auto it = fonts.find(key);
        if (it == fonts.end())
          it = fonts.insert(key, SurfaceFont(QFont(MakeSurfaceFont(op.fontName, op.fontSize, op.fontBold), &pdf), px));
        if (op.kind == RecordedOp::Text) {
          it->draw(painter, at(op.x1, op.y1), op.text);
        } else {
          painter.save();
          painter.translate(at(op.x1, op.y1));
          painter.rotate(-90);
          it->draw(painter, QPointF(0, 0), op.text);
          painter.restore();
        }
        break;
      }
      default: break;
    }
  }
  if (painter.isActive()) painter.end();
}
