#pragma once
// The photo window: one picture on an organiser page, with a title and a text.
#include "core/ui/PageWindow.h"

class QPushButton;

class PhotoWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit PhotoWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
