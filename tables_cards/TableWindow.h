#pragma once
// The table window: a CSV table with its options, printed as a table page.
#include "core/ui/PageWindow.h"

class QPushButton;

class TableWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit TableWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
