#pragma once
// The schedule window: the schedule file's entries, the month list and the
// schedule and calendar designs it prints.
#include "core/ui/PageWindow.h"

class QPushButton;

class RingpadC : public PageWindow {
  Q_OBJECT
 public:
  explicit RingpadC(QWidget* parent = nullptr);

  // Builds the lists, settles the schedule file and reads the options.
  void Form_Load() override;

  // Pressed by the main window's File items.
  QPushButton* Cmd_FileSearch = nullptr;
  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* cmd_FileNew = nullptr;
  QPushButton* Cmd_FileExport = nullptr;
  QPushButton* Cmd_Fileimport = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;

  QPushButton* Cmd_print = nullptr;
  // Pressed by the "CA" start-up switch too.
  QPushButton* cmd_toclip = nullptr;
};
