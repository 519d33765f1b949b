#pragma once
// The memo window: titled memo entries kept in one memo file.
#include "core/ui/PageWindow.h"

class QPushButton;

class MemoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit MemoWindow(QWidget* parent = nullptr);

  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
