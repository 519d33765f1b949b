#pragma once
// The page picture of the preview window: paints the preview surface's image
// one to one (the image is made at the screen's resolution).
#include <QWidget>

class PreviewPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
