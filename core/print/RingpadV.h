#pragma once
// The preview window: loaded hidden at start-up, shown modally for each page.
#include <QDialog>

class RingpadV : public QDialog {
  Q_OBJECT
 public:
  explicit RingpadV(QWidget* parent = nullptr);
};
