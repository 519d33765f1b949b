// The address window's printing side: the design list, the print button with
// its choice of entries, and the print job the boxes and lists describe.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <QPlainTextEdit>

#include "AddressFind.h"
#include "AddressPrintJob.h"
#include "AddressPrintLists.h"
#include "AddressWindow.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/PaperSettings.h"
#include "core/text/StringHelpers.h"
#include "core/ui/ListControls.h"

namespace {

void Say(const QString& text, platform::MsgIcon icon = platform::MsgIcon::None) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, icon);
}

int BoxValue(const QCheckBox* box) {
  if (box->isHidden()) return 0;
  return box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
}

// The entry the editor shows, saved or not, each text trimmed.
AddressRecord EditorEntry(const AddressWindow& w) {
  AddressRecord e;
  const std::pair<int, QString> texts[] = {
      {kFieldKana, w.Txt_Kana->text()},         {kFieldName, w.Txt_Name->text()},
      {kFieldHandle, w.Txt_Handle->text()},     {kFieldTel, w.Txt_Tel->text()},
      {kFieldJitaku, w.Txt_Jitaku->text()},     {kFieldKaisyaName, w.Txt_KaisyaName->text()},
      {kFieldKaisyaTel, w.Txt_Kaisya->text()},  {kFieldZip, w.Txt_Zip->text()},
      {kFieldAddress1, w.Txt_Address1->text()}, {kFieldAddress2, w.Txt_Address2->text()},
      {kFieldMail, w.Txt_Mail->text()},         {kFieldBikou, w.BikouText(0)},
      {kFieldBikou2, w.BikouText(1)},           {kFieldKaisyaFax, w.Txt_Fax->text()},
      {kFieldYobi, w.Txt_Birthday->text()},     {kFieldNo, w.Txt_No->text()},
      {kFieldBikou3, w.BikouText(2)},           {kFieldUrl, w.BikouText(3)},
      {kFieldPost, w.txt_post->text()},
  };
  for (const auto& [field, text] : texts) e.setField(field, TrimBlanks(text));
  return e;
}

PostcardRecipient EditorRecipient(const AddressWindow& w) {
  return {w.Txt_Zip->text(),        w.Txt_Address1->text(), w.Txt_Address2->text(),
          w.Txt_KaisyaName->text(), w.txt_post->text(),     w.Txt_Name->text()};
}

// What the print job takes from the window's boxes and lists.
AddressPrintJob PrintJobChoices(const AddressWindow& w, const QString& category) {
  AddressPrintJob job;
  job.design = TrimBlanks(w.Cmb_Type->currentText());
  job.designIndex = w.Cmb_Type->currentIndex();
  job.sideIndex = w.Cmb_men->currentIndex();
  job.sortIndex = w.cmb_sort->currentIndex();
  job.category = category;
  job.book.addressMode = BoxValue(w.Chk_Jyusyo);
  for (int i = 0; i < 5; ++i) job.book.extras[i] = BoxValue(w.Chk_mail[i]) ? 1 : 0;
  job.book.yobiCaption = w.Lbl_yobi->text();
  job.book.mobileIcon = RuledPhoneBookMobileIcon();
  job.book.homeIcon = RuledPhoneBookHomeIcon();
  job.noCaption = w.Lbl_no->text();
  job.entry = EditorEntry(w);
  job.captions = {w.Lbl_yobi->text(), w.Lbl_biko1->text(), w.Lbl_biko2->text()};
  job.recipient = EditorRecipient(w);
  return job;
}

}  // namespace

void AddressWindow::Cmb_type_Click() {
  const int design = Cmb_Type->currentIndex();
  RefillList(Cmb_men, AddressSideItems(design));
  const bool boxes = design == 12 || (design >= 0 && design <= 6) || design == 8 || design == 9;
  Chk_Jyusyo->setVisible(boxes);
  for (QCheckBox* c : Chk_mail) c->setVisible(boxes);
  int side = 0;
  if (PaperSettings.SuperOrganiserMode == 1) {
    const int superSide = Cmb_men->findText(QStringLiteral("超整理型"));
    if (superSide >= 0) side = superSide;
  }
  Cmb_men->setCurrentIndex(side);
}

void AddressWindow::Cmd_print_Click() {
  const bool findActive = FindFlag != 0 && AnyFindKey(FindKeyValues);
  const QString d = Cmb_Type->currentText();
  if ((d == QStringLiteral("個人情報") || d.indexOf(QStringLiteral("宛名")) >= 1) && TrimBlanks(Txt_Name->text()).isEmpty()) {
    Say(QStringLiteral("住所録明細に「") + d + QStringLiteral("」を印刷する人を表示してください。"),
        platform::MsgIcon::Exclamation);
    return;
  }
  if (List1->count() >= 300)
    Say(QStringLiteral("ミチクサはメモリー不足のため、\n一度に３００人以上は印刷できない可能性があります。\n"
                       "分類で分け、一度に印刷する人数を減らせば印刷できます。"));
  if (d == QStringLiteral("メール一覧作成")) {
    Say(QStringLiteral("メール一覧を「jxsender.htm」ファイルに書き出します。"), platform::MsgIcon::Exclamation);
    WriteMailList();
    return;
  }
  if (TrimBlanks(d).isEmpty()) return;
  if (ShowPrintDialog() == PrintDialogResult::Cancelled) return;
  BeginBusy(this);

  const QString category = TrimBlanks(Cmb_bunrui->currentText());
  const int designIndex = Cmb_Type->currentIndex();
  AddressPrintLines lines;
  if (designIndex != 14 && designIndex < 17) {
    AddressPrintChoice choice;
    choice.category = category;
    choice.sortIndex = cmb_sort->currentIndex();
    choice.sortItem = cmb_sort->currentText();
    choice.findActive = findActive;
    choice.findKeys = FindKeyValues;
    const int row = SelectedListRow();
    if (choice.sortIndex == 4 && row >= 0) {
      Say(QStringLiteral("「") + List1->item(row)->text() + QStringLiteral("」より、アイウエオ順に印刷します。"));
      choice.startLine = List1->item(row)->data(Qt::UserRole).toInt();
    }
    QStringList fileLines;
    if (!ReadAddressLines(fileLines, false)) {
      EndPrintDocument();
      EndBusy(this);
      return;
    }
    lines = ChooseAddressPrintLines(fileLines, choice, Groups);
  }
  PrintAddressJob(PrintJobChoices(*this, category), lines);
  EndBusy(this);
}
