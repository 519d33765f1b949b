#include "RingpadY.h"

#include <QPushButton>

RingpadY::RingpadY(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("用紙"));
  Cmd_print = NewCommandButton("Cmd_print", QStringLiteral("印刷"));
  ArrangeInRow({Cmd_print});
}
