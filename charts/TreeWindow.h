#pragma once
// The tree chart window: items indented by level, drawn as boxes and lines.
#include "core/ui/PageWindow.h"

class QPushButton;

class TreeWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TreeWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_print = nullptr;
};
