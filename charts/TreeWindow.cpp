#include "TreeWindow.h"

#include <QPushButton>

TreeWindow::TreeWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("木(&T)"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
