// The address window's printing side: the design list, the print button with
// its choice of entries, and the sheet and side loops of each print path.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <climits>

#include <QPlainTextEdit>

#include "AddressFind.h"
#include "AddressLabels.h"
#include "AddressPrintCode.h"
#include "AddressPrintLists.h"
#include "AddressPrintPlan.h"
#include "AddressWindow.h"
#include "FramedPhoneBook.h"
#include "LandscapePhoneBook.h"
#include "PersonalInfoPage.h"
#include "PhoneBookListPage.h"
#include "PostcardAddress.h"
#include "RuledPhoneBook.h"
#include "core/platform/MessageBox.h"
#include "core/print/BinderMarks.h"
#include "core/print/JobPaper.h"
#include "core/print/PrintJob.h"
#include "core/print/PrintSurface.h"
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

int AddressWindow::PrintAddressDesignPage(const QString& category, const AddressPrintLines& lines, int page,
                                          double left, double right) {
  RuledPhoneBookOptions options;
  options.addressMode = BoxValue(Chk_Jyusyo);
  for (int i = 0; i < 5; ++i) options.extras[i] = BoxValue(Chk_mail[i]) ? 1 : 0;
  options.yobiCaption = Lbl_yobi->text();
  options.mobileIcon = RuledPhoneBookMobileIcon();
  options.homeIcon = RuledPhoneBookHomeIcon();
  if (category.isEmpty()) {
    // A blank page works on a copy, so the job's lines stay as they are.
    AddressPrintLines blank = lines;
    blank.header.clear();
    return PrintRuledPhoneBook(0, 0, QString(), 0, left, right, blank, options);
  }
  const QString design = TrimBlanks(Cmb_Type->currentText());
  const int designIndex = Cmb_Type->currentIndex();
  const int sortIndex = cmb_sort->currentIndex();
  if (design == QStringLiteral("横向き"))
    return PrintLandscapePhoneBook(designIndex, sortIndex, category, page, left, right, lines);
  if (design == QStringLiteral("宛名ラベル")) return PrintAddressLabels(0, page, lines);
  if (design == QStringLiteral("宛名ラベル(社名付)")) return PrintAddressLabels(1, page, lines);
  if (design == QStringLiteral("枠罫")) {
    const FramedPhoneBookOptions framed{options.addressMode, options.extras};
    return PrintFramedPhoneBook(designIndex - 8, sortIndex, category, page, left, right, lines, framed);
  }
  if (design == QStringLiteral("詰込"))
    return PrintPhoneBookListPage(designIndex, sortIndex, category, page, left, right, lines, Lbl_yobi->text(),
                                  Lbl_no->text());
  return PrintRuledPhoneBook(designIndex, sortIndex, category, page, left, right, lines, options);
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
  SetPrinterScaleMode(kScaleMillimetres);
  SetPrinterOrientation(PaperSettings.SuperOrganiserMode == 1 ? kLandscape : kPortrait);
  RunPrintPath(AddressPrintCode(designIndex, Cmb_men->currentIndex(), PaperSettings.SuperOrganiserMode), category, lines);
  EndPrintDocument();
  EndBusy(this);
}

void AddressWindow::RunPrintPath(int code, const QString& category, const AddressPrintLines& lines) {
  const std::optional<SheetPlan> plan = PlanAddressPrint(code);
  if (!plan) {
    Say(QStringLiteral("まだ印刷できません、要望があったら作ります(^^;"), platform::MsgIcon::Exclamation);
    return;
  }
  // The lowest page the entries ended on: the book pages after it that a
  // sheet still holds are drawn blank.
  int endedOn = INT_MAX;
  RunSheetPlan(*plan, DataPageDrawer([&](const PlannedPage& page) -> bool {
                 switch (page.renderer) {
                   case kAddressBookPageOrBlank:
                     if (page.item > endedOn) return PrintAddressDesignPage(QString(), lines, 0, page.x1, page.x2);
                     [[fallthrough]];
                   case kAddressBookPage: {
                     const bool done = PrintAddressDesignPage(category, lines, page.item, page.x1, page.x2);
                     if (done) endedOn = std::min(endedOn, page.item);
                     return done;
                   }
                   case kAddressBlankPage:
                     PrintAddressDesignPage(QString(), lines, 0, page.x1, page.x2);
                     return false;
                   case kAddressPersonalInfo:
                     PrintPersonalInfoPage(EditorEntry(*this), {Lbl_yobi->text(), Lbl_biko1->text(), Lbl_biko2->text()},
                                           page.x1, page.x2);
                     return false;
                   case kAddressPostcard:
                     PrintPostcardAddress(page.item == 0   ? QStringLiteral("JXPOST_CARD")
                                          : page.item == 1 ? QStringLiteral("JXPOST_L4")
                                                           : QStringLiteral("JXPOST_L3"),
                                          EditorRecipient(*this));
                     return false;
                 }
                 return false;
               }));
}
