#include "TabBar.h"

#include <QMouseEvent>
#include <QPainter>

#include "TabBarGeometry.h"

TabBar::TabBar(QWidget* parent) : QWidget(parent) {
  fillColor_ = palette().color(QPalette::Highlight).lighter(170);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumHeight(fontMetrics().height() + 6);
}

void TabBar::setFillColor(const QColor& c) {
  fillColor_ = c;
  update();
}

void TabBar::drawTabs(const QString& captions, int16_t selected) {
  tag_ = captions;
  selected_ = selected;
  update();
}

void TabBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The background of the window that holds the bar clears it.
  const QWidget* holder = parentWidget() ? parentWidget() : this;
  painter.fillRect(rect(), holder->palette().color(QPalette::Window));
  const QStringList captions = TabBarCaptions(tag_);
  if (captions.isEmpty()) return;
  const int h = height();
  const int w = TabBarTabWidth(width(), static_cast<int>(captions.size()));
  const QColor face = palette().color(QPalette::Button);
  painter.setFont(font());
  int x = 0;
  for (int k = 1; k <= captions.size(); ++k) {
    const QColor c = k == selected_ ? fillColor_ : face;
    const TabShape shape = TabBarTabShape(x, w, h);
    painter.setPen(c);
    painter.drawLines(shape.slants);
    painter.fillRect(shape.body, c);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(shape.caption, QPoint(shape.body.right(), h)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, captions[k - 1]);
    x += w;
  }
}

void TabBar::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  emit MouseDown(static_cast<int>(event->button()), p.x(), p.y());
}

void DrawTabBar(TabBar* picture, const QString& captions, int16_t selected) {
  if (picture) picture->drawTabs(captions, selected);
}

int16_t TabBarClick(TabBar* picture, int16_t x) {
  if (!picture) return 0;
  const int n = static_cast<int>(TabBarCaptions(picture->Tag()).size());
  const int16_t t = static_cast<int16_t>(TabBarTabAt(picture->width(), n, x));
  DrawTabBar(picture, picture->Tag(), t);
  return t;
}
