#include "CardWindow.h"

#include <QPushButton>

CardWindow::CardWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("カード"));
  Cmd_FileRead = NewCommandButton("Cmd_FileRead");
  Cmd_FileWrite = NewCommandButton("Cmd_FileWrite");
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
