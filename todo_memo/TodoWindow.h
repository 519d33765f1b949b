#pragma once
// The to-do window: to-do items with a status mark and an importance letter.
#include "core/ui/PageWindow.h"

class QPushButton;

class TodoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TodoWindow(QWidget* parent = nullptr);

  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
