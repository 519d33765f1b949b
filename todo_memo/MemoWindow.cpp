#include "MemoWindow.h"

#include <QPushButton>

MemoWindow::MemoWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("メモ帳"));
  cmd_FileNew = NewCommandButton("cmd_FileNew");
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileSearch = NewCommandButton("Cmd_FileSearch");
  Cmd_help = NewCommandButton("Cmd_help");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
