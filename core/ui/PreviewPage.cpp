#include "PreviewPage.h"

#include <QPainter>

#include "core/print/PreviewImageSurface.h"

void PreviewPage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(rect(), PreviewImage().image());
}
