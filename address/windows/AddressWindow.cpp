#include "AddressWindow.h"

#include <QPushButton>

AddressWindow::AddressWindow(QWidget* parent) : PageWindow(parent) {
  setWindowTitle(QStringLiteral("住所録"));
  BuildLayout();
  connect(Cmd_Fileimport, &QPushButton::clicked, this, &AddressWindow::Cmd_Fileimport_Click);
  connect(Cmd_FileWrite, &QPushButton::clicked, this, &AddressWindow::Cmd_FileWrite_Click);
  connect(Cmd_help, &QPushButton::clicked, this, &AddressWindow::Cmd_help_Click);
  for (int i = 0; i < 3; ++i) connect(cmd_tel[i], &QPushButton::clicked, this, [this, i] { cmd_tel_Click(i); });
  connect(Cmd_mail, &QPushButton::clicked, this, &AddressWindow::cmd_mail_Click);
  connect(cmd_url, &QPushButton::clicked, this, &AddressWindow::cmd_url_Click);
  for (int i = 0; i < 2; ++i) connect(Cmd_zip[i], &QPushButton::clicked, this, [this, i] { Cmd_zip_Click(i); });
}
