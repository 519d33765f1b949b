#include "GanttWindow.h"

#include <QPushButton>

GanttWindow::GanttWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("ガントチャート"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
