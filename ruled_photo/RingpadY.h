#pragma once
// The ruled-paper window: the ruled, grid and form designs.
#include "core/ui/PageWindow.h"

class QPushButton;

class RingpadY : public PageWindow {
  Q_OBJECT
 public:
  explicit RingpadY(QWidget* parent = nullptr);

  QPushButton* Cmd_print = nullptr;
};
