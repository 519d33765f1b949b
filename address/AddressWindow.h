#pragma once
// The address window: the address book, its imports, links and printed designs.
#include "core/ui/PageWindow.h"

class QPushButton;

class AddressWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit AddressWindow(QWidget* parent = nullptr);

  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_FileSearch2 = nullptr;
  QPushButton* Cmd_print = nullptr;
};
