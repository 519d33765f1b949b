// New and open of address files, and the find over the entry list.
#include <QFileInfo>

#include "AddressFile.h"
#include "AddressRecord.h"
#include "AddressStorage.h"
#include "AddressWindow.h"
#include "core/platform/FileDialog.h"
#include "core/platform/MessageBox.h"
#include "core/print/PrintJob.h"
#include "core/settings/DataFileRewrite.h"
#include "core/settings/Ini.h"
#include "core/text/PathHelpers.h"
#include "core/ui/FileMenuCaption.h"
#include "core/ui/SearchKeys.h"

namespace {

// The dialogs start at the current file, its folder in the platform's form.
QString DialogFolder(const QString& storedPath) { return AddressFileLocation(FolderOfPath(storedPath)); }

}  // namespace

void AddressWindow::cmd_FileNew_Click() {
  const QString path = ShowFileDialog(false, nullptr, DialogFolder(AddressFilePath), FileNameOfPath(AddressFilePath),
                                      FileMenuCaption(FileItem::New),
                                      QStringLiteral("住所録 (*.csv)|*.csv|全て (*.*)|*.*||"), 1, QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path)) {
    platform::ShowMessage(QStringLiteral("既に「") + path + QStringLiteral("」ファイルは有りますので新規作成できません。"),
                          platform::MsgButtons::Ok, platform::MsgIcon::Information);
    return;
  }
  if (!WriteDataFile(path, {kAddressHeader})) return;
  AddressFilePath = path;
  SelectedLineNumber = -1;
  ShownLine.clear();
  FillAddressList();
  WriteIniValue(kAddressSection, QStringLiteral("FILE"), path);
}

void AddressWindow::Cmd_FileRead_Click() {
  const QString path = ShowFileDialog(true, nullptr, DialogFolder(AddressFilePath), FileNameOfPath(AddressFilePath),
                                      FileMenuCaption(FileItem::Read),
                                      QStringLiteral("ＣＳＶ (*.csv)|*.csv|全て (*.*)|*.*||"), 1, QString());
  if (path.isEmpty() || !QFileInfo(path).isFile()) return;
  const QString stored = AddressStoredPath(path);
  AddressFilePath = stored;
  WriteIniValue(kAddressSection, QStringLiteral("FILE"), stored);
  // Line numbers of the old file mean nothing in the new one.
  SelectedLineNumber = -1;
  ShownLine.clear();
  FillAddressList();
}

void AddressWindow::Cmd_FileSearch2_Click() {
  setEnabled(false);
  FindFlag = 1;
  const FindKeys keys = ShowFindKeysDialog(this, {FindKeyValues.key1, FindKeyValues.key2});
  FindKeyValues = {keys.key1, keys.key2};
  setEnabled(true);
  if (SearchDialogResult != 0) {
    BeginBusy(this);
    FillAddressList();
    EndBusy(this);
  }
}
