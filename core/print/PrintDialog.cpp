#include "PrintDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "PrintJob.h"
#include "PrintSeams.h"
#include "PrinterInfo.h"
#include "core/platform/WorkPlace.h"
#include "core/settings/AppGlobals.h"

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
  const platform::KeepWorkPlace place;
  PrintDialog dialog(QApplication::activeWindow());
  const PrintDialogHandler& handler = CurrentPrintDialogHandler();
  if (!handler) {
    dialog.exec();
    return;
  }
  dialog.Form_Activate();
  const PrintDialogAnswer answer =
      handler({[&] {
                 QStringList items;
                 for (int i = 0; i < dialog.Combo1->count(); ++i) items << dialog.Combo1->itemText(i);
                 return items;
               }(),
               dialog.Combo1->currentText(), dialog.Chk_kakunin_msg->isChecked()});
  if (answer.printer) dialog.Combo1->setCurrentIndex(dialog.Combo1->findText(*answer.printer));
  if (answer.confirmChecked) dialog.Chk_kakunin_msg->setChecked(*answer.confirmChecked);
  if (answer.button >= 0 && answer.button < 3) dialog.cmd_run_Click(answer.button);
}

void PrintDialog::Form_Load() {
  printersListed_ = 0;
  Combo1->clear();
  const QStringList printers = InstalledPrinterNames();
  if (printers.isEmpty()) {
    Combo1->addItem(QStringLiteral("プリンターが見つかりません"));
  } else {
    Combo1->addItems(printers);
    Combo1->setCurrentIndex(printers.indexOf(CurrentPrinterName()));
    printersListed_ = 1;
  }
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
  CurrentPrintJob().choice = PrintDialogResult::Cancelled;
  Chk_kakunin_msg->setChecked(CurrentPrintJob().confirmPrompts == 1);
}

void PrintDialog::Chk_kakunin_msg_Click() { CurrentPrintJob().confirmPrompts = Chk_kakunin_msg->isChecked() ? 1 : 0; }

void PrintDialog::Combo1_Click() {
  if (printersListed_ != 1 || Combo1->count() == 0 || Combo1->currentIndex() < 0) return;
  const QString chosen = Combo1->currentText();
  for (const QString& name : InstalledPrinterNames()) {
    if (name == chosen) {
      SetCurrentPrinter(name);
      return;
    }
  }
}

void PrintDialog::cmd_run_Click(int index) {
  CurrentPrintJob().choice = static_cast<PrintDialogResult>(index);
  CurrentPrintJob().endDocPerPage = Chk_kakunin_msg->isChecked() ? 1 : 0;
  hide();
}
