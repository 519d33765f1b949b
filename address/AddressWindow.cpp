#include "AddressWindow.h"

#include <QPushButton>

AddressWindow::AddressWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("住所録"));
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_Fileimport = NewCommandButton("Cmd_Fileimport");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_FileSearch2 = NewCommandButton("Cmd_FileSearch2", QStringLiteral("検索"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_FileSearch2, Cmd_print});
}
