#pragma once
// The ruled-paper window: the ruled, grid and form designs.
#include "core/ui/PageWindow.h"

class QPushButton;

class RuledPaperWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit RuledPaperWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_print = nullptr;
};
