#pragma once
// The memo window: titled memo entries kept in one memo file. When the main
// window closes it asks this window's Form_QueryUnload first, which sets
// CloseVeto to keep the program open over an unsaved memo.
#include "core/ui/PageWindow.h"

class QPushButton;

class RingpadM : public PageWindow {
  Q_OBJECT
 public:
  explicit RingpadM(QWidget* parent = nullptr);

  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
