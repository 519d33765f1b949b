// The entry editor: show, add, update, delete and clear. Every change reads
// the file afresh, checks that the entry it acts on is still the line that was
// shown or listed, and writes the whole file anew in one rewrite.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "AddressBookEdit.h"
#include "AddressFlags.h"
#include "AddressRecord.h"
#include "AddressStorage.h"
#include "AddressTextConversions.h"
#include "AddressWindow.h"
#include "core/platform/CodePageChecks.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/DataFileRewrite.h"
#include "core/text/CsvEscape.h"
#include "core/text/StringHelpers.h"

namespace {

enum Operation { kShow = 0, kAdd = 1, kUpdate = 2, kDelete = 3, kClear = 4 };

const QString kChooseFromList = QStringLiteral("一覧から選択してください。");

void Warn(const QString& text) {
  platform::ShowMessage(text, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
}

bool Confirm(const QString& text, int defaultButton) {
  platform::MessageRequest request;
  request.text = text;
  request.buttons = platform::MsgButtons::OkCancel;
  request.icon = platform::MsgIcon::Exclamation;
  request.defaultButton = defaultButton;
  return platform::ShowMessage(request) == platform::MsgResult::Ok;
}

// The window is disabled with the hourglass for the whole operation, and
// enabled again however it ends.
using BusyWindow = BusyScope;

int CheckValue(const QCheckBox* box) {
  return box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
}

void SetCheckValue(QCheckBox* box, int value) {
  box->setCheckState(value == 0 ? Qt::Unchecked : value == 2 ? Qt::PartiallyChecked : Qt::Checked);
}

QString WithBlanks(const QString& text) { return ReplaceAll(TrimBlanks(text), QStringLiteral("　"), QStringLiteral(" ")); }

}  // namespace

void AddressWindow::cmd_update_click(int index) {
  if (index < kShow || index > kClear) return;
  BusyWindow busy(this);
  if (index == kShow) return ShowSelectedEntry();
  if (index == kClear) return ClearEditor(true);

  const int row = SelectedListRow();
  if (index == kAdd || index == kUpdate) {
    if (TrimBlanks(Cmb_bunruiM->currentText()).isEmpty() ||
        (TrimBlanks(Txt_Name->text()).isEmpty() && TrimBlanks(Txt_Handle->text()).isEmpty()) ||
        TrimBlanks(Txt_Kana->text()).isEmpty())
      return Warn(QStringLiteral("「分類、名前(愛称)、カナ名」は必須入力です。"));
    Txt_Name->setText(WithBlanks(Txt_Name->text()));
    Txt_Kana->setText(WithBlanks(Txt_Kana->text()));
  }
  QString expectedLine;  // what the file must still hold under the number
  if (index == kUpdate) {
    if (SelectedLineNumber == -1) return Warn(kChooseFromList);
    if (!Confirm(QStringLiteral("「") + TrimBlanks(Txt_Name->text()) + QStringLiteral("さん」を更新します。"), 1)) return;
    expectedLine = ShownLine;
  }
  if (index == kDelete) {
    if (row < 0) return Warn(kChooseFromList);
    if (!Confirm(QStringLiteral("「") + List1->item(row)->text() + QStringLiteral("」さんを削除します。"), 2)) return;
    SelectedLineNumber = List1->item(row)->data(Qt::UserRole).toInt();
    expectedLine = List1->item(row)->data(Qt::UserRole + 1).toString();
  }

  AddressRecord entry;
  if (index == kAdd || index == kUpdate) {
    Txt_Tel->setText(NormalizePhoneChars(Txt_Tel->text()));
    Txt_Fax->setText(NormalizePhoneChars(Txt_Fax->text()));
    Txt_Jitaku->setText(NormalizePhoneChars(Txt_Jitaku->text()));
    Txt_Kaisya->setText(NormalizePhoneChars(Txt_Kaisya->text()));
    Txt_Zip->setText(NormalizePhoneChars(TrimBlanks(Txt_Zip->text())));
    Txt_No->setText(NormalizePhoneChars(Txt_No->text()));
    AddressFlags flags;
    flags.noPrint = CheckValue(Chk_noprint);
    flags.active = CheckValue(Chk_Active);
    for (int i = 0; i < 5; ++i) flags.checks[i] = CheckValue(chk_etc[i]);
    const QString values[kAddressEditedFields] = {
        Txt_Kana->text(),    Cmb_bunruiM->currentText(), Txt_Name->text(),     Txt_Handle->text(),
        Txt_Tel->text(),     Txt_Jitaku->text(),         flags.toField(),      Txt_KaisyaName->text(),
        Txt_Kaisya->text(),  Txt_Zip->text(),            Txt_Address1->text(), Txt_Address2->text(),
        Txt_Mail->text(),    BikouText(0),               BikouText(1),         Txt_Fax->text(),
        Txt_Birthday->text(), Txt_No->text(),            BikouText(2),         BikouText(3),
        txt_post->text(),
    };
    for (int n = 1; n <= kAddressEditedFields; ++n) entry.setField(n, values[n - 1]);
    for (int n = kAddressEditedFields + 1; n <= CarriedFields.size() + kAddressEditedFields; ++n)
      entry.setField(n, CarriedFields.at(n - kAddressEditedFields - 1));
    QStringList typed;
    for (int n = 1; n <= entry.fieldCount(); ++n) typed << entry.field(n);
    if (!platform::CheckSavableText(typed.join(QString()))) return;
  }

  // The file is read again under the lock; another program, or a second
  // window, may have changed it since the entry was shown or listed, and a
  // line number alone could then hit another entry.
  bool stale = false;
  int inserted = -1;
  const int removing = SelectedLineNumber;
  const bool written = RewriteDataFile(
      AddressFileLocalPath(),
      [&](QStringList& lines) {
        stale = !ChangeAddressBook(lines, index == kUpdate || index == kDelete ? removing : 0, expectedLine,
                                   index == kAdd || index == kUpdate ? &entry : nullptr, &inserted);
        return !stale;
      },
      {.keepTempCopy = true});
  if (index == kUpdate || index == kDelete) SelectedLineNumber = -1;
  if (stale) {
    FillAddressList();
    return Warn(kChooseFromList);
  }
  if (!written) {
    // The file is as it was; the list shows it so.
    FillAddressListAfterFailedChange();
    return;
  }
  if (index == kUpdate) {
    SelectedLineNumber = inserted;
    ShownLine = entry.toLine();
  }
  if (index == kAdd) ClearEditor(false);
  FillAddressList();
}

void AddressWindow::ShowSelectedEntry() {
  const int row = SelectedListRow();
  if (row < 0) return Warn(kChooseFromList);
  const int number = List1->item(row)->data(Qt::UserRole).toInt();
  QStringList lines;
  if (!ReadAddressLines(lines, false)) return;
  if (!AddressLineIsIntact(lines, number, List1->item(row)->data(Qt::UserRole + 1).toString())) {
    SelectedLineNumber = -1;
    FillAddressList();
    return Warn(kChooseFromList);
  }
  const QString raw = lines.at(number - 1);
  const AddressRecord record = AddressRecord::FromLine(raw);

  const QString category = TrimBlanks(record.field(kFieldBunrui));
  int at = -1;
  for (int i = 0; i < Cmb_bunruiM->count(); ++i)
    if (TrimBlanks(Cmb_bunruiM->itemText(i)) == category) {
      at = i;
      break;
    }
  if (at < 0) {
    Cmb_bunruiM->addItem(category);
    at = Cmb_bunruiM->count() - 1;
  }
  Cmb_bunruiM->setCurrentIndex(at);
  Cmb_bunruiM->setEditText(Cmb_bunruiM->itemText(at));

  const std::pair<QLineEdit*, int> boxes[] = {
      {Txt_Kana, kFieldKana},         {Txt_Name, kFieldName},         {Txt_Handle, kFieldHandle},
      {Txt_Tel, kFieldTel},           {Txt_Jitaku, kFieldJitaku},     {Txt_KaisyaName, kFieldKaisyaName},
      {Txt_Kaisya, kFieldKaisyaTel},  {Txt_Zip, kFieldZip},           {Txt_Address1, kFieldAddress1},
      {Txt_Address2, kFieldAddress2}, {Txt_Mail, kFieldMail},         {Txt_Bikou[0], kFieldBikou},
      {Txt_Bikou[1], kFieldBikou2},   {Txt_Fax, kFieldKaisyaFax},     {Txt_Birthday, kFieldYobi},
      {Txt_No, kFieldNo},             {Txt_Bikou[3], kFieldUrl},      {txt_post, kFieldPost},
  };
  for (const auto& [box, field] : boxes) box->setText(TrimBlanks(record.field(field)));
  SetBikouText(2, record.field(kFieldBikou3));  // already unescaped, and kept untrimmed

  const AddressFlags flags = AddressFlags::Parse(record.field(kFieldFlags));
  SetCheckValue(Chk_noprint, flags.noPrint);
  SetCheckValue(Chk_Active, flags.active);
  for (int i = 0; i < 5; ++i) SetCheckValue(chk_etc[i], flags.checks[i]);

  CarriedFields.clear();
  for (int n = kAddressEditedFields + 1; n <= record.fieldCount(); ++n) CarriedFields << record.field(n);
  SelectedLineNumber = number;
  ShownLine = raw;
}

void AddressWindow::ClearEditor(bool resetCategory) {
  // After an add the list is filled anyway; a clear fills it when the filter
  // moved back to its first item.
  const bool filterMoved = Cmb_bunrui->currentIndex() != 0;
  {
    const QSignalBlocker quiet(Cmb_bunrui);
    Cmb_bunrui->setCurrentIndex(0);
  }
  if (resetCategory) Cmb_bunruiM->setCurrentIndex(0);
  for (QLineEdit* box : {Txt_Kana, Txt_Name, Txt_Handle, Txt_Tel, Txt_Jitaku, Txt_KaisyaName, Txt_Kaisya, Txt_Zip,
                         Txt_Address1, Txt_Address2, Txt_Mail, Txt_Bikou[0], Txt_Bikou[1], Txt_Bikou[3], Txt_Fax,
                         Txt_Birthday, Txt_No, txt_post})
    box->clear();
  Txt_Bikou3->clear();
  Chk_noprint->setCheckState(Qt::Unchecked);
  Chk_Active->setCheckState(Qt::Checked);
  for (QCheckBox* c : chk_etc) c->setCheckState(Qt::Unchecked);
  CarriedFields.clear();
  ShownLine.clear();
  SelectedLineNumber = -1;
  if (resetCategory && filterMoved) FillAddressList();
}
