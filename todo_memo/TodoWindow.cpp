#include "TodoWindow.h"

#include <QPushButton>

TodoWindow::TodoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("Action (Todo)"));
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileExport = NewCommandButton("Cmd_FileExport");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
