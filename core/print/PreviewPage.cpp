#include "PreviewPage.h"

#include <QPainter>

#include "PreviewImageSurface.h"

void PreviewPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), PreviewImage().image());
}
