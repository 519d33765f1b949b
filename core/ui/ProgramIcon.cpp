#include "ProgramIcon.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

namespace {

// Drawn on a grid of 32 units at each size, so that the small one is drawn
// sharp rather than shrunk from the large one.
QPixmap RefillPage(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6.5, 2.5, 22, 27));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x3C, 0x6E, 0xB4));
  p.drawRect(QRectF(7.25, 3.25, 20.5, 5));
  p.setPen(QPen(QColor(0x8C, 0xB4, 0xDC), 1.2));
  for (double y = 13; y <= 26; y += 4.25) p.drawLine(QPointF(13, y), QPointF(26, y));
  // The punched holes a ring binder holds the page by.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x60, 0x60, 0x60));
  for (double y : {12.0, 19.0, 26.0}) p.drawEllipse(QPointF(9.5, y), 1.6, 1.6);
  return picture;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32}) icon.addPixmap(RefillPage(size));
  return icon;
}

void UseProgramIcon() { QApplication::setWindowIcon(ProgramIcon()); }
