#include "PrintDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/print/PrintDialogModel.h"
#include "core/print/PrintJob.h"

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("印刷"));
  Chk_kakunin_msg = new QCheckBox(QStringLiteral("印刷確認メッセージボックス表示"), this);
  Combo1 = new QComboBox(this);
  const char* captions[] = {"ｷｬﾝｾﾙ", "印刷", "印刷イメージ"};
  auto* buttons = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    cmd_run[i] = new QPushButton(QString::fromUtf8(captions[i]), this);
    cmd_run[i]->setAutoDefault(false);
    connect(cmd_run[i], &QPushButton::clicked, this, [this, i] { cmd_run_Click(i); });
    buttons->addWidget(cmd_run[i]);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Combo1);
  layout->addWidget(Chk_kakunin_msg);
  layout->addLayout(buttons);
  connect(Chk_kakunin_msg, &QCheckBox::stateChanged, this, [this] { Chk_kakunin_msg_Click(); });
  connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });
  Form_Load();
}

void PrintDialog::Run() {
  PrintDialog dialog(QApplication::activeWindow());
  dialog.exec();
}

void PrintDialog::Form_Load() {
  listLoaded_ = 0;
  Combo1->clear();
  const PrintDialogView view = PrintDialogContents();
  Combo1->addItems(view.printers);
  Combo1->setCurrentIndex(view.printers.indexOf(view.selected));
  listLoaded_ = 1;
  adjustSize();
  if (QWidget* main = parentWidget() ? parentWidget()->window() : nullptr) {
    const QRect outer = main->frameGeometry();
    move(outer.left() + (outer.width() - frameGeometry().width()) / 2,
         outer.top() + (outer.height() - frameGeometry().height()) / 2);
  }
}

void PrintDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Form_Activate();
}

void PrintDialog::Form_Activate() {
  PrintDialogOpened();
  Chk_kakunin_msg->setChecked(PrintDialogConfirmState());
}

void PrintDialog::Chk_kakunin_msg_Click() { PrintDialogConfirmChecked(Chk_kakunin_msg->isChecked()); }

void PrintDialog::Combo1_Click() {
  if (listLoaded_ != 1 || Combo1->currentIndex() < 0) return;
  PrintDialogPrinterChosen(Combo1->currentText());
}

void PrintDialog::cmd_run_Click(int index) {
  if (index == static_cast<int>(PrintDialogResult::Print) && !PrintDialogMayPrint()) {
    Form_Load();  // a printer gone since the list was filled leaves it
    return;
  }
  PrintDialogButtonPressed(index, Chk_kakunin_msg->isChecked());
  hide();
}
