#include "CardLayoutPicture.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>

#include "core/print/PrintSurface.h"
#include "core/settings/PaperSettings.h"
#include "core/text/ColorTable.h"
#include "core/text/CsvLine.h"

const char* const kCardFieldMimeType = "application/x-ringpad-card-field";

QByteArray CardDragPayload(const QString& source, int index) {
  return (source + QStringLiteral(",") + QString::number(index)).toUtf8();
}

bool ParseCardDragPayload(const QByteArray& data, QString& source, int& index) {
  const QStringList parts = QString::fromUtf8(data).split(QLatin1Char(','));
  if (parts.size() != 2) return false;
  bool ok = false;
  index = parts[1].toInt(&ok);
  source = parts[0];
  return ok && (source == QStringLiteral("LIST2") || source == QStringLiteral("PIC1"));
}

CardLayoutPicture::CardLayoutPicture(QWidget* parent) : QWidget(parent) {
  setAcceptDrops(true);
  setMinimumSize(240, 160);
  setAutoFillBackground(true);
}

double CardLayoutPicture::mmPerPixel() const { return kCardLayoutWidthMm / std::max(1, width()); }

QString CardLayoutPicture::offCardNotice() const { return columns_ ? CardOffCardNotice(*columns_) : QString(); }

void CardLayoutPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const double scale = 1 / mmPerPixel();  // pixels per millimetre
  painter.scale(scale, scale);
  const double heightMm = height() * mmPerPixel();
  const double cardHeight = columns_ ? CardHeightOf(*columns_, PaperSettings.DefaultFontSize) : 0;
  QFont font(PaperSettings.DataFontName);
  const float size = PaperSettings.DataFontSize > 0 ? PaperSettings.DataFontSize : 9;
  auto drawBand = [&](double top, bool repeat) {
    if (!columns_) return;
    QFont bandFont = font;
    bandFont.setPointSizeF(size * 25.4 / 72);  // points as millimetres of the picture
    for (const CardColumn& column : *columns_) {
      if (column.position.isEmpty()) continue;
      const std::optional<CardPoint> at = ParseCardPosition(column.position);
      if (!at) continue;
      QColor colour = Qt::black;
      if (repeat) {
        colour = QColor(0xCC, 0xCC, 0xCC);
      } else if (const auto rgb = CardPositionColour(column.position)) {
        colour = QColorFromRgbValue(*rgb);
      }
      const QStringList fields = SplitCsvFields(column.position, 7);
      if (fields.size() > 4 && !fields[4].trimmed().isEmpty()) bandFont.setFamily(fields[4].trimmed());
      // A size past any real font's (a typing slip) is not worth a glyph the
      // size of the screen.
      if (const double points = fields.size() > 5 ? fields[5].trimmed().toDouble() : 0; points > 0 && points <= 500)
        bandFont.setPointSizeF(points * 25.4 / 72);
      painter.setFont(bandFont);
      painter.setPen(colour);
      painter.drawText(QPointF(at->x, top + at->y + QFontMetricsF(bandFont).ascent()), column.name);
    }
  };
  drawBand(0, false);
  if (cardHeight > 0) {
    painter.fillRect(QRectF(0, cardHeight + 1, kCardLayoutWidthMm, heightMm), QColor(0xEE, 0xEE, 0xEE));
    QPen pen(Qt::black);
    pen.setWidthF(0);
    for (double h = cardHeight; h < heightMm; h += cardHeight) {
      painter.setPen(pen);
      painter.drawLine(QPointF(0, h + 1), QPointF(kCardLayoutWidthMm, h + 1));
      drawBand(h, true);
    }
  }
  // Named at the foot, on white, so that no field placed off the card is
  // left out of the print without a word.
  if (const QString notice = offCardNotice(); !notice.isEmpty()) {
    QFont noticeFont(PaperSettings.DefaultFontName);
    noticeFont.setPointSizeF(9 * 25.4 / 72);
    painter.setFont(noticeFont);
    const QFontMetricsF metrics(noticeFont);
    const QRectF line(0, heightMm - metrics.height() - 1, kCardLayoutWidthMm, metrics.height() + 1);
    painter.fillRect(line, Qt::white);
    painter.setPen(Qt::red);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, notice);
  }
  if (bandVisible) {
    QPen pen(Qt::black, 0, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);
  }
}

void CardLayoutPicture::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasFormat(kCardFieldMimeType)) event->acceptProposedAction();
}

void CardLayoutPicture::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasFormat(kCardFieldMimeType)) event->acceptProposedAction();
}

void CardLayoutPicture::dropEvent(QDropEvent* event) {
  QString source;
  int index = -1;
  if (!ParseCardDragPayload(event->mimeData()->data(kCardFieldMimeType), source, index)) return;
  event->acceptProposedAction();
  if (onDrop) onDrop(source, index, toMm(event->position()));
}

void CardLayoutPicture::mousePressEvent(QMouseEvent* event) {
  const QPointF mm = toMm(event->position());
  const int picked = onPress ? onPress(mm) : -1;
  band = QRectF(mm, QSizeF(0, 0));
  update();
  if (picked < 0) return;
  auto* mime = new QMimeData;
  mime->setData(kCardFieldMimeType, CardDragPayload(QStringLiteral("PIC1"), picked));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction);
}

void CardLayoutPicture::mouseMoveEvent(QMouseEvent* event) {
  if (!bandVisible) return;
  const QPointF mm = toMm(event->position());
  if (mm.y() > band.top()) band.setHeight(mm.y() - band.top());
  if (mm.x() > band.left()) band.setWidth(mm.x() - band.left());
  update();
}

void CardLayoutPicture::mouseReleaseEvent(QMouseEvent*) {
  bandVisible = false;
  update();
}
