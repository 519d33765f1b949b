#pragma once
// The tree chart window: items indented by level, drawn as boxes and lines.
#include "core/ui/PageWindow.h"

class QPushButton;

class jxprnki : public PageWindow {
  Q_OBJECT
 public:
  explicit jxprnki(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_print = nullptr;
};
