#include "TableWindow.h"

#include <QPushButton>

TableWindow::TableWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("表"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
