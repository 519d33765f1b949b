// The print dialog's printer list, check box and buttons.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include "PrintTestSupport.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
#include "core/print/PrinterInfo.h"
#include "core/settings/AppGlobals.h"
#include "core/ui/PrintDialog.h"

namespace {

class PrintDialogTest : public PrintTest {};

TEST_F(PrintDialogTest, ListsTheQueuesAndThePdfPrinterWithTheCurrentOneSelected) {
  SetInstalledPrintersOverride(QStringList{"Laser", "Inkjet"});
  SetCurrentPrinter(QStringLiteral("Inkjet"));
  CurrentPrintJob().confirmPrompts = 0;
  answerDialog({0, std::nullopt, std::nullopt});
  ShowPrintDialog();
  ASSERT_EQ(dialogsShown().size(), 1u);
  EXPECT_EQ(dialogsShown()[0].printers, QStringList({"Laser", "Inkjet", "PDF"}));
  EXPECT_EQ(dialogsShown()[0].selected, QStringLiteral("Inkjet"));
  EXPECT_FALSE(dialogsShown()[0].confirmChecked);
}

TEST_F(PrintDialogTest, ChoosingAPrinterEndsTheOpenDocumentAndMakesItCurrent) {
  SetInstalledPrintersOverride(QStringList{"Laser", "Inkjet"});
  SetCurrentPrinter(QStringLiteral("Laser"));
  PrintDialog dialog;
  printer().beginPage();
  dialog.Combo1->setCurrentIndex(dialog.Combo1->findText(QStringLiteral("PDF")));
  EXPECT_EQ(CurrentPrinterName(), QStringLiteral("PDF"));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc"));
}

TEST_F(PrintDialogTest, LeftoverJobEndsWhenTheNextOneStarts) {
  printer().beginPage();  // a job that never reached EndPrintDocument
  answerDialog({1, std::nullopt, QStringLiteral("PDF")});
  EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  EXPECT_EQ(CurrentPrinterName(), QStringLiteral("PDF"));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc end-doc end-job"));
}

TEST_F(PrintDialogTest, LoadingTheListChangesNoPrinter) {
  SetInstalledPrintersOverride(QStringList{"Laser"});
  SetCurrentPrinter(QStringLiteral("Laser"));
  printer().beginPage();
  PrintDialog dialog;
  EXPECT_EQ(dialog.Combo1->currentText(), QStringLiteral("Laser"));
  EXPECT_EQ(printer().protocol(), QStringLiteral("begin-doc"));
}

TEST_F(PrintDialogTest, NoPrinterListedStillLetsTheButtonsWork) {
  SetInstalledPrintersOverride(QStringList{}, false);
  PrintDialog dialog;
  ASSERT_EQ(dialog.Combo1->count(), 1);
  EXPECT_EQ(dialog.Combo1->itemText(0), QStringLiteral("プリンターが見つかりません"));
  const QString before = CurrentPrinterName();
  dialog.Combo1->setCurrentIndex(-1);
  dialog.Combo1->setCurrentIndex(0);
  EXPECT_EQ(CurrentPrinterName(), before);
  dialog.Form_Activate();
  dialog.cmd_run[2]->click();
  EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Preview);
  EXPECT_EQ(CurrentPrintJob().endDocPerPage, 1);
}

// 印刷 needs a printer the system lists now: with none chosen, or the
// chosen one gone since, the dialog says so, decides nothing and stays for
// another choice. The preview needs no printer.
TEST_F(PrintDialogTest, PrintWithNoPrinterToPrintOnSaysSoAndStays) {
  struct Row {
    const char* what;
    QStringList queues;
    bool pdfListed;
    QString current;
    QString told;
  } rows[] = {
      {"the chosen queue is gone",
       {"Laser"},
       true,
       "Gone",
       "プリンター「Gone」が使用できません。\r\n印刷するプリンターを選んでください。"},
      {"none chosen", {"Laser"}, true, "", "印刷するプリンターが選ばれていません。\r\nプリンターを選んでください。"},
      {"none installed", {}, false, "", "プリンターが見つかりません。\r\n印刷できません。"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    messages().clear();
    SetInstalledPrintersOverride(r.queues, r.pdfListed);
    SetCurrentPrinter(r.current);
    PrintDialog dialog;
    dialog.show();
    dialog.Form_Activate();
    dialog.cmd_run[1]->click();
    EXPECT_EQ(messages().texts(), QStringList{r.told});
    EXPECT_EQ(messages().shown()[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Cancelled);
    EXPECT_TRUE(dialog.isVisible()) << "stays for another choice";
    dialog.cmd_run[2]->click();
    EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Preview);
    EXPECT_FALSE(dialog.isVisible());
  }

  // A queue removed while the dialog was open leaves the list once 印刷 told it.
  messages().clear();
  SetInstalledPrintersOverride(QStringList{"Laser", "Inkjet"});
  SetCurrentPrinter(QStringLiteral("Inkjet"));
  PrintDialog dialog;
  dialog.Form_Activate();
  SetInstalledPrintersOverride(QStringList{"Laser"});
  dialog.cmd_run[1]->click();
  EXPECT_EQ(
      messages().texts(),
      QStringList{QStringLiteral("プリンター「Inkjet」が使用できません。\r\n印刷するプリンターを選んでください。")});
  EXPECT_EQ(dialog.Combo1->findText(QStringLiteral("Inkjet")), -1);
  EXPECT_EQ(dialog.Combo1->currentIndex(), -1);
  dialog.Combo1->setCurrentIndex(0);
  dialog.cmd_run[1]->click();
  EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Print);
  EXPECT_EQ(CurrentPrinterName(), QStringLiteral("Laser"));
}

TEST_F(PrintDialogTest, ControlsAndCaptions) {
  PrintDialog dialog;
  EXPECT_EQ(dialog.Chk_kakunin_msg->text(), QStringLiteral("印刷確認メッセージボックス表示"));
  EXPECT_EQ(dialog.cmd_run[0]->text(), QStringLiteral("ｷｬﾝｾﾙ"));
  EXPECT_EQ(dialog.cmd_run[1]->text(), QStringLiteral("印刷"));
  EXPECT_EQ(dialog.cmd_run[2]->text(), QStringLiteral("印刷イメージ"));
  CurrentPrintJob().confirmPrompts = 1;
  dialog.Form_Activate();
  EXPECT_TRUE(dialog.Chk_kakunin_msg->isChecked());
  dialog.Chk_kakunin_msg->setChecked(false);
  EXPECT_EQ(CurrentPrintJob().confirmPrompts, 0);
  dialog.cmd_run[1]->click();
  EXPECT_EQ(CurrentPrintJob().choice, PrintDialogResult::Print);
  EXPECT_EQ(CurrentPrintJob().endDocPerPage, 0);
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PrintDialogTest, RealDialogRunsModallyUntilAButton) {
  SetPrintDialogHandler({});
  CurrentPrintJob().confirmPrompts = 1;
  bool checked = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    checked = dialog->Chk_kakunin_msg->isChecked();
    dialog->cmd_run[2]->click();
  });
  EXPECT_NE(ShowPrintDialog(), PrintDialogResult::Cancelled);
  EXPECT_TRUE(checked);
  EXPECT_EQ(CurrentPrintJob().previewMode, 1);
  EXPECT_EQ(CurrentPrintJob().endDocPerPage, 1);
}

}  // namespace
