#include "AddressWindow.h"

AddressWindow::AddressWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("住所録"));
  BuildLayout();
}
