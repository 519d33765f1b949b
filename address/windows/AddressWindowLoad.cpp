// The address window's load sequence and the filling of its entry list.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "AddressFile.h"
#include "AddressFind.h"
#include "AddressListLine.h"
#include "AddressPrintLists.h"
#include "AddressRecord.h"
#include "AddressStorage.h"
#include "AddressWindow.h"
#include "core/platform/MessageBox.h"
#include "core/platform/ProblemReport.h"
#include "core/platform/Clock.h"
#include "core/platform/TextLines.h"
#include "core/settings/AppGlobals.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/settings/IniWriteBatch.h"
#include "core/text/PathHelpers.h"
#include "core/text/StringHelpers.h"
#include "core/ui/FormHelpers.h"
#include "core/ui/Twips.h"
#include "core/ui/ListControls.h"

namespace {

QString Setting(const char* key) { return GetIniValue(kAddressSection, QLatin1String(key)); }

}  // namespace

QString AddressWindow::AddressFileLocalPath() const { return AddressFileLocation(AddressFilePath); }

void AddressWindow::Form_Load() {
  List1->setFixedHeight(TwipsToPixelsY(4125));

  if (TrimBlanks(Setting("FILE")).isEmpty()) {
    IniWriteBatch batch;
    WriteIniValue(kAddressSection, QStringLiteral("LBL_YOBI"), QStringLiteral("FAX"));
    WriteIniValue(kAddressSection, QStringLiteral("LBL_NO"), QStringLiteral("番号"));
    WriteIniValue(kAddressSection, QStringLiteral("LBL_BIKO1"), QStringLiteral("ﾒｰﾙ2"));
    WriteIniValue(kAddressSection, QStringLiteral("LBL_BIKO2"), QStringLiteral("備考"));
  }
  for (const FreeFieldLabel label :
       {FreeFieldLabel::Yobi, FreeFieldLabel::No, FreeFieldLabel::Biko1, FreeFieldLabel::Biko2})
    ShowFreeFieldCaption(label, GetIniValue(kAddressSection, FreeFieldCaptionKey(label)));

  QString flag = Setting("ADDRESSFLG");
  if (flag.isEmpty()) {
    WriteIniValue(kAddressSection, QStringLiteral("ADDRESSFLG"), QStringLiteral("1"));
    flag = QStringLiteral("1");
  }
  {
    const QSignalBlocker quiet(Chk_Jyusyo);
    const int value = flag.toInt();
    Chk_Jyusyo->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
  }
  ApplyFreeFieldInputModes();

  SelectedLineNumber = -1;
  AddressFilePath = GetIniValueOrDefault(kAddressSection, QStringLiteral("FILE"), AddressFile::DefaultName());
  // Settings that can be neither read nor written give no name: the default
  // file is used, as on a first start.
  if (AddressFilePath.isEmpty()) AddressFilePath = AddressFile::DefaultName();
  if (!AddressFilePath.contains(u'\\') && !AddressFilePath.contains(u'/'))
    AddressFilePath = ProgramFolder + AddressFilePath;

  const QString local = AddressFileLocalPath();
  // A failure here is said by the write itself; the list then finds no file.
  if (TrimBlanks(SafeDir(local)).isEmpty() && !QFileInfo::exists(local))
    WriteDataFile(local, AddressFile::DefaultLines(), {.ownAccord = true});

  RefillList(Cmb_Type, AddressDesignItems());
  Cmb_Type->setCurrentIndex(0);
  RefillList(cmb_sort, AddressSortItems());
  cmb_sort->setCurrentIndex(0);

  Groups = AddressCategoryGroups::Load();
  for (const QString& refusal : Groups.refusals())
    platform::ShowMessage(refusal, platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
  RefillList(Cmb_bunrui, Groups.filterItems());
  RefillList(Cmb_bunruiM, Groups.editorItems());
  {
    const QSignalBlocker quiet(Cmb_bunrui);
    Cmb_bunrui->setCurrentIndex(0);
  }
  Cmb_bunruiM->setCurrentIndex(0);

  const int boxHeight = TwipsToPixelsY(360);
  for (QLineEdit* box : findChildren<QLineEdit*>())
    if (!qobject_cast<QComboBox*>(box->parent())) box->setFixedHeight(boxHeight);
  ApplyImeMode(this);
  // The backup follows the list's read: a file the list could not read has
  // been named once already, and a backup of it would fail the same way. The
  // sample file of a first start has its backup at once, as every other
  // data file has when its window loads.
  if (FillAddressList() && !TrimBlanks(SafeDir(local)).isEmpty()) MakeAddressWeekdayBackup(local, platform::Today());
}

void AddressWindow::ApplyFreeFieldInputModes() {
  constexpr int kImeOn = 1;
  constexpr int kImeOff = 2;
  Txt_Bikou[0]->setProperty(kImeModeProperty, Lbl_biko1->text() == MailCaptionOf(FreeFieldLabel::Biko1) ? kImeOff : kImeOn);
  Txt_Bikou[1]->setProperty(kImeModeProperty, Lbl_biko2->text() == MailCaptionOf(FreeFieldLabel::Biko2) ? kImeOff : kImeOn);
}

bool AddressWindow::ReadAddressLines(QStringList& lines, bool automatic) {
  lines.clear();
  const QString path = AddressFileLocalPath();
  QString error;
  if (platform::ReadTextLinesWith(path, lines, ReadAddressFile, &error)) {
    readFailureTold_.clear();
    return true;
  }
  // A file that has gone or cannot be read is named once to the automatic
  // refills, which would otherwise repeat it at every change of the list; a
  // print or an export the user asked for always says why it produced
  // nothing.
  if (automatic && readFailureTold_ == path) return false;
  readFailureTold_ = path;
  platform::ReportProblem({platform::Problem::ReadFailed, path, error});
  return false;
}

void AddressWindow::FillAddressListAfterFailedChange() {
  readFailureTold_ = AddressFileLocalPath();
  FillAddressList();
}

bool AddressWindow::FillAddressList() {
  const QString filter = TrimBlanks(Cmb_bunrui->currentText());
  setWindowTitle(QStringLiteral("住所録 - ") + AddressFilePath);
  const bool findActive = FindFlag != 0 && AnyFindKey(FindKeyValues);
  List1->setEnabled(false);
  {
    const QSignalBlocker quiet(List1);
    List1->clear();
  }
  QStringList lines;
  const bool read = ReadAddressLines(lines, true);
  QListWidgetItem* selected = nullptr;
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QString& raw = lines.at(i);
    // The list line and the filter need no field after 会社ＴＥＬ.
    const AddressRecord record = AddressRecord::FromLineHead(raw, kFieldKaisyaTel);
    if (!Groups.passesFilter(filter, TrimBlanks(record.field(kFieldBunrui)), record.field(kFieldFlags))) continue;
    if (findActive && !LineMatchesFindKeys(raw, FindKeyValues)) continue;
    // The item is given its data before it joins the list: each change of
    // an item in the list is told to the view, which made a big book's
    // list cost far more than its entries.
    auto* item = new QListWidgetItem(AddressListLine(record));
    const int lineNumber = static_cast<int>(i + 1);
    item->setData(Qt::UserRole, lineNumber);
    item->setData(Qt::UserRole + 1, raw);
    List1->addItem(item);
    if (lineNumber == SelectedLineNumber) selected = item;
  }
  if (selected) {
    const QSignalBlocker quiet(List1);
    List1->setCurrentItem(selected);
  }
  List1->setEnabled(true);
  return read;
}
