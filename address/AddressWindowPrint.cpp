// The address window's printing side: the design list, the print button with
// its choice of entries, and the sheet and side loops of each print path.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <cmath>

#include <QPlainTextEdit>

#include "AddressFind.h"
#include "AddressLabels.h"
#include "AddressPrintCode.h"
#include "AddressPrintLists.h"
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

// How the book and list designs place their pages on a side (0 to 5), or -1
// for the other designs.
int AddressPrintSideLayout(int code) {
  if ((code >= 0 && code < 1300) || (code >= 10000 && code < 11300)) return code % 100 - 1;
  return -1;
}

void Say(const QString& text, platform::MsgIcon icon = platform::MsgIcon::None) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, icon);
}

int BoxValue(const QCheckBox* box) {
  if (box->isHidden()) return 0;
  return box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
}

// A page span's edges, as the drawers take them.
struct Span {
  double left, right;
};

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
  if (ShowPrintDialog()) return;
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
  SetPrinterScaleMode(6);
  SetPrinterOrientation(PaperSettings.SuperOrganiserMode == 1 ? 2 : 1);
  RunPrintPath(AddressPrintCode(designIndex, Cmb_men->currentIndex(), PaperSettings.SuperOrganiserMode), category, lines);
  EndPrintDocument();
  EndBusy(this);
}

void AddressWindow::RunPrintPath(int code, const QString& category, const AddressPrintLines& lines) {
  const PaperSettingsData& p = PaperSettings;
  // The width two pages take across a side goes first: the PDF printer's
  // paper follows it and the right half is measured on that paper.
  const int side = AddressPrintSideLayout(code);
  if (side == 3) SetLaidOutSideWidthMm(FacingPagesWidthMm());
  if (side == 4) SetLaidOutSideWidthMm(TwoPagesAcrossWidthMm(2));
  const double w = std::nearbyint(GetScaleWidth());
  const Span front{double(p.PageLeft), double(p.PageWidth)};
  const Span back{0, double(p.PageWidth - p.PageLeft)};
  const Span rightHalf{std::nearbyint(GetScaleWidth() - (p.PageWidth - p.PageLeft)), w};
  const Span folded{double(p.PageWidth + 2), double(2 * p.PageWidth - p.PageLeft + 2)};
  auto page = [&](int k, const Span& s) { return PrintAddressDesignPage(category, lines, k, s.left, s.right); };
  auto blankPage = [&](const Span& s) { return PrintAddressDesignPage(QString(), lines, 0, s.left, s.right); };

  if (side >= 0) {
    constexpr int kMaxPages = 10000;
    switch (side) {
      case 0:
      case 1:
      case 2:
        for (int k = 1; k <= kMaxPages; ++k) {
          if (k > 1 && !ConfirmPaperSet(side == 2 ? 2 : (k % 2 == 1 ? 0 : 1))) return;
          BeginPage();
          const bool atFront = side == 2 || (side == 0) == (k % 2 == 1);
          const int done = page(k, atFront ? front : back);
          FinishOutput();
          if (done) return;
        }
        return;
      case 3:
        // Folded in the middle, a sheet reads k, k + 1, k + 2, k + 3.
        for (int k = 1; k <= kMaxPages; k += 4) {
          if (k > 1 && !ConfirmPaperSet(0)) return;
          BeginPage();
          PreviewOutlineKind = 0;
          const int d1 = page(k, rightHalf);
          const int d4 = d1 ? blankPage(back) : page(k + 3, back);
          DrawBinderMarks(0);
          FinishOutput();
          if (!ConfirmPaperSet(1)) return;
          BeginPage();
          PreviewOutlineKind = 0;
          const int d2 = d1 ? blankPage(back) : page(k + 1, back);
          const int d3 = d1 || d2 ? blankPage(rightHalf) : page(k + 2, rightHalf);
          FinishOutput();
          if (d1 || d2 || d3 || d4) return;
        }
        return;
      case 4:
        for (int k = 1; k <= kMaxPages; k += 2) {
          BeginPage();
          PreviewOutlineKind = 0;
          const int d1 = page(k, front);
          const int d2 = page(k + 1, folded);
          DrawBinderMarks(5);
          FinishOutput();
          if (d1 || d2) return;
          if (!ConfirmPaperSet(2)) return;
        }
        return;
      case 5:
        SetPrinterOrientation(2);
        for (int k = 1; k <= kMaxPages; k += 4) {
          BeginPage();
          PreviewOutlineKind = 0;
          int last = 0;
          for (int i = 1; i <= 4; ++i) last = page(k + i - 1, Span{double(p.SheetPageX[i]), double(p.SheetPageY[i])});
          FinishOutput();
          if (last) return;
          if (!ConfirmPaperSet(2)) return;
        }
        return;
      default:
        return;
    }
  }
  if (code == 1301) {
    BeginPage();
    blankPage(front);
    FinishOutput();
    if (!ConfirmPaperSet(1)) return;
    BeginPage();
    blankPage(back);
    FinishOutput();
    return;
  }
  switch (code) {
    case 1401:
    case 1402: {
      const PersonalInfoCaptions captions{Lbl_yobi->text(), Lbl_biko1->text(), Lbl_biko2->text()};
      BeginPage();
      if (code == 1401)
        PrintPersonalInfoPage(EditorEntry(*this), captions, p.PageLeft, p.PageWidth);
      else
        PrintPersonalInfoPage(EditorEntry(*this), captions, 0, p.PageWidth - p.PageLeft);
      FinishOutput();
      return;
    }
    case 1501:
    case 1601:
      for (int k = 1; k <= 100; ++k) {
        BeginPage();
        PreviewOutlineKind = 0;
        const int done = page(k, rightHalf);
        FinishOutput();
        if (done || !ConfirmPaperSet(2)) return;
      }
      return;
    case 1701:
    case 1801:
    case 1901:
      BeginPage();
      PreviewOutlineKind = code == 1701 ? 10 : 0;
      PrintPostcardAddress(code == 1701   ? QStringLiteral("JXPOST_CARD")
                           : code == 1801 ? QStringLiteral("JXPOST_L4")
                                          : QStringLiteral("JXPOST_L3"),
                           EditorRecipient(*this));
      FinishOutput();
      return;
    default:
      break;
  }
  Say(QStringLiteral("まだ印刷できません、要望があったら作ります(^^;"), platform::MsgIcon::Exclamation);
}
