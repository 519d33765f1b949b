#include "PhotoWindow.h"

#include <QPushButton>

PhotoWindow::PhotoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("写真帳"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
