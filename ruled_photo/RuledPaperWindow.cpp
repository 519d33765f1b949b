#include "RuledPaperWindow.h"

#include <QPushButton>

RuledPaperWindow::RuledPaperWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("用紙"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
