#pragma once
// The Gantt chart window: tasks with planned and actual dates over a time span.
#include "core/ui/PageWindow.h"

class QPushButton;

class GanttWindow : public PageWindow {
  Q_OBJECT
 public:
  explicit GanttWindow(QWidget* parent = nullptr);

  QPushButton* Cmd_FileRead = nullptr;
  QPushButton* Cmd_FileWrite = nullptr;
  QPushButton* Cmd_help = nullptr;
  QPushButton* Cmd_print = nullptr;
};
