#include "FindDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/platform/TestSeamRegistry.h"

namespace {
FindKeysDialogHandler& findKeysDialogHandler() {
  static FindKeysDialogHandler h;
  return h;
}
}  // namespace

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("検索キー指定"));
  auto* grid = new QGridLayout;
  for (int row = 0; row < 3; ++row) {
    Label1[row * 3] = new QLabel(row == 0 ? QStringLiteral("キー (") : QStringLiteral("又は ("), this);
    txt_key1[row] = new QLineEdit(this);
    Label1[row * 3 + 1] = new QLabel(QStringLiteral("かつ"), this);
    txt_key2[row] = new QLineEdit(this);
    Label1[row * 3 + 2] = new QLabel(QStringLiteral(")"), this);
    grid->addWidget(Label1[row * 3], row, 0);
    grid->addWidget(txt_key1[row], row, 1);
    grid->addWidget(Label1[row * 3 + 1], row, 2);
    grid->addWidget(txt_key2[row], row, 3);
    grid->addWidget(Label1[row * 3 + 2], row, 4);
  }
  cmd_find = new QPushButton(QStringLiteral("絞込検索"), this);
  cmd_clear = new QPushButton(QStringLiteral("クリア"), this);
  cmd_cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {cmd_find, cmd_clear, cmd_cancel}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(cmd_find, &QPushButton::clicked, this, &FindDialog::cmd_find_Click);
  connect(cmd_clear, &QPushButton::clicked, this, &FindDialog::cmd_clear_Click);
  connect(cmd_cancel, &QPushButton::clicked, this, &FindDialog::cmd_cancel_Click);
  Form_Load();
}

void FindDialog::Form_Load() { SearchDialogResult = 0; }

void FindDialog::cmd_find_Click() {
  SearchDialogResult = -1;
  NormaliseFindKeys();
  hide();
}

void FindDialog::cmd_clear_Click() {
  for (int row = 0; row < 3; ++row) {
    txt_key1[row]->clear();
    txt_key2[row]->clear();
  }
  SearchDialogResult = -1;
  hide();
}

void FindDialog::cmd_cancel_Click() {
  NormaliseFindKeys();
  hide();
}

void FindDialog::NormaliseFindKeys() {
  FindKeyRow key1, key2;
  for (int row = 0; row < 3; ++row) {
    key1[row] = txt_key1[row]->text();
    key2[row] = txt_key2[row]->text();
  }
  if (!NormaliseFindKeyRows(key1, key2)) SearchDialogResult = 0;
  for (int row = 0; row < 3; ++row) {
    txt_key1[row]->setText(key1[row]);
    txt_key2[row]->setText(key2[row]);
  }
}

FindKeys ShowFindKeysDialog(QWidget* owner, const FindKeys& keys) {
  FindDialog dialog(owner);
  for (int row = 0; row < 3; ++row) {
    dialog.txt_key1[row]->setText(keys.key1[row]);
    dialog.txt_key2[row]->setText(keys.key2[row]);
  }
  if (findKeysDialogHandler())
    findKeysDialogHandler()(dialog);
  else
    dialog.exec();
  FindKeys out;
  for (int row = 0; row < 3; ++row) {
    out.key1[row] = dialog.txt_key1[row]->text();
    out.key2[row] = dialog.txt_key2[row]->text();
  }
  return out;
}

void SetFindKeysDialogHandler(FindKeysDialogHandler h) {
  platform::RegisterSeamReset([] { SetFindKeysDialogHandler({}); });
  findKeysDialogHandler() = std::move(h);
}
